// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/pagetexts.h"

#include "platform/translation.h"

#include <QTranslator>

#include <algorithm>
#include <map>
#include <memory>

namespace Brolant {

namespace PageTexts {

namespace {
// The context of the page's texts in the translations.
constexpr char kContext[] = "LivePage";

// As index.html and app.js write them; a text added to the page is added here too.
constexpr const char *kSources[] = {
    // index.html
    QT_TRANSLATE_NOOP("LivePage", "connecting"),
    QT_TRANSLATE_NOOP("LivePage", "Now"),
    QT_TRANSLATE_NOOP("LivePage", "Today"),
    QT_TRANSLATE_NOOP("LivePage", "History"),
    QT_TRANSLATE_NOOP("LivePage", "Battery"),
    QT_TRANSLATE_NOOP("LivePage", "Current"),
    QT_TRANSLATE_NOOP("LivePage", "Power"),
    QT_TRANSLATE_NOOP("LivePage", "Turbine"),
    QT_TRANSLATE_NOOP("LivePage", "Wind"),
    QT_TRANSLATE_NOOP("LivePage", "no reading yet"),
    QT_TRANSLATE_NOOP("LivePage", "Show"),
    QT_TRANSLATE_NOOP("LivePage", "Watts"),
    QT_TRANSLATE_NOOP("LivePage", "Volts"),
    QT_TRANSLATE_NOOP("LivePage", "Amps"),
    QT_TRANSLATE_NOOP("LivePage", "RPM"),
    QT_TRANSLATE_NOOP("LivePage", "Rpm"),
    QT_TRANSLATE_NOOP("LivePage", "today's records"),
    QT_TRANSLATE_NOOP("LivePage", "Download the day's log"),
    QT_TRANSLATE_NOOP("LivePage", "Energy per day"),
    QT_TRANSLATE_NOOP("LivePage", "< Previous"),
    QT_TRANSLATE_NOOP("LivePage", "Next >"),
    QT_TRANSLATE_NOOP("LivePage", "energy per day of the month"),
    QT_TRANSLATE_NOOP("LivePage", "Download the month's energy (CSV)"),
    QT_TRANSLATE_NOOP("LivePage", "Power curve, last 30 days"),
    QT_TRANSLATE_NOOP("LivePage", "mean watts against wind speed"),
    QT_TRANSLATE_NOOP("LivePage", "Download the power curve (CSV)"),
    QT_TRANSLATE_NOOP("LivePage", "Charts drawn by uPlot (MIT licence,"),
    QT_TRANSLATE_NOOP("LivePage", "its text"),
    // app.js
    QT_TRANSLATE_NOOP("LivePage", "ALARM: %1 %2"),
    QT_TRANSLATE_NOOP("LivePage", "This interval: %1"),
    QT_TRANSLATE_NOOP("LivePage", "Logging every %1 s."), // a no-break space before the s
    QT_TRANSLATE_NOOP("LivePage", "Not logging."),
    QT_TRANSLATE_NOOP("LivePage", "Board port open"),
    QT_TRANSLATE_NOOP("LivePage", "Board port not working (%1)"),
    QT_TRANSLATE_NOOP("LivePage", "Board port held by %1"),
    // The dialogs that hold the port, as the logger names them.
    QT_TRANSLATE_NOOP("LivePage", "Program Setup"),
    QT_TRANSLATE_NOOP("LivePage", "Calibration"),
    QT_TRANSLATE_NOOP("LivePage", "The logger is ending"),
    QT_TRANSLATE_NOOP("LivePage", "No board port set"),
    QT_TRANSLATE_NOOP("LivePage", " Another logger publishes as site %1."),
    QT_TRANSLATE_NOOP("LivePage", "Publishing to %1."),
    QT_TRANSLATE_NOOP("LivePage", "Connecting to the broker at %1."),
    QT_TRANSLATE_NOOP("LivePage", "The broker at %1 refuses the records: %2."),
    QT_TRANSLATE_NOOP("LivePage", "Broker not available: %1."),
    QT_TRANSLATE_NOOP("LivePage", "No reading yet."),
    QT_TRANSLATE_NOOP("LivePage", "Last reading just now."),
    QT_TRANSLATE_NOOP("LivePage", "Last reading %1 ago."),
    QT_TRANSLATE_NOOP("LivePage", "live"),
    QT_TRANSLATE_NOOP("LivePage", "updated every few seconds"),
    QT_TRANSLATE_NOOP("LivePage", "no connection"),
    QT_TRANSLATE_NOOP("LivePage", "No connection to the logger."),
    QT_TRANSLATE_NOOP("LivePage", "No connection to the logger since %1: the figures below are from then, not now."),
    QT_TRANSLATE_NOOP("LivePage", "Nothing logged yet today."),
    QT_TRANSLATE_NOOP("LivePage", "%1 records."),
    QT_TRANSLATE_NOOP("LivePage", "Wind %1"),
    QT_TRANSLATE_NOOP("LivePage", "wind %1"),
    QT_TRANSLATE_NOOP("LivePage", "watts"),
    QT_TRANSLATE_NOOP("LivePage", "volts"),
    QT_TRANSLATE_NOOP("LivePage", "Nothing logged this month."),
    QT_TRANSLATE_NOOP("LivePage", "Total %1 Wh, a mean of %2 Wh a day"),
    QT_TRANSLATE_NOOP("LivePage", "; the fainter bars are computed from the daily logs."),
    QT_TRANSLATE_NOOP("LivePage", " %1 damaged line(s) in Whours.txt passed over."),
    QT_TRANSLATE_NOOP("LivePage", "Day"),
    QT_TRANSLATE_NOOP("LivePage", "Time"),
    QT_TRANSLATE_NOOP("LivePage", "Wh computed"),
    QT_TRANSLATE_NOOP("LivePage", "watt-hours"),
    QT_TRANSLATE_NOOP("LivePage", " %1 could not be read (%2): what it holds is missing here."),
    QT_TRANSLATE_NOOP("LivePage", "Nothing logged from %1 to %2."),
    QT_TRANSLATE_NOOP("LivePage", "%1 records from %2 to %3; hollow points stand on fewer than 10 records."),
    QT_TRANSLATE_NOOP("LivePage", "Mean W"),
    QT_TRANSLATE_NOOP("LivePage", "Mean W, few records"),
    QT_TRANSLATE_NOOP("LivePage", "Max W"),
};

// One language's translations, read from the program's once and kept: the page asks for them
// with every load.
const QTranslator *translator(const QString &language)
{
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    auto &kept = loaded[language];
    if (!kept) {
        kept = std::make_unique<QTranslator>();
        (void)kept->load(QStringLiteral(":/i18n/brolant_%1.qm").arg(language));
    }
    return kept.get();
}

// The languages of an Accept-Language header, the most wanted first ("de-CH;q=0.8" is "de").
QStringList wantedLanguages(const QByteArray &acceptLanguage)
{
    struct Wanted
    {
        QString language;
        double weight;
    };
    std::vector<Wanted> wanted;
    for (const QByteArray &item : acceptLanguage.split(',')) {
        const QList<QByteArray> parts = item.trimmed().split(';');
        const QString language = QString::fromLatin1(parts.first()).section(u'-', 0, 0).toLower();
        double weight = 1;
        for (const QByteArray &parameter : parts.mid(1))
            if (parameter.trimmed().startsWith("q="))
                weight = parameter.trimmed().mid(2).toDouble();
        if (!language.isEmpty() && weight > 0)
            wanted.push_back({language, weight});
    }
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const Wanted &a, const Wanted &b) { return a.weight > b.weight; });
    QStringList languages;
    for (const Wanted &each : wanted)
        languages << each.language;
    return languages;
}
} // namespace

QStringList sources()
{
    QStringList texts;
    for (const char *source : kSources)
        texts << QString::fromUtf8(source);
    return texts;
}

QString languageFor(const QByteArray &acceptLanguage)
{
    for (const QString &language : wantedLanguages(acceptLanguage)) {
        if (language == u"en")
            break;
        if (Translation::languages().contains(language))
            return language;
    }
    return QStringLiteral("en");
}

QJsonObject catalogue(const QString &language)
{
    QJsonObject texts;
    if (Translation::languages().contains(language)) {
        const QTranslator *translated = translator(language);
        for (const char *source : kSources) {
            const QString text = translated->translate(kContext, source);
            if (!text.isEmpty())
                texts.insert(QString::fromUtf8(source), text);
        }
    }
    return {{QStringLiteral("language"), language}, {QStringLiteral("texts"), texts}};
}

} // namespace PageTexts

} // namespace Brolant
