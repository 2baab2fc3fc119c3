// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration readers fed random files: the lookup, typed reads, the setup form, the
// alarm and web page settings, the web page's addresses and the energy archive.

#include "alarms/alarmsettings.h"
#include "config/configfile.h"
#include "config/programconfig.h"
#include "config/tagvalue.h"
#include "dialogs/setup/setupform.h"
#include "history/dayenergy.h"
#include "invariant.h"
#include "logging/energyarchive.h"
#include "text/failure.h"
#include "web/webroutes.h"
#include "web/websettings.h"

#include <QUrl>
#include <QUrlQuery>

#include <cmath>
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
    // Every kind of step reads the value as written, or stops with a reason.
    const ConfigFile file(QStringLiteral("prog.cfg"), content, {name});
    for (const auto need : {FieldStep::Need::Text, FieldStep::Need::Number, FieldStep::Need::Int16}) {
        ConfigField read;
        const Result<> applied = file.applyInOrder({{name, need, [&](const ConfigField &field) -> Result<> {
                                                         read = field;
                                                         return {};
                                                     }}});
        check(applied.ok() == read.isPresent(), "a step either reads the value or gives the reason");
        check(!read.isPresent() || read.text() == value, "a value is read as written");
    }
    SetupForm form;
    (void)form.readFrom(ProgramConfig::fromText(content));
    form.toConfig().toFileText();

    // Alarm settings that are accepted are usable, and read back as written.
    if (const Result<AlarmSettings> alarms = AlarmSettings::fromText(content, AlarmSettings::defaults(12, 50))) {
        check(alarms->check().ok(), "accepted alarm settings pass their check");
        const Result<AlarmSettings> again = AlarmSettings::fromText(alarms->toFileText(),
                                                                    AlarmSettings::defaults(24, 0));
        check(!again || again->toFileText() == alarms->toFileText(), "alarm settings read back as written");
    }
    if (const Result<WebSettings> web = WebSettings::fromText(content)) {
        const Result<WebSettings> again = WebSettings::fromText(web->toFileText());
        check(!again || again->toFileText() == web->toFileText(), "web settings read back as written");
    }
    // Whatever a request names, it is one of the page's own addresses, or refused.
    const QUrl url(content);
    const WebRoute route = WebRoute::of(url.path(), QUrlQuery(url), QDate(2026, 12, 7), 366);
    check(route.kind != WebRoute::Kind::Asset || route.resource.startsWith(QStringLiteral(":/web/")),
          "a page's file comes from the program's resources");
    check(route.kind != WebRoute::Kind::PowerCurve || route.from.daysTo(route.to) < 366, "a range is bounded");
    for (const auto &[day, archived] : EnergyArchive::parse(QByteArray(rest.data(), qsizetype(rest.size()))).days)
        check(day.isValid() && std::isfinite(archived.wattHours) && archived.wattHours >= 0
                  && std::isfinite(archived.closingWattHours) && archived.closingWattHours >= 0
                  && archived.lastLine >= 0 && archived.lastLine < 24 * 3600,
              "an archived day is a date with finite energy and a time of day");
    return 0;
}
