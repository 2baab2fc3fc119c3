// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/mqttsettings.h"

#include "config/configfile.h"
#include "config/settingslayout.h"
#include "config/settingsvalue.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"

#include <QStringList>
#include <QSysInfo>

namespace Brolant {

QString MqttSettings::reducedSite(const QString &text)
{
    QString site;
    for (const QChar c : text.toLower()) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-')
            site.append(c);
    }
    return site;
}

QString MqttSettings::defaultSite()
{
    const QString site = reducedSite(QSysInfo::machineHostName());
    return site.isEmpty() ? QStringLiteral("brolant") : site;
}

namespace {
// The reasons' words for the windows.
constexpr const char *kContext = "Brolant::MqttSettings";
const SettingsLayout<MqttSettings> &layout()
{
    using Key = SettingsLayout<MqttSettings>::Key;
    static const SettingsLayout<MqttSettings> layout(
        QStringLiteral("MQTT Config File"),
        {
            Key::onOff(MqttTag::kEnabled, &MqttSettings::enabled),
            Key::plain(MqttTag::kHost, &MqttSettings::host, true),
            Key::port(MqttTag::kPort, &MqttSettings::port),
            Key::plain(MqttTag::kUser, &MqttSettings::user, false),
            Key::plain(MqttTag::kPassword, &MqttSettings::password, false),
            Key::onOff(MqttTag::kTls, &MqttSettings::tls),
            Key::plain(MqttTag::kCaFile, &MqttSettings::caFile, true),
            Key::plain(MqttTag::kCertFile, &MqttSettings::certFile, true),
            Key::plain(MqttTag::kKeyFile, &MqttSettings::keyFile, true),
            Key::plain(MqttTag::kTopic, &MqttSettings::topic, true),
            {MqttTag::kSite,
             [](MqttSettings &settings, const ConfigField &field) -> Result<> {
                 settings.site = MqttSettings::reducedSite(field.text());
                 return {};
             },
             [](const MqttSettings &settings) { return settings.site; }},
            Key::plain(MqttTag::kDiscovery, &MqttSettings::discovery, true),
            {MqttTag::kLiveEvery,
             [](MqttSettings &settings, const ConfigField &field) {
                 return assignTo(settings.liveEvery,
                                 SettingsValue::wholeNumber(
                                     MqttTag::kLiveEvery, field, 0, int(MqttSettings::kLongestLiveEvery.count()),
                                     QT_TRANSLATE_NOOP("Brolant::SettingsValue", "%1 must be a whole number of seconds "
                                                                                 "from %2 to %3, not \"%4\"")));
             },
             [](const MqttSettings &settings) { return QString::number(settings.liveEvery.count()); }},
        });
    return layout;
}
} // namespace

QStringList MqttSettings::keys()
{
    return layout().tags();
}

Result<MqttSettings> MqttSettings::fromText(const QString &content)
{
    return fromFile(ConfigFile(FileName::kMqttSettings, content, keys()));
}

Result<MqttSettings> MqttSettings::fromFile(const ConfigFile &file)
{
    MqttSettings settings;
    if (const Result<void> read = layout().read(file, settings); !read)
        return read.failure();
    if (const Result<> checked = settings.check(); !checked)
        return checked.failure();
    return settings;
}

Result<> MqttSettings::check() const
{
    // The topics are built from these: a wildcard or an empty level would publish elsewhere.
    const auto topicProblem = [](const QString &name, const QString &text, bool emptyAllowed) -> Result<> {
        if (text.isEmpty() && !emptyAllowed)
            return Failure::translated(kContext, QT_TRANSLATE_NOOP("Brolant::MqttSettings", "%1 must not be empty"),
                                       [&](const QString &text) { return text.arg(name); });
        if (text.contains(u'#') || text.contains(u'+'))
            return Failure::translated(kContext,
                                       QT_TRANSLATE_NOOP("Brolant::MqttSettings", "%1 must not contain # or +"),
                                       [&](const QString &text) { return text.arg(name); });
        if (text.startsWith(u'$'))
            return Failure::translated(
                kContext,
                QT_TRANSLATE_NOOP("Brolant::MqttSettings",
                                  "%1 must not start with $: the broker keeps those topics for itself"),
                [&](const QString &text) { return text.arg(name); });
        if (text.startsWith(u'/') || text.endsWith(u'/') || text.contains(QStringLiteral("//")))
            return Failure::translated(
                kContext,
                QT_TRANSLATE_NOOP("Brolant::MqttSettings", "%1 must not start or end with / or hold an empty level"),
                [&](const QString &text) { return text.arg(name); });
        return {};
    };
    if (enabled && host.isEmpty())
        return Failure::translated(
            kContext,
            QT_TRANSLATE_NOOP("Brolant::MqttSettings", "Host must name the broker (a host name or an address)"));
    if (host.contains(u' '))
        return Failure::translated(kContext,
                                   QT_TRANSLATE_NOOP("Brolant::MqttSettings", "Host must not contain blanks"));
    if (const Result<> checked = topicProblem(MqttTag::kTopic, topic, false); !checked)
        return checked;
    if (site.isEmpty())
        return Failure::translated(
            kContext, QT_TRANSLATE_NOOP("Brolant::MqttSettings", "Site must hold at least one of a-z, 0-9, _ and -"));
    if (const Result<> checked = topicProblem(MqttTag::kDiscovery, discovery, true); !checked)
        return checked;
    // Whether the files can be read is found at each connection attempt, so a file put right is
    // used without a restart.
    if (certFile.isEmpty() != keyFile.isEmpty())
        return Failure::translated(
            kContext,
            QT_TRANSLATE_NOOP("Brolant::MqttSettings", "CertFile and KeyFile go together: give both or neither"));
    if (!certFile.isEmpty() && (!tls || caFile.isEmpty()))
        return Failure::translated(kContext, QT_TRANSLATE_NOOP("Brolant::MqttSettings",
                                                               "a client certificate needs TLS 1 and a CAFile, the "
                                                               "authority that signed the broker's certificate"));
    return {};
}

QString MqttSettings::toFileText() const
{
    return layout().text(*this);
}

SettingsFileReading<MqttSettings> MqttSettings::load(const QString &programFolder)
{
    return SettingsFileReading<MqttSettings>::of(
        SettingsValue::switchedOnFile(ProgramPaths(programFolder).mqttSettings(), FileName::kMqttSettings, keys(),
                                      MqttTag::kEnabled),
        &fromFile);
}

Result<> MqttSettings::save(const QString &programFolder) const
{
    return TextFile::tryReplace(ProgramPaths(programFolder).mqttSettings(), toFileText(), TextFile::Access::OwnerOnly);
}

} // namespace Brolant
