#include "app/mainwindowmodel.h"

#include "acquisition/livelist.h"
#include "app/mainwindowview.h"
#include "config/configreading.h"
#include "config/tagreader.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/seriallink.h"
#include "platform/textfile.h"
#include "text/failure.h"
#include "text/numerictext.h"

#include <QDir>
#include <QLoggingCategory>

#include <cmath>

namespace {
const QString kPortNotAvailable = QStringLiteral("port not available");
// Port "0" is the user's way of saying "no port": nothing is opened and nothing is reported.
bool isNoPort(const QString &port)
{
    return port == QStringLiteral("0");
}
constexpr double kLongestInterval = 600.0;
constexpr double kShortestInterval = 1.0;
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr std::chrono::seconds kEnergyTick{5};
// The per-interval frame counts, for soak runs and support: QT_LOGGING_RULES="brolant.frames.info=true"
Q_LOGGING_CATEGORY(lcFrames, "brolant.frames", QtWarningMsg)
} // namespace

MainWindowModel::MainWindowModel(QString programFolder, MainWindowView &view, SerialLink &link,
                                 const Clock &clock, Prompts &prompts, Attendance attendance,
                                 QObject *parent)
    : QObject(parent),
      m_programFolder(std::move(programFolder)),
      m_view(view),
      m_link(link),
      m_clock(clock),
      m_prompts(prompts),
      m_errors(m_programFolder, clock, view),
      m_lamps(view),
      m_logging(m_programFolder, m_state, view, m_errors, m_lamps, clock),
      m_receiver(link, m_state, view, m_errors, m_lamps, m_logging.timer(), clock),
      m_attendance(attendance)
{
    m_energyTimer.setObjectName(QStringLiteral("Timer3"));
    m_energyTimer.setInterval(kEnergyTick);
    connect(&m_energyTimer, &QTimer::timeout, this, &MainWindowModel::energyTick);
    m_energyTimer.start();
    connect(&m_link, &SerialLink::lost, this, &MainWindowModel::portLost);
    connect(&m_link, &SerialLink::restored, this, [this] {
        m_view.showStatus(QStringLiteral("COMMS port back after a break: reading again"));
    });
    connect(&m_state.energy, &EnergyCounter::dayClosed, this, &MainWindowModel::appendToEnergyArchive);
    m_startUpRetryTimer.setInterval(SerialLink::kRetryEvery); // the same patience as a lost port
    connect(&m_startUpRetryTimer, &QTimer::timeout, this, &MainWindowModel::retryStartUp);
    connect(&m_logging, &LoggingCycle::intervalLogged, this, [](const IntervalMeans &, const FrameHealth &health) {
        qCInfo(lcFrames, "interval: %s; since start-up: %s",
               qPrintable(health.thisInterval.summary()), qPrintable(health.sinceStart.summary()));
    });
}

void MainWindowModel::startUp()
{
    QString failure;
    if (runStartUpOnce(&failure))
        return;
    m_errors.log(failure);
    if (m_attendance == Attendance::Attended) {
        portProblemLoop();
    } else {
        m_lastStartUpFailure = failure;
        m_startUpRetryTimer.start();
    }
}

void MainWindowModel::retryStartUp()
{
    QString failure;
    if (runStartUpOnce(&failure)) {
        m_startUpRetryTimer.stop();
        return;
    }
    // The same trouble again is no news: one entry, then quiet retries.
    if (failure != m_lastStartUpFailure)
        m_errors.log(failure);
    m_lastStartUpFailure = failure;
}

void MainWindowModel::portProblemLoop()
{
    // Every turn waits for the user (a message, then the setup dialog), so this never spins.
    QString failure;
    for (;;) {
        handlePortProblem();
        if (m_ending || runStartUpOnce(&failure))
            return;
        m_errors.log(failure);
    }
}

bool MainWindowModel::runStartUpOnce(QString *failure)
{
    m_view.showCaption(QStringLiteral("Brolant - Waiting for Signal"));
    m_view.showStatus(QStringLiteral(" Waiting for COMM data"));
    m_view.showError(QStringLiteral(" Error trap message  -     "), ErrorTone::Notice);
    m_view.setLoggingControls(false);
    m_state.loadFlag = 0;
    Reading &reading = m_state.reading;
    reading.watts = reading.rpm = reading.volts = reading.amps = 0.0;
    // The energy counter starts at 0 once per run: a start-up repeated by the port-problem loop
    // must not throw away the day's watt-hours.
    createDataFolders();
    try {
        loadConfiguration();
    } catch (const Failure &) {
        // A broken file shows up below as a port that cannot be opened.
    }
    if (isNoPort(m_state.config.port))
        return true;
    try {
        m_errors.context = kPortNotAvailable;
        openConfiguredPort();
        m_errors.context.clear();
        const auto logOn = NumericText::parse(m_state.config.logOn);
        if (!logOn && m_attendance == Attendance::Attended)
            throw Failure{QStringLiteral("LogOn is not a number: \"%1\"").arg(m_state.config.logOn)};
        if (m_attendance == Attendance::Unattended || *logOn == 1.0) {
            // Unlike the Start button: no message for a bad interval, and the sums are still empty.
            if (const auto interval = intervalFromView())
                startLogging(*interval);
        }
    } catch (const Failure &caught) {
        *failure = caught.description;
        return false;
    }
    return true;
}

void MainWindowModel::createDataFolders()
{
    QDir folder(m_programFolder);
    for (const char *name : {"logs", "excel", "html"})
        folder.mkdir(QLatin1String(name));
}

void MainWindowModel::loadConfiguration()
{
    ProgramConfig &config = m_state.config;
    const TagReader program(readConfigFile(m_programFolder + u'/' + ProgramConfig::fileName()),
                            ProgramConfig::fileName());
    m_view.setIntervalEditable(true);
    config.port = program.text(QStringLiteral("Port"));
    config.br = program.text(QStringLiteral("BR"));
    config.savehtml = program.text(QStringLiteral("Savehtml"));
    config.saveExcel = program.text(QStringLiteral("SaveExcel"));
    config.logDelay = program.text(QStringLiteral("LogDelay"));
    m_view.showInterval(config.logDelay);
    config.logOn = program.text(QStringLiteral("LogOn"));
    config.displayRpm = program.text(QStringLiteral("DisplayRPM"));
    config.displayWs = program.text(QStringLiteral("DisplayWS"));
    config.wsUnits = program.text(QStringLiteral("WSUnits"));
    const bool messageLinesShown = program.int16(QStringLiteral("dispMessages")) == 1;
    config.dispMessages = program.text(QStringLiteral("dispMessages"));
    m_view.setIntervalEditable(false);

    m_view.buildLiveList(
        LiveListLayout::forSettings(config.displayRpm, config.displayWs, config.wsUnits));
    m_view.setMessageLinesVisible(messageLinesShown);

    CalibrationSettings &calibration = m_state.calibration;
    const TagReader settings(
        readConfigFile(m_programFolder + u'/' + CalibrationSettings::fileName()),
        CalibrationSettings::fileName());
    calibration.voltDivider = settings.text(QStringLiteral("VoltDivider"));
    calibration.voltOffset = settings.text(QStringLiteral("VoltOffset"));
    calibration.ampDivider = settings.text(QStringLiteral("AmpDivider"));
    calibration.rpmDivider = settings.text(QStringLiteral("RPMDivider"));
    calibration.wsDivider = settings.text(QStringLiteral("WSDivider"));
}

void MainWindowModel::openConfiguredPort()
{
    const ProgramConfig &config = m_state.config;
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
    QString error;
    if (!m_link.open(port.number, port.baud, &error))
        throw Failure{error};
    m_openedPort = port;
}

std::optional<std::chrono::milliseconds> MainWindowModel::intervalFromView()
{
    const auto seconds = NumericText::parse(m_view.interval());
    if (!seconds)
        return std::nullopt;
    if (*seconds > kLongestInterval)
        m_view.showInterval(QStringLiteral("600"));
    if (NumericText::valueOrZero(m_view.interval()) < kShortestInterval)
        m_view.showInterval(QStringLiteral("1"));
    return std::chrono::milliseconds(std::llround(NumericText::valueOrZero(m_view.interval())
                                                  * kMillisecondsPerSecond));
}

void MainWindowModel::startLogging(std::chrono::milliseconds interval)
{
    m_view.setIntervalEditable(false);
    m_view.setLoggingControls(true);
    m_logging.start(interval);
}

void MainWindowModel::startLoggingClicked()
{
    const auto interval = intervalFromView();
    if (!interval) {
        m_prompts.message(QStringLiteral("Invalid delay period, needs to be a number between 1 and 600"));
        return;
    }
    startLogging(*interval);
}

void MainWindowModel::stopLoggingClicked()
{
    m_view.setLoggingControls(false);
    m_view.setIntervalEditable(true);
    m_logging.stop();
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
        if (!isNoPort(m_state.config.port))
            openConfiguredPort();
        m_errors.context.clear();
    });
}

void MainWindowModel::calibrateClicked()
{
    runDialogWithPortClosed(&Prompts::runCalibration, [this] {
        m_view.showError(QString(), ErrorTone::Cleared);
        m_view.showStatus(QString());
        // Port "0" is no port: it stays closed, as at start-up.
        if (!isNoPort(m_state.config.port)) {
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
        m_errors.context = kPortNotAvailable;
        m_link.close();
        (m_prompts.*dialog)();
        if (m_ending)
            return;
        loadConfiguration();
        reopen();
    } catch (const Failure &failure) {
        m_errors.log(failure.description);
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

void MainWindowModel::energyTick()
{
    m_state.energy.tick(m_clock.now(), m_state.reading.watts, m_state.lastReadingTime);
}

void MainWindowModel::appendToEnergyArchive(const QString &line)
{
    try {
        TextFile::append(EnergyCounter::archivePath(m_programFolder), line);
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
    m_logging.end(); // the held records are older than the exit line
    appendToEnergyArchive(m_state.energy.exitLine(m_clock.now()));
    m_lamps.stop();
    m_energyTimer.stop();
    m_startUpRetryTimer.stop();
    m_link.close();
    qCInfo(lcFrames, "at the end: since start-up: %s", qPrintable(m_state.health.sinceStart.summary()));
}
