// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QTextDocumentFragment>
#include <QWidget>

// A caption as a sighted user reads it: "&History..." shows as "History...", "&&" as "&".
inline QString shownCaption(const QString &caption)
{
    QString shown;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == u'&' && at + 1 < caption.size())
            ++at;
        shown += caption[at];
    }
    return shown;
}

// What a screen reader hears from a window's controls with text (labels, buttons, check boxes,
// radio buttons, group boxes) and from the controls that labels name, that differs from what
// they show: one
// "objectName: heard \"...\", shown \"...\"" line per control; empty when it hears what it sees.
// Controls without text and without a label (lamps, lists) are named otherwise and left out.
inline QStringList controlsHeardWrong(const QWidget &window)
{
    QStringList wrong;
    const auto compare = [&](QWidget *control, const QString &shown) {
        if (!control->isVisibleTo(&window))
            return;
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(control);
        const QString name = heard ? heard->text(QAccessible::Name) : QString();
        if (name != shown)
            wrong << QStringLiteral("%1: heard \"%2\", shown \"%3\"").arg(control->objectName(), name, shown);
    };
    for (QLabel *label : window.findChildren<QLabel *>())
        // A link is rich text: the reader hears what it shows, not its markup.
        compare(label, label->textFormat() == Qt::RichText
                           ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                           : label->text());
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty())
            compare(button, shownCaption(button->text()));
    }
    for (QGroupBox *group : window.findChildren<QGroupBox *>())
        compare(group, shownCaption(group->title()));
    // A control with a label of its own is heard by what the label shows, not by its design name:
    // a screen reader announces the name, whatever label the control points to.
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (QWidget *control = label->buddy())
            compare(control, shownCaption(label->text()));
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
