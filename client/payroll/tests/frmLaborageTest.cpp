#include "payroll/frmLaborage.h"
#include "payroll/tests/PayrollWidgetFixture.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

class frmLaborageTest : public PayrollWidgetFixture {
protected:
    std::unique_ptr<frmLaborage> openEditor() {
        auto editor = std::make_unique<frmLaborage>(*db_, prompter_);
        editor->setParentForm(tab_.get());
        return editor;
    }
    static void fill(const QWidget& editor, const QString& accNo, const QString& name,
                     const QString& amount, const QString& remark = QStringLiteral("工资")) {
        setText(&editor, "comboAccNo", accNo);
        setText(&editor, "comboName", name);
        setText(&editor, "txtAmount", amount);
        setText(&editor, "comboRemark", remark);
    }
    void addRoster() const {
        addPerson("6222000011113333", "李四");
        addPerson("6222000011111111", "张三");
        addPerson("6222000011112222", "王五");
        sql("insert into user_remark (remark) values ('报销'),('工资')");
    }
};

TEST_F(frmLaborageTest, ShowsEveryCaptionTipAndNote) {
    auto editor = openEditor();
    EXPECT_EQ(editor->windowTitle(), "代发工资指令");
    const std::pair<const char*, const char*> captions[] = {
        {"lblPayNo", "指令序号："},       {"lblSerialNoTitle", "流水号："},
        {"lblPayAccNo", "收款人账号：*"}, {"lblEmpName", "收款人名称：*"},
        {"lblPayAmount", "金额：*"},      {"lblCnPayAmountTitle", "大写金额：*"},
        {"lblRemark", "备注："},          {"lblNotes", "注：*为必输项目"},
        {"cmdAdd", "保存指令"},           {"cmdUpdate", "修改指令"},
        {"cmdDelete", "删除指令"},        {"cmdClose", "关闭"},
    };
    for (const auto& [name, caption] : captions) {
        const QWidget* control = editor->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        const QString shown = qobject_cast<const QLabel*>(control)
                                  ? static_cast<const QLabel*>(control)->text()
                                  : static_cast<const QAbstractButton*>(control)->text();
        EXPECT_EQ(shown, QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(find<QComboBox>(editor.get(), "comboAccNo")->toolTip(), "请选择或输入收款人账号");
    EXPECT_EQ(find<QComboBox>(editor.get(), "comboName")->toolTip(), "请选择或输入收款人名称");
    for (const char* name :
         {"lblPayIdx", "lblPaySerialNo", "txtAmount", "lblCnPayAmount", "comboRemark"})
        EXPECT_NE(editor->findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(frmLaborageTest, AccountAndNameListsAreCoupledByPosition) {
    addRoster();
    auto editor = openEditor();
    auto* accounts = find<QComboBox>(editor.get(), "comboAccNo");
    auto* names = find<QComboBox>(editor.get(), "comboName");
    ASSERT_EQ(accounts->count(), 3);
    EXPECT_EQ(accounts->itemText(0), "6222000011111111");
    EXPECT_EQ(names->itemText(0), "张三");
    EXPECT_EQ(find<QComboBox>(editor.get(), "comboRemark")->count(), 2);
    EXPECT_EQ(accounts->currentText(), "");

    accounts->setCurrentIndex(2);
    emit accounts->activated(2);
    EXPECT_EQ(names->currentText(), "李四");
    names->setCurrentIndex(1);
    emit names->activated(1);
    EXPECT_EQ(accounts->currentText(), "6222000011112222");
}

TEST_F(frmLaborageTest, SaveStoresTrimmedPlainValuesClearsTheFormAndStaysOpen) {
    for (int i = 1; i <= 3; ++i)
        addInstruction(QStringLiteral("202601051200000000000%1").arg(i),
                       QStringLiteral("622200001111000%1").arg(i), "员工", "10");
    tab_->resetLaborage();
    auto editor = openEditor();
    editor->setPayIdx(4);
    fill(*editor, " 6222000011119999 ", " 赵六 ", "1,234.5", " 奖金 ");
    click(editor.get(), "cmdAdd");

    EXPECT_EQ(prompter_.texts(), QStringList{"新建指令成功"});
    const QStringList stored =
        rows("select serial_no,acc_no,acc_name,pay_amount,remark from laborage "
             "where acc_no='6222000011119999'");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0].section('|', 0, 0).size(), 22);
    EXPECT_EQ(stored[0].section('|', 1), "6222000011119999|赵六|1234.5|奖金");
    for (const char* name :
         {"comboAccNo", "comboName", "txtAmount", "comboRemark", "lblCnPayAmount"})
        EXPECT_EQ(text(editor.get(), name), "") << name;
    // The header row counts: four instructions show position 5 for the next one.
    EXPECT_EQ(text(editor.get(), "lblPayIdx"), "5");
    EXPECT_EQ(status_.panel(2), "4");
}

TEST_F(frmLaborageTest, EnterMovesThroughTheFieldsAndPressesTheFocusedButton) {
    auto editor = openEditor();
    editor->show();
    QApplication::setActiveWindow(editor.get());
    fill(*editor, "6222000011119999", "赵六", "10");
    const auto enter = [](QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    };
    auto* account = find<QComboBox>(editor.get(), "comboAccNo");
    account->setFocus();
    enter(account);
    EXPECT_TRUE(find<QComboBox>(editor.get(), "comboName")->hasFocus());
    EXPECT_EQ(count("laborage"), 0);

    enter(find<QPushButton>(editor.get(), "cmdAdd"));
    EXPECT_EQ(prompter_.texts(), QStringList{"新建指令成功"});
    EXPECT_EQ(count("laborage"), 1);
    enter(find<QPushButton>(editor.get(), "cmdClose"));
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(frmLaborageTest, SecondInstructionForAnAccountAsksFirst) {
    addInstruction("2026010512000000010001", "6222000011111111", "张三", "10");
    tab_->resetLaborage();
    auto editor = openEditor();
    fill(*editor, "6222000011111111 ", "张三", "20");
    prompter_.answer(MsgAnswer::Cancel);
    click(editor.get(), "cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"该账号的代发记录已存在，请确认是否要继续保存?"});
    EXPECT_EQ(prompter_.boxes()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(count("laborage"), 1);
    EXPECT_EQ(text(editor.get(), "txtAmount"), "20"); // the form keeps what was typed

    prompter_.clear();
    click(editor.get(), "cmdAdd");
    EXPECT_EQ(prompter_.texts(),
              (QStringList{"该账号的代发记录已存在，请确认是否要继续保存?", "新建指令成功"}));
    EXPECT_EQ(rows("select count(distinct serial_no) from laborage"), QStringList{"2"});
}

TEST_F(frmLaborageTest, AmountIsCheckedAfterTheFieldRules) {
    sharedConfig().FieldRule[8].field_name = "收款人名称";
    sharedConfig().FieldRule[8].not_null = true;
    const struct {
        const char* name;
        const char* amount;
        const char* message;
        const char* left;
    } cases[] = {
        {"", "abc", "收款人名称不能为空，请重新输入。", "abc"},
        {"张三", "", "请输入金额", ""},
        {"张三", "12.345", "金额格式错误", ""},
        {"张三", "100000000000.01", "金额范围超过系统限制", ""},
        {"张三", "0", "金额必须大于零元", ""},
        {"张三张三张三张三张三张三张三张三张三张三张三张三张三张三张三张", "1",
         "收款人名称长度超过最长30位的长度", "1"},
    };
    auto editor = openEditor();
    for (const auto& c : cases) {
        prompter_.clear();
        fill(*editor, "6222000011111111", QString::fromUtf8(c.name), QString::fromUtf8(c.amount));
        click(editor.get(), "cmdAdd");
        EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)}) << c.amount;
        EXPECT_EQ(text(editor.get(), "txtAmount"), QString::fromUtf8(c.left)) << c.amount;
    }
    prompter_.clear();
    fill(*editor, "6222000011111111", "张三", "1", QString(61, QChar(0x8D44)));
    click(editor.get(), "cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"备注长度超过最长60位的长度"});
    EXPECT_EQ(count("laborage"), 0);

    // What the loader accepts is accepted here: 30 name and 60 remark characters.
    prompter_.clear();
    fill(*editor, "6222000011111111", QString(30, QChar(0x5F20)), "1", QString(60, QChar(0x8D44)));
    click(editor.get(), "cmdAdd");
    EXPECT_EQ(prompter_.texts(), QStringList{"新建指令成功"});
}

TEST_F(frmLaborageTest, ChangeKeepsTheStoredHolderNameAndTrims) {
    addRoster();
    addInstruction("2026010512000000010001", "6222000011111111", "张三丰", "100", "工资");
    tab_->resetLaborage();
    auto editor = openEditor();
    editor->setRecordValue("2026010512000000010001", "6222000011111111", "张三丰", "1,000.5",
                           "工资");
    EXPECT_EQ(text(editor.get(), "lblPaySerialNo"), "2026010512000000010001");
    EXPECT_EQ(find<QComboBox>(editor.get(), "comboAccNo")->currentIndex(), 0);
    EXPECT_EQ(text(editor.get(), "comboName"), "张三丰");
    EXPECT_EQ(text(editor.get(), "txtAmount"), "1,000.50");
    EXPECT_EQ(text(editor.get(), "lblCnPayAmount"), "壹仟元伍角");

    setText(editor.get(), "txtAmount", "200");
    setText(editor.get(), "comboRemark", " 补发 ");
    click(editor.get(), "cmdUpdate");
    EXPECT_EQ(prompter_.texts(), QStringList{"修改指令成功"});
    EXPECT_EQ(batch(), QStringList{"6222000011111111|张三丰|200|补发"});
}

TEST_F(frmLaborageTest, UnknownAccountKeepsItsTypedNumberAndName) {
    addRoster();
    auto editor = openEditor();
    editor->setRecordValue("2026010512000000010001", "6222000099999999", "外人", "abc", "");
    EXPECT_EQ(find<QComboBox>(editor.get(), "comboAccNo")->currentIndex(), -1);
    EXPECT_EQ(text(editor.get(), "comboAccNo"), "6222000099999999");
    EXPECT_EQ(text(editor.get(), "comboName"), "外人");
    EXPECT_EQ(text(editor.get(), "txtAmount"), "abc");
    EXPECT_EQ(text(editor.get(), "lblCnPayAmount"), "");
}

TEST_F(frmLaborageTest, DeleteAsksAndClosesOnlyWhenDone) {
    addInstruction("2026010512000000010001", "6222000011111111", "张三", "10");
    tab_->resetLaborage();
    auto editor = openEditor();
    editor->setRecordValue("2026010512000000010001", "6222000011111111", "张三", "10", "");
    editor->show();
    prompter_.answer(MsgAnswer::Cancel);
    click(editor.get(), "cmdDelete");
    EXPECT_EQ(count("laborage"), 1);
    EXPECT_TRUE(editor->isVisible());

    click(editor.get(), "cmdDelete");
    EXPECT_EQ(prompter_.texts(),
              (QStringList{"是否确认要删除代发工资/代报销指令?",
                           "是否确认要删除代发工资/代报销指令?", "删除指令成功"}));
    EXPECT_EQ(count("laborage"), 0);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(status_.panel(2), "0");
}

} // namespace
