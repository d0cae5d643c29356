#pragma once

#include "page/GridTableModel.h"
#include "page/PageCommands.h"
#include "page/TabPage.h"

#include <initializer_list>

class FixedColumnTable;
class QMenu;
class StatusPanels;

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
    // Lays the page out: the grid in `<prefix>Frame` above the buttons. A double click on the
    // grid runs `edit`.
    void buildPage(const char* prefix, const char* menuName,
                   std::initializer_list<PageCommand> menuCommands,
                   std::initializer_list<PageCommand> buttonCommands,
                   const std::function<void()>& edit);
    // Status panels 1 to 6 for the reloaded list.
    void showTotals(const QString& count, const QString& total, const QString& capital);

    StatusPanels& status_;
    GridTableModel* model_ = nullptr;
    FixedColumnTable* grid_;

private:
    QMenu* menu_;
};
