// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/widgethelpers.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QTextLayout>

namespace Brolant {

namespace WidgetHelpers {
namespace {
constexpr int kEditFramePixels = 12;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QString &description)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Labels show received, file and typed text too: a frame starting "<I>" is not italics.
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(description);
    return label;
}

QLabel *labelFor(QLabel *label, const QList<QWidget *> &controls)
{
    label->setBuddy(controls.first());
    for (QWidget *control : controls)
        control->setAccessibleName(label->text());
    return label;
}

QLineEdit *fixedWidthEdit(QWidget *parent, const char *name, const QString &description, int widthChars)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(QLatin1String(name));
    edit->setAccessibleDescription(description);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthChars + kEditFramePixels);
    return edit;
}

QLineEdit *formEdit(QFormLayout *form, QWidget *parent, const char *name, const QString &question,
                    const QString &description, int widthChars)
{
    QLineEdit *box = fixedWidthEdit(parent, name, description, widthChars);
    auto *label = new QLabel(question, parent);
    form->addRow(labelFor(label, {box}), box);
    return box;
}

void showWholeRows(QLabel *label, const QString &text)
{
    const QRect area = label->contentsRect();
    const QFontMetrics metrics(label->font());
    QTextLayout layout(text, label->font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    QStringList rows;
    int height = 0;
    int rest = -1; // where the text left over starts
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(area.width());
        if (!rows.isEmpty() && height + metrics.height() > area.height()) {
            rest = rows.size() - 1;
            break;
        }
        QString shown = text.mid(row.textStart(), row.textLength());
        // The row's blanks at its end only: a message's own indent stays.
        while (!shown.isEmpty() && shown.back().isSpace())
            shown.chop(1);
        rows << shown;
        height += metrics.lineSpacing();
    }
    layout.endLayout();
    if (rest < 0) {
        label->setText(text);
    } else {
        // The last row that fits gets the rest, cut short.
        const int start = layout.lineAt(rest).textStart();
        rows.back() = metrics.elidedText(text.mid(start), Qt::ElideRight, area.width());
        label->setText(rows.join(u'\n'));
    }
    label->setToolTip(text);
    label->setAccessibleName(text);
}

void showUnusable(QLabel *problemLine, const QString &fileName, const QString &why)
{
    problemLine->setText(why.isEmpty()
                             ? QString()
                             : QCoreApplication::translate("Brolant::WidgetHelpers",
                                                           "%1 could not be used (%2): these are the starting values.")
                                   .arg(fileName, why));
    problemLine->setVisible(!why.isEmpty());
}

QLabel *problemLine(QWidget *parent)
{
    QLabel *line = label(parent, "LoadProblem", QString());
    line->setWordWrap(true);
    line->setStyleSheet(QStringLiteral("color: #a00000;"));
    return line;
}

QHBoxLayout *abortAndSave(QDialog *dialog, const std::function<void()> &save)
{
    auto *buttons = new QHBoxLayout;
    auto *abort = new QPushButton(QCoreApplication::translate("Brolant::WidgetHelpers", "Abort"), dialog);
    abort->setObjectName(QStringLiteral("Abort"));
    abort->setAccessibleDescription(QCoreApplication::translate("Brolant::WidgetHelpers", "close without saving"));
    abort->setAutoDefault(false);
    auto *saveButton = new QPushButton(QCoreApplication::translate("Brolant::WidgetHelpers", "Save"), dialog);
    saveButton->setObjectName(QStringLiteral("Save"));
    saveButton->setDefault(true);
    buttons->addWidget(abort);
    buttons->addStretch();
    buttons->addWidget(saveButton);
    QObject::connect(abort, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(saveButton, &QPushButton::clicked, dialog, save);
    return buttons;
}

} // namespace WidgetHelpers

} // namespace Brolant
