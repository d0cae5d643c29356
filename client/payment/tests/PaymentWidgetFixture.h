#pragma once

#include "page/StatusPanels.h"
#include "payment/PaymentTab.h"
#include "payment/tests/PaymentFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>

// The payment tab on a real database, with the dialogs it opens driven through their names.
class PaymentWidgetFixture : public PaymentFixture {
protected:
    void SetUp() override {
        PaymentFixture::SetUp();
        tab_ = std::make_unique<PaymentTab>(*db_, prompter_, status_);
        tab_->resetPaymentB2B();
    }
    void TearDown() override {
        tab_.reset();
        PaymentFixture::TearDown();
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

    // Runs `action` on the modal dialog that the next step opens, then closes that dialog.
    void onModal(std::function<void(QDialog&)> action) {
        QTimer::singleShot(0, [action = std::move(action)] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            action(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    StatusPanels status_;
    std::unique_ptr<PaymentTab> tab_;
};
