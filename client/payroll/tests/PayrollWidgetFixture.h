#pragma once

#include "page/StatusPanels.h"
#include "payroll/LaborageTab.h"
#include "payroll/tests/PayrollFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <functional>

// The payroll tab on a real database, with the editor it opens driven through control names.
class PayrollWidgetFixture : public PayrollFixture {
protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        tab_ = std::make_unique<LaborageTab>(*db_, prompter_, status_);
        tab_->resetLaborage();
    }
    void TearDown() override {
        tab_.reset();
        PayrollFixture::TearDown();
    }

    template <class T> static T* find(const QWidget* parent, const char* name) {
        T* found = parent->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void setText(const QWidget* parent, const char* name, const QString& text) {
        QWidget* field = parent->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(field, nullptr) << name;
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->setText(text);
        else
            static_cast<QComboBox*>(field)->setEditText(text);
    }
    static QString text(const QWidget* parent, const char* name) {
        const QWidget* field = parent->findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(field, nullptr) << name;
        if (const auto* edit = qobject_cast<const QLineEdit*>(field))
            return edit->text();
        if (const auto* combo = qobject_cast<const QComboBox*>(field))
            return combo->currentText();
        return static_cast<const QLabel*>(field)->text();
    }
    static void click(const QWidget* parent, const char* name) {
        QAbstractButton* button = find<QAbstractButton>(parent, name);
        ASSERT_NE(button, nullptr);
        button->click();
    }

    // Runs `action` on the modal dialog that the next step opens, then closes that dialog if
    // it is still open; `closed` tells whether the action closed it.
    void onModal(std::function<void(QDialog&)> action, bool* closed = nullptr) {
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

    StatusPanels status_;
    std::unique_ptr<LaborageTab> tab_;
};
