// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ui/ratedcurvedialog.h"

#include "text/failure.h"
#include "widgets/widgethelpers.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brolant {

namespace {
constexpr qint64 kLargestCsv = 64 * 1024; // far more than any curve's pairs
constexpr int kPowerDigits = 8;
} // namespace

RatedCurveDialog::RatedCurveDialog(const QString &programFolder, const TurbineSettings &settings, QWidget *parent)
    : QDialog(parent), m_programFolder(programFolder), m_settings(settings)
{
    setWindowTitle(tr("Rated curve"));
    auto *column = new QVBoxLayout(this);
    auto *pairsLabel = new QLabel(
        tr("Wind speed (m/s) and power (W), a pair a line, as the turbine's certificate gives them:"), this);
    pairsLabel->setWordWrap(true);
    column->addWidget(pairsLabel);
    m_pairs = new QPlainTextEdit(m_settings.rated.pairsText(), this);
    m_pairs->setObjectName(QStringLiteral("RatedPairs"));
    m_pairs->setTabChangesFocus(true);
    WidgetHelpers::labelFor(pairsLabel, {m_pairs});
    column->addWidget(m_pairs, 1);
    auto *import = new QPushButton(tr("Import CSV..."), this);
    import->setAccessibleDescription(tr("read the pairs from a file of two columns"));
    import->setAutoDefault(false);
    column->addWidget(import, 0, Qt::AlignLeft);
    auto *form = new QFormLayout;
    m_ratedPower = WidgetHelpers::formEdit(form, this, "RatedPower", tr("Rated power (W):"),
                                           tr("empty: the curve's highest watts"), kPowerDigits);
    // Left empty when it is the curve's highest watts, so a new curve brings its own.
    if (!m_settings.rated.isEmpty() && m_settings.rated.ratedPower != m_settings.rated.highestWatts())
        m_ratedPower->setText(QString::number(m_settings.rated.ratedPower, 'g', 10));
    column->addLayout(form);
    m_problem = WidgetHelpers::problemLine(this);
    m_problem->hide();
    column->addWidget(m_problem);
    column->addLayout(WidgetHelpers::abortAndSave(this, [this] {
        if (save())
            accept();
    }));
    connect(import, &QPushButton::clicked, this, &RatedCurveDialog::importClicked);
}

void RatedCurveDialog::importClicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import a rated curve"), QString(),
                                                      tr("CSV files (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        importFile(path);
}

bool RatedCurveDialog::importFile(const QString &path)
{
    QFile file(path);
    const auto refuse = [this](const QString &why) {
        m_problem->setText(why);
        m_problem->show();
        return false;
    };
    // Never a pipe or a device: the open would wait for a writer that never comes.
    if (!QFileInfo(path).isFile())
        return refuse(tr("%1 is no file.").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr("%1 could not be read (%2).").arg(path, file.errorString()));
    if (file.size() > kLargestCsv)
        return refuse(tr("%1 is too large for a rated curve.").arg(path));
    m_pairs->setPlainText(QString::fromUtf8(file.readAll()));
    m_problem->hide();
    return true;
}

bool RatedCurveDialog::save()
{
    TurbineSettings changed = m_settings;
    const Result<RatedCurve> rated = m_pairs->toPlainText().trimmed().isEmpty()
                                         ? Result<RatedCurve>(RatedCurve())
                                         : RatedCurve::fromText(m_pairs->toPlainText(), m_ratedPower->text());
    const Result<> saved = assignTo(changed.rated, rated).andThen([this, &changed] {
        return changed.save(m_programFolder);
    });
    if (!saved) {
        m_problem->setText(tr("Not saved: %1.").arg(saved.failure().forUser()));
        m_problem->show();
        return false;
    }
    m_settings = changed;
    return true;
}

} // namespace Brolant
