#include "app/frmMain.h"
#include "page/StatusPanels.h"
#include "payment/tests/PaymentFixture.h"

#include <QAction>
#include <QTabWidget>
#include <QTableView>

namespace {

// The payment tab as tab 0 of the main window: its list, totals and the window's save command.
class PaymentMainWindowTest : public PaymentFixture {
protected:
    void TearDown() override {
        window_.reset();
        PaymentFixture::TearDown();
    }
    std::unique_ptr<frmMain> window_;
};

TEST_F(PaymentMainWindowTest, TabZeroListsTheBatchAndSaveWritesItsFile) {
    addPayment("2024010112000000010001", "00", "955880000001", "1000");
    addPayment("2024010112000000020002", "01", "955880000002", "0.5");
    window_ = std::make_unique<frmMain>(*db_, prompter_);
    auto* tabs = window_->findChild<QTabWidget*>("SSTabMain");
    ASSERT_NE(tabs, nullptr);
    auto* grid = tabs->widget(0)->findChild<QTableView*>("PaymentB2B_DataGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 2);
    auto* status = window_->findChild<StatusPanels*>("StatusBar1");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->panel(4), "1,000.50");
    EXPECT_EQ(status->panel(6), "壹仟元伍角");

    tabs->setCurrentIndex(2);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(grid->model()->rowCount(), 2);

    prompter_.choose(path("saved.plz"));
    window_->findChild<QAction*>("menuSave")->trigger();
    EXPECT_EQ(prompter_.texts(), QStringList{"批量支付文件生成完毕"});
    EXPECT_TRUE(QFile::exists(path("saved.plz")));

    prompter_.clear();
    window_->findChild<QAction*>("menuNew")->trigger();
    EXPECT_EQ(prompter_.texts(), QStringList{"原有数据将被全部清空，请确认是否要继续?"});
    EXPECT_EQ(count("payment"), 0);
    EXPECT_EQ(status->panel(2), "0");
    EXPECT_EQ(grid->model()->rowCount(), 1);
}

} // namespace
