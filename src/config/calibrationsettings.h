// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/configfield.h"
#include "config/configfile.h"
#include "config/settingslayout.h"

#include <QString>
#include <QStringList>

namespace Brolant {

// The tag names of settings.cfg, each written once.
namespace CalibrationTag {
inline const QString kVoltDivider = QStringLiteral("VoltDivider");
inline const QString kVoltOffset = QStringLiteral("VoltOffset");
inline const QString kAmpDivider = QStringLiteral("AmpDivider");
inline const QString kRpmDivider = QStringLiteral("RPMDivider");
inline const QString kWsDivider = QStringLiteral("WSDivider");
} // namespace CalibrationTag

// The five scaling values of settings.cfg, each as written and as it reads.
struct CalibrationSettings
{
    ConfigField voltDivider;
    ConfigField voltOffset;
    ConfigField ampDivider;
    ConfigField rpmDivider;
    ConfigField wsDivider;

    // settings.cfg's keys in the file's order, each a value as written.
    static const SettingsLayout<CalibrationSettings> &layout();

    // The whole file text in its fixed layout: CR LF after every line, no empty line at the end.
    QString toFileText() const;

    // Every key of settings.cfg, in the file's order.
    static QStringList keys();
    // The program folder's settings.cfg, read once.
    static ConfigFile read(const QString &programFolder);
    // settings.cfg's text, parsed once.
    static ConfigFile fromText(const QString &content);
    // Reads the five values in file order and stops at the first missing one: the values before
    // it are read, the rest keep what they had. The failure it stopped at.
    Result<void> readFrom(const ConfigFile &file);
};

} // namespace Brolant
