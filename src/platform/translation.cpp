// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>

#include <clocale>

namespace Brolant {

namespace {
QLocale g_names = QLocale::c();

// Qt's own texts that a window shows (standard buttons, the file dialog, an edit field's menu).
// Qt's other texts, such as a file's or a socket's error, reach the error log: they stay English.
const QStringList kQtWindowContexts = {
    QStringLiteral("CloseButton"),
    QStringLiteral("QAbstractFileIconProvider"),
    QStringLiteral("QAbstractSpinBox"),
    QStringLiteral("QAccessibleActionInterface"),
    QStringLiteral("QColorDialog"),
    QStringLiteral("QComboBox"),
    QStringLiteral("QDialog"),
    QStringLiteral("QDialogButtonBox"),
    QStringLiteral("QDockWidget"),
    QStringLiteral("QErrorMessage"),
    QStringLiteral("QFileDialog"),
    QStringLiteral("QFileSystemModel"),
    QStringLiteral("QFontDialog"),
    QStringLiteral("QGnomeTheme"),
    QStringLiteral("QInputDialog"),
    QStringLiteral("QKeySequenceEdit"),
    QStringLiteral("QLineEdit"),
    QStringLiteral("QMessageBox"),
    QStringLiteral("QPlatformTheme"),
    QStringLiteral("QProgressDialog"),
    QStringLiteral("QScrollBar"),
    QStringLiteral("QShortcut"),
    QStringLiteral("QTabBar"),
    QStringLiteral("QUnicodeControlCharacterMenu"),
    QStringLiteral("QWhatsThisAction"),
    QStringLiteral("QWidget"),
    QStringLiteral("QWidgetTextControl"),
    QStringLiteral("QWizard"),
};

// Qt's catalogue, passing on only the texts of its windows.
class QtWindowTexts final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override
    {
        if (!kQtWindowContexts.contains(QLatin1String(context)))
            return {};
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }
};
} // namespace

const QStringList &Translation::languages()
{
    static const QStringList codes = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                      QStringLiteral("nl")};
    return codes;
}

QLocale Translation::names()
{
    return g_names;
}

namespace {
// The language of "de", or of a code as a system writes it: "de_AT", "de-AT.UTF-8", "DE".
QString languageOf(const QString &code)
{
    return code.section(QRegularExpression(QStringLiteral("[_.@-]")), 0, 0).toLower();
}

bool isEnglish(const QString &language)
{
    return language == u"c" || language == u"en";
}
} // namespace

bool Translation::isKnown(const QString &code)
{
    const QString language = languageOf(code);
    return isEnglish(language) || languages().contains(language);
}

Translation::Translation(const std::optional<QString> &code)
{
    // The error log carries the C library's messages (strerror): English, whatever the language.
    std::setlocale(LC_MESSAGES, "C");
    std::setlocale(LC_NUMERIC, "C");
    // Numbers in the windows as in the files: with a decimal point.
    QLocale::setDefault(QLocale::c());
    if (!code) {
        install(QLocale::system());
        return;
    }
    if (const QString language = languageOf(*code); !isEnglish(language))
        install(QLocale(language));
}

Translation::~Translation()
{
    g_names = QLocale::c();
    for (const auto &translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}

bool Translation::install(const QLocale &locale)
{
    auto own = std::make_unique<QTranslator>();
    // English comes before any language Brolant is not translated into: a user who asked for
    // Italian and German gets German, one who asked for English and German gets English.
    for (const QString &language : locale.uiLanguages()) {
        const QString code = language.section(u'-', 0, 0);
        if (code == u"en" || code == u"C")
            return false;
        if (!languages().contains(code) || !own->load(QStringLiteral(":/i18n/brolant_%1.qm").arg(code)))
            continue;
        m_language = code;
        g_names = QLocale(code);
        QCoreApplication::installTranslator(own.get());
        m_installed.push_back(std::move(own));
        auto qt = std::make_unique<QtWindowTexts>();
        if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            m_installed.push_back(std::move(qt));
        }
        return true;
    }
    return false;
}

} // namespace Brolant
