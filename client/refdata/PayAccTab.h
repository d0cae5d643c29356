#pragma once

#include "refdata/RefTab.h"

class QComboBox;
class QLineEdit;

// Tab 2 of the main window: the payer accounts.
class PayAccTab : public RefTab {
    Q_OBJECT
public:
    PayAccTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent = nullptr);

    void reload() override { resetPayAccList(); }

    void resetPayAccList();
    void PayAccList_cmdAdd_Click();
    void PayAccList_cmdUpdate_Click();
    void PayAccList_cmdDelete_Click();
    void PayAccList_cmdExport_Click();
    void PayAccList_cmdImport_Click();

private:
    void showRow(qsizetype row) override;
    bool PayAccList_checkForm();

    QLineEdit* txtAccNo_;
    QLineEdit* txtAccName_;
    QComboBox* comboCurrency_;
};
