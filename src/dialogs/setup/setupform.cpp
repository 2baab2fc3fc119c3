#include "dialogs/setup/setupform.h"

#include "config/tagreader.h"
#include "platform/programpaths.h"
#include "text/failure.h"
#include "text/numerictext.h"

#include <algorithm>
#include <iterator>

namespace Brolant {

namespace {
constexpr int kGreyed = 2;

int checkState(const TagReader &reader, const QString &key)
{
    const int value = reader.int16(key);
    if (value < 0 || value > kGreyed)
        throw Failure{QStringLiteral("%1 must be 0, 1 or 2, not %2").arg(key).arg(value)};
    return value;
}

// Selects the option equal to `value`; compared as numbers, so "012" selects 12.
template<std::size_t N>
void selectOption(int &selected, double value, const int (&options)[N])
{
    if (std::find(std::begin(options), std::end(options), value) != std::end(options))
        selected = int(value);
}
} // namespace

QString SetupForm::readFrom(const QString &content)
{
    const TagReader reader(content, FileName::kProgramConfig);
    try {
        port = reader.text(ProgramTag::kPort);
        savehtml = checkState(reader, ProgramTag::kSaveHtml);
        saveExcel = checkState(reader, ProgramTag::kSaveExcel);
        logDelay = reader.text(ProgramTag::kLogDelay);
        logOn = checkState(reader, ProgramTag::kLogOn);
        displayRpm = checkState(reader, ProgramTag::kDisplayRpm);
        displayWs = checkState(reader, ProgramTag::kDisplayWs);
        wsUnits = reader.text(ProgramTag::kWsUnits);
        // Each applied as soon as it is read: a broken BR must not throw away good SV and MA.
        selectOption(sv, reader.number(ProgramTag::kSystemVolts), kSystemVolts);
        selectOption(ma, reader.number(ProgramTag::kMaxAmps), kMaxAmps);
        selectOption(br, reader.number(ProgramTag::kBaudRate), kBaudRates);
        dispMessages = checkState(reader, ProgramTag::kDispMessages);
    } catch (const Failure &failure) {
        return failure.description;
    }
    return {};
}

bool SetupForm::hasValidPort() const
{
    return NumericText::isNumber(port);
}

ProgramConfig SetupForm::toConfig() const
{
    ProgramConfig config;
    config.port = port;
    config.savehtml = QString::number(savehtml);
    config.saveExcel = QString::number(saveExcel);
    config.logDelay = logDelay;
    config.logOn = QString::number(logOn);
    config.displayRpm = QString::number(displayRpm);
    config.displayWs = QString::number(displayWs);
    config.wsUnits = wsUnits;
    config.sv = QString::number(sv);
    config.ma = QString::number(ma);
    config.br = QString::number(br);
    config.dispMessages = QString::number(dispMessages);
    return config;
}

} // namespace Brolant
