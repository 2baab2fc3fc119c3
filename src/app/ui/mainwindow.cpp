// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/mainwindow.h"

#include "acquisition/livelist.h"
#include "app/consolestatus.h"
#include "app/mainwindowmodel.h"
#include "app/ui/twips.h"
#include "config/programconfig.h"
#include "widgets/widgethelpers.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

namespace Brolant {

namespace {
// Design sizes in twips.
constexpr int kClientWidth = 4560;
constexpr int kHeightWithMessages = 5580;
constexpr int kHeightWithoutMessages = 4530;
constexpr int kValueColumnWidth = 1500;
constexpr int kLabelColumnWidth = 2600;
constexpr int kTitlePoints = 20;
constexpr int kAlarmAreaHeight = 585;
constexpr int kControlPoints = 9;

const QColor kBackground(0, 48, 96);
const QColor kStatusBackground(192, 255, 192);
const QColor kErrorBackground(255, 224, 192);

QColor colourOf(ErrorTone tone)
{
    switch (tone) {
    case ErrorTone::Notice:
        return QColor(0, 0, 255);
    case ErrorTone::Error:
        return QColor(255, 0, 0);
    case ErrorTone::Cleared:
        break;
    }
    return QColor(0, 255, 0);
}

QString styleSheetFor(const QColor &text, const QColor &background)
{
    return QStringLiteral("color: %1; background-color: %2;").arg(text.name(), background.name());
}
} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    QFont controls = font();
    controls.setPointSize(kControlPoints);
    setFont(controls);
    const Twips twips(*this);

    addTitle(twips);
    addLiveList(twips);
    addLoggingControls(twips);
    addButtonRow(twips);
    addStatusLines(twips);

    setFixedSize(twips(kClientWidth), twips(kHeightWithMessages));
}

void MainWindow::addTitle(const Twips &twips)
{
    QLabel *title = label("Label11", QStringLiteral("Brolant"), twips.rect(90, 0, 1305, 555));
    m_title = title;
    QFont titleFont(QStringLiteral("Palatino Linotype"), kTitlePoints, QFont::Bold);
    titleFont.setStyleHint(QFont::Serif);
    title->setFont(titleFont);
    m_mode = label("txtMode", QString(), twips.rect(2205, 0, 1410, 375));
    m_mode->setStyleSheet(QStringLiteral("color: red;"));
    m_mode->setAccessibleDescription(tr("mode"));
}

void MainWindow::addLiveList(const Twips &twips)
{
    m_liveList = new QTreeWidget(this);
    m_liveList->setObjectName(QStringLiteral("ListView1"));
    m_liveList->setAccessibleName(QStringLiteral("ListView1"));
    m_liveList->setAccessibleDescription(tr("live readings"));
    m_liveList->setGeometry(twips.rect(120, 600, 4200, 2685));
    m_liveList->setHeaderHidden(true);
    m_liveList->setRootIsDecorated(false);
    m_liveList->setFocusPolicy(Qt::NoFocus);
    m_liveList->setSelectionMode(QAbstractItemView::NoSelection);
    m_liveList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_dataLamp = lamp("BlinkData", twips.rect(4320, 600, 150, 150), Qt::white);
    m_dataLamp->setAccessibleDescription(tr("flashes on each reading received"));
}

void MainWindow::addLoggingControls(const Twips &twips)
{
    label("Label14", tr("Logging"), twips.rect(90, 3390, 1230, 285));
    m_start = button("StartLogging", tr("Start"), twips.rect(2820, 3390, 675, 315));
    m_stop = button("StopLogging", tr("Stop"), twips.rect(3540, 3390, 675, 315));
    m_logLamp = lamp("BlinkLog", twips.rect(4305, 3390, 150, 150), palette().color(QPalette::Button));
    m_logLamp->setAccessibleDescription(tr("flashes on each log record"));
    QLabel *intervalLabel = label("Label9", tr("Interval"), twips.rect(480, 3795, 555, 255));
    m_interval = new QLineEdit(ProgramDefault::kLogDelay, this);
    m_interval->setObjectName(QStringLiteral("delay"));
    WidgetHelpers::labelFor(intervalLabel, {m_interval});
    m_interval->setAccessibleDescription(tr("logging interval in seconds"));
    m_interval->setGeometry(twips.rect(1110, 3705, 495, 315));
    label("Label10", tr("Seconds"), twips.rect(1650, 3795, 795, 255));
    m_showLogs = button("ShowLogs", tr("Show Logs"), twips.rect(2820, 3750, 1410, 330));
}

void MainWindow::addButtonRow(const Twips &twips)
{
    m_setup = button("Setup", tr("Program Setup"), twips.rect(45, 4170, 1275, 285));
    m_calibrate = button("CalibrateButton", tr("Calibrate"), twips.rect(1350, 4170, 1140, 285));
    m_messagesShown = new QCheckBox(tr("COMMs"), this);
    m_messagesShown->setObjectName(QStringLiteral("Check1"));
    m_messagesShown->setAccessibleDescription(tr("show the message lines"));
    m_messagesShown->setChecked(true);
    m_messagesShown->setGeometry(twips.rect(2520, 4200, 975, 255));
    m_messagesShown->setStyleSheet(QStringLiteral("color: white;"));
    m_exit = button("Exit", tr("Exit"), twips.rect(3540, 4170, 975, 300));
}

void MainWindow::addStatusLines(const Twips &twips)
{
    m_status = label("Label2", QString(), twips.rect(0, 4560, 4575, 495));
    m_status->setStyleSheet(styleSheetFor(Qt::black, kStatusBackground));
    m_status->setAccessibleDescription(tr("received data and serial status"));
    m_error = label("ErrorString", QString(), twips.rect(0, 5160, 4575, 375));
    m_error->setAccessibleDescription(tr("last error"));
    styleErrorLine(ErrorTone::Notice);
    for (QLabel *line : {m_status, m_error}) {
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        line->setWordWrap(true);
    }
}

QRect MainWindow::alarmArea() const
{
    return Twips(*this).rect(0, 0, kClientWidth, kAlarmAreaHeight);
}

void MainWindow::showBrokerState(const BrokerState &state)
{
    const QString words = ConsoleStatus::brokerWords(state);
    const QString text = words.isEmpty() ? QString() : tr("MQTT: ") + words;
    m_title->setToolTip(text);
    m_title->setAccessibleDescription(text);
}

void MainWindow::attach(MainWindowModel &model)
{
    m_model = &model;
    connect(m_start, &QPushButton::clicked, &model, [this, &model] { model.startLoggingClicked(m_interval->text()); });
    connect(m_stop, &QPushButton::clicked, &model, &MainWindowModel::stopLoggingClicked);
    connect(m_setup, &QPushButton::clicked, &model, &MainWindowModel::setupClicked);
    connect(m_showLogs, &QPushButton::clicked, &model, &MainWindowModel::showLogsClicked);
    connect(m_calibrate, &QPushButton::clicked, &model, &MainWindowModel::calibrateClicked);
    // On the change itself, however it came: a click, the space bar, a screen reader's "Toggle".
    connect(m_messagesShown, &QCheckBox::toggled, &model, &MainWindowModel::messageLinesToggled);
    // Every way out runs the same orderly end (closeEvent), the button included.
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

QLabel *MainWindow::label(const char *name, const QString &text, const QRect &geometry)
{
    QLabel *label = WidgetHelpers::label(this, name, text);
    label->setGeometry(geometry);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

QPushButton *MainWindow::button(const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

QPushButton *MainWindow::lamp(const char *name, const QRect &geometry, const QColor &colour)
{
    auto *lamp = new QPushButton(this);
    lamp->setObjectName(QLatin1String(name));
    lamp->setAccessibleName(QLatin1String(name));
    lamp->setGeometry(geometry);
    lamp->setFlat(true);
    lamp->setAutoFillBackground(true);
    lamp->setFocusPolicy(Qt::NoFocus);
    lamp->setPalette(QPalette(colour));
    return lamp;
}

void MainWindow::styleErrorLine(ErrorTone tone)
{
    m_error->setStyleSheet(styleSheetFor(colourOf(tone), kErrorBackground));
}

void MainWindow::showCaption(const QString &text)
{
    setWindowTitle(text);
}

void MainWindow::showStatus(const QString &text)
{
    m_status->setText(text);
}

void MainWindow::showError(const QString &text, ErrorTone tone)
{
    styleErrorLine(tone);
    showError(text);
}

void MainWindow::showError(const QString &text)
{
    // The line holds two rows; a longer error (a device's whole path) is read whole on hovering.
    WidgetHelpers::showWholeRows(m_error, text);
}

void MainWindow::setLoggingControls(bool logging)
{
    m_start->setEnabled(!logging);
    m_stop->setEnabled(logging);
    m_setup->setEnabled(!logging);
    m_calibrate->setEnabled(!logging);
}

void MainWindow::setIntervalEditable(bool editable)
{
    m_interval->setEnabled(editable);
}

void MainWindow::showInterval(const QString &seconds)
{
    m_interval->setText(seconds);
}

void MainWindow::buildLiveList(const LiveListLayout &layout)
{
    const Twips twips(*this);
    m_liveList->clear();
    m_liveList->setColumnCount(3);
    QFont font(QStringLiteral("Arial"), layout.fontPoints);
    font.setStyleHint(QFont::SansSerif);
    m_liveList->setFont(font);
    // The first column holds each row's own (empty) text and is in effect invisible.
    m_liveList->setColumnWidth(0, 1);
    m_liveList->setColumnWidth(1, twips(kValueColumnWidth));
    m_liveList->setColumnWidth(2, twips(kLabelColumnWidth));
    for (const QString &label : layout.labels)
        addLiveRow(QStringLiteral("0.0"), label);
}

void MainWindow::addLiveRow(const QString &value, const QString &label)
{
    auto *row = new QTreeWidgetItem(m_liveList, {QString(), value, label});
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
}

void MainWindow::showLiveRows(const QStringList &values, const QStringList &labels)
{
    m_liveList->clear();
    for (qsizetype row = 0; row < values.size() && row < labels.size(); ++row)
        addLiveRow(values[row], labels[row]);
}

void MainWindow::showMode(const QString &text)
{
    m_mode->setText(text);
}

void MainWindow::flashDataLamp()
{
    m_dataLamp->setPalette(QPalette(QColor(255, 0, 0)));
}

void MainWindow::flashLogLamp()
{
    m_logLamp->setPalette(QPalette(QColor(255, 0, 0)));
}

void MainWindow::showFrameHealth(const QString &summary)
{
    m_liveList->setToolTip(summary);
    m_dataLamp->setToolTip(summary);
}

void MainWindow::resetLamps()
{
    // Back to the button face, as every other button.
    m_dataLamp->setPalette(QPalette(palette().color(QPalette::Button)));
    m_logLamp->setPalette(QPalette(palette().color(QPalette::Button)));
}

void MainWindow::setMessageLinesVisible(bool visible)
{
    const Twips twips(*this);
    setFixedHeight(twips(visible ? kHeightWithMessages : kHeightWithoutMessages));
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    const Twips twips(*this);
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRect(QPoint(twips(45), twips(540)), QPoint(twips(4500), twips(4110))));
    painter.drawLine(twips(45), twips(3330), twips(4500), twips(3330));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_model)
        m_model->end();
    event->accept();
}

} // namespace Brolant
