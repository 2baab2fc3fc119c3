// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/setup/setupform.h"

#include "platform/programpaths.h"
#include "text/failure.h"
#include "text/numerictext.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace Brolant {

namespace {
constexpr int kGreyed = 2;

// A check box's state: clear, ticked or greyed.
Result<> checkState(const QString &key, const ConfigField &field)
{
    const int value = *field.int16();
    if (value < 0 || value > kGreyed)
        return Failure::translated("Brolant::SetupForm",
                                   QT_TRANSLATE_NOOP("Brolant::SetupForm", "%1 must be 0, 1 or 2, not %2"),
                                   [&](const QString &text) { return text.arg(key).arg(value); });
    return {};
}

// Selects the option equal to `value`; compared as numbers, so "012" selects 12.
template <std::size_t N>
void selectOption(int &selected, double value, const int (&options)[N])
{
    if (std::find(std::begin(options), std::end(options), value) != std::end(options))
        selected = int(value);
}
} // namespace

Result<> SetupForm::readFrom(const ConfigFile &file)
{
    using Wanted = SettingsLayout<ProgramConfig>::Wanted;
    using Need = FieldStep::Need;
    const auto checkBox = [](const QString &key) {
        return Wanted{key, Need::Int16, [key](const ConfigField &field) { return checkState(key, field); }};
    };
    // Starting from the values shown, so that what cannot be read keeps them.
    ProgramConfig config = toConfig();
    const std::vector<Failure> failures = ProgramConfig::layout().readEach(file, config,
                                                                           {
                                                                               {ProgramTag::kPort},
                                                                               checkBox(ProgramTag::kSaveHtml),
                                                                               checkBox(ProgramTag::kSaveExcel),
                                                                               {ProgramTag::kLogDelay},
                                                                               checkBox(ProgramTag::kLogOn),
                                                                               checkBox(ProgramTag::kDisplayRpm),
                                                                               checkBox(ProgramTag::kDisplayWs),
                                                                               {ProgramTag::kWsUnits},
                                                                               {ProgramTag::kSystemVolts, Need::Number},
                                                                               {ProgramTag::kMaxAmps, Need::Number},
                                                                               {ProgramTag::kBaudRate, Need::Number},
                                                                               checkBox(ProgramTag::kDispMessages),
                                                                           });
    port = config.port.text();
    savehtml = *config.savehtml.int16();
    saveExcel = *config.saveExcel.int16();
    logDelay = config.logDelay.text();
    logOn = *config.logOn.int16();
    displayRpm = *config.displayRpm.int16();
    displayWs = *config.displayWs.int16();
    wsUnits = config.wsUnits.text();
    selectOption(sv, *config.sv.number(), kSystemVolts);
    selectOption(ma, *config.ma.number(), kMaxAmps);
    selectOption(br, *config.br.number(), kBaudRates);
    dispMessages = *config.dispMessages.int16();
    if (failures.empty())
        return {};
    QStringList reasons;
    QStringList shown;
    for (const Failure &failure : failures) {
        reasons << failure.description;
        shown << failure.forUser();
    }
    return Failure{reasons.join(QStringLiteral("; ")), shown == reasons ? QString() : shown.join(QStringLiteral("; "))};
}

bool SetupForm::hasValidPort() const
{
    return NumericText::isNumber(port);
}

ProgramConfig SetupForm::toConfig() const
{
    ProgramConfig config;
    const auto number = [](int value) { return ConfigField(QString::number(value)); };
    config.port = ConfigField(port);
    config.savehtml = number(savehtml);
    config.saveExcel = number(saveExcel);
    config.logDelay = ConfigField(logDelay);
    config.logOn = number(logOn);
    config.displayRpm = number(displayRpm);
    config.displayWs = number(displayWs);
    config.wsUnits = ConfigField(wsUnits);
    config.sv = number(sv);
    config.ma = number(ma);
    config.br = number(br);
    config.dispMessages = number(dispMessages);
    return config;
}

} // namespace Brolant
