// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/loggersession.h"

#include "logging/energyarchive.h"
#include "platform/programpaths.h"
#include "platform/seriallink.h"
#include "problems/problemlog.h"
#include "session/loggercore.h"

#include <QLoggingCategory>

#include <cmath>

namespace Brolant {

namespace {
// The per-interval frame counts, for soak runs and support: QT_LOGGING_RULES="brolant.frames.info=true"
Q_LOGGING_CATEGORY(lcFrames, "brolant.frames", QtWarningMsg)
} // namespace

LoggerSession::LoggerSession(const QString &programFolder, SerialLink &link, const Clock &clock, ProblemLog &problems,
                             SettingsSource settingsSource, Attendance attendance, QObject *parent)
    : QObject(parent),
      m_programFolder(programFolder),
      m_settingsSource(std::move(settingsSource)),
      m_link(link),
      m_problems(problems),
      m_attendance(attendance),
      m_core(std::make_unique<LoggerCore>(programFolder, link, clock, problems))
{
    qRegisterMetaType<ProgramSettings>();
    qRegisterMetaType<PortIntent>();
    m_startUpRetryTimer.setInterval(SerialLink::kRetryEvery); // the same patience as a lost port
    connect(&m_startUpRetryTimer, &QTimer::timeout, this, &LoggerSession::startUpAndRetry);
    const FrameReceiver &receiver = m_core->receiver;
    connect(&receiver, &FrameReceiver::textReceived, this, &LoggerSession::textReceived);
    connect(&receiver, &FrameReceiver::frameArrived, this, &LoggerSession::frameArrived);
    connect(&receiver, &FrameReceiver::frameRejected, this, &LoggerSession::frameRejected);
    connect(&receiver, &FrameReceiver::healthChanged, this, &LoggerSession::healthChanged);
    connect(&receiver, &FrameReceiver::frameAccepted, this, [this](const Reading &reading) {
        emit readingReceived({reading, m_core->energy.total(), m_core->clock.now(), m_core->clock.monotonic()});
    });
    connect(&m_core->energy, &EnergyCounter::dayClosed, this,
            [this](const QDate &day, double wattHours, const QString &line) {
                appendToEnergyArchive(line);
                emit dayClosed(day, wattHours);
            });
    connect(&m_core->logging, &LoggingCycle::intervalLogged, this, [this](const Record &record) {
        qCInfo(lcFrames, "interval: %s; since start-up: %s", qPrintable(record.health.thisInterval.summary()),
               qPrintable(record.health.sinceStart.summary()));
        emit recordLogged(record);
    });
    connect(&m_core->logging, &LoggingCycle::recordStored, this, &LoggerSession::recordStored);
    connect(&link, &SerialLink::lost, this, [this](const QString &description) {
        // One entry for the break; the link retries by itself: no dialog waits for a user at 3 a.m.
        setPortIntent(PortIntent::Kind::Retrying, description);
        m_problems.report(Problem::PortNotAvailable, description);
    });
    connect(&link, &SerialLink::restored, this, [this] { setPortIntent(PortIntent::Kind::Open); });
}

LoggerSession::~LoggerSession() = default;

bool LoggerSession::isLogging() const
{
    return m_core->logging.isRunning();
}

double LoggerSession::intervalSeconds() const
{
    return m_core->logging.intervalSeconds();
}

double LoggerSession::energyToday() const
{
    return m_core->energy.total();
}

const FrameHealth &LoggerSession::frameHealth() const
{
    return m_core->receiver.health();
}

std::optional<ProblemReport> LoggerSession::startUp()
{
    // The energy counter is not reset: it starts at 0 once per run, and a start-up repeated by
    // the port-problem loop must not throw away the day's watt-hours.
    m_core->resetReading();
    ProgramPaths(m_programFolder).makeDataFolders();
    reloadSettings();
    if (const Result<> opened = openConfiguredPort(); !opened)
        return ProblemReport{Problem::PortNotAvailable, opened.failure().description};
    if (m_portIntent.kind != PortIntent::Kind::Open)
        return std::nullopt; // port "0": nothing to open, nothing to log
    const ConfigField &logOn = m_settings.program.logOn;
    if (m_attendance == Attendance::Unattended) {
        if (const auto interval = LoggingIntervalText::from(m_intervalText))
            startLogging(*interval);
        else // nobody watches a window here: not logging must not go unsaid
            m_problems.report(Problem::LoggingNotStarted,
                              QStringLiteral("LogDelay is not a number: \"%1\"; nothing is logged until it is "
                                             "a number of seconds (1 to 600) and brolant-logger starts again")
                                  .arg(m_intervalText));
        return std::nullopt;
    }
    if (!logOn.number())
        return ProblemReport{Problem::LogOnNotANumber,
                             QStringLiteral("LogOn is not a number: \"%1\"").arg(logOn.text())};
    // Unlike the Start button: no message for an interval that is no number.
    if (const auto interval = LoggingIntervalText::from(m_intervalText); interval && logOn.equals(1))
        startLogging(*interval);
    return std::nullopt;
}

void LoggerSession::startUpWithoutPort()
{
    // The last power before the port closed would otherwise go on counting for a minute.
    m_core->resetReading();
    reloadSettings();
    switchPortOff();
}

void LoggerSession::startUpAndRetry()
{
    // Unattended, start-up fails only at the port: the same trouble again is no change, so one
    // entry, then quiet retries.
    if (const std::optional<ProblemReport> failure = startUp()) {
        m_problems.report(Problem::PortStillNotAvailable, failure->detail);
        m_startUpRetryTimer.start();
        return;
    }
    m_problems.resolved(Problem::PortStillNotAvailable);
    m_startUpRetryTimer.stop();
}

void LoggerSession::reloadSettings()
{
    m_settings = ProgramSettings::read(m_settingsSource(), m_settings);
    const ProgramConfig &program = m_settings.program;
    m_core->logging.setOutputs(program.savehtml.equals(1), program.saveExcel.equals(1), program.wsUnits.text());
    m_core->receiver.setCalibration(m_settings.calibration);
    if (m_settings.hasRead(ProgramTag::kLogDelay))
        m_intervalText = program.logDelay.text();
    emit settingsChanged(m_settings);
}

void LoggerSession::releasePortFor(const QString &dialog)
{
    m_link.close();
    setPortIntent(PortIntent::Kind::HeldByDialog, dialog);
}

Result<> LoggerSession::openConfiguredPort()
{
    if (m_settings.noPort()) {
        m_link.close();
        setPortIntent(PortIntent::Kind::NoPort);
        return {};
    }
    const ProgramConfig &program = m_settings.program;
    const auto port = program.port.int16();
    const auto baud = program.br.number();
    // Without prog.cfg there is no port to speak of: report why the file gave none.
    if (!program.port.isPresent() && m_settings.failure)
        return Failure{QStringLiteral("no port set: %1").arg(m_settings.failure->description)};
    if (!port)
        return Failure{QStringLiteral("Port is not a port number: \"%1\"").arg(program.port.text())};
    if (!baud || *baud < 1 || *baud != std::floor(*baud) || *baud > INT32_MAX)
        return Failure{QStringLiteral("BR is not a baud rate: \"%1\"").arg(program.br.text())};
    return openPort({*port, int(*baud)});
}

Result<> LoggerSession::reopenLastPort()
{
    if (m_settings.noPort()) {
        setPortIntent(PortIntent::Kind::NoPort);
        return {};
    }
    if (!m_openedPort)
        return Failure{QStringLiteral("No port was open before calibrating")};
    return openPort(*m_openedPort);
}

void LoggerSession::switchPortOff()
{
    m_link.close();
    setPortIntent(PortIntent::Kind::NoPort);
}

Result<> LoggerSession::openPort(OpenedPort port)
{
    if (Result<> opened = m_link.open(port.number, port.baud); !opened) {
        setPortIntent(m_attendance == Attendance::Unattended ? PortIntent::Kind::Retrying : PortIntent::Kind::Failed,
                      opened.failure().description);
        return opened;
    }
    m_openedPort = port;
    setPortIntent(PortIntent::Kind::Open);
    return {};
}

void LoggerSession::setPortIntent(PortIntent::Kind kind, const QString &reason)
{
    const PortIntent intent{kind, reason};
    if (intent == m_portIntent)
        return;
    m_portIntent = intent;
    emit portIntentChanged(intent);
}

void LoggerSession::startLogging(const LoggingIntervalText &interval)
{
    m_intervalText = interval.text;
    m_core->logging.start(interval.seconds);
    emit loggingChanged(true, interval.seconds);
}

void LoggerSession::stopLogging()
{
    m_core->logging.stop();
    emit loggingChanged(false, m_core->logging.intervalSeconds());
}

void LoggerSession::appendToEnergyArchive(const QString &line)
{
    const auto appended = EnergyArchive::append(m_programFolder, line);
    if (appended)
        m_problems.reportTornEnd(*appended);
    else // the total is not lost while it stands in the error log
        m_problems.report(Problem::EnergyArchiveNotWritten,
                          QStringLiteral("%1; the line was: %2").arg(appended.failure().description, line.trimmed()));
}

void LoggerSession::end()
{
    if (m_ending)
        return;
    m_ending = true;
    const bool wasLogging = isLogging();
    m_core->logging.end(); // the pending records are older than the exit line
    appendToEnergyArchive(m_core->energy.exitLine());
    m_core->energy.stop();
    m_startUpRetryTimer.stop();
    m_link.close();
    setPortIntent(PortIntent::Kind::Ending);
    if (wasLogging)
        emit loggingChanged(false, m_core->logging.intervalSeconds());
    qCInfo(lcFrames, "at the end: since start-up: %s", qPrintable(m_core->receiver.health().sinceStart.summary()));
}

} // namespace Brolant
