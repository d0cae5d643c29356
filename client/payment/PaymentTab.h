#pragma once

#include "files/ClientMessages.h"
#include "page/BatchGridTab.h"
#include "payment/PaymentList.h"
#include "payment/PaymentListOwner.h"
#include "payment/PaymentStore.h"

class DBAccess;
class Prompter;
class StatusPanels;

// Tab 0 of the main window: the current payment batch, its totals in the status bar, its menu
// `menuPaymentB2B` and buttons.
class PaymentTab : public BatchGridTab, public PaymentListOwner {
    Q_OBJECT
public:
    PaymentTab(DBAccess& db, Prompter& prompter, StatusPanels& status, QWidget* parent = nullptr);

    void resetPaymentB2B() override;
    const PaymentList& paymentList() const override { return list_; }

    void reload() override { resetPaymentB2B(); }
    void clearList() override;
    int rowCount() const override { return static_cast<int>(list_.size()); }
    void writeUploadFile() override { menuWriteB2BFile_Click(); }

    const BatchPayer& batchPayer() const { return payer_; }

    void menuNewB2BRec_Click();
    void menuUpdateB2BRec_Click();
    void menuDelB2BRec_Click();
    void menuWriteB2BFile_Click();
    void cmdLoadB2BFileBut_Click();
    void cmdPayAccSetup_Click();

private:
    // The grid row of the current cell: 1 for the first instruction, 0 for none.
    qsizetype currentGridRow() const;
    QString currentSerial() const;

    DBAccess& db_;
    ClientMessages messages_;
    PaymentStore store_;
    PaymentList list_;
    BatchPayer payer_;
};
