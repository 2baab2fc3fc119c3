// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programpaths.h"
#include "platform/settingsfilewatcher.h"
#include "platform/textfile.h"
#include "programfolder.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QTest>

using namespace Brolant;

namespace {
QString withProblem(const QString &line, const QString &problem)
{
    return problem.isEmpty() ? line : line + ": " + problem;
}

// Whatever the store says, one line each, in the order said.
struct Heard
{
    QStringList said;

    explicit Heard(SettingsStore &store)
    {
        QObject::connect(&store, &SettingsStore::mqttSettingsChanged, &store,
                         [this](const SettingsFileReading<MqttSettings> &reading) {
                             said << withProblem("mqtt "
                                                     + (reading.settings ? reading.settings->host + ':'
                                                                               + QString::number(reading.settings->port)
                                                                         : QStringLiteral("off")),
                                                 reading.failure ? reading.failure->description : QString());
                         });
        QObject::connect(&store, &SettingsStore::webSettingsChanged, &store,
                         [this](const SettingsFileReading<WebSettings> &reading) {
                             said << withProblem("web "
                                                     + (reading.settings ? QString::number(reading.settings->port)
                                                                         : QStringLiteral("off")),
                                                 reading.failure ? reading.failure->description : QString());
                         });
        QObject::connect(&store, &SettingsStore::alarmSettingsChanged, &store, [this](const AlarmsFile &file) {
            const AlarmSettings::Loaded loaded = AlarmSettings::over(file, AlarmSettings::defaults(12, 0));
            said << withProblem("alarms "
                                    + (loaded.fromFile ? QStringLiteral("delay %1").arg(loaded.settings.delaySeconds)
                                                       : QStringLiteral("none")),
                                loaded.failure ? loaded.failure->description : QString());
        });
    }
};

// A hand edit of `name`, waited for until the store says `said`.
void waitFor(ProgramFolder &folder, const Heard &heard, const QString &name, const QByteArray &content,
             const QString &said)
{
    folder.write(name, content);
    QTRY_VERIFY(heard.said.contains(said));
}
} // namespace

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void savesAreSaidAtOnce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("saves");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("mqtt.cfg switched on") << "mqtt on" << 1 << QStringList{"mqtt broker.local:1884"};
        QTest::newRow("mqtt.cfg switched off") << "mqtt off" << 1 << QStringList{"mqtt off"};
        QTest::newRow("web.cfg") << "web" << 1 << QStringList{"web 8088"};
        QTest::newRow("alarms.cfg") << "alarms" << 1 << QStringList{"alarms delay 20"};
        QTest::newRow("saved twice unchanged: said once") << "mqtt on" << 2 << QStringList{"mqtt broker.local:1884"};
    }
    void savesAreSaidAtOnce()
    {
        QFETCH(QString, file);
        QFETCH(int, saves);
        ProgramFolder folder;
        SettingsStore store(folder.path());
        Heard heard(store);
        for (int save = 0; save < saves; ++save) {
            if (file.startsWith("mqtt")) {
                MqttSettings settings;
                settings.enabled = file == "mqtt on";
                settings.host = "broker.local";
                settings.port = 1884;
                QVERIFY(store.saveMqtt(settings));
            } else if (file == "web") {
                WebSettings settings;
                settings.enabled = true;
                settings.port = 8088;
                QVERIFY(store.saveWeb(settings));
            } else {
                AlarmSettings settings = AlarmSettings::defaults(12, 0);
                settings.delaySeconds = 20;
                QVERIFY(store.saveAlarms(settings, AlarmSettings::defaults(12, 0)));
            }
        }
        QFETCH(QStringList, said);
        QCOMPARE(heard.said, said); // before any event is handled: nobody waits for the watcher
        // A hand edit of another file, said after the watcher settled: the save is not said again.
        const bool web = file == "web";
        waitFor(folder, heard, web ? FileName::kMqttSettings : FileName::kWebSettings, "<Enabled>0</Enabled>",
                web ? "mqtt off" : "web off");
        QCOMPARE(heard.said.size(), said.size() + 1);
    }

    void handEditsAreSaid_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // null: removed
        QTest::addColumn<QString>("said");       // empty: nothing, as before
        QTest::newRow("mqtt.cfg") << "mqtt.cfg" << QByteArray("<Enabled>1</Enabled><Host>10.0.0.2</Host>")
                                  << "mqtt 10.0.0.2:1883";
        QTest::newRow("mqtt.cfg unusable")
            << "mqtt.cfg" << QByteArray("<Enabled>1</Enabled><Host>h</Host><Port>0</Port>")
            << "mqtt off: Port must be a whole number from 1 to 65535, not \"0\"";
        QTest::newRow("web.cfg") << "web.cfg" << QByteArray("<Enabled>1</Enabled><Port>8090</Port>") << "web 8090";
        QTest::newRow("alarms.cfg") << "alarms.cfg" << QByteArray("<Delay>30</Delay>") << "alarms delay 30";
        QTest::newRow("alarms.cfg unusable") << "alarms.cfg" << QByteArray("<Delay>-1</Delay>")
                                             << "alarms delay 10: Delay must be from 0 to 86400 seconds";
        QTest::newRow("alarms.cfg removed") << "alarms.cfg" << QByteArray() << "alarms none";
        QTest::newRow("prog.cfg: read when the window asks") << "prog.cfg" << QByteArray("<Port>3</Port>") << "";
        QTest::newRow("settings.cfg: read when the window asks")
            << "settings.cfg" << QByteArray("<VoltDivider>5</VoltDivider>") << "";
    }
    void handEditsAreSaid()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, said);
        ProgramFolder folder;
        folder.write(file, "<Delay>10</Delay>");
        SettingsStore store(folder.path());
        Heard heard(store);
        if (content.isNull())
            QVERIFY(QFile::remove(folder.file(file)));
        else
            folder.write(file, content);
        if (!said.isEmpty())
            QTRY_COMPARE(heard.said, QStringList{said});
        // Another file edited after it: its news comes after any more of the first.
        const bool web = file == FileName::kWebSettings;
        waitFor(folder, heard, web ? FileName::kMqttSettings : FileName::kWebSettings, "<Enabled>0</Enabled>",
                web ? "mqtt off" : "web off");
        QCOMPARE(heard.said.size(), said.isEmpty() ? 1 : 2);
    }

    void settingsFilesAreNoticedHoweverWritten_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("read"); // the file as it was when each change was said
        QTest::newRow("replaced whole, as a dialog saves") << "replaced" << QStringList{"<Delay>20</Delay>"};
        QTest::newRow("edited in place, same size") << "in place" << QStringList{"<Delay>30</Delay>"};
        QTest::newRow("emptied, then written (a shell's > or an editor)")
            << "emptied" << QStringList{"<Delay>30</Delay>"};
        QTest::newRow("written in two pieces a second apart") << "slowly" << QStringList{"<Delay>30</Delay>"};
        QTest::newRow("removed") << "removed" << QStringList{""};
        QTest::newRow("written again unchanged") << "unchanged" << QStringList();
    }
    void settingsFilesAreNoticedHoweverWritten()
    {
        QFETCH(QString, how);
        ProgramFolder folder;
        folder.write("alarms.cfg", "<Delay>10</Delay>");
        SettingsStore store(folder.path());
        QStringList seen;
        bool markerSeen = false;
        connect(&store, &SettingsStore::alarmSettingsChanged, this,
                [&] { seen << QString::fromLatin1(folder.read("alarms.cfg")); });
        connect(&store, &SettingsStore::webSettingsChanged, this, [&] { markerSeen = true; });
        if (how == "replaced") {
            QVERIFY(TextFile::tryReplace(folder.file("alarms.cfg"), "<Delay>20</Delay>"));
        } else if (how == "in place") {
            QFile file(folder.file("alarms.cfg"));
            QVERIFY(file.open(QIODevice::ReadWrite)); // no truncation, no rename: an editor's save
            file.write("<Delay>30</Delay>");
        } else if (how == "emptied") {
            QFile file(folder.file("alarms.cfg"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            // The truncation's news is there already: a watcher that read on every write reads it now.
            QCoreApplication::processEvents();
            file.write("<Delay>30</Delay>");
        } else if (how == "slowly") {
            QFile file(folder.file("alarms.cfg"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("<Delay>");
            file.flush();
            // A shell's { head; sleep 1; rest; } > alarms.cfg: the writer pauses longer than any
            // settling, so only its closing tells that it is done. The pause is the case itself.
            QTest::qWait(2 * SettingsFileWatcher::kSettle.count());
            file.write("30</Delay>");
        } else if (how == "removed") {
            QVERIFY(QFile::remove(folder.file("alarms.cfg")));
        } else {
            folder.write("alarms.cfg", "<Delay>10</Delay>");
        }
        QFETCH(QStringList, read);
        QTRY_COMPARE(seen.size(), read.size());
        // Another file written after it: its news comes after any more of alarms.cfg.
        folder.write(FileName::kWebSettings, "Web Config File\r\n");
        QTRY_VERIFY(markerSeen);
        QCOMPARE(seen, read);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings.moc"
