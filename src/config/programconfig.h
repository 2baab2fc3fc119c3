// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/configfield.h"
#include "config/configfile.h"
#include "config/settingslayout.h"

#include <QString>
#include <QStringList>

namespace Brolant {

// The tag names of prog.cfg, each written once: the writer and every reader use these.
namespace ProgramTag {
inline const QString kPort = QStringLiteral("Port");
inline const QString kSaveHtml = QStringLiteral("Savehtml");
inline const QString kSaveExcel = QStringLiteral("SaveExcel");
inline const QString kLogDelay = QStringLiteral("LogDelay");
inline const QString kLogOn = QStringLiteral("LogOn");
inline const QString kDisplayRpm = QStringLiteral("DisplayRPM");
inline const QString kDisplayWs = QStringLiteral("DisplayWS");
inline const QString kWsUnits = QStringLiteral("WSUnits");
inline const QString kSystemVolts = QStringLiteral("SV");
inline const QString kMaxAmps = QStringLiteral("MA");
inline const QString kBaudRate = QStringLiteral("BR");
inline const QString kDispMessages = QStringLiteral("dispMessages");
} // namespace ProgramTag

// The values Program Setup starts from where prog.cfg gives none; the interval is also what the
// window shows before prog.cfg is read.
namespace ProgramDefault {
inline const QString kLogDelay = QStringLiteral("60");
inline constexpr int kSystemVolts = 24;
inline constexpr int kMaxAmps = 20;
inline constexpr int kBaudRate = 4800;
} // namespace ProgramDefault

// The values of prog.cfg, each as written and as it reads.
struct ProgramConfig
{
    ConfigField port;
    ConfigField savehtml;
    ConfigField saveExcel;
    ConfigField logDelay;
    ConfigField logOn;
    ConfigField displayRpm;
    ConfigField displayWs;
    ConfigField wsUnits;
    ConfigField sv;
    ConfigField ma;
    ConfigField br;
    ConfigField dispMessages;

    // prog.cfg's keys in the file's order, each a value as written: what every reader reads from.
    static const SettingsLayout<ProgramConfig> &layout();

    // The whole file text in its fixed layout, CR LF line ends, ending with an empty line.
    QString toFileText() const;

    // Every key of prog.cfg, in the file's order.
    static QStringList keys();
    // The program folder's prog.cfg, read once, for the readers to read their values from.
    static ConfigFile read(const QString &programFolder);
    // prog.cfg's text, parsed once.
    static ConfigFile fromText(const QString &content);
};

} // namespace Brolant
