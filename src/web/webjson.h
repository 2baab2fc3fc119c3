// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>

class QDate;

namespace Brolant {

class AlarmBoard;
struct Record;

namespace WebHistory {
struct MonthEnergy;
struct PowerCurveData;
struct PerformanceData;
} // namespace WebHistory

// The JSON behind the web page, for the page and for anyone who scripts against it. A reading's
// values carry the names of the broker's payloads (time, volts, amps, watts, rpm, wind, wh), and
// every number comes from the code the windows use: the daily log's reader, the masks, the
// Energy History's rules.
namespace WebJson {

// A day's records from its log, column by column in file order:
// {"date":"2026-12-07","time":["14:05",...],"volts":[12.53,...],"amps":[...],"watts":[...],"rpm":[...],"wind":[...]}
QJsonObject day(const QDate &date, const QByteArray &content);
// One logged interval exactly as the day's data will contain it once read back from the log:
// {"date":"2026-12-07","time":"14:05","volts":12.53,...}
QJsonObject record(const Record &record);
// {"month":"2026-12","days":[{"date":"2026-12-01","wh":1234.6,"computed":false},{"date":...,"wh":null},...],
//  "total":...,"mean":...,"damagedLines":0}
QJsonObject energy(const WebHistory::MonthEnergy &energy);
// {"from":...,"to":...,"records":N,"bins":[{"wind":3,"records":120,"meanWatts":45.2,"maxWatts":80,"faint":false},...]}
QJsonObject powerCurve(const WebHistory::PowerCurveData &curve);
// The turbine against its rating: the same figures as the Power curve tab and its spreadsheet.
QJsonObject performance(const WebHistory::PerformanceData &data);
// {"raised":[{"name":"LowVolts","value":11.74,"unit":"V","text":"11.74 V","time":...,"acknowledged":false}],
//  "cleared":[the alarms cleared since they were last acknowledged, alike]}
QJsonObject alarms(const AlarmBoard &board);

} // namespace WebJson

} // namespace Brolant
