// Keys a window handles in its own key handler.
#pragma once

#include <QKeyEvent>

// A key pressed without a modifier runs what it stands for and is taken;
// false leaves the event to the window's own handling. A key event, unlike a
// shortcut, reaches a window the system does not count as active.
template <class Tun>
bool tasteAllein(QKeyEvent* e, Qt::Key taste, Tun&& tun) {
    if (e->key() != taste || e->modifiers() != Qt::NoModifier) return false;
    e->accept();
    tun();
    return true;
}
