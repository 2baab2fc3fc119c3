#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QStringList>
#include <QTest>
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

// Runs one of a control's accessibility actions ("Press", "Toggle"...) as a screen reader or
// switch access would: no mouse, no key.
inline bool doAccessibleAction(QWidget *control, const QString &action)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    QAccessibleActionInterface *actions = accessible ? accessible->actionInterface() : nullptr;
    if (!actions || !actions->actionNames().contains(action))
        return false;
    actions->doAction(action);
    return true;
}

// Changes a check box as a user can: "mouse", "space bar" or a screen reader's "Toggle".
inline bool changeBy(QAbstractButton *box, const QByteArray &way)
{
    if (way == "mouse")
        QTest::mouseClick(box, Qt::LeftButton);
    else if (way == "space bar")
        QTest::keyClick(box, Qt::Key_Space);
    else
        return doAccessibleAction(box, QAccessibleActionInterface::toggleAction());
    return true;
}
