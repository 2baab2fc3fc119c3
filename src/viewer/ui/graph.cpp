// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ui/graph.h"

#include "platform/messages.h"
#include "viewer/ui/plotwidget.h"
#include "widgets/elidedlabel.h"
#include "widgets/widgethelpers.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

namespace Brolant {

using WidgetHelpers::label;

namespace {
const QColor kBackground(0, 192, 192);
constexpr QSize kPlotSize(741, 389);
constexpr int kPanelWidth = 240;
constexpr int kTimeBoxChars = 3;

const char *const kSwitchNames[] = {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6"};
const char *const kSwitchCaptions[] = {
    QT_TRANSLATE_NOOP("Brolant::Graph", "Volts"), QT_TRANSLATE_NOOP("Brolant::Graph", "Amps"),
    QT_TRANSLATE_NOOP("Brolant::Graph", "Watts"), QT_TRANSLATE_NOOP("Brolant::Graph", "RPM"),
    QT_TRANSLATE_NOOP("Brolant::Graph", "WS"),    QT_TRANSLATE_NOOP("Brolant::Graph", "Scaled")};
// The check boxes double as the legend.
const char *const kSwitchStyles[] = {"background-color: rgb(255, 0, 0);",
                                     "background-color: rgb(0, 255, 0);",
                                     "background-color: rgb(128, 128, 255);",
                                     "background-color: rgb(255, 255, 0);",
                                     "",
                                     "background-color: rgb(128, 128, 128); color: white;"};
const char *const kTopNames[] = {"VMax1", "AMax1", "WMax1", "RMax1", "SMax1"};
const char *const kBottomNames[] = {"VMin1", "AMin1", "WMin1", "RMin1", "SMin1"};
const char *const kSeriesNames[] = {
    QT_TRANSLATE_NOOP("Brolant::Graph", "volts"), QT_TRANSLATE_NOOP("Brolant::Graph", "amps"),
    QT_TRANSLATE_NOOP("Brolant::Graph", "watts"), QT_TRANSLATE_NOOP("Brolant::Graph", "rpm"),
    QT_TRANSLATE_NOOP("Brolant::Graph", "wind speed")};
const char *const kReadoutNames[] = {"vt", "vv", "av", "wv", "rv", "sv"};
const char *const kReadoutDescriptions[] = {QT_TRANSLATE_NOOP("Brolant::Graph", "time under the pointer"),
                                            QT_TRANSLATE_NOOP("Brolant::Graph", "volts under the pointer"),
                                            QT_TRANSLATE_NOOP("Brolant::Graph", "amps under the pointer"),
                                            QT_TRANSLATE_NOOP("Brolant::Graph", "watts under the pointer"),
                                            QT_TRANSLATE_NOOP("Brolant::Graph", "rpm under the pointer"),
                                            QT_TRANSLATE_NOOP("Brolant::Graph", "wind speed under the pointer")};
// What the labels show before a day is loaded, and again after a load that found nothing.
const QString kScaleStartText = QStringLiteral("0");
const QString kReadoutStartTexts[] = {QString(),       kScaleStartText, kScaleStartText,
                                      kScaleStartText, kScaleStartText, kScaleStartText};
const char *const kStartText = QT_TRANSLATE_NOOP("Brolant::Graph", "Start");
const char *const kFinishText = QT_TRANSLATE_NOOP("Brolant::Graph", "Finish");
const QString kEnergyText = QStringLiteral("Wh");
} // namespace

Graph::Graph(const QString &programFolder, ViewerSession &session, Messages &messages, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_model(programFolder, session, *this)
{
    setObjectName(tr("Graph"));
    setWindowTitle(tr("Graph"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);

    m_plot = new PlotWidget(this);
    m_plot->setFixedSize(kPlotSize);
    m_start = label(this, "stime", tr(kStartText), tr("time of the first plotted record"));
    m_finish = label(this, "ftime", tr(kFinishText), tr("time of the last plotted record"));
    m_energy = label(this, "watts", kEnergyText, tr("watt-hours of the plotted range"));

    auto *times = new QHBoxLayout;
    times->addWidget(m_start);
    times->addStretch();
    times->addWidget(m_energy);
    times->addStretch();
    times->addWidget(m_finish);

    auto *right = new QVBoxLayout;
    right->addWidget(m_plot);
    right->addLayout(times);
    right->addWidget(buildLegend());

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildFilePanel());
    layout->addLayout(right);

    connect(m_plot, &PlotWidget::pointerMoved, this, [this](double x) { m_model.pointerMoved(x); });
    connect(m_plot, &PlotWidget::pressed, this, [this](double x) { m_model.pressed(x); });
    connect(m_plot, &PlotWidget::released, this, [this](double x) { m_model.released(x); });
    m_model.open();
}

QLineEdit *Graph::timeBox(const char *name, const QString &text, const QString &description)
{
    QLineEdit *box = WidgetHelpers::fixedWidthEdit(this, name, description, kTimeBoxChars);
    box->setText(text);
    box->setMaxLength(2);
    return box;
}

QWidget *Graph::buildFilePanel()
{
    auto *panel = new QWidget(this);
    panel->setFixedWidth(kPanelWidth);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    QLabel *title = label(this, "Label15", tr("Log History"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    column->addWidget(title);

    addDayLists(panel, column, title);
    column->addLayout(buildRangeGrid());
    column->addLayout(buildButtonRow(panel));
    column->addWidget(buildHistoryButton(panel));
    column->addLayout(buildReadoutGrid());
    return panel;
}

void Graph::addDayLists(QWidget *panel, QVBoxLayout *column, QLabel *title)
{
    auto *fileRow = new QHBoxLayout;
    auto *fileLabel = new QLabel(tr("File"), panel);
    fileRow->addWidget(fileLabel);
    // A long name gives way in its middle, never at the date or the ".txt" at its ends.
    m_fileName = new ElidedLabel(panel);
    m_fileName->setObjectName(QStringLiteral("text1"));
    m_fileName->setAccessibleDescription(tr("the day being viewed"));
    fileRow->addWidget(m_fileName, 1);
    column->addLayout(fileRow);

    m_folders = new QListWidget(panel);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setAccessibleDescription(
        tr("the folder whose files are listed, first, then the folders in it; click one to open it"));
    m_folders->setMaximumHeight(80);
    // A long path loses its middle, not the folder's own name at its end: its rows are drawn as
    // wide as the list (see showFolder), never wider with a scroll bar.
    m_folders->setTextElideMode(Qt::ElideMiddle);
    m_folders->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_files = new QListWidget(panel);
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setAccessibleDescription(tr("log files; click one to load that day"));
    // A screen reader names each list by the label shown above it.
    WidgetHelpers::labelFor(title, {m_folders});
    WidgetHelpers::labelFor(fileLabel, {m_files});
    column->addWidget(m_folders);
    column->addWidget(m_files, 1);
    // A click opens a folder, as Return does: the folder highlighted is always the one listed.
    const auto openFolder = [this](QListWidgetItem *item) {
        m_model.folderChosen(item->data(Qt::UserRole).toString());
    };
    connect(m_folders, &QListWidget::itemClicked, this, openFolder);
    connect(m_folders, &QListWidget::itemActivated, this, openFolder);
    // The first click of a double click has opened the folder already; the second would land on
    // whatever row of the new list lies under the pointer and open that too.
    m_folders->viewport()->installEventFilter(this);
    connect(m_files, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_model.fileClicked(item->text()); });
    connect(m_files, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { m_model.fileClicked(item->text()); });
}

QLayout *Graph::buildRangeGrid()
{
    auto *range = new QGridLayout;
    m_times = {timeBox("Time1h", QStringLiteral("00"), tr("start hour")),
               timeBox("Time1m", QStringLiteral("00"), tr("start minute")),
               timeBox("Time2h", QStringLiteral("23"), tr("finish hour")),
               timeBox("Time2m", QStringLiteral("59"), tr("finish minute"))};
    // A screen reader names each pair of boxes by the label of its row, as it is seen.
    range->addWidget(WidgetHelpers::labelFor(label(this, "Label2", tr("From")), {m_times[0], m_times[1]}), 0, 0);
    range->addWidget(m_times[0], 0, 1);
    range->addWidget(m_times[1], 0, 3);
    range->addWidget(WidgetHelpers::labelFor(label(this, "Label3", tr("To")), {m_times[2], m_times[3]}), 1, 0);
    range->addWidget(m_times[2], 1, 1);
    range->addWidget(m_times[3], 1, 3);
    // The window has four separators for two places: each pair shares the cell between hour and minute.
    const char *separators[][2] = {{"Label4", "Label6"}, {"Label5", "Label8"}};
    for (int row = 0; row < 2; ++row) {
        for (const char *name : separators[row]) {
            QLabel *separator = label(this, name, QStringLiteral(":"));
            range->addWidget(separator, row, 2);
            // The second lies on the first: hidden, it is not read out a second time.
            separator->setVisible(name == separators[row][0]);
        }
    }
    range->setColumnStretch(4, 1);
    return range;
}

QLayout *Graph::buildButtonRow(QWidget *panel)
{
    auto *buttons = new QHBoxLayout;
    auto button = [&](const char *name, const QString &caption, auto handler) {
        auto *button = new QPushButton(caption, panel);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        return button;
    };
    button("Command1", tr("DISPLAY"), [this] { m_model.displayClicked(times()); })->setDefault(true);
    button("CSV", QStringLiteral(".CSV"), [this] { m_model.exportClicked(); });
    button("Command2", tr("Exit"), [this] { close(); });
    return buttons;
}

QWidget *Graph::buildHistoryButton(QWidget *panel)
{
    auto *history = new QPushButton(tr("&History..."), panel);
    history->setObjectName(QStringLiteral("History"));
    history->setAccessibleDescription(tr("energy per day, the power curve and the trend of many days"));
    history->setAutoDefault(false);
    connect(history, &QPushButton::clicked, this, &Graph::historyRequested);
    return history;
}

QLayout *Graph::buildReadoutGrid()
{
    auto *readouts = new QGridLayout;
    readouts->addWidget(label(this, "Label7", tr("Time")), 0, 0);
    for (size_t which = 0; which < m_readouts.size(); ++which) {
        m_readouts[which] = label(this, kReadoutNames[which], kReadoutStartTexts[which],
                                  tr(kReadoutDescriptions[which]));
        readouts->addWidget(m_readouts[which], int(which), 1);
    }
    readouts->setColumnStretch(1, 1);
    return readouts;
}

QWidget *Graph::buildLegend()
{
    auto *legend = new QWidget(this);
    auto *grid = new QGridLayout(legend);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int which = 0; which < 6; ++which) {
        auto *box = new QCheckBox(tr(kSwitchCaptions[which]), legend);
        box->setObjectName(QLatin1String(kSwitchNames[which]));
        box->setStyleSheet(QLatin1String(kSwitchStyles[which]));
        grid->addWidget(box, 0, which);
        m_switches[size_t(which)] = box;
        // On the change itself: the space bar and a screen reader's "Toggle" change a box
        // without a click.
        connect(box, &QCheckBox::toggled, this,
                [this, which](bool ticked) { m_model.switchToggled(GraphModel::Switch(which), ticked); });
        if (which < 5) {
            const QString series = tr(kSeriesNames[which]);
            m_tops[size_t(which)] = label(this, kTopNames[which], kScaleStartText,
                                          tr("top of the %1 scale").arg(series));
            m_bottoms[size_t(which)] = label(this, kBottomNames[which], kScaleStartText,
                                             tr("bottom of the %1 scale").arg(series));
            grid->addWidget(m_tops[size_t(which)], 1, which);
            grid->addWidget(m_bottoms[size_t(which)], 2, which);
        }
    }
    return legend;
}

void Graph::showFolder(const QString &path, const QStringList &subfolders, const QStringList &files)
{
    m_folders->clear();
    // The folder itself first and chosen, so the list shows where it is.
    const QString shown = QDir::toNativeSeparators(path);
    auto *current = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon), shown, m_folders);
    current->setData(Qt::UserRole, path);
    // The whole path, however narrow the list draws it; a folder's name is never markup.
    current->setToolTip(Qt::convertFromPlainText(shown, Qt::WhiteSpaceNoWrap));
    current->setData(Qt::AccessibleDescriptionRole, shown);
    for (const QString &subfolder : subfolders) {
        auto *item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon), subfolder, m_folders);
        item->setData(Qt::UserRole, QDir(path).filePath(subfolder));
    }
    // A list lays its rows out as wide as the widest text, and elides nothing then: rows that ask
    // for no width are drawn as wide as the list, and a longer text loses its middle.
    const int rowHeight = m_folders->sizeHintForRow(0);
    for (int row = 0; row < m_folders->count(); ++row)
        m_folders->item(row)->setSizeHint(QSize(1, rowHeight));
    m_folders->setCurrentItem(current);
    m_files->clear();
    m_files->addItems(files);
}

void Graph::showFileName(const QString &name)
{
    m_fileName->setText(name);
}

void Graph::showStartTime(const QString &hour, const QString &minute)
{
    m_times[0]->setText(hour);
    m_times[1]->setText(minute);
}

void Graph::showFinishTime(const QString &hour, const QString &minute)
{
    m_times[2]->setText(hour);
    m_times[3]->setText(minute);
}

QStringList Graph::times() const
{
    return {m_times[0]->text(), m_times[1]->text(), m_times[2]->text(), m_times[3]->text()};
}

void Graph::setPlotOptionsShown(const PlotOptions &options)
{
    const bool ticked[] = {options.volts, options.amps, options.watts, options.rpm, options.windSpeed, options.scaled};
    for (size_t which = 0; which < m_switches.size(); ++which) {
        // The model set these itself: not a change for it to handle again.
        const QSignalBlocker quiet(m_switches[which]);
        m_switches[which]->setChecked(ticked[which]);
    }
}

void Graph::showScaledCaption(const QString &caption)
{
    m_switches[GraphModel::ScaledBox]->setText(caption);
}

void Graph::clearPlot()
{
    m_plot->clear();
}

void Graph::clearDay()
{
    m_plot->clear();
    for (size_t series = 0; series < m_tops.size(); ++series) {
        m_tops[series]->setText(kScaleStartText);
        m_bottoms[series]->setText(kScaleStartText);
    }
    for (size_t which = 0; which < m_readouts.size(); ++which)
        m_readouts[which]->setText(kReadoutStartTexts[which]);
    m_start->setText(tr(kStartText));
    m_finish->setText(tr(kFinishText));
    m_energy->setText(kEnergyText);
}

void Graph::showPlot(const PlotPicture &picture, const PlotTexts &texts)
{
    m_plot->showPicture(picture);
    for (size_t series = 0; series < m_tops.size(); ++series) {
        m_tops[series]->setText(texts.tops[series]);
        m_bottoms[series]->setText(texts.bottoms[series]);
    }
    m_start->setText(texts.start);
    m_finish->setText(texts.finish);
    m_energy->setText(texts.energy);
}

void Graph::showReadout(int which, const QString &text)
{
    m_readouts[size_t(which)]->setText(text);
}

void Graph::markDrag(double fromX, double toX)
{
    m_plot->markDrag(fromX, toX);
}

void Graph::clearDragMarks()
{
    m_plot->clearMarks();
}

bool Graph::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_folders->viewport() && event->type() == QEvent::MouseButtonDblClick)
        return true;
    return QDialog::eventFilter(watched, event);
}

void Graph::keyPressEvent(QKeyEvent *event)
{
    // Return in a list has opened its folder or loaded its day already: it must not also press
    // the default button, which would load the day again over the range just written back.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (focusWidget() == m_files || focusWidget() == m_folders)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Graph::message(const QString &text)
{
    m_messages.message(text);
}

} // namespace Brolant
