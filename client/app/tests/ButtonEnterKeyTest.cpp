#include "app/ButtonEnterKey.h"
#include "app/tests/MainWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class ButtonEnterKeyTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        qApp->installEventFilter(&filter_);
    }
    void TearDown() override {
        qApp->removeEventFilter(&filter_);
        MainWindowFixture::TearDown();
    }

    static void press(QWidget* target, Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    static void focus(QWidget* widget) {
        widget->window()->activateWindow();
        QApplication::setActiveWindow(widget->window());
        widget->setFocus();
        QApplication::processEvents();
    }

    ButtonEnterKey filter_;
};

TEST_F(ButtonEnterKeyTest, EnterOnAFocusedButtonPressesItAndFieldsKeepTheirOwnEnter) {
    frmMain& window = open();
    window.show();
    QString opened;
    QString amount;
    bool stillOpenAfterAmount = false;
    auto* add = find<QPushButton>("PaymentB2B_cmdNewBut");
    focus(add);
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        opened = editor->objectName();
        auto* field = editor->findChild<QLineEdit*>(QStringLiteral("txtAmount"));
        focus(field);
        field->setText(QStringLiteral("10001"));
        press(field, Qt::Key_Return);
        amount = field->text();
        stillOpenAfterAmount = editor->isVisible();
        auto* close = editor->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        focus(close);
        press(close, Qt::Key_Enter);
        if (editor->isVisible()) {
            ADD_FAILURE() << "Enter on 关闭 left the editor open";
            editor->reject();
        }
    });
    press(add, Qt::Key_Return);

    EXPECT_EQ(opened, "frmPaymentB2B");
    EXPECT_EQ(amount, "10,001.00");
    EXPECT_TRUE(stillOpenAfterAmount);
}

TEST_F(ButtonEnterKeyTest, DisabledOrUnfocusedButtonsAndModifiedEnterAreLeftAlone) {
    frmMain& window = open();
    window.show();
    auto* write = find<QPushButton>("PaymentB2B_cmdWriteB2BFileBut");
    auto* add = find<QPushButton>("PaymentB2B_cmdNewBut");
    focus(add);
    press(write, Qt::Key_Return);
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier);
    QApplication::sendEvent(add, &shifted);
    add->setEnabled(false);
    press(add, Qt::Key_Return);
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
