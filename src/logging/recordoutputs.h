// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/textfile.h"

#include <QString>

class QDate;

namespace Brolant {

struct Record;

// The optional outputs of each logging interval: a history line and a web page in html/, and a
// row of the day's spreadsheet in excel/. Nothing reads them back.
namespace RecordOutputs {

// "history7_03_2010.txt": the date as d/MM/yyyy with every "/" made "_".
QString historyFileName(const QDate &date);
QString historyLine(const Record &record, const QString &units);
// The template with its eight placeholders replaced, in order, case-sensitively.
QString page(QString templateText, const Record &record);
QString spreadsheetHeader(const QString &units);
QString spreadsheetRow(const Record &record);

// The history line, then log.asp rebuilt from template.asp. Each step on its own: a step that
// fails is skipped and the next still runs (a missing template gives a page of one line end).
// Throws Failure naming what could not be written, once both were tried. Returns the torn end the
// history file had, put right.
std::optional<TextFile::TornEnd> writeHtml(const QString &programFolder, const Record &record, const QString &units);
// The day's spreadsheet row, the file made with its header first when missing.
// Throws Failure when the row could not be written. Returns the torn end it had, put right.
std::optional<TextFile::TornEnd> writeSpreadsheetRow(const QString &programFolder, const Record &record,
                                                     const QString &units);

} // namespace RecordOutputs

} // namespace Brolant
