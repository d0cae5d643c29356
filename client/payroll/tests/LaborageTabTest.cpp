#include "payroll/tests/PayrollWidgetFixture.h"

#include <QAbstractItemModel>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace {

class LaborageTabTest : public PayrollWidgetFixture {
protected:
    QTableView* grid() const { return find<QTableView>(tab_.get(), "Laborage_DataGrid"); }
    QString cell(int gridRow, int column) const {
        return grid()->model()->index(gridRow - 1, column).data().toString();
    }
    // What a click on a grid cell does: it becomes the current cell.
    void clickCell(int gridRow, int column) const {
        grid()->setCurrentIndex(grid()->model()->index(gridRow - 1, column));
    }
    QStringList panels() const {
        QStringList out;
        for (int i = 1; i <= 6; ++i)
            out << status_.panel(i);
        return out;
    }
    // Two instructions for one account, then one for another.
    void addThree() const {
        addInstruction("2026010512000000010001", "6222000011111111", "张三", "1000");
        addInstruction("2026010512000000020002", "6222000011111111", "张三", "234.5", "奖金");
        addInstruction("2026010512000000030003", "6222000011112222", "李四", "0.05", "报销");
        tab_->resetLaborage();
    }
};

TEST_F(LaborageTabTest, EmptyBatchShowsOneBlankRowAndZeroTotals) {
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->columnCount(), 6);
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(cell(1, 0), "1");
    for (int column = 1; column < 6; ++column)
        EXPECT_EQ(cell(1, column), "");
    const QStringList headers = {"序号", "流水号", "账号", "户名", "金额", "备注"};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), headers[column]);
    EXPECT_TRUE(grid()->isColumnHidden(1));
    EXPECT_EQ(panels(), (QStringList{"总笔数", "0", "总金额", "0.00", "大写金额", ""}));
    EXPECT_EQ(tab_->rowCount(), 0);
}

TEST_F(LaborageTabTest, RowsInSerialOrderWithExactTotals) {
    addInstruction("2026010512000000020002", "6222000011112222", "李四", "234.5", "奖金");
    addInstruction("2026010512000000010001", "6222000011111111", "张三", "1000");
    tab_->resetLaborage();
    ASSERT_EQ(grid()->model()->rowCount(), 2);
    EXPECT_EQ((QStringList{cell(1, 0), cell(1, 1), cell(1, 2), cell(1, 3), cell(1, 4), cell(1, 5)}),
              (QStringList{"1", "2026010512000000010001", "6222000011111111", "张三", "1,000.00",
                           "工资"}));
    EXPECT_EQ(cell(2, 0), "2");
    EXPECT_EQ(cell(2, 4), "234.50");
    EXPECT_EQ(panels(), (QStringList{"总笔数", "2", "总金额", "1,234.50", "大写金额",
                                     "壹仟贰佰叁拾肆元伍角"}));
    for (int i = 0; i < 10; ++i)
        addInstruction(QStringLiteral("20260105130000000000%1").arg(i, 2, 10, QChar('0')), "1", "x",
                       "0.1");
    tab_->resetLaborage();
    EXPECT_EQ(status_.panel(4), "1,235.50");
}

TEST_F(LaborageTabTest, ChangeNeedsADataCellClickedSinceTheLastReload) {
    addThree();
    click(tab_.get(), "Laborage_cmdUpdateBut");
    EXPECT_EQ(prompter_.texts(), QStringList{"请先选择代发工资/代报销指令"});

    clickCell(2, 0); // the number column does not count
    tab_->menuUpdateLaborage_Click();
    EXPECT_EQ(prompter_.texts().size(), 2);

    clickCell(2, 3);
    onModal([](QDialog& editor) {
        EXPECT_EQ(editor.objectName(), "frmLaborage");
        EXPECT_EQ(text(&editor, "lblPayIdx"), "2");
        EXPECT_EQ(text(&editor, "lblPaySerialNo"), "2026010512000000020002");
        EXPECT_EQ(text(&editor, "comboAccNo"), "6222000011111111");
        EXPECT_EQ(text(&editor, "txtAmount"), "234.50");
        EXPECT_EQ(text(&editor, "comboRemark"), "奖金");
        EXPECT_FALSE(find<QPushButton>(&editor, "cmdAdd")->isEnabled());
        EXPECT_TRUE(find<QPushButton>(&editor, "cmdUpdate")->isEnabled());
    });
    tab_->menuUpdateLaborage_Click();
    EXPECT_EQ(prompter_.texts().size(), 2);

    // A reload puts the mark back on the number column.
    tab_->resetLaborage();
    tab_->menuUpdateLaborage_Click();
    EXPECT_EQ(prompter_.texts().size(), 3);
}

TEST_F(LaborageTabTest, ChangeOfOneOfTwoRowsWithTheSameAccountTouchesOnlyItsSerial) {
    addThree();
    clickCell(2, 4);
    bool closed = false;
    onModal(
        [](QDialog& editor) {
            setText(&editor, "txtAmount", "99");
            click(&editor, "cmdUpdate");
        },
        &closed);
    emit grid()->doubleClicked(grid()->currentIndex());
    EXPECT_TRUE(closed);
    EXPECT_EQ(prompter_.texts(), QStringList{"修改指令成功"});
    EXPECT_EQ(batch(),
              (QStringList{"6222000011111111|张三|1000|工资", "6222000011111111|张三|99|奖金",
                           "6222000011112222|李四|0.05|报销"}));
    EXPECT_EQ(status_.panel(4), "1,099.05");
}

TEST_F(LaborageTabTest, DeleteOffersTheFirstRowAfterAReloadAndDeletesBySerial) {
    addThree();
    prompter_.answer(MsgAnswer::Cancel);
    click(tab_.get(), "Laborage_cmdDeleteBut");
    EXPECT_EQ(prompter_.texts(), QStringList{"是否确认要删除代发工资/代报销指令?"});
    EXPECT_EQ(count("laborage"), 3);

    click(tab_.get(), "Laborage_cmdDeleteBut");
    EXPECT_EQ(prompter_.texts().last(), "删除指令成功");
    EXPECT_EQ(rows("select serial_no from laborage order by serial_no"),
              (QStringList{"2026010512000000020002", "2026010512000000030003"}));
    EXPECT_EQ(status_.panel(2), "2");

    clickCell(2, 2);
    click(tab_.get(), "Laborage_cmdDeleteBut");
    EXPECT_EQ(rows("select serial_no from laborage"), QStringList{"2026010512000000020002"});
}

TEST_F(LaborageTabTest, NewOpensTheEditorAtTheNextPosition) {
    onModal([](QDialog& editor) {
        EXPECT_EQ(text(&editor, "lblPayIdx"), "1");
        EXPECT_TRUE(find<QPushButton>(&editor, "cmdAdd")->isEnabled());
        EXPECT_FALSE(find<QPushButton>(&editor, "cmdUpdate")->isEnabled());
        EXPECT_FALSE(find<QPushButton>(&editor, "cmdDelete")->isEnabled());
    });
    click(tab_.get(), "Laborage_cmdNewBut");
    addThree();
    onModal([](QDialog& editor) { EXPECT_EQ(text(&editor, "lblPayIdx"), "4"); });
    tab_->functionMenu()->findChild<QAction*>("menuNewLaborage")->trigger();
}

TEST_F(LaborageTabTest, MenuButtonsAndRightClick) {
    QMenu* menu = tab_->functionMenu();
    EXPECT_EQ(menu->objectName(), "menuLaborage");
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << action->objectName() + "=" + action->text();
    EXPECT_EQ(entries,
              (QStringList{"menuNewLaborage=新增指令", "menuUpdateLaborage=修改或删除指令",
                           "menuDeleteLaborage=删除指令", "menuWriteLaborageFile=生成上传文件"}));
    for (const char* name : {"Laborage_cmdNewBut", "Laborage_cmdUpdateBut", "Laborage_cmdDeleteBut",
                             "Laborage_cmdWriteFileBut", "Laborage_cmdLoadFileBut"})
        EXPECT_NE(find<QPushButton>(tab_.get(), name), nullptr);

    tab_->show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            grid()->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(grid()->viewport(), &event);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(LaborageTabTest, WriteAndLoadGoThroughTheDfzChoosers) {
    addThree();
    const QString file = path("tab.dfz");
    prompter_.choose(file);
    click(tab_.get(), "Laborage_cmdWriteFileBut");
    ASSERT_EQ(prompter_.choosers().size(), 1u);
    EXPECT_TRUE(prompter_.choosers()[0].save);
    EXPECT_EQ(prompter_.choosers()[0].filter, "DFZ (*.DFZ *.dfz)");
    EXPECT_EQ(prompter_.texts(), QStringList{"代发工资/代报销文件生成完毕"});

    prompter_.clear();
    sql("update laborage set remark='改过'");
    tab_->resetLaborage();
    prompter_.choose(file);
    click(tab_.get(), "Laborage_cmdLoadFileBut");
    ASSERT_EQ(prompter_.choosers().size(), 1u);
    EXPECT_FALSE(prompter_.choosers()[0].save);
    EXPECT_EQ(prompter_.texts().last(), "导入代发工资/代报销文件完毕");
    EXPECT_EQ(cell(3, 5), "报销");
    EXPECT_EQ(status_.panel(4), "1,234.55");
}

} // namespace
