#pragma once

#include "files/ClientMessages.h"
#include "page/TabPage.h"
#include "refdata/RefList.h"

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class DBAccess;
class Prompter;
class QLabel;
class QPushButton;
class QTableView;
class GridTableModel;
class StatusPanels;

// What the four reference tabs share: the list in its grid, the 序号 label numbering the listed
// row the form shows, the count in the status bar and the edit buttons.
class RefTab : public TabPage {
public:
    void clearList() override;

protected:
    // The grid is named prefix + "DataGrid", the 序号 label `indexName`.
    RefTab(DBAccess& db, Prompter& prompter, StatusPanels& status, RefList list,
           const QString& prefix, const QString& indexName, QWidget* parent);

    // Fills the form from a listed row once 序号 shows it (a click or Enter on the row).
    virtual void showRow(qsizetype row) = 0;

    // Empties 序号, shows the count and lists the records again.
    void relist(const QString& countQuery, const std::function<void(RefList&)>& reload,
                const std::vector<int>& twips);
    // The listed row the form shows, 0 for none.
    qsizetype selectedRow() const;
    // The row a change or delete is for; 0, after showing `notSelected`, when there is none.
    qsizetype rowToEdit(const QString& notSelected);

    // Checks each box against the rule of its field id, in order; the first refused box gets the
    // focus with its text selected, for the clerk to type it again.
    bool checkFields(std::initializer_list<std::pair<QWidget*, int>> boxes);

    struct Edits {
        std::function<void()> reset;
        std::function<void()> add;
        std::function<void()> update;
        std::function<void()> remove;
    };
    // 重置, 新增, 修改 and 删除, named prefix + "cmdReflush", "cmdAdd", "cmdUpdate", "cmdDelete".
    std::vector<QPushButton*> editButtons(const QString& prefix, const Edits& edits);

    DBAccess& db_;
    ClientMessages messages_;
    StatusPanels& status_;
    RefList list_;
    GridTableModel* model_;
    QTableView* grid_;
    QLabel* index_;

private:
    void gridClicked(int row);
};
