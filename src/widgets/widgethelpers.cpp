#include "widgets/widgethelpers.h"

#include <QLabel>
#include <QLineEdit>

namespace Brolant {

namespace WidgetHelpers {
namespace {
constexpr int kEditFramePixels = 12;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QString &description)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleDescription(description);
    return label;
}

QLineEdit *fixedWidthEdit(QWidget *parent, const char *name, const QString &description,
                          int widthChars)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(QLatin1String(name));
    edit->setAccessibleDescription(description);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthChars
                        + kEditFramePixels);
    return edit;
}

} // namespace WidgetHelpers

} // namespace Brolant
