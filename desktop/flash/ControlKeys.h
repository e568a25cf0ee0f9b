#pragma once

#include <QKeyEvent>

// The keys that press a control reached with the keyboard, without a modifier: Space (a button, a
// check box), and Enter or Return, the keypad's included (a button).
inline bool isPlainSpace(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Space && key.modifiers() == Qt::NoModifier;
}

inline bool isPlainEnter(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
