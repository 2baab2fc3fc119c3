// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindowmodel.h"

#include "acquisition/livelist.h"
#include "app/mainwindowview.h"
#include "problems/problemlog.h"
#include "session/loggersession.h"

namespace Brolant {

namespace {
// Below this many seconds a slow PC may not keep up with the board.
constexpr double kShortestSafeInterval = 10.0;
const char *const kCorruptData = QT_TRANSLATE_NOOP("Brolant::MainWindowModel", "possible corrupt COMMS data");
const char *const kCommsProblem = QT_TRANSLATE_NOOP("Brolant::MainWindowModel", "     possible COMMS problem");
} // namespace

MainWindowModel::MainWindowModel(LoggerSession &session, ProblemLog &problems, MainWindowView &view, Prompts &prompts,
                                 QObject *parent)
    : QObject(parent), m_session(session), m_problems(problems), m_view(view), m_prompts(prompts), m_lamps(view)
{
    wireSession();
}

void MainWindowModel::wireSession()
{
    connect(&m_session, &LoggerSession::textReceived, this, [this](const QString &buffered) {
        m_receivedText = buffered;
        m_view.showStatus(buffered);
    });
    connect(&m_session, &LoggerSession::frameArrived, this, [this] {
        m_lamps.flashData();
        m_view.showStatus(m_receivedText);
    });
    connect(&m_session, &LoggerSession::frameRejected, this,
            [this](const QString &text) { m_view.showStatus(tr(kCorruptData) + QStringLiteral("\r\n") + text); });
    connect(&m_session, &LoggerSession::readingReceived, this, &MainWindowModel::showReading);
    connect(&m_session, &LoggerSession::healthChanged, this,
            [this](const FrameHealth &health) { m_view.showFrameHealth(health.shownSummary()); });
    connect(&m_session, &LoggerSession::recordLogged, this, &MainWindowModel::showLogged);
    connect(&m_session, &LoggerSession::settingsChanged, this, &MainWindowModel::showSettings);
    connect(&m_session, &LoggerSession::loggingChanged, this, [this](bool on) { showLogging(on); });
    connect(&m_session, &LoggerSession::portIntentChanged, this,
            [this, before = PortIntent()](const PortIntent &intent) mutable {
                // A lost port is retried by itself, without a dialog: the status line shows so.
                if (intent.kind == PortIntent::Kind::Retrying)
                    m_view.showStatus(tr(kCommsProblem));
                else if (intent.kind == PortIntent::Kind::Open && before.kind == PortIntent::Kind::Retrying)
                    m_view.showStatus(tr("COMMS port back after a break: reading again"));
                before = intent;
            });
}

void MainWindowModel::showSettings(const ProgramSettings &settings)
{
    // As far as the reading got: a file broken half-way leaves the interval box as it stood.
    if (!settings.programRead)
        return;
    m_view.setIntervalEditable(true);
    if (settings.hasRead(ProgramTag::kLogDelay))
        showIntervalText(settings.program.logDelay.text());
    if (!settings.programComplete())
        return;
    m_view.setIntervalEditable(false);
    m_view.buildLiveList(LiveListLayout::forSettings(settings.program));
    m_view.setMessageLinesVisible(settings.program.dispMessages.int16() == 1);
}

void MainWindowModel::showLogging(bool on)
{
    if (on) {
        if (const auto interval = LoggingIntervalText::from(m_intervalText))
            showIntervalText(interval->text);
        m_view.setIntervalEditable(false);
        m_view.setLoggingControls(true);
    } else {
        m_view.setLoggingControls(false);
        m_view.setIntervalEditable(true);
    }
}

void MainWindowModel::showReading(const LiveReading &live)
{
    // The rows as the settings now say, even when a reading that stopped half-way left the list
    // as it was built before.
    const LiveListLayout layout = LiveListLayout::forSettings(m_session.settings().program);
    m_view.showLiveRows(layout.values(live.reading, live.energyToday), layout.labels);
    m_view.showCaption(liveCaption(live.reading));
    m_view.showMode(QString());
}

void MainWindowModel::showLogged(const Record &)
{
    m_lamps.flashLog();
    m_view.showStatus(tr("COMMS data buffer cleared"));
    if (m_session.intervalSeconds() < kShortestSafeInterval)
        m_view.showError(tr("Caution Logging interval 2 short, Data Overflow may occur"));
}

bool MainWindowModel::isLogging() const
{
    return m_session.isLogging();
}

bool MainWindowModel::isEnding() const
{
    return m_session.isEnding();
}

void MainWindowModel::showStartUpTexts()
{
    m_view.showCaption(tr("Brolant - Waiting for Signal"));
    m_view.showStatus(tr(" Waiting for COMM data"));
    m_view.showError(tr(" Error trap message  -     "), ErrorTone::Notice);
    m_view.setLoggingControls(false);
}

void MainWindowModel::startUp()
{
    showStartUpTexts();
    const std::optional<ProblemReport> failure = m_session.startUp();
    if (!failure)
        return;
    m_problems.report(failure->problem, failure->detail);
    portProblemLoop();
}

void MainWindowModel::portProblemLoop()
{
    // Every turn waits for the user (a message, then the setup dialog), so this never spins.
    for (;;) {
        const SetupEnd setup = handlePortProblem();
        if (isEnding())
            return;
        showStartUpTexts();
        if (setup == SetupEnd::Aborted) {
            // No port, as asked, even when prog.cfg could not be written to say so.
            m_session.startUpWithoutPort();
            return;
        }
        const std::optional<ProblemReport> failure = m_session.startUp();
        if (!failure)
            return;
        m_problems.report(failure->problem, failure->detail);
    }
}

SetupEnd MainWindowModel::handlePortProblem()
{
    m_view.showStatus(tr(kCommsProblem));
    m_prompts.message(tr("There is a possible Port Number problem. Check available PORTS"));
    if (isEnding())
        return SetupEnd::Closed;
    m_session.releasePortFor(QStringLiteral("Program Setup"));
    return m_prompts.runProgramSetup();
}

void MainWindowModel::showIntervalText(const QString &text)
{
    m_intervalText = text;
    m_view.showInterval(text);
}

void MainWindowModel::startLoggingClicked(const QString &typedInterval)
{
    m_intervalText = typedInterval;
    const auto interval = LoggingIntervalText::from(typedInterval);
    if (!interval) {
        m_prompts.message(tr("Invalid delay period, needs to be a number between 1 and 600"));
        return;
    }
    m_session.startLogging(*interval);
}

void MainWindowModel::stopLoggingClicked()
{
    m_session.stopLogging();
}

void MainWindowModel::messageLinesToggled(bool shown)
{
    m_view.setMessageLinesVisible(shown);
    m_view.showError(QString());
}

void MainWindowModel::setupClicked()
{
    SetupEnd setup = SetupEnd::Closed;
    runDialogWithPortClosed(
        QStringLiteral("Program Setup"),
        [&] {
            setup = m_prompts.runProgramSetup();
            return Result<>();
        },
        [&] {
            if (setup != SetupEnd::Aborted)
                return m_session.openConfiguredPort();
            m_session.switchPortOff();
            return Result<>();
        });
}

void MainWindowModel::calibrateClicked()
{
    runDialogWithPortClosed(
        QStringLiteral("Calibration"), [this] { return m_prompts.runCalibration(); },
        [this] {
            m_view.showError(QString(), ErrorTone::Cleared);
            m_view.showStatus(QString());
            return m_session.reopenLastPort();
        });
}

void MainWindowModel::runDialogWithPortClosed(const QString &name, const std::function<Result<>()> &dialog,
                                              const std::function<Result<>()> &reopen)
{
    // The dialogs use the port or change what it is, so it is closed while they are open, and
    // the settings they save are read again afterwards.
    m_session.releasePortFor(name);
    Result<> outcome = dialog(); // a failure: the dialog could not open (its files, or the port)
    if (isEnding())
        return;
    if (outcome) {
        m_session.reloadSettings();
        if (const std::optional<Failure> &unread = m_session.settings().failure)
            outcome = *unread;
    }
    if (outcome)
        outcome = reopen();
    if (outcome)
        return;
    m_problems.report(Problem::PortNotAvailable, outcome.failure().description);
    portProblemLoop();
}

void MainWindowModel::end()
{
    m_lamps.stop();
    m_session.end();
}

} // namespace Brolant
