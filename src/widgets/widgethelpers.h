#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace Brolant {

// How every window makes its labels and short edit boxes, so a screen reader hears the same as a
// sighted user sees: the design name is the objectName, a label's accessible name is left to Qt
// (its text), and a box without text is named by its design name.
namespace WidgetHelpers {

QLabel *label(QWidget *parent, const char *name, const QString &text,
              const QString &description = QString());

// A box `widthChars` digits wide.
QLineEdit *fixedWidthEdit(QWidget *parent, const char *name, const QString &description,
                          int widthChars);

} // namespace WidgetHelpers

} // namespace Brolant
