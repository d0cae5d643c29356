#include "config/AppTitle.h"
#include "config/FieldCheck.h"
#include "config/QtFieldControl.h"
#include "config/SharedConfig.h"
#include "store/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

constexpr int kId = 30;

// A window with a text box and an editable combo box, and the rule of field kId, restored
// afterwards so other tests see the table as it was.
class CheckFieldTest : public testing::Test {
protected:
    CheckFieldTest()
        : saved_(sharedConfig().FieldRule[kId]) {
        auto* layout = new QVBoxLayout(&window_);
        edit_ = new QLineEdit(&window_);
        edit_->setObjectName(QStringLiteral("txtAccount"));
        combo_ = new QComboBox(&window_);
        combo_->setObjectName(QStringLiteral("comboAccount"));
        combo_->setEditable(true);
        layout->addWidget(edit_);
        layout->addWidget(combo_);
        rule() = FieldRuleEntry{};
        rule().field_name = q("收款帐号");
        rule().length = QStringLiteral("10000");
        rule().max_value = 1e308;
    }
    ~CheckFieldTest() override { sharedConfig().FieldRule[kId] = saved_; }

    static FieldRuleEntry& rule() { return sharedConfig().FieldRule[kId]; }

    bool checkText(const QString& text) {
        edit_->setText(text);
        return CheckField(*edit_, kId, prompter_);
    }

    // The one box shown, or a failure when there was none or more than one.
    QString onlyMessage() const {
        EXPECT_EQ(prompter_.boxes().size(), 1u);
        return prompter_.boxes().empty() ? QString() : prompter_.boxes().front().text;
    }

    void showActive() {
        window_.show();
        window_.activateWindow();
        QApplication::setActiveWindow(&window_);
        QApplication::processEvents();
    }

    FieldRuleEntry saved_;
    QWidget window_;
    QLineEdit* edit_;
    QComboBox* combo_;
    ScriptedPrompter prompter_;
};

TEST_F(CheckFieldTest, HiddenOrUnwantedControlIsNeverChecked) {
    rule().not_null = true;
    edit_->hide();
    EXPECT_TRUE(checkText(QString()));
    LineEditControl field(*edit_);
    edit_->show();
    EXPECT_TRUE(CheckField(field, kId, false, true, prompter_));
    EXPECT_TRUE(CheckField(field, kId, true, false, prompter_));
    EXPECT_TRUE(prompter_.boxes().empty());
}

TEST_F(CheckFieldTest, VisibilityIsTheControlsOwnNotItsUnshownWindows) {
    rule().not_null = true;
    ASSERT_FALSE(window_.isVisible());
    EXPECT_FALSE(checkText(QString()));
    EXPECT_EQ(onlyMessage(), q("收款帐号不能为空，请重新输入。"));
}

TEST_F(CheckFieldTest, EmptyOptionalFieldPassesEvenAsAccount) {
    rule().is_account = true;
    EXPECT_TRUE(checkText(QString()));
    EXPECT_TRUE(prompter_.boxes().empty());
}

TEST_F(CheckFieldTest, SpacesOnlyOptionalFieldIsCheckedFurther) {
    rule().is_account = true;
    showActive();
    EXPECT_FALSE(checkText(QStringLiteral("   ")));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的帐号。"));
    EXPECT_EQ(QApplication::focusWidget(), edit_);
    EXPECT_EQ(edit_->selectedText(), QStringLiteral("   "));
    EXPECT_EQ(edit_->text(), QStringLiteral("   "));

    prompter_.clear();
    rule().is_account = false;
    rule().is_numric = true;
    EXPECT_FALSE(checkText(QStringLiteral("  ")));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的数值。"));
}

TEST_F(CheckFieldTest, MessagesArePlainBoxesWithTheApplicationsTitle) {
    rule().not_null = true;
    EXPECT_FALSE(checkText(QStringLiteral(" ")));
    ASSERT_EQ(prompter_.boxes().size(), 1u);
    const ScriptedPrompter::Box& box = prompter_.boxes().front();
    EXPECT_EQ(box.title, q("澄川银行企业网上银行批量制单工具v1.2"));
    EXPECT_EQ(box.title, applicationTitle());
    EXPECT_EQ(box.text, q("收款帐号不能为空，请重新输入。"));
    EXPECT_EQ(box.icon, MsgIcon::None);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
}

TEST_F(CheckFieldTest, RequiredComboPassesOnASelectedEntryBeyondTheFirst) {
    rule().not_null = true;
    combo_->addItems({QStringLiteral("  "), QStringLiteral("  ")});
    combo_->setCurrentIndex(1);
    EXPECT_TRUE(CheckField(*combo_, kId, prompter_));

    combo_->setCurrentIndex(0);
    EXPECT_FALSE(CheckField(*combo_, kId, prompter_));
    EXPECT_EQ(onlyMessage(), q("收款帐号不能为空，请重新输入。"));
}

// Qt keeps the current entry when the text is edited or cleared; the entry no longer counts.
TEST_F(CheckFieldTest, ComboWhoseTextNoLongerIsItsEntryCountsAsNoSelection) {
    rule().not_null = true;
    combo_->addItems({QStringLiteral("甲公司"), QStringLiteral("乙公司")});
    combo_->setCurrentIndex(1);
    ComboBoxControl field(*combo_);
    EXPECT_EQ(field.selectedIndex(), 1);

    combo_->setEditText(QString());
    ASSERT_EQ(combo_->currentIndex(), 1);
    EXPECT_EQ(field.selectedIndex(), -1);
    EXPECT_FALSE(CheckField(*combo_, kId, prompter_));
    EXPECT_EQ(onlyMessage(), q("收款帐号不能为空，请重新输入。"));

    combo_->setEditText(QStringLiteral("乙"));
    EXPECT_EQ(field.selectedIndex(), -1);
}

TEST_F(CheckFieldTest, DisabledControlIsNeverChecked) {
    rule().not_null = true;
    edit_->setEnabled(false);
    EXPECT_TRUE(checkText(QString()));
    combo_->setEnabled(false);
    EXPECT_TRUE(CheckField(*combo_, kId, prompter_));
    window_.setEnabled(false);
    edit_->setEnabled(true);
    EXPECT_TRUE(checkText(QString()));
    EXPECT_TRUE(prompter_.boxes().empty());

    window_.setEnabled(true);
    EXPECT_FALSE(checkText(QString()));
}

TEST_F(CheckFieldTest, AccountLengthListShowsTheLengthsAsConfigured) {
    rule().is_account = true;
    rule().length = QStringLiteral("12,15");
    EXPECT_TRUE(checkText(QString(12, u'1')));
    EXPECT_TRUE(checkText(QString(15, u'1')));
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_FALSE(checkText(QString(13, u'1')));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的帐号,帐号位数为12,15。"));
}

TEST_F(CheckFieldTest, AccountLengthRange) {
    rule().is_account = true;
    rule().length = QStringLiteral("10-20");
    EXPECT_TRUE(checkText(QString(10, u'2')));
    EXPECT_TRUE(checkText(QString(20, u'2')));
    EXPECT_FALSE(checkText(QString(21, u'2')));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的帐号,帐号位数为10-20。"));
}

TEST_F(CheckFieldTest, AccountWithAPointFailsTheCharacterTest) {
    rule().is_account = true;
    rule().length = QStringLiteral("5");
    EXPECT_TRUE(checkText(QStringLiteral("12345")));
    EXPECT_FALSE(checkText(QStringLiteral("1234.")));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的帐号。"));
}

TEST_F(CheckFieldTest, NumberWithGroupSeparatorIsComparedAsItsValue) {
    rule().is_numric = true;
    rule().max_value = 1234;
    EXPECT_TRUE(checkText(QStringLiteral("1,234")));
    rule().max_value = 1233;
    EXPECT_FALSE(checkText(QStringLiteral("1,234")));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的数值,数据最大为1233,最小为0。"));
}

TEST_F(CheckFieldTest, NumberWithoutConfiguredMaximumOnlyHasItsLengthLimit) {
    rule().is_numric = true;
    EXPECT_TRUE(checkText(QString(300, u'9')));
    EXPECT_FALSE(checkText(QString(10001, u'9')));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的数值,最大位数为10000。"));
}

TEST_F(CheckFieldTest, MessageNumbersTakeTheirShortestForm) {
    rule().is_numric = true;
    rule().min_value = 0.5;
    EXPECT_FALSE(checkText(QStringLiteral("0.25")));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，请输入正确的数值,数据最大为1E+308,最小为0.5。"));

    prompter_.clear();
    rule().is_numric = false;
    rule().is_check_str_length = true;
    rule().min_value = 0;
    rule().max_value = 20;
    const QString twenty = q("澄川银行企业网上银行批量制单工具一二三四");
    EXPECT_TRUE(checkText(twenty));
    EXPECT_FALSE(checkText(twenty + u'五'));
    EXPECT_EQ(onlyMessage(), q("收款帐号输入错误，最大长度为20。"));
}

TEST_F(CheckFieldTest, TextFieldWithoutFlagsHasNoLengthCheck) {
    rule().length = QStringLiteral("3");
    EXPECT_TRUE(checkText(QStringLiteral("abcdef")));
    EXPECT_TRUE(prompter_.boxes().empty());
}

TEST_F(CheckFieldTest, FieldIdWithoutRulePassesAndOutOfRangeIdsToo) {
    edit_->setText(QStringLiteral("anything"));
    EXPECT_TRUE(CheckField(*edit_, 27, prompter_));
    EXPECT_TRUE(CheckField(*edit_, 0, prompter_));
    EXPECT_TRUE(CheckField(*edit_, 51, prompter_));
}

TEST_F(CheckFieldTest, OnlyTextBoxesAndComboBoxesCanBeChecked) {
    QLabel label(&window_);
    EXPECT_THROW(CheckField(label, kId, prompter_), std::invalid_argument);
}

} // namespace
