#include "publishing/mqttsettings.h"

#include "config/configfile.h"
#include "config/settingsvalue.h"
#include "config/tagvalue.h"
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

QStringList MqttSettings::keys()
{
    return {MqttTag::kEnabled, MqttTag::kHost,     MqttTag::kPort,    MqttTag::kUser,
            MqttTag::kPassword, MqttTag::kTls,     MqttTag::kCaFile,  MqttTag::kCertFile,
            MqttTag::kKeyFile, MqttTag::kTopic,    MqttTag::kSite,    MqttTag::kDiscovery,
            MqttTag::kLiveEvery};
}

MqttSettings MqttSettings::fromText(const QString &content)
{
    return fromFile(ConfigFile(FileName::kMqttSettings, content, keys()));
}

MqttSettings MqttSettings::fromFile(const ConfigFile &file)
{
    MqttSettings settings;
    const auto plainInto = [](const QString &tag, QString &into, bool trimmed) {
        return FieldStep::optional(tag, [&into, tag, trimmed](const ConfigField &field) {
            into = SettingsValue::plain(tag, trimmed ? field.text().trimmed() : field.text());
        });
    };
    const auto switchInto = [](const QString &tag, bool &into) {
        return FieldStep::optional(tag, [&into, tag](const ConfigField &field) { into = SettingsValue::switchedOn(tag, field); });
    };
    const MaybeFailure failure = file.applyInOrder({
        switchInto(MqttTag::kEnabled, settings.enabled),
        plainInto(MqttTag::kHost, settings.host, true),
        FieldStep::optional(MqttTag::kPort,
                            [&](const ConfigField &field) { settings.port = SettingsValue::port(MqttTag::kPort, field); }),
        plainInto(MqttTag::kUser, settings.user, false),
        plainInto(MqttTag::kPassword, settings.password, false),
        switchInto(MqttTag::kTls, settings.tls),
        plainInto(MqttTag::kCaFile, settings.caFile, true),
        plainInto(MqttTag::kCertFile, settings.certFile, true),
        plainInto(MqttTag::kKeyFile, settings.keyFile, true),
        plainInto(MqttTag::kTopic, settings.topic, true),
        FieldStep::optional(MqttTag::kSite, [&](const ConfigField &field) { settings.site = reducedSite(field.text()); }),
        plainInto(MqttTag::kDiscovery, settings.discovery, true),
        FieldStep::optional(MqttTag::kLiveEvery,
                            [&](const ConfigField &field) {
                                settings.liveEvery = std::chrono::seconds(SettingsValue::wholeNumber(
                                    MqttTag::kLiveEvery, field, 0, int(kLongestLiveEvery.count()),
                                    QStringLiteral("a whole number of seconds")));
                            }),
    });
    if (failure)
        throw *failure;
    if (const MaybeFailure problem = settings.problem())
        throw *problem;
    return settings;
}

MaybeFailure MqttSettings::problem() const
{
    // The topics are built from these: a wildcard or an empty level would publish elsewhere.
    const auto topicProblem = [](const QString &name, const QString &text, bool emptyAllowed) -> MaybeFailure {
        if (text.isEmpty() && !emptyAllowed)
            return Failure{QStringLiteral("%1 must not be empty").arg(name)};
        if (text.contains(u'#') || text.contains(u'+'))
            return Failure{QStringLiteral("%1 must not contain # or +").arg(name)};
        if (text.startsWith(u'$'))
            return Failure{QStringLiteral("%1 must not start with $: the broker keeps those topics for itself").arg(name)};
        if (text.startsWith(u'/') || text.endsWith(u'/') || text.contains(QStringLiteral("//")))
            return Failure{QStringLiteral("%1 must not start or end with / or hold an empty level").arg(name)};
        return std::nullopt;
    };
    if (enabled && host.isEmpty())
        return Failure{QStringLiteral("Host must name the broker (a host name or an address)")};
    if (host.contains(u' '))
        return Failure{QStringLiteral("Host must not contain blanks")};
    if (const MaybeFailure failure = topicProblem(MqttTag::kTopic, topic, false))
        return failure;
    if (site.isEmpty())
        return Failure{QStringLiteral("Site must hold at least one of a-z, 0-9, _ and -")};
    if (const MaybeFailure failure = topicProblem(MqttTag::kDiscovery, discovery, true))
        return failure;
    // Whether the files can be read is found at each connection attempt, so a file put right is
    // used without a restart.
    if (certFile.isEmpty() != keyFile.isEmpty())
        return Failure{QStringLiteral("CertFile and KeyFile go together: give both or neither")};
    if (!certFile.isEmpty() && (!tls || caFile.isEmpty()))
        return Failure{QStringLiteral("a client certificate needs TLS 1 and a CAFile, the authority that signed "
                                      "the broker's certificate")};
    return std::nullopt;
}

QString MqttSettings::toFileText() const
{
    const QStringList lines{
        QStringLiteral("MQTT Config File"),
        QString(),
        tagged(MqttTag::kEnabled, QString::number(enabled ? 1 : 0)),
        tagged(MqttTag::kHost, host),
        tagged(MqttTag::kPort, QString::number(port)),
        tagged(MqttTag::kUser, user),
        tagged(MqttTag::kPassword, password),
        tagged(MqttTag::kTls, QString::number(tls ? 1 : 0)),
        tagged(MqttTag::kCaFile, caFile),
        tagged(MqttTag::kCertFile, certFile),
        tagged(MqttTag::kKeyFile, keyFile),
        tagged(MqttTag::kTopic, topic),
        tagged(MqttTag::kSite, site),
        tagged(MqttTag::kDiscovery, discovery),
        tagged(MqttTag::kLiveEvery, QString::number(liveEvery.count())),
        QString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

std::optional<MqttSettings> MqttSettings::load(const QString &programFolder)
{
    const auto file = SettingsValue::switchedOnFile(ProgramPaths(programFolder).mqttSettings(), FileName::kMqttSettings, keys(), MqttTag::kEnabled);
    return file ? std::optional(fromFile(*file)) : std::nullopt;
}

void MqttSettings::save(const QString &programFolder) const
{
    TextFile::replace(ProgramPaths(programFolder).mqttSettings(), toFileText(), TextFile::Access::OwnerOnly);
}

} // namespace Brolant
