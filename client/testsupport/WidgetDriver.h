#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

// Driving real dialogs in widget tests through their control names.

template <class T> T* find(const QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Types into a text box or an editable combo box.
inline void setText(const QWidget* parent, const char* name, const QString& text) {
    QWidget* field = parent->findChild<QWidget*>(QLatin1String(name));
    ASSERT_NE(field, nullptr) << name;
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else
        static_cast<QComboBox*>(field)->setEditText(text);
}

// The text of a text box, combo box or label.
inline QString text(const QWidget* parent, const char* name) {
    const QWidget* field = parent->findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(field, nullptr) << name;
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return static_cast<const QLabel*>(field)->text();
}

inline void click(const QWidget* parent, const char* name) {
    QAbstractButton* button = find<QAbstractButton>(parent, name);
    ASSERT_NE(button, nullptr);
    button->click();
}

// Runs `action` on the modal dialog that the next step opens, then closes that dialog if it is
// still open; `closed` tells whether the action closed it.
inline void onModal(std::function<void(QDialog&)> action, bool* closed = nullptr) {
    QTimer::singleShot(0, [action = std::move(action), closed] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
        if (closed)
            *closed = !dialog->isVisible();
        if (dialog->isVisible())
            dialog->reject();
    });
}
