// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/calibration/ui/calibrate.h"

#include "platform/messages.h"
#include "widgets/widgethelpers.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace Brolant {

using WidgetHelpers::label;

namespace {
const char *const kDisplayNames[] = {"txtBattV",    "txtShuntV",    "txtPulsess",       "txtWindmillRPM",
                                     "txtPulsess2", "txtWindSpeed", "txtBattVadjusted", "txtBattAadjusted",
                                     "OffsetV",     "Label23"};
const char *const kDisplayDescriptions[] = {
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "battery reading from the board"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "current reading from the board"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "generator pulses from the board"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "generator rpm"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "wind sensor pulses from the board"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "wind speed"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "battery volts"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "battery amps"),
    QT_TRANSLATE_NOOP("Brolant::Calibrate", "current offset"),
    ""};
const char *const kDivisorNames[] = {"BatteryVolts", "BatteryCurrent", "PulseDivider", "Pulse2Divider"};
const char *const kDivisorDescriptions[] = {QT_TRANSLATE_NOOP("Brolant::Calibrate", "voltage divisor"),
                                            QT_TRANSLATE_NOOP("Brolant::Calibrate", "current divisor"),
                                            QT_TRANSLATE_NOOP("Brolant::Calibrate", "generator pulses per revolution"),
                                            QT_TRANSLATE_NOOP("Brolant::Calibrate", "wind sensor pulses per unit")};
constexpr int kDivisorChars = 8;
constexpr int kBesideDivisors = 4; // the grid column right of the divisor boxes
const QString kEverydayVolts = QStringLiteral("0000.00");

// The division sign between a raw reading and its divisor.
class DivisionSign final : public QWidget
{
public:
    DivisionSign(const char *name, QWidget *parent) : QWidget(parent)
    {
        setObjectName(QLatin1String(name));
        setAccessibleName(QCoreApplication::translate("Brolant::Calibrate", "divided by"));
        setFixedSize(12, 14);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.drawEllipse(QPointF(6, 3), 1.5, 1.5);
        painter.drawRect(QRectF(1, 6, 10, 2));
        painter.drawEllipse(QPointF(6, 11), 1.5, 1.5);
    }
};

QFrame *line(QWidget *parent)
{
    auto *rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}
} // namespace

Calibrate::Calibrate(SettingsStore &store, SerialLink &link, CalibrationSession &session, Messages &messages,
                     QWidget *parent)
    : QDialog(parent), m_messages(messages), m_model(store, link, session, *this)
{
    setObjectName(QStringLiteral("Calibrate"));
    setWindowTitle(tr("Calibration"));
    buildReadings();

    auto *grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    // Room beside the divisor boxes for an everyday result; a longer one widens the dialog
    // rather than being cut, as a label's own minimum is its whole text.
    grid->setColumnMinimumWidth(kBesideDivisors,
                                std::max(0, fontMetrics().horizontalAdvance(tr("%1 Volts").arg(kEverydayVolts))
                                                - m_divisors[VoltDivisor]->width()));
    int row = 0;
    addStep(grid, row, "Label8", tr("Step 1. Set Voltage"),
            {label(this, "Label2", tr("Measure your battery voltage, and then adjust")),
             label(this, "Label9", tr("this value until the correct battery voltage")),
             label(this, "Label10", tr("is displayed"))},
            RawVolts, VoltDivisor, "Picture1", "Label6", Volts);
    grid->addWidget(line(this), row++, 0, 1, 5);
    addCurrentStep(grid, row);
    grid->addWidget(line(this), row++, 0, 1, 5);
    addStep(grid, row, "Label14", tr("Step 3. Set RPM"),
            {label(this, "Label3", tr("How many pulses per revolution?")),
             label(this, "Label15", tr("ie, for a 14 pulse generator, type in 14."))},
            RawPulses, RpmDivisor, "Picture3", "Label16", Rpm);
    grid->addWidget(line(this), row++, 0, 1, 5);
    addStep(grid, row, "Label21", tr("Step 4. Set Wind Speed"), {m_displays[WindQuestion]}, RawWindPulses, WindDivisor,
            "Picture4", "Label4", WindSpeed);
    grid->addWidget(line(this), row++, 0, 1, 5);
    grid->addLayout(buildButtonRow(), row, 0, 1, 5);
}

void Calibrate::buildReadings()
{
    for (size_t which = 0; which < m_displays.size(); ++which)
        m_displays[which] = label(this, kDisplayNames[which], QString(), tr(kDisplayDescriptions[which]));
    for (size_t which = 0; which < m_divisors.size(); ++which) {
        m_divisors[which] = WidgetHelpers::fixedWidthEdit(this, kDivisorNames[which], tr(kDivisorDescriptions[which]),
                                                          kDivisorChars);
        connect(m_divisors[which], &QLineEdit::textChanged, this,
                [this, which](const QString &text) { m_model.divisorEdited(int(which), text); });
    }
    for (Display raw : {RawVolts, RawCurrent, RawPulses, RawWindPulses, Offset})
        m_displays[raw]->setText(QStringLiteral("0"));
    m_displays[WindQuestion]->setText(tr("How many pulses per revolution?"));
    m_divisors[VoltDivisor]->setText(QStringLiteral("0"));
    m_divisors[AmpDivisor]->setText(QStringLiteral("0"));
    m_divisors[RpmDivisor]->setText(QStringLiteral("1"));
    m_divisors[WindDivisor]->setText(QStringLiteral("1"));
}

void Calibrate::addCurrentStep(QGridLayout *grid, int &row)
{
    auto *zero = new QPushButton(tr("Zero"), this);
    zero->setObjectName(QStringLiteral("Command2"));
    zero->setAccessibleDescription(tr("take the current reading as zero amps"));
    zero->setAutoDefault(false);
    connect(zero, &QPushButton::clicked, this, [this] { m_model.zeroClicked(); });
    addStep(grid, row, "Label11", tr("Step 2. Set Current"),
            {label(this, "Label7", tr("With no current flowing, press the Zero button..")),
             label(this, "Label12", tr("Apply a charging current, and adjust this")),
             label(this, "Label13", tr("value until the correct amps is displayed."))},
            RawCurrent, AmpDivisor, "Picture2", "Label20", Amps);
    auto *offsetRow = new QHBoxLayout;
    offsetRow->addWidget(zero);
    offsetRow->addWidget(new QLabel(tr("Offset"), this));
    offsetRow->addWidget(m_displays[Offset]);
    offsetRow->addStretch();
    grid->addLayout(offsetRow, row++, 0);
}

QLayout *Calibrate::buildButtonRow()
{
    auto *exit = new QPushButton(tr("Exit ( dont save )"), this);
    exit->setObjectName(QStringLiteral("Command6"));
    exit->setAutoDefault(false);
    auto *save = new QPushButton(tr("Save Calibration"), this);
    save->setObjectName(QStringLiteral("Command1"));
    save->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, [this] { m_model.saveClicked(); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(exit);
    buttons->addStretch();
    buttons->addWidget(save);
    return buttons;
}

void Calibrate::addStep(QGridLayout *grid, int &row, const char *heading, const QString &headingText,
                        const QList<QWidget *> &instructions, Display raw, Divisor divisor, const char *sign,
                        const char *equals, Display result)
{
    // The step's heading is the label a screen reader names its divisor box by.
    QLabel *title = WidgetHelpers::labelFor(label(this, heading, headingText), {m_divisors[divisor]});
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, row, 0);
    const int readingRow = row + 1;
    grid->addWidget(m_displays[raw], readingRow, 1, Qt::AlignRight);
    grid->addWidget(new DivisionSign(sign, this), readingRow, 2);
    grid->addWidget(m_divisors[divisor], readingRow, 3);
    grid->addWidget(label(this, equals, QStringLiteral("=")), readingRow + 1, 2);
    grid->addWidget(m_displays[result], readingRow + 1, 3, 1, 2);
    ++row;
    for (QWidget *instruction : instructions)
        grid->addWidget(instruction, row++, 0);
    row = std::max(row, readingRow + 2);
}

void Calibrate::setText(Display display, const QString &text)
{
    m_displays[display]->setText(text);
}

void Calibrate::setDivisor(Divisor divisor, const QString &text)
{
    m_divisors[divisor]->setText(text);
}

void Calibrate::message(const QString &text)
{
    m_messages.message(text);
}

void Calibrate::done(int result)
{
    m_model.closed();
    QDialog::done(result);
}

} // namespace Brolant
