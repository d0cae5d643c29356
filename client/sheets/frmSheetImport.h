#pragma once

#include "sheets/BatchColumns.h"
#include "sheets/SheetImport.h"
#include "sheets/SheetTable.h"

#include <QDialog>

#include <vector>

class ClientMessages;
class DBAccess;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The sheet about to be imported: its sheet, the column of each value (matched by header, changed
// here when a column was not found), every row with the reason it would be refused, and whether
// the rows replace the batch or are added to it. Import stays disabled until every required
// value has a column and no row is refused.
class frmSheetImport : public QDialog {
    Q_OBJECT
public:
    frmSheetImport(DBAccess& db, ClientMessages& messages, BatchKind kind, QString path,
                   const SheetReadResult& read, QWidget* parent = nullptr);

private:
    void cboSheet_Changed();
    void cboColumn_Changed();
    void cmdImport_Click();
    void fillColumns();
    void showPreview();

    DBAccess& db_;
    ClientMessages& messages_;
    BatchKind kind_;
    QString path_;
    SheetTable table_;
    SheetImport import_;
    QComboBox* cboSheet_;
    std::vector<QComboBox*> cboColumns_;
    QTableWidget* grdPreview_;
    QLabel* lblSummary_;
    QRadioButton* optReplace_;
    QRadioButton* optAppend_;
    QPushButton* cmdImport_;
};
