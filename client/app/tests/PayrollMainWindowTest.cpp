#include "app/frmMain.h"
#include "page/StatusPanels.h"
#include "payroll/tests/PayrollFixture.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

namespace {

// The payroll tab as tab 1 of the main window: its list, totals, menu and the window's new and
// save commands.
class PayrollMainWindowTest : public PayrollFixture {
protected:
    void TearDown() override {
        window_.reset();
        PayrollFixture::TearDown();
    }
    std::unique_ptr<frmMain> window_;
};

TEST_F(PayrollMainWindowTest, TabOneListsTheBatchAndTheWindowCommandsActOnIt) {
    addInstruction("2026010512000000010001", "6222000011111111", "张三", "1000");
    addInstruction("2026010512000000020002", "6222000011112222", "李四", "234.5");
    window_ = std::make_unique<frmMain>(*db_, prompter_);
    auto* tabs = window_->findChild<QTabWidget*>("SSTabMain");
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    auto* grid = tabs->widget(1)->findChild<QTableView*>("Laborage_DataGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->rowCount(), 2);
    auto* status = window_->findChild<StatusPanels*>("StatusBar1");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->panel(4), "1,234.50");
    EXPECT_TRUE(window_->findChild<QMenu*>("menuLaborage")->menuAction()->isVisible());

    prompter_.choose(path("saved.dfz"));
    window_->findChild<QAction*>("menuSave")->trigger();
    EXPECT_EQ(prompter_.texts(), QStringList{"代发工资/代报销文件生成完毕"});
    EXPECT_TRUE(QFile::exists(path("saved.dfz")));

    prompter_.clear();
    window_->findChild<QAction*>("menuNew")->trigger();
    EXPECT_EQ(prompter_.texts(), QStringList{"原有数据将被全部清空，请确认是否要继续?"});
    EXPECT_EQ(count("laborage"), 0);
    EXPECT_EQ(status->panel(2), "0");
    EXPECT_EQ(status->panel(4), "0.00");
    EXPECT_EQ(grid->model()->rowCount(), 1);
}

} // namespace
