// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace Brolant {

// The live page's texts in the languages the windows speak, for the page to show in the language
// its browser asks for. Only words: the figures, the JSON and the files stay as they are.
namespace PageTexts {

// Every text the page shows, in English, as the page writes it (%1 ... for its values).
QStringList sources();
// The language of `acceptLanguage` (a request's Accept-Language) that the page has texts in: the
// first the browser prefers of "de", "es", "fr" and "nl", or "en" where English comes first or
// none of them is asked for.
QString languageFor(const QByteArray &acceptLanguage);
// {"language": ..., "texts": {English: translation}}, for `language` as languageFor gives it;
// English has no texts to replace.
QJsonObject catalogue(const QString &language);

} // namespace PageTexts

} // namespace Brolant
