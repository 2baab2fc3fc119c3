// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/web/webdialog.h"

#include "config/configreading.h"
#include "config/tagvalue.h"
#include "platform/messages.h"
#include "platform/programpaths.h"
#include "settings/settingsstore.h"
#include "web/websettings.h"
#include "widgets/widgethelpers.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Brolant {

namespace {
constexpr int kNarrowChars = 6;
constexpr int kWideChars = 28;
} // namespace

WebDialog::WebDialog(SettingsStore &store, Messages &messages, QWidget *parent)
    : QDialog(parent), m_store(store), m_messages(messages)
{
    setObjectName(QStringLiteral("WebDashboard"));
    setWindowTitle(tr("Web Dashboard"));
    auto *column = new QVBoxLayout(this);
    m_problem = WidgetHelpers::problemLine(this);
    column->addWidget(m_problem);

    column->addLayout(buildForm());
    addAddressLines(column);

    column->addLayout(WidgetHelpers::abortAndSave(this, [this] { saveClicked(); }));
    connect(m_enabled, &QCheckBox::toggled, this, &WebDialog::showAddresses);

    showSavedSettings();
}

QLayout *WebDialog::buildForm()
{
    auto *form = new QFormLayout;
    const auto edit = [&](const char *name, const QString &question, const QString &description, int chars) {
        QLineEdit *box = WidgetHelpers::formEdit(form, this, name, question, description, chars);
        // Terms such as "Listen on" and "Other names" need saying what they are for, to the eye too.
        box->setToolTip(description);
        connect(box, &QLineEdit::textChanged, this, &WebDialog::showAddresses);
        return box;
    };
    m_enabled = new QCheckBox(tr("Serve the live page to phones and computers on the network"), this);
    m_enabled->setObjectName(QStringLiteral("Enabled"));
    form->addRow(m_enabled);
    m_port = edit("Port", tr("Port"), tr("port the page is served on, usually 8080"), kNarrowChars);
    m_listen = edit("Listen", tr("Listen on"), tr("address of this computer to serve on; empty for every network"),
                    kWideChars);
    m_hosts = edit(
        "Hosts", tr("Other names"),
        tr("names a router or a dynamic DNS gives this computer, separated by commas: the page answers to them too"),
        kWideChars);
    m_password = edit("Password", tr("Password"), tr("password the page asks for, any user name; empty for none"),
                      kWideChars);
    m_password->setEchoMode(QLineEdit::Password);
    m_certFile = edit("CertFile", tr("Certificate file"),
                      tr("certificate for HTTPS, in PEM form; empty for plain HTTP"), kWideChars);
    m_keyFile = edit("KeyFile", tr("Key file"), tr("private key of the certificate, in PEM form"), kWideChars);
    return form;
}

void WebDialog::addAddressLines(QVBoxLayout *column)
{
    column->addWidget(WidgetHelpers::label(this, "AddressCaption", tr("Open the page at:")));
    m_link = WidgetHelpers::label(this, "PageLink", QString(), tr("the page's address, opens a browser"));
    // A link the user can click: rich text made only of escaped addresses.
    m_link->setTextFormat(Qt::RichText);
    m_link->setOpenExternalLinks(true);
    column->addWidget(m_link);
    m_address = WidgetHelpers::label(this, "PageAddress", QString(), tr("the page's address, to copy"));
    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A message wraps in the dialog's width, and a path too long to wrap does not widen it.
    m_address->setWordWrap(true);
    QSizePolicy wrapping = m_address->sizePolicy();
    wrapping.setHorizontalPolicy(QSizePolicy::Ignored);
    m_address->setSizePolicy(wrapping);
    column->addWidget(m_address);
    QLabel *advice = WidgetHelpers::label(
        this, "Advice",
        tr("With a password on a network you do not trust, use HTTPS: without it the password crosses the network readable."));
    advice->setWordWrap(true);
    column->addWidget(advice);
}

void WebDialog::showSavedSettings()
{
    WebSettings settings;
    const QString path = ProgramPaths(m_store.programFolder()).webSettings();
    QString unusable;
    if (QFileInfo::exists(path)) {
        const Result<WebSettings> read = readConfigFile(path).andThen(&WebSettings::fromText);
        if (read)
            settings = *read;
        else
            unusable = read.failure().forUser();
    }
    WidgetHelpers::showUnusable(m_problem, FileName::kWebSettings, unusable);
    showSettings(settings);
    showAddresses();
}

void WebDialog::showSettings(const WebSettings &settings)
{
    m_enabled->setChecked(settings.enabled);
    m_port->setText(QString::number(settings.port));
    m_listen->setText(settings.listen);
    m_password->setText(settings.password);
    m_certFile->setText(settings.certFile);
    m_keyFile->setText(settings.keyFile);
    m_hosts->setText(settings.hosts.join(QStringLiteral(", ")));
}

Result<WebSettings> WebDialog::typed() const
{
    // Through the file's own rules, so the dialog accepts exactly what the file would.
    return WebSettings::fromText(
        tagged(WebTag::kEnabled, m_enabled->isChecked() ? u"1" : u"0") + tagged(WebTag::kPort, m_port->text())
        + tagged(WebTag::kListen, m_listen->text()) + tagged(WebTag::kPassword, m_password->text())
        + tagged(WebTag::kCertFile, m_certFile->text()) + tagged(WebTag::kKeyFile, m_keyFile->text())
        + tagged(WebTag::kHosts, m_hosts->text()));
}

void WebDialog::showAddresses()
{
    QStringList links;
    QString text;
    if (const Result<WebSettings> settings = typed()) {
        const QStringList addresses = settings->pageAddresses();
        for (const QString &address : addresses)
            links.append(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
        text = settings->enabled ? addresses.join(QStringLiteral("  "))
                                 : tr("(not served until the box above is ticked and saved)");
    } else {
        text = settings.failure().forUser();
    }
    m_link->setText(links.join(QStringLiteral("<br>")));
    m_link->setVisible(!links.isEmpty() && m_enabled->isChecked());
    m_address->setText(text);
}

void WebDialog::saveClicked()
{
    const Result<> saved = typed().andThen([this](const WebSettings &settings) { return m_store.saveWeb(settings); });
    if (!saved) {
        m_messages.message(tr("The web page settings were not saved, and %1 is unchanged.\n\n%2")
                               .arg(FileName::kWebSettings, saved.failure().forUser()));
        return;
    }
    accept();
}

} // namespace Brolant
