#include "amount/AmountField.h"
#include "amount/AmountConvert.h"
#include "config/AppTitle.h"
#include "store/ScriptedPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

// A scripted prompter that runs an action while its box is "open", as a real modal box would
// take the focus from the field.
class OpeningPrompter : public ScriptedPrompter {
public:
    std::function<void()> whileOpen;

    MsgAnswer message(const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override {
        if (whileOpen)
            whileOpen();
        return ScriptedPrompter::message(title, text, icon, buttons);
    }
};

// An editor-like window: the amount box, its capital label and the field after it.
class AmountFieldTest : public testing::Test {
protected:
    AmountFieldTest() {
        auto* layout = new QVBoxLayout(&window_);
        amount_ = new QLineEdit(&window_);
        amount_->setObjectName(QStringLiteral("txtAmount"));
        capital_ = new QLabel(&window_);
        capital_->setObjectName(QStringLiteral("lblCnPayAmount"));
        next_ = new QLineEdit(&window_);
        next_->setObjectName(QStringLiteral("comboRemark"));
        layout->addWidget(amount_);
        layout->addWidget(capital_);
        layout->addWidget(next_);
        field_ = new AmountField(*amount_, *capital_, prompter_);
        window_.show();
        window_.activateWindow();
        QApplication::setActiveWindow(&window_);
        amount_->setFocus();
        QApplication::processEvents();
    }

    // Types the text into the box and leaves it for the next field.
    void typeAndLeave(const QString& text) {
        amount_->setFocus();
        amount_->setText(text);
        next_->setFocus();
    }

    void typeAndPressEnter(const QString& text) {
        amount_->setFocus();
        amount_->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(amount_, &enter);
    }

    QStringList messages() const { return prompter_.texts(); }

    void expectRefused(const char* message) {
        EXPECT_EQ(messages(), QStringList{q(message)});
        EXPECT_EQ(amount_->text(), QString());
        EXPECT_EQ(capital_->text(), QString());
        EXPECT_EQ(QApplication::focusWidget(), amount_);
    }

    OpeningPrompter prompter_;
    QWidget window_;
    QLineEdit* amount_;
    QLabel* capital_;
    QLineEdit* next_;
    AmountField* field_;
};

TEST_F(AmountFieldTest, LeavingShowsTwoDecimalsAndTheCapitalSpelling) {
    const struct {
        const char* typed;
        const char* shown;
        const char* capital;
    } cases[] = {
        {"1234.5", "1,234.50", "壹仟贰佰叁拾肆元伍角"},
        {" 1,234.5 ", "1,234.50", "壹仟贰佰叁拾肆元伍角"},
        {"10001", "10,001.00", "壹万零壹元整"},
        {"12.", "12.00", "壹拾贰元整"},
        {".05", "0.05", "伍分"},
        {"100000000000.00", "100,000,000,000.00", "壹仟亿元整"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        typeAndLeave(q(c.typed));
        EXPECT_EQ(amount_->text(), q(c.shown));
        EXPECT_EQ(capital_->text(), q(c.capital));
        EXPECT_EQ(QApplication::focusWidget(), next_);
    }
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(AmountFieldTest, CapitalLabelIsSpelledFromTheTypedText) {
    typeAndLeave(QStringLiteral("1,010.1"));
    EXPECT_EQ(amount_->text(), QStringLiteral("1,010.10"));
    EXPECT_EQ(capital_->text(), convertToCapital(QStringLiteral("1010.1")));
    EXPECT_EQ(capital_->text(), q("壹仟零壹拾元壹角"));
}

TEST_F(AmountFieldTest, EmptyOrBlankFieldIsClearedWithoutMessage) {
    capital_->setText(q("壹元整"));
    typeAndLeave(QStringLiteral("   "));
    EXPECT_EQ(amount_->text(), QString());
    EXPECT_EQ(capital_->text(), QString());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(AmountFieldTest, BadFormatIsRefused) {
    for (const char* typed : {"12.345", "abc", "-1", "1.2.3"}) {
        SCOPED_TRACE(typed);
        prompter_.clear();
        typeAndLeave(q(typed));
        expectRefused("金额格式错误");
    }
}

TEST_F(AmountFieldTest, AmountAboveTheMaximumIsRefused) {
    typeAndLeave(QStringLiteral("100,000,000,000.01"));
    expectRefused("金额超过系统最大单笔限制");
}

TEST_F(AmountFieldTest, ZeroIsRefused) {
    for (const char* typed : {"0.00", "0", "000"}) {
        SCOPED_TRACE(typed);
        prompter_.clear();
        typeAndLeave(q(typed));
        expectRefused("金额必须大于零元");
    }
}

TEST_F(AmountFieldTest, MessagesArePlainBoxesWithTheApplicationsTitle) {
    typeAndLeave(QStringLiteral("0"));
    ASSERT_EQ(prompter_.boxes().size(), 1u);
    EXPECT_EQ(prompter_.boxes()[0].title, applicationTitle());
    EXPECT_EQ(prompter_.boxes()[0].icon, MsgIcon::None);
    EXPECT_EQ(prompter_.boxes()[0].buttons, MsgButtons::Ok);
}

TEST_F(AmountFieldTest, EnterRunsTheSameStepsAndMovesOn) {
    typeAndPressEnter(QStringLiteral("12"));
    EXPECT_EQ(amount_->text(), QStringLiteral("12.00"));
    EXPECT_EQ(capital_->text(), q("壹拾贰元整"));
    EXPECT_EQ(QApplication::focusWidget(), next_);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(AmountFieldTest, EnterOnARefusedAmountStaysInTheField) {
    typeAndPressEnter(QStringLiteral("100000000000.5"));
    expectRefused("金额超过系统最大单笔限制");
}

TEST(AmountFieldInDialog, EnterDoesNotPressTheDialogsDefaultButton) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* amount = new QLineEdit(&dialog);
    auto* capital = new QLabel(&dialog);
    auto* save = new QPushButton(QStringLiteral("保存指令"), &dialog);
    save->setDefault(true);
    layout->addWidget(amount);
    layout->addWidget(capital);
    layout->addWidget(save);
    ScriptedPrompter prompter;
    new AmountField(*amount, *capital, prompter);
    int saves = 0;
    QObject::connect(save, &QPushButton::clicked, [&saves] { ++saves; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    amount->setFocus();
    amount->setText(QStringLiteral("5"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(amount, &enter);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(amount->text(), QStringLiteral("5.00"));
    EXPECT_EQ(capital->text(), q("伍元整"));
}

TEST(AmountFieldInDialog, ClosingTheDialogWithTheFocusInTheBoxIsSafe) {
    ScriptedPrompter prompter;
    {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* capital = new QLabel(&dialog);
        auto* amount = new QLineEdit(&dialog);
        layout->addWidget(capital);
        layout->addWidget(amount);
        new AmountField(*amount, *capital, prompter);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        amount->setFocus();
        amount->setText(QStringLiteral("0"));
        ASSERT_EQ(QApplication::focusWidget(), amount);
    }
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(AmountFieldTest, MessageBoxTakingTheFocusShowsOneMessageOnly) {
    prompter_.whileOpen = [this] {
        QFocusEvent lost(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(amount_, &lost);
        QFocusEvent moved(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(amount_, &moved);
    };
    typeAndLeave(QStringLiteral("0.00"));
    expectRefused("金额必须大于零元");
}

TEST_F(AmountFieldTest, RefreshWhileStayingKeepsTypedDecimalsAndSkipsUnchangedText) {
    amount_->setText(QStringLiteral("1234.5"));
    EXPECT_TRUE(field_->refreshAmount(false));
    EXPECT_EQ(amount_->text(), QStringLiteral("1,234.5"));
    EXPECT_EQ(capital_->text(), q("壹仟贰佰叁拾肆元伍角"));

    capital_->setText(QStringLiteral("untouched"));
    EXPECT_TRUE(field_->refreshAmount(false));
    EXPECT_EQ(capital_->text(), QStringLiteral("untouched"));

    EXPECT_TRUE(field_->refreshAmount(true));
    EXPECT_EQ(amount_->text(), QStringLiteral("1,234.50"));
}

} // namespace
