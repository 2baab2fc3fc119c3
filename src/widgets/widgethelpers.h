// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

template <typename T>
class QList;
class QDialog;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace Brolant {

// How every window makes its labels and short edit boxes, so a screen reader announces what a
// sighted user sees: the design name is the objectName, a label's accessible name is left to Qt
// (its text), a label shows its text as plain text, a control with a label of its own is named by
// the label's text, and only a control with no visible label at all by its design name.
namespace WidgetHelpers {

QLabel *label(QWidget *parent, const char *name, const QString &text, const QString &description = QString());

// Makes `label` the visible label of `controls` (the first is its buddy): each is named by the
// label's text, which is what a screen reader announces. Returns the label.
QLabel *labelFor(QLabel *label, const QList<QWidget *> &controls);

// A box `widthChars` digits wide.
QLineEdit *fixedWidthEdit(QWidget *parent, const char *name, const QString &description, int widthChars);

// A box `widthChars` digits wide on a row of a settings dialog's form, after its question.
QLineEdit *formEdit(QFormLayout *form, QWidget *parent, const char *name, const QString &question,
                    const QString &description, int widthChars);

// Shows on a wrapping `label` of fixed size as many whole rows of `text` as fit, the last ending
// in "…" when some is left; the whole text is its tooltip and what a screen reader reads.
void showWholeRows(QLabel *label, const QString &text);

// A wrapping dark-red line that shows why a settings file could not be used.
QLabel *problemLine(QWidget *parent);
// Shows on such a line that `fileName` could not be used and why, and that the dialog shows its
// starting values instead; hides the line when `why` is empty.
void showUnusable(QLabel *problemLine, const QString &fileName, const QString &why);

// A settings dialog's last row: "Abort" (closes without saving) on the left, "Save" (the default
// button) on the right, running `save`.
QHBoxLayout *abortAndSave(QDialog *dialog, const std::function<void()> &save);

} // namespace WidgetHelpers

} // namespace Brolant
