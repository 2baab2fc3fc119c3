// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/alarms/alarmsdialog.h"

#include "config/configreading.h"
#include "config/tagvalue.h"
#include "platform/messages.h"
#include "platform/programpaths.h"
#include "settings/settingsstore.h"
#include "text/numerictext.h"
#include "widgets/widgethelpers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brolant {

namespace {
constexpr int kNumberChars = 7;
const char *const kQuestions[kLevelAlarms] = {QT_TRANSLATE_NOOP("Brolant::AlarmsDialog", "Battery low: below"),
                                              QT_TRANSLATE_NOOP("Brolant::AlarmsDialog", "Battery high: above"),
                                              QT_TRANSLATE_NOOP("Brolant::AlarmsDialog", "Current high: above"),
                                              QT_TRANSLATE_NOOP("Brolant::AlarmsDialog", "Turbine speed high: above")};

QString numberText(const std::optional<double> &value)
{
    return value ? NumericText::shortest(*value) : QString();
}
} // namespace

AlarmsDialog::AlarmsDialog(SettingsStore &store, const AlarmSettings &defaults, Messages &messages, QWidget *parent)
    : QDialog(parent), m_store(store), m_messages(messages), m_defaults(defaults)
{
    setObjectName(QStringLiteral("Alarms"));
    setWindowTitle(tr("Alarms"));
    auto *column = new QVBoxLayout(this);
    m_problem = WidgetHelpers::problemLine(this);
    column->addWidget(m_problem);
    column->addWidget(WidgetHelpers::label(this, "Hint", tr("Leave a threshold empty to switch its alarm off.")));

    column->addLayout(buildThresholdGrid());

    column->addLayout(WidgetHelpers::abortAndSave(this, [this] { saveClicked(); }));

    showSavedSettings();
}

QLayout *AlarmsDialog::buildThresholdGrid()
{
    auto *grid = new QGridLayout;
    grid->addWidget(WidgetHelpers::label(this, "RaiseHeading", tr("Raise")), 0, 1);
    grid->addWidget(WidgetHelpers::label(this, "ClearHeading", tr("Clear")), 0, 2);
    for (int kind = 0; kind < kLevelAlarms; ++kind) {
        const AlarmDefinition &definition = alarmDefinition(AlarmKind(kind));
        const QString question = tr(kQuestions[kind]);
        auto *caption = WidgetHelpers::label(this, "", question);
        m_raise[size_t(kind)] = WidgetHelpers::fixedWidthEdit(
            this, "", tr("%1 raise threshold in %2").arg(definition.name, definition.unit), kNumberChars);
        m_clear[size_t(kind)] = WidgetHelpers::fixedWidthEdit(
            this, "", tr("%1 clear threshold in %2").arg(definition.name, definition.unit), kNumberChars);
        m_raise[size_t(kind)]->setObjectName(definition.name);
        m_raise[size_t(kind)]->setAccessibleName(question);
        m_clear[size_t(kind)]->setObjectName(definition.clearTag);
        m_clear[size_t(kind)]->setAccessibleName(definition.low ? tr("cleared at or above")
                                                                : tr("cleared at or below"));
        caption->setBuddy(m_raise[size_t(kind)]);
        grid->addWidget(caption, kind + 1, 0);
        grid->addWidget(m_raise[size_t(kind)], kind + 1, 1);
        grid->addWidget(m_clear[size_t(kind)], kind + 1, 2);
        grid->addWidget(WidgetHelpers::label(this, "", definition.unit), kind + 1, 3);
    }
    m_noData = addSingleRow(grid, kLevelAlarms + 1, tr("No data from the board for"), "NoData", tr("seconds"),
                            kNumberChars);
    m_delay = addSingleRow(grid, kLevelAlarms + 2, tr("Raise and clear after"), "Delay", tr("seconds"), kNumberChars);
    m_command = addSingleRow(grid, kLevelAlarms + 3, tr("Command to run on a change"), "Command", QString(), 30);
    m_command->setPlaceholderText(tr("none"));
    return grid;
}

QLineEdit *AlarmsDialog::addSingleRow(QGridLayout *grid, int row, const QString &question, const char *name,
                                      const QString &unit, int chars)
{
    auto *caption = WidgetHelpers::label(this, "", question);
    QLineEdit *box = WidgetHelpers::fixedWidthEdit(this, name, question, chars);
    box->setAccessibleName(question);
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1, 1, chars > kNumberChars ? 3 : 1);
    if (!unit.isEmpty())
        grid->addWidget(WidgetHelpers::label(this, "", unit), row, 2);
    return box;
}

void AlarmsDialog::showSavedSettings()
{
    const AlarmSettings::Loaded loaded = AlarmSettings::over(m_store.alarms(), m_defaults);
    if (loaded.failure)
        m_problem->setText(tr("%1 could not be used (%2): these are the default values.")
                               .arg(FileName::kAlarmSettings, loaded.failure->forUser()));
    m_problem->setVisible(!m_problem->text().isEmpty());
    const AlarmSettings &settings = loaded.settings;
    for (int kind = 0; kind < kLevelAlarms; ++kind) {
        const auto &levels = settings.levels[size_t(kind)];
        m_raise[size_t(kind)]->setText(numberText(levels.raise));
        m_clear[size_t(kind)]->setText(levels.raise ? numberText(levels.clearAt()) : QString());
    }
    m_noData->setText(numberText(settings.noDataSeconds));
    m_delay->setText(NumericText::shortest(settings.delaySeconds));
    m_command->setText(settings.command);
}

Result<AlarmSettings> AlarmsDialog::typed() const
{
    // Through the file's own rules, so the dialog accepts exactly what the file would.
    QString text;
    for (int kind = 0; kind < kLevelAlarms; ++kind) {
        const AlarmDefinition &definition = alarmDefinition(AlarmKind(kind));
        text += tagged(definition.name, m_raise[size_t(kind)]->text())
                + tagged(definition.clearTag, m_clear[size_t(kind)]->text());
    }
    return AlarmSettings::fromText(text + tagged(AlarmTag::kNoData, m_noData->text())
                                       + tagged(AlarmTag::kDelay, m_delay->text())
                                       + tagged(AlarmTag::kCommand, m_command->text()),
                                   m_defaults);
}

void AlarmsDialog::saveClicked()
{
    const Result<> saved = typed().andThen(
        [this](const AlarmSettings &settings) { return m_store.saveAlarms(settings, m_defaults); });
    if (!saved) {
        m_messages.message(tr("The alarms were not saved, and %1 is unchanged.\n\n%2")
                               .arg(FileName::kAlarmSettings, saved.failure().forUser()));
        return;
    }
    accept();
}

} // namespace Brolant
