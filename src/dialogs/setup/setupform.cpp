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

int checkState(const QString &key, const ConfigField &field)
{
    const int value = *field.int16();
    if (value < 0 || value > kGreyed)
        throw Failure{QStringLiteral("%1 must be 0, 1 or 2, not %2").arg(key).arg(value)};
    return value;
}

// Selects the option equal to `value`; compared as numbers, so "012" selects 12.
template <std::size_t N>
void selectOption(int &selected, double value, const int (&options)[N])
{
    if (std::find(std::begin(options), std::end(options), value) != std::end(options))
        selected = int(value);
}
} // namespace

MaybeFailure SetupForm::takeFrom(const ConfigFile &file)
{
    const auto checkBox = [](const QString &key, int &into) {
        return FieldStep{key, FieldStep::Need::Int16,
                         [&into, key](const ConfigField &field) { into = checkState(key, field); }};
    };
    // Each option applied as soon as it is read: a broken BR must not throw away good SV and MA.
    const auto option = [](const QString &key, int &selected, const auto &options) {
        return FieldStep{key, FieldStep::Need::Number, [&selected, &options](const ConfigField &field) {
                             selectOption(selected, *field.number(), options);
                         }};
    };
    const auto text = [](const QString &key, QString &into) {
        return FieldStep{key, FieldStep::Need::Text, [&into](const ConfigField &field) { into = field.text(); }};
    };
    const std::vector<Failure> failures = file.applyEach({
        text(ProgramTag::kPort, port),
        checkBox(ProgramTag::kSaveHtml, savehtml),
        checkBox(ProgramTag::kSaveExcel, saveExcel),
        text(ProgramTag::kLogDelay, logDelay),
        checkBox(ProgramTag::kLogOn, logOn),
        checkBox(ProgramTag::kDisplayRpm, displayRpm),
        checkBox(ProgramTag::kDisplayWs, displayWs),
        text(ProgramTag::kWsUnits, wsUnits),
        option(ProgramTag::kSystemVolts, sv, kSystemVolts),
        option(ProgramTag::kMaxAmps, ma, kMaxAmps),
        option(ProgramTag::kBaudRate, br, kBaudRates),
        checkBox(ProgramTag::kDispMessages, dispMessages),
    });
    if (failures.empty())
        return std::nullopt;
    QStringList reasons;
    for (const Failure &failure : failures)
        reasons << failure.description;
    return Failure{reasons.join(QStringLiteral("; "))};
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
