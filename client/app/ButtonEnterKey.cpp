#include "app/ButtonEnterKey.h"

#include <QKeyEvent>
#include <QPushButton>

bool ButtonEnterKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!enter || modifiers != Qt::NoModifier || !button || !button->hasFocus() ||
        !button->isEnabled())
        return false;
    button->click();
    return true;
}
