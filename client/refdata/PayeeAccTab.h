#pragma once

#include "refdata/PayeeAccounts.h"
#include "refdata/RefTab.h"

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;

// Tab 3 of the main window: the payee accounts, one kind at a time.
class PayeeAccTab : public RefTab {
    Q_OBJECT
public:
    PayeeAccTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent = nullptr);

    // Shown again: as a click on the current kind.
    void reload() override { OptBankProperty_Click(kind_); }

    // Shows the kind's fields and help, then resets the tab.
    void OptBankProperty_Click(PayeeAccounts::Kind kind);
    void resetPayeeAccList();
    void comboProvince_Click();
    void PayeeAccList_cmdAdd_Click();
    void PayeeAccList_cmdUpdate_Click();
    void PayeeAccList_cmdDelete_Click();
    void payAccList_cmdPayeeListExport_Click();

    PayeeAccounts::Kind kind() const { return kind_; }

private:
    struct Field {
        QLabel* label;
        QWidget* box;
    };
    void showRow(qsizetype row) override;
    bool PayeeAccList_checkForm();
    PayeeAccounts::Payee formPayee() const;

    PayeeAccounts::Kind kind_ = PayeeAccounts::Kind::SameBank;
    std::array<QRadioButton*, 3> OptBankProperty_{};
    QLineEdit* txtPayeeAccNo_;
    QLineEdit* txtPayeeAccName_;
    QLineEdit* txtPayeeBankName_;
    QLineEdit* txtSameCityLiquidateNo_;
    QComboBox* comboProvince_;
    QComboBox* comboCity_;
    QLineEdit* txtPresentPayBankNo_;
    QLineEdit* txtPayeeBankID_;
    QLineEdit* txtPayeeAreaNo_;
    QLineEdit* txtPayeeNetNo_;
    QLabel* exchangeNo_lblNotice_;
    QLabel* unionBankNo_lblNotice_;
    // Per field: label, box and the kinds that show it.
    std::vector<std::pair<Field, std::array<bool, 3>>> kindFields_;
};
