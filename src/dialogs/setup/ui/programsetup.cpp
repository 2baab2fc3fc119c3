// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/setup/ui/programsetup.h"

#include "platform/portlocator.h"
#include "settings/settingsstore.h"
#include "text/numerictext.h"
#include "widgets/widgethelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

namespace Brolant {

namespace {
enum Column
{
    kQuestion,
    kControl,
    kRemark
};
constexpr int kNarrowEditChars = 6;
constexpr int kWideEditChars = 12;

void setCheckState(QCheckBox *box, int value)
{
    // 2 is a greyed box: kept as 2 until the user clicks it.
    box->setTristate(value == 2);
    box->setCheckState(value == 2 ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked);
}

int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

} // namespace

ProgramSetup::ProgramSetup(SettingsStore &store, Messages &messages, QWidget *parent)
    : QDialog(parent), m_programFolder(store.programFolder()), m_messages(messages), m_model(store, messages)
{
    setObjectName(QStringLiteral("ProgramSetup"));
    setWindowTitle(tr("Brolant Setup"));
    auto *grid = new QGridLayout(this);

    m_problem = WidgetHelpers::problemLine(this);
    grid->addWidget(m_problem, 0, 0, 1, 3);

    int row = 1;
    addPortRows(grid, row);
    addSettingRows(grid, row);
    m_systemVolts = optionGroup("Frame2", tr("System Voltage"), 1, SetupForm::kSystemVolts,
                                int(std::size(SetupForm::kSystemVolts)), row++);
    m_maxAmps = optionGroup("Frame1", tr("Max System Amps"), 4, SetupForm::kMaxAmps,
                            int(std::size(SetupForm::kMaxAmps)), row++);
    m_baudRate = optionGroup("Frame3", tr("Baud rate"), 7, SetupForm::kBaudRates, int(std::size(SetupForm::kBaudRates)),
                             row++);

    // Abort and Save are made before the row above them, so Tab reaches them first.
    QLayout *buttons = buildButtonRow();
    grid->addLayout(buildMoreRow(), row++, 0, 1, 3);
    grid->addLayout(buttons, row, 0, 1, 3);
    grid->setColumnStretch(kRemark, 1);

    connect(m_port, &QLineEdit::textChanged, this, &ProgramSetup::describePort);

    showForm(m_model.load());
    m_problem->setText(m_model.loadProblem());
    m_problem->setVisible(!m_model.loadProblem().isEmpty());
}

void ProgramSetup::addRow(QGridLayout *grid, int &row, const QString &question, QWidget *control, const QString &remark)
{
    grid->addWidget(WidgetHelpers::labelFor(new QLabel(question, this), {control}), row, kQuestion);
    grid->addWidget(control, row, kControl, Qt::AlignLeft);
    if (!remark.isEmpty())
        grid->addWidget(new QLabel(remark, this), row, kRemark);
    ++row;
}

void ProgramSetup::addPortRows(QGridLayout *grid, int &row)
{
    m_port = WidgetHelpers::fixedWidthEdit(this, "PortNumber", tr("serial port number, 0 for none"), kNarrowEditChars);
    addRow(grid, row, tr("Com port"), m_port);
    m_portDevice = WidgetHelpers::label(this, "PortDevice", QString(), tr("the device the port number opens"));
    grid->addWidget(m_portDevice, row - 1, kRemark);
    const QStringList systemPorts = PortLocator::systemPorts();
    QLabel *ports = WidgetHelpers::label(
        this, "SystemPorts",
        systemPorts.isEmpty() ? tr("No serial ports found on this computer.")
                              : tr("Serial ports on this computer: %1").arg(systemPorts.join(QStringLiteral(", "))));
    ports->setWordWrap(true);
    grid->addWidget(ports, row++, 0, 1, 3);
}

void ProgramSetup::addSettingRows(QGridLayout *grid, int &row)
{
    m_savehtml = checkBox("Savehtml", tr("save HTML page"));
    addRow(grid, row, tr("Save HTML page?"), m_savehtml, tr("Saved to /html folder"));
    m_saveExcel = checkBox("SaveExcel", tr("save Excel file"));
    addRow(grid, row, tr("Save Excel File?"), m_saveExcel, tr("Saved to /Excel folder"));
    m_logDelay = WidgetHelpers::fixedWidthEdit(this, "LogDelay", tr("default logging interval in seconds"),
                                               kNarrowEditChars);
    addRow(grid, row, tr("Default Logging Interval"), m_logDelay, tr("Seconds ( 1 - 600 )"));
    m_logOn = checkBox("LogOn", tr("start logging automatically"));
    addRow(grid, row, tr("Start Logger Automatically?"), m_logOn);
    m_displayRpm = checkBox("DisplayRPM", tr("display RPM"));
    addRow(grid, row, tr("Display RPM?"), m_displayRpm);
    m_displayMessages = checkBox("DisplayMessages", tr("display messages"));
    addRow(grid, row, tr("Display messages"), m_displayMessages);
    m_displayWs = checkBox("DisplayWS", tr("display wind speed"));
    addRow(grid, row, tr("Display Wind Speed?"), m_displayWs);
    m_wsUnits = WidgetHelpers::fixedWidthEdit(this, "WSUnits", tr("wind speed units"), kWideEditChars);
    addRow(grid, row, tr("Wind Speed Units"), m_wsUnits);
}

QLayout *ProgramSetup::buildButtonRow()
{
    auto *abort = new QPushButton(tr("Abort"), this);
    abort->setObjectName(QStringLiteral("Command2"));
    // The word alone reads as Cancel: say to the eye too that it saves, with port 0.
    abort->setAccessibleDescription(tr("save with no serial port and close"));
    abort->setToolTip(abort->accessibleDescription());
    abort->setAutoDefault(false);
    auto *save = new QPushButton(tr("Save Setings"), this);
    save->setObjectName(QStringLiteral("Command1"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &ProgramSetup::saveClicked);
    connect(abort, &QPushButton::clicked, this, &ProgramSetup::abortClicked);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(abort);
    buttons->addStretch();
    buttons->addWidget(save);
    return buttons;
}

QLayout *ProgramSetup::buildMoreRow()
{
    // The settings beyond the program's own, each in a dialog of its own file, which whoever
    // composes the windows opens on request.
    auto *more = new QHBoxLayout;
    const auto opens = [&](const char *name, const QString &caption, const QString &description,
                           void (ProgramSetup::*request)()) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleDescription(description);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, request);
        more->addWidget(button);
    };
    opens("Publishing", tr("Publishing..."), tr("where readings are published: MQTT"),
          &ProgramSetup::publishingRequested);
    opens("Web", tr("Web..."), tr("the live page for phones and computers on the network"),
          &ProgramSetup::webRequested);
    opens("AlarmsButton", tr("Alarms..."),
          tr("when to warn of a low or high battery, a high current, an overspeeding turbine or a silent board"),
          &ProgramSetup::alarmsRequested);
    more->addStretch();
    return more;
}

QCheckBox *ProgramSetup::checkBox(const char *name, const QString &description)
{
    auto *box = new QCheckBox(this);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleDescription(description);
    // Leaving the greyed state is for good: from then on the box is ticked or clear. A click or
    // the space bar ticks a greyed box; a screen reader's Toggle would clear it (the box counts
    // as checked while greyed), so it ticks it too: the same change whichever way it came.
    connect(box, &QCheckBox::stateChanged, box, [box](int state) {
        if (state == Qt::PartiallyChecked || !box->isTristate())
            return;
        box->setTristate(false);
        if (state == Qt::Unchecked)
            box->setCheckState(Qt::Checked);
    });
    return box;
}

QButtonGroup *ProgramSetup::optionGroup(const char *frameName, const QString &caption, int firstOption,
                                        const int *values, int count, int row)
{
    auto *frame = new QGroupBox(caption, this);
    frame->setObjectName(QLatin1String(frameName));
    auto *layout = new QHBoxLayout(frame);
    auto *group = new QButtonGroup(frame);
    for (int i = 0; i < count; ++i) {
        const QString text = QString::number(values[i]);
        auto *option = new QRadioButton(text, frame);
        option->setObjectName(QStringLiteral("Option%1").arg(firstOption + i));
        layout->addWidget(option);
        group->addButton(option, values[i]);
    }
    layout->addStretch();
    static_cast<QGridLayout *>(this->layout())->addWidget(frame, row, 0, 1, 3);
    return group;
}

void ProgramSetup::showForm(const SetupForm &form)
{
    m_port->setText(form.port);
    setCheckState(m_savehtml, form.savehtml);
    setCheckState(m_saveExcel, form.saveExcel);
    m_logDelay->setText(form.logDelay);
    setCheckState(m_logOn, form.logOn);
    setCheckState(m_displayRpm, form.displayRpm);
    setCheckState(m_displayWs, form.displayWs);
    m_wsUnits->setText(form.wsUnits);
    m_systemVolts->button(form.sv)->setChecked(true);
    m_maxAmps->button(form.ma)->setChecked(true);
    m_baudRate->button(form.br)->setChecked(true);
    setCheckState(m_displayMessages, form.dispMessages);
    describePort();
}

SetupForm ProgramSetup::form() const
{
    SetupForm form;
    form.port = m_port->text();
    form.savehtml = checkValue(m_savehtml);
    form.saveExcel = checkValue(m_saveExcel);
    form.logDelay = m_logDelay->text();
    form.logOn = checkValue(m_logOn);
    form.displayRpm = checkValue(m_displayRpm);
    form.displayWs = checkValue(m_displayWs);
    form.wsUnits = m_wsUnits->text();
    form.sv = m_systemVolts->checkedId();
    form.ma = m_maxAmps->checkedId();
    form.br = m_baudRate->checkedId();
    form.dispMessages = checkValue(m_displayMessages);
    return form;
}

void ProgramSetup::saveClicked()
{
    if (m_model.save(form()))
        accept();
}

void ProgramSetup::abortClicked()
{
    m_port->setText(QStringLiteral("0"));
    // Abort always leaves: when prog.cfg cannot be written (the user has been shown why), the port
    // stays closed all the same, or the port-problem loop would have no way out.
    m_model.save(form());
    done(Aborted);
}

void ProgramSetup::describePort()
{
    const QString text = m_port->text();
    const auto number = NumericText::toInt16(text);
    QString description;
    if (text == QStringLiteral("0"))
        description = tr("0: no serial port");
    else if (!number || *number < 1)
        description = tr("not a port number");
    else {
        const QString source = PortLocator(m_programFolder).source(*number);
        const QString device = PortLocator::device(source);
        if (source.isEmpty())
            description = tr("port %1: no such device").arg(*number);
        else if (device.isEmpty())
            description = tr("port %1: %2").arg(QString::number(*number), PortLocator::whyGone(source));
        else
            description = tr("port %1 opens %2").arg(QString::number(*number), device);
    }
    m_portDevice->setText(description);
}

} // namespace Brolant
