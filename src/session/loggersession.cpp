#include "session/loggersession.h"

#include "logging/energyarchive.h"
#include "platform/programpaths.h"
#include "platform/seriallink.h"

#include <QLoggingCategory>

#include <cmath>

namespace Brolant {

namespace {
// The per-interval frame counts, for soak runs and support: QT_LOGGING_RULES="brolant.frames.info=true"
Q_LOGGING_CATEGORY(lcFrames, "brolant.frames", QtWarningMsg)
} // namespace

LoggerSession::LoggerSession(const QString &programFolder, SerialLink &link, const Clock &clock,
                             Attendance attendance, QObject *parent)
    : QObject(parent),
      m_programFolder(programFolder),
      m_link(link),
      m_attendance(attendance),
      m_core(programFolder, link, clock)
{
    qRegisterMetaType<ProgramSettings>();
    qRegisterMetaType<PortIntent>();
    m_startUpRetryTimer.setInterval(SerialLink::kRetryEvery); // the same patience as a lost port
    connect(&m_startUpRetryTimer, &QTimer::timeout, this, &LoggerSession::retryStartUp);
    connect(&m_core.energy, &EnergyCounter::dayClosed, this,
            [this](const QDate &, double, const QString &line) { appendToEnergyArchive(line); });
    connect(&m_core.logging, &LoggingCycle::intervalLogged, this, [](const Record &record) {
        qCInfo(lcFrames, "interval: %s; since start-up: %s", qPrintable(record.health.thisInterval.summary()),
               qPrintable(record.health.sinceStart.summary()));
    });
    connect(&link, &SerialLink::lost, this, [this](const QString &description) {
        // One entry for the break; the link retries by itself: no dialog waits for a user at 3 a.m.
        setPortIntent(PortIntent::Kind::Retrying, description);
        emit problemFound(portNotAvailable(), description);
    });
    connect(&link, &SerialLink::restored, this, [this] { setPortIntent(PortIntent::Kind::Open); });
}

MaybeFailure LoggerSession::startUp()
{
    // The energy counter is not reset: it starts at 0 once per run, and a start-up repeated by
    // the port-problem loop must not throw away the day's watt-hours.
    m_core.resetReading();
    ProgramPaths(m_programFolder).makeDataFolders();
    readSettings();
    if (const MaybeFailure failure = openConfiguredPort())
        return failure;
    if (m_portIntent.kind != PortIntent::Kind::Open)
        return std::nullopt; // port "0": nothing to open, nothing to log
    // The port is open: a failure from here on has no stage.
    const ConfigField &logOn = m_settings.program.logOn;
    if (m_attendance == Attendance::Unattended) {
        if (const auto interval = LoggingIntervalText::from(m_intervalText))
            startLogging(*interval);
        else // nobody watches a window here: not logging must not go unsaid
            emit problemFound(QStringLiteral("logging not started"),
                              QStringLiteral("LogDelay is not a number: \"%1\"; nothing is logged until it is "
                                             "a number of seconds (1 to 600) and brolant-logger starts again")
                                  .arg(m_intervalText));
        return std::nullopt;
    }
    if (!logOn.number())
        return Failure{QStringLiteral("LogOn is not a number: \"%1\"").arg(logOn.text())};
    // Unlike the Start button: no message for an interval that is no number.
    if (const auto interval = LoggingIntervalText::from(m_intervalText); interval && logOn.equals(1))
        startLogging(*interval);
    return std::nullopt;
}

void LoggerSession::startUpAndRetry()
{
    const MaybeFailure failure = startUp();
    if (!failure)
        return;
    emit problemFound(failure->stage, failure->description);
    m_lastStartUpFailure = failure->description;
    m_startUpRetryTimer.start();
}

void LoggerSession::retryStartUp()
{
    const MaybeFailure failure = startUp();
    if (!failure) {
        m_startUpRetryTimer.stop();
        return;
    }
    // The same trouble again is no news: one entry, then quiet retries.
    if (failure->description != m_lastStartUpFailure)
        emit problemFound(failure->stage, failure->description);
    m_lastStartUpFailure = failure->description;
}

void LoggerSession::readSettings()
{
    m_settings = ProgramSettings::read(m_programFolder, m_settings);
    const ProgramConfig &program = m_settings.program;
    m_core.logging.setOutputs(program.savehtml.equals(1), program.saveExcel.equals(1), program.wsUnits.text());
    m_core.receiver.setCalibration(m_settings.calibration);
    if (m_settings.took(ProgramTag::kLogDelay))
        m_intervalText = program.logDelay.text();
    emit settingsChanged(m_settings);
}

void LoggerSession::holdPortFor(const QString &dialog)
{
    m_link.close();
    setPortIntent(PortIntent::Kind::HeldByDialog, dialog);
}

MaybeFailure LoggerSession::openConfiguredPort()
{
    if (m_settings.noPort()) {
        m_link.close();
        setPortIntent(PortIntent::Kind::NoPort);
        return std::nullopt;
    }
    const ProgramConfig &program = m_settings.program;
    const auto port = program.port.int16();
    const auto baud = program.br.number();
    // Without prog.cfg there is no port to speak of: say why the file gave none.
    if (!program.port.isPresent() && m_settings.problem)
        return Failure{QStringLiteral("no port set: %1").arg(m_settings.problem->description), portNotAvailable()};
    if (!port)
        return Failure{QStringLiteral("Port is not a port number: \"%1\"").arg(program.port.text()), portNotAvailable()};
    if (!baud || *baud < 1 || *baud != std::floor(*baud) || *baud > INT32_MAX)
        return Failure{QStringLiteral("BR is not a baud rate: \"%1\"").arg(program.br.text()), portNotAvailable()};
    return openPort({*port, int(*baud)});
}

MaybeFailure LoggerSession::reopenLastPort()
{
    if (m_settings.noPort()) {
        setPortIntent(PortIntent::Kind::NoPort);
        return std::nullopt;
    }
    if (!m_openedPort)
        return Failure{QStringLiteral("No port was open before calibrating"), portNotAvailable()};
    return openPort(*m_openedPort);
}

void LoggerSession::switchPortOff()
{
    m_link.close();
    setPortIntent(PortIntent::Kind::NoPort);
}

MaybeFailure LoggerSession::openPort(OpenedPort port)
{
    if (const MaybeFailure failure = m_link.open(port.number, port.baud)) {
        setPortIntent(m_attendance == Attendance::Unattended ? PortIntent::Kind::Retrying : PortIntent::Kind::Failed,
                      failure->description);
        return Failure{failure->description, portNotAvailable()};
    }
    m_openedPort = port;
    setPortIntent(PortIntent::Kind::Open);
    return std::nullopt;
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
    m_core.logging.start(interval.seconds);
    emit loggingChanged(true, interval.seconds);
}

void LoggerSession::stopLogging()
{
    m_core.logging.stop();
    emit loggingChanged(false, m_core.logging.intervalSeconds());
}

void LoggerSession::appendToEnergyArchive(const QString &line)
{
    try {
        EnergyArchive::append(m_programFolder, line);
    } catch (const Failure &failure) {
        // The total is not lost while it stands in the error log.
        emit problemFound(QStringLiteral("energy archive not written"),
                          QStringLiteral("%1; the line was: %2").arg(failure.description, line.trimmed()));
    }
}

void LoggerSession::end()
{
    if (m_ending)
        return;
    m_ending = true;
    const bool wasLogging = isLogging();
    m_core.logging.end(); // the held records are older than the exit line
    appendToEnergyArchive(m_core.energy.exitLine());
    m_core.energy.stop();
    m_startUpRetryTimer.stop();
    m_link.close();
    setPortIntent(PortIntent::Kind::Ending);
    if (wasLogging)
        emit loggingChanged(false, m_core.logging.intervalSeconds());
    qCInfo(lcFrames, "at the end: since start-up: %s", qPrintable(m_core.receiver.health().sinceStart.summary()));
}

} // namespace Brolant
