#pragma once

#include "sheets/BatchColumns.h"

#include <QString>
#include <QStringList>

#include <vector>

class DBAccess;

// The current batch as its tab lists it, for the written sheet and the printed summary.
struct BatchView {
    BatchKind kind = BatchKind::Payroll;
    QString title;                 // 代发工资/代报销 or 批量支付
    QStringList headers;           // the grid's captions, 序号 first
    int amountColumn = 0;          // the grid column of the amount
    std::vector<int> printed;      // the grid columns the summary lists
    std::vector<int> whole;        // of those, the ones never cut: numbers, accounts, amounts
    std::vector<QStringList> rows; // the grid's cells, amounts in their display form
    QString count;
    QString total;      // display form, "1,234.10"
    QString capital;    // 壹仟贰佰叁拾肆元壹角
    QStringList payers; // payments: every paying account with its name, in order of first use
};

BatchView loadBatchView(DBAccess& db, BatchKind kind);
