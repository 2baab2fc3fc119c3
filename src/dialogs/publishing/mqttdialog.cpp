// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/publishing/mqttdialog.h"

#include "config/configreading.h"
#include "config/tagvalue.h"
#include "platform/messages.h"
#include "platform/programpaths.h"
#include "settings/settingsstore.h"
#include "widgets/widgethelpers.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brolant {

namespace {
constexpr int kNarrowChars = 6;
constexpr int kWideChars = 28;

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}
} // namespace

MqttDialog::MqttDialog(SettingsStore &store, Messages &messages, QWidget *parent)
    : QDialog(parent), m_store(store), m_messages(messages)
{
    setObjectName(QStringLiteral("MqttPublishing"));
    setWindowTitle(tr("MQTT Publishing"));
    auto *column = new QVBoxLayout(this);
    m_problem = WidgetHelpers::problemLine(this);
    column->addWidget(m_problem);

    column->addLayout(buildForm());
    column->addLayout(buildTestRow());

    column->addLayout(WidgetHelpers::abortAndSave(this, [this] { saveClicked(); }));

    connect(&m_test, &ConnectionTest::finished, m_outcome, &QLabel::setText);

    showSavedSettings();
}

QLayout *MqttDialog::buildForm()
{
    auto *form = new QFormLayout;
    const auto edit = [&](const char *name, const QString &question, const QString &description, int chars) {
        return WidgetHelpers::formEdit(form, this, name, question, description, chars);
    };
    m_enabled = checkBox(this, "Enabled", tr("Publish readings to a broker"));
    form->addRow(m_enabled);
    m_host = edit("Host", tr("Broker"), tr("host name or address of the broker"), kWideChars);
    m_port = edit("Port", tr("Port"), tr("broker port, usually 1883, or 8883 with TLS"), kNarrowChars);
    m_user = edit("User", tr("User name"), tr("user name at the broker, empty for none"), kWideChars);
    m_password = edit("Password", tr("Password"), tr("password at the broker"), kWideChars);
    m_password->setEchoMode(QLineEdit::Password);
    m_tls = checkBox(this, "TLS", tr("Encrypt the connection (TLS)"));
    form->addRow(m_tls);
    m_caFile = edit("CAFile", tr("Certificate authority file"),
                    tr("certificate authority file; empty uses the system's certificates"), kWideChars);
    m_certFile = edit("CertFile", tr("Client certificate file"),
                      tr("this logger's certificate, for a broker that wants one; empty for none"), kWideChars);
    m_keyFile = edit("KeyFile", tr("Client key file"),
                     tr("the private key of the client certificate, not protected by a password"), kWideChars);
    m_topic = edit("Topic", tr("Topic"), tr("first level of every topic"), kWideChars);
    m_site = edit("Site", tr("Site"), tr("this logger's name, a-z, 0-9, _ and -"), kWideChars);
    m_discovery = edit("Discovery", tr("Discovery prefix"),
                       tr("Home Assistant discovery prefix; empty turns discovery off"), kWideChars);
    m_liveEvery = edit("LiveEvery", tr("Live reading every (s)"),
                       tr("seconds between live readings at most; 0 for none"), kNarrowChars);
    return form;
}

QLayout *MqttDialog::buildTestRow()
{
    auto *testRow = new QHBoxLayout;
    auto *test = new QPushButton(tr("Test"), this);
    test->setObjectName(QStringLiteral("Test"));
    test->setAccessibleDescription(tr("try to connect with the values as typed"));
    test->setAutoDefault(false);
    m_outcome = WidgetHelpers::label(this, "Outcome", QString(), tr("what the test found"));
    testRow->addWidget(test);
    testRow->addWidget(m_outcome, 1);
    connect(test, &QPushButton::clicked, this, &MqttDialog::testClicked);
    return testRow;
}

void MqttDialog::showSavedSettings()
{
    MqttSettings settings;
    const QString path = ProgramPaths(m_store.programFolder()).mqttSettings();
    QString unusable;
    if (QFileInfo::exists(path)) {
        const Result<MqttSettings> read = readConfigFile(path).andThen(&MqttSettings::fromText);
        if (read)
            settings = *read;
        else
            unusable = read.failure().forUser();
    }
    WidgetHelpers::showUnusable(m_problem, FileName::kMqttSettings, unusable);
    showSettings(settings);
}

void MqttDialog::showSettings(const MqttSettings &settings)
{
    m_enabled->setChecked(settings.enabled);
    m_host->setText(settings.host);
    m_port->setText(QString::number(settings.port));
    m_user->setText(settings.user);
    m_password->setText(settings.password);
    m_tls->setChecked(settings.tls);
    m_caFile->setText(settings.caFile);
    m_certFile->setText(settings.certFile);
    m_keyFile->setText(settings.keyFile);
    m_topic->setText(settings.topic);
    m_site->setText(settings.site);
    m_discovery->setText(settings.discovery);
    m_liveEvery->setText(QString::number(settings.liveEvery.count()));
}

Result<MqttSettings> MqttDialog::typed() const
{
    // Through the file's own rules, so the dialog accepts exactly what the file would.
    const auto on = [](const QCheckBox *box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    return MqttSettings::fromText(
        tagged(MqttTag::kEnabled, on(m_enabled)) + tagged(MqttTag::kHost, m_host->text())
        + tagged(MqttTag::kPort, m_port->text()) + tagged(MqttTag::kUser, m_user->text())
        + tagged(MqttTag::kPassword, m_password->text()) + tagged(MqttTag::kTls, on(m_tls))
        + tagged(MqttTag::kCaFile, m_caFile->text()) + tagged(MqttTag::kCertFile, m_certFile->text())
        + tagged(MqttTag::kKeyFile, m_keyFile->text()) + tagged(MqttTag::kTopic, m_topic->text())
        + tagged(MqttTag::kSite, m_site->text()) + tagged(MqttTag::kDiscovery, m_discovery->text())
        + tagged(MqttTag::kLiveEvery, m_liveEvery->text()));
}

void MqttDialog::testClicked()
{
    m_outcome->setText(tr("testing..."));
    Result<MqttSettings> settings = typed();
    if (!settings) {
        m_outcome->setText(settings.failure().forUser());
        return;
    }
    settings.value().enabled = true; // a test connects whether or not publishing is switched on
    m_test.start(*settings);
}

void MqttDialog::saveClicked()
{
    const Result<> saved = typed().andThen([this](const MqttSettings &settings) { return m_store.saveMqtt(settings); });
    if (!saved) {
        m_messages.message(tr("The publishing settings were not saved, and %1 is unchanged.\n\n%2")
                               .arg(FileName::kMqttSettings, saved.failure().forUser()));
        return;
    }
    accept();
}

} // namespace Brolant
