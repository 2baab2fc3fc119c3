#include "publishing/mqttsettings.h"

#include "config/configfile.h"
#include "config/tagvalue.h"
#include "platform/programpaths.h"
#include "platform/textfile.h"
#include "text/numerictext.h"

#include <QFileInfo>
#include <QStringList>
#include <QSysInfo>

#include <type_traits>

namespace Brolant {

namespace {
constexpr int kHighestPort = 65535;
constexpr qsizetype kLongestText = 255;

// A text a broker connection can carry: not too long, no control characters or binary bytes.
bool isPlainText(const QString &text)
{
    if (text.size() > kLongestText)
        return false;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            return false;
    }
    return true;
}

// A switch: 0 or 1, nothing else.
bool switchValue(const QString &name, const ConfigField &field)
{
    if (!field.equals(0) && !field.equals(1))
        throw Failure{QStringLiteral("%1 must be 0 or 1, not \"%2\"").arg(name, field.text().left(20))};
    return field.equals(1);
}

QString plain(const QString &name, const QString &value)
{
    if (!isPlainText(value))
        throw Failure{QStringLiteral("%1 holds control characters or is longer than %2 characters")
                          .arg(name)
                          .arg(kLongestText)};
    return value;
}
} // namespace

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
            into = plain(tag, trimmed ? field.text().trimmed() : field.text());
        });
    };
    const auto switchInto = [](const QString &tag, bool &into) {
        return FieldStep::optional(tag, [&into, tag](const ConfigField &field) { into = switchValue(tag, field); });
    };
    const auto wholeInto = [](const QString &tag, int lowest, int highest, const QString &unit, auto &into) {
        return FieldStep::optional(tag, [&into, tag, lowest, highest, unit](const ConfigField &field) {
            const auto number = field.number();
            // The range first: a number far out of it does not fit an int.
            if (!number || *number < lowest || *number > highest || *number != int(*number))
                throw Failure{QStringLiteral("%1 must be a whole number%2 from %3 to %4, not \"%5\"")
                                  .arg(tag, unit)
                                  .arg(lowest)
                                  .arg(highest)
                                  .arg(field.text().left(20))};
            into = std::remove_reference_t<decltype(into)>(int(*number));
        });
    };
    const MaybeFailure failure = file.applyInOrder({
        switchInto(MqttTag::kEnabled, settings.enabled),
        plainInto(MqttTag::kHost, settings.host, true),
        wholeInto(MqttTag::kPort, 1, kHighestPort, QString(), settings.port),
        plainInto(MqttTag::kUser, settings.user, false),
        plainInto(MqttTag::kPassword, settings.password, false),
        switchInto(MqttTag::kTls, settings.tls),
        plainInto(MqttTag::kCaFile, settings.caFile, true),
        plainInto(MqttTag::kCertFile, settings.certFile, true),
        plainInto(MqttTag::kKeyFile, settings.keyFile, true),
        plainInto(MqttTag::kTopic, settings.topic, true),
        FieldStep::optional(MqttTag::kSite, [&](const ConfigField &field) { settings.site = reducedSite(field.text()); }),
        plainInto(MqttTag::kDiscovery, settings.discovery, true),
        wholeInto(MqttTag::kLiveEvery, 0, int(kLongestLiveEvery.count()), QStringLiteral(" of seconds"),
                  settings.liveEvery),
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
    const QString path = ProgramPaths(programFolder).mqttSettings();
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const ConfigFile file = ConfigFile::read(path, FileName::kMqttSettings, keys());
    if (file.readFailure())
        throw *file.readFailure();
    // Switched off is not an error, whatever else the file holds.
    if (!file[MqttTag::kEnabled].equals(1))
        return std::nullopt;
    return fromFile(file);
}

void MqttSettings::save(const QString &programFolder) const
{
    TextFile::replace(ProgramPaths(programFolder).mqttSettings(), toFileText(), TextFile::Access::OwnerOnly);
}

} // namespace Brolant
