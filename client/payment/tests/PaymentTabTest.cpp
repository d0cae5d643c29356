#include "payment/tests/PaymentWidgetFixture.h"

#include <QAbstractItemModel>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>

namespace {

class PaymentTabTest : public PaymentWidgetFixture {
protected:
    QTableView* grid() const { return find<QTableView>(tab_.get(), "PaymentB2B_DataGrid"); }
    QString cell(int gridRow, int column) const {
        return grid()->model()->index(gridRow - 1, column).data().toString();
    }
    QStringList panels() const {
        QStringList out;
        for (int i = 1; i <= 6; ++i)
            out << status_.panel(i);
        return out;
    }
};

TEST_F(PaymentTabTest, EmptyBatchShowsOneBlankNumberedRowAndZeroTotals) {
    QAbstractItemModel* model = grid()->model();
    ASSERT_EQ(model->columnCount(), 15);
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(cell(1, 0), "1");
    for (int column = 1; column < 15; ++column)
        EXPECT_EQ(cell(1, column), "");
    const QStringList headers = {"序号",         "指令序号",     "付款账号",     "付款账户户名",
                                 "收款账户行别", "收款账号",     "收款账户户名", "转账类型",
                                 "收款银行名称", "同城清算行号", "汇入省",       "汇入市",
                                 "现代支付行号", "付款金额",     "备注"};
    for (int column = 0; column < 15; ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), headers[column]);
    EXPECT_EQ(panels(), (QStringList{"总笔数", "0", "总金额", "0.00", "大写金额", ""}));
    EXPECT_EQ(tab_->rowCount(), 0);
}

TEST_F(PaymentTabTest, RowsShowDescriptionsAndTotalsAreExact) {
    addPayment("2024010112000000020002", "02", "955880000002", "0.5", "运费", "1");
    addPayment("2024010112000000010001", "00", "955880000001", "1000");
    tab_->resetPaymentB2B();

    ASSERT_EQ(grid()->model()->rowCount(), 2);
    EXPECT_EQ(cell(1, 0), "1");
    EXPECT_EQ(cell(1, 1), "2024010112000000010001");
    EXPECT_EQ(cell(1, 4), "行内");
    EXPECT_EQ(cell(1, 7), "普通");
    EXPECT_EQ(cell(1, 13), "1,000.00");
    EXPECT_EQ(cell(2, 0), "2");
    EXPECT_EQ(cell(2, 4), "跨行异地");
    EXPECT_EQ(cell(2, 7), "加急");
    EXPECT_EQ(cell(2, 10), "广东省");
    EXPECT_EQ(cell(2, 13), "0.50");
    EXPECT_EQ(panels(),
              (QStringList{"总笔数", "2", "总金额", "1,000.50", "大写金额", "壹仟元伍角"}));
    EXPECT_EQ(tab_->batchPayer().accNo, "622200001111");
    EXPECT_EQ(tab_->batchPayer().accName, "澄川贸易有限公司");
}

TEST_F(PaymentTabTest, TotalsAreSummedToTheFen) {
    for (int i = 0; i < 10; ++i)
        addPayment(QStringLiteral("20240101120000000000%1").arg(i, 2, 10, QChar('0')), "00",
                   "95588000000" + QString::number(i), i % 2 ? "0.1" : "0.2");
    tab_->resetPaymentB2B();
    EXPECT_EQ(status_.panel(4), "1.50");
    EXPECT_EQ(status_.panel(6), "壹元伍角");
}

TEST_F(PaymentTabTest, InstructionWithoutDescriptionIsCountedButNotListed) {
    addPayment("2024010112000000010001", "00", "955880000001", "10");
    addPayment("2024010112000000020002", "09", "955880000002", "5");
    addPayment("2024010112000000030003", "00", "955880000003", "1", "x", "7");
    tab_->resetPaymentB2B();
    EXPECT_EQ(grid()->model()->rowCount(), 1);
    EXPECT_EQ(status_.panel(2), "3");
    EXPECT_EQ(status_.panel(4), "16.00");
}

TEST_F(PaymentTabTest, MenuAndButtonsCarryTheirNames) {
    QMenu* menu = tab_->functionMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "menuPaymentB2B");
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << action->objectName() + "=" + action->text();
    EXPECT_EQ(entries, (QStringList{"menuNewB2BRec=新增指令", "menuUpdateB2BRec=修改或删除指令",
                                    "menuDelB2BRec=删除指令", "menuWriteB2BFile=生成上传文件"}));
    for (const char* name : {"PaymentB2B_cmdNewBut", "PaymentB2B_cmdUpdateBut",
                             "PaymentB2B_cmdDeleteBut", "PaymentB2B_cmdWriteB2BFileBut",
                             "PaymentB2B_cmdLoadB2BFileBut", "PaymentB2B_cmdPayAccSetup"})
        EXPECT_NE(find<QPushButton>(tab_.get(), name), nullptr);
}

TEST_F(PaymentTabTest, NewOpensTheEditorAtThePositionAfterTheLastInstruction) {
    addPayment("2024010112000000010001", "00", "955880000001", "10");
    addPayment("2024010112000000020002", "00", "955880000002", "10");
    tab_->resetPaymentB2B();
    onModal([](QDialog& editor) {
        EXPECT_EQ(editor.objectName(), "frmPaymentB2B");
        EXPECT_EQ(text(&editor, "lblPayIdx"), "3");
        EXPECT_TRUE(find<QPushButton>(&editor, "cmdAdd")->isEnabled());
        EXPECT_FALSE(find<QPushButton>(&editor, "cmdUpdate")->isEnabled());
        EXPECT_FALSE(find<QPushButton>(&editor, "cmdDelete")->isEnabled());
    });
    click(tab_.get(), "PaymentB2B_cmdNewBut");
}

TEST_F(PaymentTabTest, ChangeNeedsAnInstruction) {
    click(tab_.get(), "PaymentB2B_cmdUpdateBut");
    EXPECT_EQ(prompter_.texts(), QStringList{"请先选择批量付款指令"});
}

TEST_F(PaymentTabTest, DoubleClickOpensTheSelectedInstructionForChange) {
    addPayment("2024010112000000010001", "00", "955880000001", "10");
    addPayment("2024010112000000020002", "01", "955880000002", "20.5");
    tab_->resetPaymentB2B();
    const QModelIndex second = grid()->model()->index(1, 3);
    grid()->setCurrentIndex(second);
    onModal([](QDialog& editor) {
        EXPECT_EQ(text(&editor, "lblPayIdx"), "2");
        EXPECT_EQ(text(&editor, "lblPaySerialNo"), "2024010112000000020002");
        EXPECT_EQ(text(&editor, "comboRecAccNo"), "955880000002");
        EXPECT_EQ(text(&editor, "txtAmount"), "20.50");
        EXPECT_EQ(text(&editor, "txtSameCityLiquidateNo"), "102");
        EXPECT_TRUE(find<QRadioButton>(&editor, "optRecAccType_1")->isChecked());
        EXPECT_FALSE(find<QPushButton>(&editor, "cmdAdd")->isEnabled());
        EXPECT_TRUE(find<QPushButton>(&editor, "cmdUpdate")->isEnabled());
    });
    emit grid()->doubleClicked(second);
}

TEST_F(PaymentTabTest, RightButtonPopsUpTheMenu) {
    tab_->show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            grid()->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(grid()->viewport(), &event);
    EXPECT_TRUE(tab_->functionMenu()->isVisible());
    tab_->functionMenu()->hide();
}

TEST_F(PaymentTabTest, DeleteAsksThenDeletesTheCurrentInstruction) {
    addPayment("2024010112000000010001", "00", "955880000001", "10");
    addPayment("2024010112000000020002", "00", "955880000002", "10");
    tab_->resetPaymentB2B();
    grid()->setCurrentIndex(grid()->model()->index(1, 1));
    prompter_.answer(MsgAnswer::Cancel);
    click(tab_.get(), "PaymentB2B_cmdDeleteBut");
    EXPECT_EQ(count("payment"), 2);

    click(tab_.get(), "PaymentB2B_cmdDeleteBut");
    EXPECT_EQ(prompter_.texts(), (QStringList{"是否确认要删除批量付款指令?",
                                              "是否确认要删除批量付款指令?", "删除指令成功"}));
    EXPECT_EQ(rows("select serial_no from payment"), QStringList{"2024010112000000010001"});
    EXPECT_EQ(status_.panel(2), "1");
}

TEST_F(PaymentTabTest, WriteAndLoadButtonsUseTheFileChoosers) {
    addPayment("2024010112000000010001", "00", "955880000001", "10");
    tab_->resetPaymentB2B();
    const QString file = path("tab.plz");
    prompter_.choose(file);
    click(tab_.get(), "PaymentB2B_cmdWriteB2BFileBut");
    ASSERT_EQ(prompter_.choosers().size(), 1u);
    EXPECT_TRUE(prompter_.choosers()[0].save);
    EXPECT_EQ(prompter_.choosers()[0].filter, "PLZ (*.PLZ *.plz)");
    EXPECT_EQ(prompter_.texts(), QStringList{"批量支付文件生成完毕"});

    // Writing again over the same file asks first; Cancel writes nothing.
    prompter_.clear();
    prompter_.choose(file);
    prompter_.answer(MsgAnswer::Cancel);
    tab_->writeUploadFile();
    EXPECT_EQ(prompter_.texts(), QStringList{"该文件名已经存在，是否覆盖原有文件?"});
    EXPECT_EQ(prompter_.boxes()[0].icon, MsgIcon::Question);

    prompter_.clear();
    sql("delete from payment");
    tab_->resetPaymentB2B();
    prompter_.choose(file);
    click(tab_.get(), "PaymentB2B_cmdLoadB2BFileBut");
    ASSERT_EQ(prompter_.choosers().size(), 1u);
    EXPECT_FALSE(prompter_.choosers()[0].save);
    EXPECT_EQ(prompter_.texts(), QStringList{"导入批量付款文件完毕"});
    EXPECT_EQ(status_.panel(2), "1");
    EXPECT_EQ(cell(1, 5), "955880000001");
}

} // namespace

namespace {

// Sideways scrolling moves every column but 序号, and the long columns show their texts whole.
TEST_F(PaymentTabTest, NumberColumnStaysWhileTheGridScrollsSidewaysAndLongTextsFit) {
    const QString account = QStringLiteral("6222020200112233445566");
    sql("insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,rec_acc_no,"
        "rec_acc_name,rec_bank_name,pay_amt,remark,user_remark,remit_type) values "
        "('2024010112000000010001','" +
        account + "','甲','00','" + account + "','乙','澄川银行','100000000000','','','0')");
    tab_->resetPaymentB2B();
    tab_->resize(500, 300);
    tab_->show();
    QApplication::processEvents();

    QTableView* view = grid();
    const QFontMetrics metrics(view->font());
    for (int column : {1, 2, 5})
        EXPECT_GT(view->columnWidth(column), metrics.horizontalAdvance(account)) << column;
    EXPECT_EQ(cell(1, 13), "100,000,000,000.00");
    EXPECT_GT(view->columnWidth(13), metrics.horizontalAdvance(cell(1, 13)));

    auto* fixed = find<QTableView>(view, "fixedColumn");
    ASSERT_NE(fixed, nullptr);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    ASSERT_GT(view->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(fixed->isVisible());
    EXPECT_EQ(fixed->geometry().left(), view->frameWidth());
    EXPECT_EQ(fixed->columnWidth(0), view->columnWidth(0));
    const QModelIndex shown = fixed->indexAt(QPoint(4, fixed->rowHeight(0) / 2));
    EXPECT_EQ(shown.column(), 0);
    EXPECT_EQ(shown.data().toString(), "1");
    for (int column = 1; column < 15; ++column)
        EXPECT_TRUE(fixed->isColumnHidden(column)) << column;

    // A reload resets the model; the fixed view still shows only the number column.
    tab_->resetPaymentB2B();
    for (int column = 1; column < 15; ++column)
        EXPECT_TRUE(fixed->isColumnHidden(column)) << column;
    EXPECT_GT(view->columnWidth(5), metrics.horizontalAdvance(account));

    // A double-click on the fixed column opens the change dialog like one on the grid.
    onModal([](QDialog& dialog) { EXPECT_EQ(dialog.objectName(), "frmPaymentB2B"); });
    emit fixed->doubleClicked(fixed->model()->index(0, 0));
}

} // namespace
