#pragma once

#include "platform/CDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>

// A small dialog that hosts controls under test, placed by id in dialog
// units as a dialog template would place them.
//
//   controlHost host;
//   auto* edit = host.add(1010, new CRealSpinEdit);
//   typeText(edit, "12");
class controlHost : public CDialog {
public:
    explicit controlHost(int cx = 240, int cy = 120) : CDialog(100)
    {
        setDialogSize(cx, cy);
    }

    template <class T>
    T* add(int id, T* control, int x = 10, int y = 10, int cx = 80, int cy = 14)
    {
        return addControl(id, control, x, y, cx, cy);
    }

    using CDialog::dialogUnits;
};

// One key press per character, with the character as the key's text, as the
// keyboard delivers it to the focused control.
inline void typeText(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

inline void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

inline void releaseKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

inline void sendMouse(QWidget* target, QEvent::Type type, const QPoint& at,
                      Qt::MouseButton button = Qt::LeftButton)
{
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                      held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void click(QWidget* target, const QPoint& at)
{
    sendMouse(target, QEvent::MouseButtonPress, at);
    sendMouse(target, QEvent::MouseButtonRelease, at);
}
