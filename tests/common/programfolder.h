// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/programsettings.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// A temporary program folder with the files a test puts in it.
class ProgramFolder
{
public:
    ProgramFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

    // prog.cfg in the layout the setup dialog writes, with these values.
    void writeProgramConfig(const QString &port, const QString &logOn = QStringLiteral("0"),
                            const QString &logDelay = QStringLiteral("60"),
                            const QString &displayRpm = QStringLiteral("0"),
                            const QString &displayWs = QStringLiteral("0"),
                            const QString &dispMessages = QStringLiteral("1"),
                            const QString &baud = QStringLiteral("4800")) const;
    // settings.cfg with the divisors of the worked example: 50, 512, 20, 4, 2.
    void writeCalibration() const;
    // prog.cfg and settings.cfg read from here each time a session takes them: the settings
    // source of a session composed without a settings store, which sees a file the test writes
    // at once.
    std::function<Brolant::ProgramFiles()> programFiles() const;

private:
    QTemporaryDir m_dir;
};
