#pragma once

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWidget>

// Driving a master-data window the way a clerk does: shown, active, keys into the focus.
namespace MasterDataTest {

inline bool showActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

inline void press(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target && window.isAncestorOf(target) ? target : &window, key, modifiers);
}

inline void type(QWidget &window, const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : &window, text);
}

inline QAction *button(QWidget &window, const char *key)
{
    return window.findChild<QAction *>(QLatin1String(key));
}

inline QString text(QWidget &window, const char *name)
{
    return window.findChild<QLineEdit *>(QLatin1String(name))->text();
}

inline QListWidget *list(QWidget &window) { return window.findChild<QListWidget *>(); }

} // namespace MasterDataTest
