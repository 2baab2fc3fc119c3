#include "app/mainwindowmodel.h"

#include "acquisition/frameparser.h"
#include "acquisition/livelist.h"
#include "acquisition/scaling.h"
#include "app/errorlog.h"
#include "app/mainwindowview.h"
#include "config/configreading.h"
#include "config/tagreader.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/seriallink.h"
#include "text/datetext.h"
#include "text/failure.h"
#include "text/numerictext.h"

#include <QDir>

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
constexpr std::chrono::milliseconds kLampFlash{250};
const QString kCorruptData = QStringLiteral("possible corrupt COMMS data\r\n");
} // namespace

MainWindowModel::MainWindowModel(QString programFolder, MainWindowView &view, SerialLink &link,
                                 const Clock &clock, Prompts &prompts, QObject *parent)
    : QObject(parent),
      m_programFolder(std::move(programFolder)),
      m_view(view),
      m_link(link),
      m_clock(clock),
      m_prompts(prompts)
{
    m_loggingTimer.setObjectName(QStringLiteral("Timer1"));
    m_lampTimer.setObjectName(QStringLiteral("Timer2"));
    m_lampTimer.setInterval(kLampFlash);
    connect(&m_lampTimer, &QTimer::timeout, this, &MainWindowModel::resetLamps);
    connect(&m_link, &SerialLink::dataArrived, this, &MainWindowModel::receive);
}

void MainWindowModel::startUp()
{
    if (!runStartUpOnce())
        portProblemLoop();
}

void MainWindowModel::portProblemLoop()
{
    // Every turn waits for the user (a message, then the setup dialog), so this never spins.
    do {
        handlePortProblem();
    } while (!m_ending && !runStartUpOnce());
}

bool MainWindowModel::runStartUpOnce()
{
    m_view.showCaption(QStringLiteral("Brolant - Waiting for Signal"));
    m_view.showStatus(QStringLiteral(" Waiting for COMM data"));
    m_view.showError(QStringLiteral(" Error trap message  -     "), ErrorTone::Notice);
    m_view.setLoggingControls(false);
    m_loadFlag = 0;
    m_reading.watts = m_reading.rpm = m_reading.volts = m_reading.amps = 0.0;
    m_energyCounter = 0.0;
    createDataFolders();
    try {
        loadConfiguration();
    } catch (const Failure &) {
        // A broken file shows up below as a port that cannot be opened.
    }
    if (isNoPort(m_config.port))
        return true;
    try {
        m_errorContext = kPortNotAvailable;
        openConfiguredPort();
        m_errorContext.clear();
        const auto logOn = NumericText::parse(m_config.logOn);
        if (!logOn)
            throw Failure{QStringLiteral("LogOn is not a number: \"%1\"").arg(m_config.logOn)};
        if (*logOn == 1.0)
            startLogging();
    } catch (const Failure &failure) {
        logError(failure.description);
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
    const TagReader program(readConfigFile(m_programFolder + u'/' + ProgramConfig::fileName()),
                            ProgramConfig::fileName());
    m_view.setIntervalEditable(true);
    m_config.port = program.text(QStringLiteral("Port"));
    m_config.br = program.text(QStringLiteral("BR"));
    m_config.savehtml = program.text(QStringLiteral("Savehtml"));
    m_config.saveExcel = program.text(QStringLiteral("SaveExcel"));
    m_config.logDelay = program.text(QStringLiteral("LogDelay"));
    m_view.showInterval(m_config.logDelay);
    m_config.logOn = program.text(QStringLiteral("LogOn"));
    m_config.displayRpm = program.text(QStringLiteral("DisplayRPM"));
    m_config.displayWs = program.text(QStringLiteral("DisplayWS"));
    m_config.wsUnits = program.text(QStringLiteral("WSUnits"));
    m_config.dispMessages = program.text(QStringLiteral("dispMessages"));
    m_dispMessages = program.int16(QStringLiteral("dispMessages"));
    m_view.setIntervalEditable(false);

    m_view.buildLiveList(
        LiveListLayout::forSettings(m_config.displayRpm, m_config.displayWs, m_config.wsUnits));
    m_view.setMessageLinesVisible(m_dispMessages == 1);

    const TagReader calibration(
        readConfigFile(m_programFolder + u'/' + CalibrationSettings::fileName()),
        CalibrationSettings::fileName());
    m_calibration.voltDivider = calibration.text(QStringLiteral("VoltDivider"));
    m_calibration.voltOffset = calibration.text(QStringLiteral("VoltOffset"));
    m_calibration.ampDivider = calibration.text(QStringLiteral("AmpDivider"));
    m_calibration.rpmDivider = calibration.text(QStringLiteral("RPMDivider"));
    m_calibration.wsDivider = calibration.text(QStringLiteral("WSDivider"));
}

void MainWindowModel::openConfiguredPort()
{
    const auto port = NumericText::toInt16(m_config.port);
    if (!port)
        throw Failure{QStringLiteral("Port is not a port number: \"%1\"").arg(m_config.port)};
    const auto baud = NumericText::parse(m_config.br);
    if (!baud || *baud < 1 || *baud != std::floor(*baud) || *baud > INT32_MAX)
        throw Failure{QStringLiteral("BR is not a baud rate: \"%1\"").arg(m_config.br)};
    QString error;
    if (!m_link.open(*port, int(*baud), &error))
        throw Failure{error};
}

bool MainWindowModel::startLogging()
{
    const auto seconds = NumericText::parse(m_view.interval());
    if (!seconds)
        return false;
    if (*seconds > kLongestInterval)
        m_view.showInterval(QStringLiteral("600"));
    if (NumericText::valueOrZero(m_view.interval()) < kShortestInterval)
        m_view.showInterval(QStringLiteral("1"));
    const double milliseconds =
        std::round(NumericText::valueOrZero(m_view.interval()) * kMillisecondsPerSecond);
    m_loggingTimer.setInterval(int(milliseconds));
    m_view.setIntervalEditable(false);
    m_view.setLoggingControls(true);
    m_loggingTimer.start();
    return true;
}

void MainWindowModel::setupClicked()
{
    try {
        m_errorContext = kPortNotAvailable;
        m_link.close();
        m_prompts.runProgramSetup();
        if (m_ending)
            return;
        loadConfiguration();
        // "0" means no port, as at start-up: the user's own choice is not a port problem.
        if (!isNoPort(m_config.port))
            openConfiguredPort();
        m_errorContext.clear();
    } catch (const Failure &failure) {
        logError(failure.description);
        portProblemLoop();
    }
}

void MainWindowModel::logError(const QString &description)
{
    const ErrorLog log(m_programFolder, m_clock);
    const QString writeFailure = log.append(m_errorContext, description, m_receivedText);
    QString caption = QStringLiteral("  Last Error trapped  ") + DateText::hourMinute(m_clock.now().time())
                      + QStringLiteral("  ---  ") + m_errorContext + QStringLiteral("  ") + description;
    if (!writeFailure.isEmpty())
        caption += QStringLiteral("  (not written to %1: %2)").arg(ErrorLog::fileName(), writeFailure);
    m_view.showError(caption, ErrorTone::Error);
}

void MainWindowModel::handlePortProblem()
{
    m_view.showStatus(QStringLiteral("     possible COMMS problem"));
    m_prompts.message(QStringLiteral("There is a possible Port Number problem. Check available PORTS"));
    if (m_ending)
        return;
    m_prompts.runProgramSetup();
}

void MainWindowModel::receive()
{
    // Whatever arrives after this read stays in the port for the next one: discarding "the
    // rest" here would throw away the start of the next frame on a busy line.
    m_assembler.append(QString::fromLatin1(m_link.readAll()));
    m_view.showStatus(m_assembler.buffer());
    m_receivedText = m_assembler.buffer();
    if (m_assembler.lacksOpening()) {
        reject(QStringLiteral(" [ missing "), m_assembler.buffer());
        m_assembler.clear();
        return;
    }
    // Every complete frame of this read is handled, in order: nothing that arrived is lost.
    for (;;) {
        FrameAssembler::Piece piece = m_assembler.next();
        switch (piece.kind) {
        case FrameAssembler::Piece::Incomplete:
            return;
        case FrameAssembler::Piece::ClosingFirst:
            reject(QStringLiteral(" braces in wrong positions  corrupt COMMS"), piece.text);
            break;
        case FrameAssembler::Piece::Overflow:
            reject(QStringLiteral(" receive buffer overflow, no ] within %1 characters")
                       .arg(FrameAssembler::kCapacity),
                   piece.text);
            break;
        case FrameAssembler::Piece::Frame:
            handleFrame(piece.text);
            break;
        }
    }
}

void MainWindowModel::reject(const QString &context, const QString &text)
{
    m_errorContext = context;
    logError(QString());
    m_view.showStatus(kCorruptData + text);
}

void MainWindowModel::handleFrame(const QString &frame)
{
    if (!m_lampTimer.isActive())
        m_lampTimer.start();
    m_view.flashDataLamp();
    m_loadFlag = 0;
    m_view.showStatus(m_receivedText);

    const ParsedFrame parsed = FrameParser::parse(frame);
    for (const FrameFinding &finding : parsed.findings) {
        m_errorContext = finding.context;
        logError(finding.description);
    }
    if (!parsed.usable()) {
        endTrappedFrame();
        return;
    }
    try {
        m_errorContext = QStringLiteral("calculations error");
        ++m_sums.count;
        Scaling::apply(parsed.values, m_calibration, m_reading);
        if (isLogging())
            m_sums.add(m_reading);

        m_errorContext = QStringLiteral("display list error");
        const LiveListLayout layout =
            LiveListLayout::forSettings(m_config.displayRpm, m_config.displayWs, m_config.wsUnits);
        m_view.showLiveRows(layout.values(m_reading, m_energyCounter), layout.labels);
        m_errorContext.clear();
        m_view.showCaption(liveCaption(m_reading));
        m_view.showMode(QString());
    } catch (const Failure &failure) {
        logError(failure.description);
        endTrappedFrame();
    }
}

void MainWindowModel::endTrappedFrame()
{
    // What this frame had done stays done; the frames behind it are still handled.
    m_view.showStatus(kCorruptData);
}

void MainWindowModel::resetLamps()
{
    m_view.resetLamps();
    m_lampTimer.stop();
}

void MainWindowModel::end()
{
    if (m_ending)
        return;
    m_ending = true;
    m_loggingTimer.stop();
    m_lampTimer.stop();
    m_link.close();
}
