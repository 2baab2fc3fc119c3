#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// What a screen reader hears from a window's labels that differs from what they show: one
// "objectName: heard \"...\", shown \"...\"" line per label; empty when it hears what it sees.
inline QStringList labelsHeardWrong(const QWidget &window)
{
    QStringList wrong;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window))
            continue;
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(label);
        const QString name = heard ? heard->text(QAccessible::Name) : QString();
        if (name != label->text())
            wrong << QStringLiteral("%1: heard \"%2\", shown \"%3\"").arg(label->objectName(), name, label->text());
    }
    return wrong;
}
