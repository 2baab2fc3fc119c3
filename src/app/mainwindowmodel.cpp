#include "app/mainwindowmodel.h"

#include "acquisition/livelist.h"
#include "app/mainwindowview.h"
#include "config/configreading.h"
#include "config/tagreader.h"
#include "logging/energyarchive.h"
#include "platform/clock.h"
#include "platform/programpaths.h"
#include "platform/prompts.h"
#include "platform/seriallink.h"
#include "platform/textfile.h"
#include "session/loggercore.h"
#include "text/failure.h"
#include "text/numerictext.h"

#include <QDir>
#include <QLoggingCategory>
#include <QScopeGuard>

#include <cmath>

namespace Brolant {

namespace {
const QString kPortNotAvailable = QStringLiteral("port not available");
// Port "0" is the user's way of saying "no port": nothing is opened and nothing is reported.
bool isNoPort(const QString &port)
{
    return port == QStringLiteral("0");
}
constexpr double kLongestInterval = 600.0;
constexpr double kShortestInterval = 1.0;
// Below this many seconds a slow PC may not keep up with the board.
constexpr double kShortestSafeInterval = 10.0;
const QString kCorruptData = QStringLiteral("possible corrupt COMMS data\r\n");
// The per-interval frame counts, for soak runs and support: QT_LOGGING_RULES="brolant.frames.info=true"
Q_LOGGING_CATEGORY(lcFrames, "brolant.frames", QtWarningMsg)
} // namespace

MainWindowModel::MainWindowModel(QString programFolder, LoggerCore &core, MainWindowView &view,
                                 Prompts &prompts, Attendance attendance, QObject *parent)
    : QObject(parent),
      m_programFolder(std::move(programFolder)),
      m_core(core),
      m_view(view),
      m_prompts(prompts),
      m_errors(m_programFolder, core.clock, view),
      m_lamps(view),
      m_attendance(attendance)
{
    m_startUpRetryTimer.setInterval(SerialLink::kRetryEvery); // the same patience as a lost port
    connect(&m_startUpRetryTimer, &QTimer::timeout, this, &MainWindowModel::retryStartUp);
    wireCore();
}

void MainWindowModel::wireCore()
{
    const FrameReceiver &receiver = m_core.receiver;
    connect(&receiver, &FrameReceiver::textReceived, this, [this](const QString &buffered) {
        m_view.showStatus(buffered);
        m_errors.receivedText = buffered;
    });
    connect(&receiver, &FrameReceiver::frameArrived, this, [this] {
        m_lamps.flashData();
        m_view.showStatus(m_errors.receivedText);
    });
    connect(&receiver, &FrameReceiver::problemFound, this, &MainWindowModel::logProblem);
    connect(&receiver, &FrameReceiver::frameRejected, this,
            [this](const QString &text) { m_view.showStatus(kCorruptData + text); });
    connect(&receiver, &FrameReceiver::frameAccepted, this, &MainWindowModel::showReading);
    connect(&receiver, &FrameReceiver::healthChanged, this,
            [this](const FrameHealth &health) { m_view.showFrameHealth(health.summary()); });
    connect(&m_core.logging, &LoggingCycle::problemFound, this, &MainWindowModel::logProblem);
    connect(&m_core.logging, &LoggingCycle::intervalLogged, this, &MainWindowModel::showLogged);
    connect(&m_core.energy, &EnergyCounter::dayClosed, this,
            [this](const QDate &, double, const QString &line) { appendToEnergyArchive(line); });
    connect(&m_core.link, &SerialLink::lost, this, &MainWindowModel::portLost);
    connect(&m_core.link, &SerialLink::restored, this, [this] {
        m_view.showStatus(QStringLiteral("COMMS port back after a break: reading again"));
    });
}

void MainWindowModel::logProblem(const QString &stage, const QString &description)
{
    m_errors.log(stage, description);
}

void MainWindowModel::showReading(const Reading &reading)
{
    const LiveListLayout layout =
        LiveListLayout::forSettings(m_config.displayRpm, m_config.displayWs, m_config.wsUnits);
    m_view.showLiveRows(layout.values(reading, m_core.energy.total()), layout.labels);
    m_view.showCaption(liveCaption(reading));
    m_view.showMode(QString());
}

void MainWindowModel::showLogged(const Record &record)
{
    m_lamps.flashLog();
    qCInfo(lcFrames, "interval: %s; since start-up: %s",
           qPrintable(record.health.thisInterval.summary()), qPrintable(record.health.sinceStart.summary()));
    m_view.showStatus(QStringLiteral("COMMS data buffer cleared"));
    if (m_core.logging.intervalSeconds() < kShortestSafeInterval)
        m_view.showError(QStringLiteral("Caution Logging interval 2 short, Data Overflow may occur"));
}

bool MainWindowModel::isLogging() const
{
    return m_core.logging.isRunning();
}

void MainWindowModel::startUp()
{
    const MaybeFailure failure = runStartUpOnce();
    if (!failure)
        return;
    m_errors.log(*failure);
    if (m_attendance == Attendance::Attended) {
        portProblemLoop();
    } else {
        m_lastStartUpFailure = failure->description;
        m_startUpRetryTimer.start();
    }
}

void MainWindowModel::retryStartUp()
{
    const MaybeFailure failure = runStartUpOnce();
    if (!failure) {
        m_startUpRetryTimer.stop();
        return;
    }
    // The same trouble again is no news: one entry, then quiet retries.
    if (failure->description != m_lastStartUpFailure)
        m_errors.log(*failure);
    m_lastStartUpFailure = failure->description;
}

void MainWindowModel::portProblemLoop()
{
    // Every turn waits for the user (a message, then the setup dialog), so this never spins.
    for (;;) {
        handlePortProblem();
        if (m_ending)
            return;
        const MaybeFailure failure = runStartUpOnce();
        if (!failure)
            return;
        m_errors.log(*failure);
    }
}

MaybeFailure MainWindowModel::runStartUpOnce()
{
    m_view.showCaption(QStringLiteral("Brolant - Waiting for Signal"));
    m_view.showStatus(QStringLiteral(" Waiting for COMM data"));
    m_view.showError(QStringLiteral(" Error trap message  -     "), ErrorTone::Notice);
    m_view.setLoggingControls(false);
    // The energy counter is not reset: it starts at 0 once per run, and a start-up repeated by
    // the port-problem loop must not throw away the day's watt-hours.
    m_core.resetReading();
    ProgramPaths(m_programFolder).makeDataFolders();
    try {
        loadConfiguration();
    } catch (const Failure &) {
        // A broken file shows up below as a port that cannot be opened.
    }
    if (isNoPort(m_config.port))
        return std::nullopt;
    try {
        openConfiguredPort();
    } catch (const Failure &failure) {
        return Failure{failure.description, kPortNotAvailable};
    }
    // The port is open: a failure from here on is logged without a stage.
    const auto logOn = NumericText::parse(m_config.logOn);
    if (!logOn && m_attendance == Attendance::Attended)
        return Failure{QStringLiteral("LogOn is not a number: \"%1\"").arg(m_config.logOn)};
    if (m_attendance == Attendance::Unattended || *logOn == 1.0) {
        // Unlike the Start button: no message for a bad interval.
        if (const auto seconds = intervalSeconds())
            startLogging(*seconds);
    }
    return std::nullopt;
}

void MainWindowModel::loadConfiguration()
{
    // Read in file order; what was read before a failure takes effect, the rest keeps its value.
    ProgramConfig &config = m_config;
    const auto applyOutputs = qScopeGuard([&] {
        m_core.logging.setOutputs(NumericText::equals(config.savehtml, 1),
                                  NumericText::equals(config.saveExcel, 1), config.wsUnits);
    });
    const TagReader program(readConfigFile(ProgramPaths(m_programFolder).programConfig()),
                            FileName::kProgramConfig);
    m_view.setIntervalEditable(true);
    config.port = program.text(ProgramTag::kPort);
    config.br = program.text(ProgramTag::kBaudRate);
    config.savehtml = program.text(ProgramTag::kSaveHtml);
    config.saveExcel = program.text(ProgramTag::kSaveExcel);
    config.logDelay = program.text(ProgramTag::kLogDelay);
    showIntervalText(config.logDelay);
    config.logOn = program.text(ProgramTag::kLogOn);
    config.displayRpm = program.text(ProgramTag::kDisplayRpm);
    config.displayWs = program.text(ProgramTag::kDisplayWs);
    config.wsUnits = program.text(ProgramTag::kWsUnits);
    const bool messageLinesShown = program.int16(ProgramTag::kDispMessages) == 1;
    config.dispMessages = program.text(ProgramTag::kDispMessages);
    m_view.setIntervalEditable(false);

    m_view.buildLiveList(
        LiveListLayout::forSettings(config.displayRpm, config.displayWs, config.wsUnits));
    m_view.setMessageLinesVisible(messageLinesShown);

    CalibrationSettings calibration = m_core.receiver.calibration();
    const auto applyCalibration = qScopeGuard([&] { m_core.receiver.setCalibration(calibration); });
    CalibrationSettings::readInto(
        calibration, readConfigFile(ProgramPaths(m_programFolder).calibration()));
}

void MainWindowModel::openConfiguredPort()
{
    const ProgramConfig &config = m_config;
    const auto port = NumericText::toInt16(config.port);
    if (!port)
        throw Failure{QStringLiteral("Port is not a port number: \"%1\"").arg(config.port)};
    const auto baud = NumericText::parse(config.br);
    if (!baud || *baud < 1 || *baud != std::floor(*baud) || *baud > INT32_MAX)
        throw Failure{QStringLiteral("BR is not a baud rate: \"%1\"").arg(config.br)};
    openPort({*port, int(*baud)});
}

void MainWindowModel::openPort(OpenedPort port)
{
    if (const MaybeFailure failure = m_core.link.open(port.number, port.baud))
        throw *failure;
    m_openedPort = port;
}

void MainWindowModel::showIntervalText(const QString &text)
{
    m_intervalText = text;
    m_view.showInterval(text);
}

std::optional<double> MainWindowModel::intervalSeconds()
{
    const auto seconds = NumericText::parse(m_intervalText);
    if (!seconds)
        return std::nullopt;
    if (*seconds > kLongestInterval)
        showIntervalText(QStringLiteral("600"));
    if (NumericText::valueOrZero(m_intervalText) < kShortestInterval)
        showIntervalText(QStringLiteral("1"));
    return NumericText::valueOrZero(m_intervalText);
}

void MainWindowModel::startLogging(double seconds)
{
    m_view.setIntervalEditable(false);
    m_view.setLoggingControls(true);
    m_core.logging.start(seconds);
}

void MainWindowModel::startLoggingClicked(const QString &typedInterval)
{
    m_intervalText = typedInterval;
    const auto seconds = intervalSeconds();
    if (!seconds) {
        m_prompts.message(QStringLiteral("Invalid delay period, needs to be a number between 1 and 600"));
        return;
    }
    startLogging(*seconds);
}

void MainWindowModel::stopLoggingClicked()
{
    m_view.setLoggingControls(false);
    m_view.setIntervalEditable(true);
    m_core.logging.stop();
}

void MainWindowModel::messageLinesToggled(bool shown)
{
    m_view.setMessageLinesVisible(shown);
    m_view.showError(QString());
}

void MainWindowModel::setupClicked()
{
    runDialogWithPortClosed(&Prompts::runProgramSetup, [this] {
        // "0" means no port, as at start-up: the user's own choice is not a port problem.
        if (!isNoPort(m_config.port))
            openConfiguredPort();
    });
}

void MainWindowModel::calibrateClicked()
{
    runDialogWithPortClosed(&Prompts::runCalibration, [this] {
        m_view.showError(QString(), ErrorTone::Cleared);
        m_view.showStatus(QString());
        // Port "0" is no port: it stays closed, as at start-up.
        if (!isNoPort(m_config.port)) {
            if (!m_openedPort)
                throw Failure{QStringLiteral("No port was open before calibrating")};
            openPort(*m_openedPort);
        }
    });
}

void MainWindowModel::runDialogWithPortClosed(void (Prompts::*dialog)(),
                                              const std::function<void()> &reopen)
{
    // The dialogs use the port or change what it is, so it is closed while they are open, and
    // the files they write are read again afterwards.
    try {
        m_core.link.close();
        (m_prompts.*dialog)();
        if (m_ending)
            return;
        loadConfiguration();
        reopen();
    } catch (const Failure &failure) {
        m_errors.log(kPortNotAvailable, failure.description);
        portProblemLoop();
    }
}

void MainWindowModel::handlePortProblem()
{
    m_view.showStatus(QStringLiteral("     possible COMMS problem"));
    m_prompts.message(QStringLiteral("There is a possible Port Number problem. Check available PORTS"));
    if (m_ending)
        return;
    m_prompts.runProgramSetup();
}

void MainWindowModel::appendToEnergyArchive(const QString &line)
{
    try {
        EnergyArchive::append(m_programFolder, line);
    } catch (const Failure &failure) {
        // The total is not lost while it stands in the error log.
        m_errors.log(QStringLiteral("energy archive not written"),
                     QStringLiteral("%1; the line was: %2").arg(failure.description, line.trimmed()));
    }
}

void MainWindowModel::portLost(const QString &description)
{
    // One entry for the break; the link retries quietly: no dialog waits for a user at 3 a.m.
    m_errors.log(kPortNotAvailable, description);
    m_view.showStatus(QStringLiteral("     possible COMMS problem"));
}

void MainWindowModel::end()
{
    if (m_ending)
        return;
    m_ending = true;
    m_core.logging.end(); // the held records are older than the exit line
    appendToEnergyArchive(m_core.energy.exitLine());
    m_lamps.stop();
    m_core.energy.stop();
    m_startUpRetryTimer.stop();
    m_core.link.close();
    qCInfo(lcFrames, "at the end: since start-up: %s",
           qPrintable(m_core.receiver.health().sinceStart.summary()));
}

} // namespace Brolant
