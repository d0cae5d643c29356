#include "sheets/BatchView.h"

#include "payment/PaymentList.h"
#include "payroll/LaborageList.h"

namespace {

template <class List> void fill(BatchView& view, const List& list) {
    for (const QString& header : List::kHeaders)
        view.headers << header;
    for (qsizetype row = 1; row <= list.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < List::kColumns; ++column)
            cells << list.cell(row, column);
        view.rows.push_back(cells);
    }
    view.count = list.countText();
    view.total = list.totalText();
    view.capital = list.capitalText();
}

} // namespace

BatchView loadBatchView(DBAccess& db, BatchKind kind) {
    BatchView view;
    view.kind = kind;
    if (kind == BatchKind::Payroll) {
        LaborageList list;
        list.reload(db);
        view.title = QStringLiteral("代发工资/代报销");
        view.amountColumn = LaborageList::kAmountColumn;
        view.printed = {0, LaborageList::kAccountColumn, LaborageList::kNameColumn,
                        LaborageList::kAmountColumn, LaborageList::kRemarkColumn};
        view.whole = {0, LaborageList::kAccountColumn, LaborageList::kAmountColumn};
        fill(view, list);
        return view;
    }
    PaymentList list;
    list.reload(db);
    view.title = QStringLiteral("批量支付");
    view.amountColumn = PaymentList::kAmountColumn;
    // 序号, 付款账号, 收款账号, 收款账户户名, 收款银行名称, 付款金额, 备注
    view.printed = {0, 2, 5, 6, 8, PaymentList::kAmountColumn, 14};
    view.whole = {0, 2, 5, PaymentList::kAmountColumn};
    fill(view, list);
    for (const QStringList& row : view.rows) {
        const QString payer = row[2] + QLatin1Char(' ') + row[3];
        if (!view.payers.contains(payer))
            view.payers << payer;
    }
    return view;
}
