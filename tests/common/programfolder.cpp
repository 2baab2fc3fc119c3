// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfolder.h"

#include "config/calibrationsettings.h"
#include "config/programconfig.h"
#include "platform/programpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Brolant;

ProgramFolder::ProgramFolder() = default;

void ProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(file(name)).path());
    QFile out(file(name));
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

QByteArray ProgramFolder::read(const QString &name) const
{
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void ProgramFolder::writeProgramConfig(const QString &port, const QString &logOn, const QString &logDelay,
                                       const QString &displayRpm, const QString &displayWs, const QString &dispMessages,
                                       const QString &baud) const
{
    ProgramConfig config;
    config.port = port;
    config.savehtml = config.saveExcel = QStringLiteral("0");
    config.logDelay = logDelay;
    config.logOn = logOn;
    config.displayRpm = displayRpm;
    config.displayWs = displayWs;
    config.wsUnits = QStringLiteral("m/s");
    config.sv = QStringLiteral("12");
    config.ma = QStringLiteral("20");
    config.br = baud;
    config.dispMessages = dispMessages;
    write(FileName::kProgramConfig, config.toFileText().toLatin1());
}

void ProgramFolder::writeCalibration() const
{
    const CalibrationSettings settings{QStringLiteral("50"), QStringLiteral("512"), QStringLiteral("20"),
                                       QStringLiteral("4"), QStringLiteral("2")};
    write(FileName::kCalibration, settings.toFileText().toLatin1());
}

std::function<ProgramFiles()> ProgramFolder::programFiles() const
{
    return [folder = path()] { return ProgramFiles::read(folder); };
}
