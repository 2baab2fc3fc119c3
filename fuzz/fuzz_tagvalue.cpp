// The configuration readers fed random files: the lookup, typed reads and the setup form.

#include "config/tagreader.h"
#include "config/tagvalue.h"
#include "dialogs/setup/setupform.h"
#include "text/failure.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace Brolant;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QString content = QString::fromLatin1(rest.data(), qsizetype(rest.size()));
    const QString name = QString::fromLatin1(key.data(), qsizetype(key.size()));
    const auto value = tagValue(content, name);
    if (value && value->size() > content.size())
        __builtin_trap();
    const TagReader reader(content, QStringLiteral("prog.cfg"));
    try {
        reader.int16(name);
    } catch (const Failure &) {
    }
    try {
        reader.number(name);
    } catch (const Failure &) {
    }
    SetupForm form;
    form.readFrom(content);
    form.toConfig().toFileText();
    return 0;
}
