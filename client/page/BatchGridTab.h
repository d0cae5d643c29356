#pragma once

#include "page/GridTableModel.h"
#include "page/PageCommands.h"
#include "page/TabPage.h"

#include <array>
#include <functional>
#include <vector>

class FixedColumnTable;
class QMenu;
class StatusPanels;

// A command of every batch tab: its entry in the tab's menu (none when `menuName` is null) and
// its button.
struct BatchTabCommand {
    const char* menuName;
    const char* buttonName;
    std::function<void()> run;
};
// In this order: 新增指令, 修改或删除指令, 删除指令, 生成上传文件, 导入上传文件.
using BatchTabCommands = std::array<BatchTabCommand, 5>;

// What both batch tabs are made of: the batch's grid with its fixed number column in a frame,
// the tab's menu (also the grid's context menu), a row of buttons below the grid, and the
// batch's count and totals in the status bar.
class BatchGridTab : public BatchTabPage {
public:
    QMenu* functionMenu() override { return menu_; }

protected:
    BatchGridTab(const QString& menuCaption, StatusPanels& status, QWidget* parent);

    // Names the page `prefix`, its grid `<prefix>DataGrid` and shows `source` in it, whole rows
    // selected one at a time, read only.
    void setUpGrid(const char* prefix, GridTableModel::Source source);
    // Lays the page out: the grid in `<prefix>Frame` above the buttons of `commands`, then
    // `moreButtons`. A double click on the grid runs 修改或删除指令.
    void buildPage(const char* prefix, const char* menuName, const BatchTabCommands& commands,
                   const std::vector<PageCommand>& moreButtons = {});
    // Status panels 1 to 6 for the reloaded list.
    void showTotals(const QString& count, const QString& total, const QString& capital);

    StatusPanels& status_;
    GridTableModel* model_ = nullptr;
    FixedColumnTable* grid_;

private:
    QMenu* menu_;
};
