#pragma once

#include "files/ClientMessages.h"
#include "page/TabPage.h"
#include "payroll/LaborageList.h"
#include "payroll/LaborageListOwner.h"
#include "payroll/LaborageStore.h"

class DBAccess;
class GridTableModel;
class Prompter;
class QHBoxLayout;
class QMenu;
class QTableView;
class StatusPanels;

// Tab 1 of the main window: the current payroll batch, its totals in the status bar, its menu
// `menuLaborage` and buttons.
class LaborageTab : public BatchTabPage, public LaborageListOwner {
    Q_OBJECT
public:
    LaborageTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent = nullptr);

    void resetLaborage() override;
    const LaborageList& laborageList() const override { return list_; }

    void reload() override { resetLaborage(); }
    void clearList() override;
    int rowCount() const override { return static_cast<int>(list_.size()); }
    void writeUploadFile() override { menuWriteLaborageFile_Click(); }
    QMenu* functionMenu() override { return menuLaborage_; }

    void menuNewLaborage_Click();
    void menuUpdateLaborage_Click();
    void menuDeleteLaborage_Click();
    void menuWriteLaborageFile_Click();
    void cmdLoadLaborageFile_Click();

private:
    void buildMenu();
    void buildButtons(QHBoxLayout* row);
    // The grid row of the current cell: 1 for the first instruction.
    qsizetype currentGridRow() const;
    QString currentSerial() const;

    DBAccess& db_;
    ClientMessages messages_;
    LaborageStore store_;
    StatusPanels& status_;
    LaborageList list_;
    GridTableModel* model_;
    QTableView* grid_;
    QMenu* menuLaborage_;
};
