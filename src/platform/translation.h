// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <optional>
#include <vector>

namespace Brolant {

// The language a program's windows and messages speak: the one --language names, else the
// system's (LANGUAGE, LANG, as any Qt program), else English, the language the program is written
// in. Only what people read changes: the files are written in English whatever the language, so
// numbers keep their decimal point, and the C library's messages, which go into the error log,
// stay English too. Needs the application object; lives as long as the program.
class Translation
{
public:
    // The languages there are translations for, besides English ("C" and "en").
    static const QStringList &languages();
    // Whether `code` names a language the programs speak: one of languages(), "C" or "en".
    static bool isKnown(const QString &code);

    // `code` as --language gave it (checked by isKnown), or nothing for the system's language.
    explicit Translation(const std::optional<QString> &code);
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    // The language in use, as a code of languages(); "en" for English.
    const QString &language() const { return m_language; }
    // Where the windows name months and days: in the language in use (English without a
    // Translation). Numbers are not written through it: they keep the files' format.
    static QLocale names();

private:
    bool install(const QLocale &locale);

    QString m_language = QStringLiteral("en");
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};

} // namespace Brolant
