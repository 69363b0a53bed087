#pragma once

// Driving panels offscreen: find controls by name, type and leave boxes, click lines.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace kit {

template <typename T>
T* child(QWidget* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

inline QLineEdit* box(QWidget* parent, const QString& name)
{
    return child<QLineEdit>(parent, name);
}

inline void click(QWidget* parent, const QString& name)
{
    auto* b = child<QAbstractButton>(parent, name);
    // A radio button or check box takes clicks on its mark and text only, not on the whole
    // width a layout gives it.
    if (b->isCheckable() && !qobject_cast<QPushButton*>(b))
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    else
        QTest::mouseClick(b, Qt::LeftButton);
}

// Focuses the box, replaces its text by typing, and presses Enter (which leaves it).
inline void enter(QLineEdit* b, const QString& text)
{
    b->setFocus(Qt::TabFocusReason);
    b->selectAll();
    if (text.isEmpty())
        QTest::keyClick(b, Qt::Key_Delete);
    else
        QTest::keyClicks(b, text);
    QTest::keyClick(b, Qt::Key_Return);
}

inline void enter(QWidget* parent, const QString& name, const QString& text)
{
    enter(box(parent, name), text);
}

inline QStringList items(QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

// Clicks the first line that starts with `start`; false when there is none.
inline bool clickLine(QListWidget* list, const QString& start)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(start)) {
            list->scrollToItem(list->item(i));
            // The pointer arrives over the list before it clicks.
            QEvent arrive(QEvent::Enter);
            QApplication::sendEvent(list->viewport(), &arrive);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
            return true;
        }
    return false;
}

// Clicks line `row`.
inline void clickLine(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    if (!item)
        qFatal("no line %d", row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

inline bool showActive(QWidget* w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

} // namespace kit
