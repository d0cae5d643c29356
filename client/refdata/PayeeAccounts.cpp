#include "refdata/PayeeAccounts.h"

#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "refdata/RefEdits.h"
#include "store/DBAccess.h"

namespace PayeeAccounts {

namespace {

const QString kNoun = QStringLiteral("收款账号");

struct KindTable {
    QStringList headers;
    QString listColumns;
};

const KindTable& table(Kind kind) {
    static const KindTable tables[] = {
        {{QStringLiteral("序号"), QStringLiteral("收款账号"), QStringLiteral("户名")},
         QStringLiteral("select acc_no as 收款账号,acc_name as 户名")},
        {{QStringLiteral("序号"), QStringLiteral("收款账号"), QStringLiteral("户名"),
          QStringLiteral("收款银行名称"), QStringLiteral("同城清算行号")},
         QStringLiteral("select acc_no as 收款账号,acc_name as 户名,rec_bank_name as "
                        "收款银行名称,same_city_liquidate_no as 同城清算行号")},
        {{QStringLiteral("序号"), QStringLiteral("收款账号"), QStringLiteral("户名"),
          QStringLiteral("省份"), QStringLiteral("城市"), QStringLiteral("收款银行名称"),
          QStringLiteral("现代支付行号")},
         QStringLiteral("select acc_no as 收款账号,acc_name as 户名,province as 省份,city as 城市, "
                        "rec_bank_name as 收款银行名称,presentBankNo as 现代支付行号")},
    };
    return tables[static_cast<int>(kind)];
}

QStringList column(DBAccess& db, const QString& query, const QVariantList& params,
                   const QString& name) {
    QStringList values;
    if (std::optional<RecordSet> rows = db.Query(query, params))
        for (; !rows->atEnd(); rows->moveNext())
            values << rows->text(name);
    return values;
}

} // namespace

QString kindCode(Kind kind) {
    return QStringLiteral("0%1").arg(static_cast<int>(kind));
}

RefList makeList(Kind kind) {
    return RefList(table(kind).headers);
}

void reload(RefList& list, DBAccess& db, Kind kind) {
    list.reload(db, table(kind).listColumns + QStringLiteral(" from payee_acc where acc_type='") +
                        kindCode(kind) + QStringLiteral("' order by acc_no"));
}

QString countQuery(Kind kind) {
    return QStringLiteral("select count(acc_no) as totalNum from payee_acc where acc_type='") +
           kindCode(kind) + QLatin1Char('\'');
}

std::vector<int> columnWidths(Kind kind) {
    std::vector<int> widths(static_cast<size_t>(table(kind).headers.size()), 2000);
    widths[0] = 420;
    return widths;
}

Payee rowPayee(const RefList& list, qsizetype row, Kind kind) {
    Payee payee{list.cell(row, 1), list.cell(row, 2), {}, {}, {}, {}, {}};
    if (kind == Kind::SameCity) {
        payee.bankName = list.cell(row, 3);
        payee.clearingNo = list.cell(row, 4);
    } else if (kind == Kind::OtherCity) {
        payee.province = list.cell(row, 3);
        payee.city = list.cell(row, 4);
        payee.bankName = list.cell(row, 5);
        payee.presentBankNo = list.cell(row, 6);
    }
    return payee;
}

QStringList provinces(DBAccess& db) {
    return column(db, QStringLiteral("select provinceName from province"), {},
                  QStringLiteral("provinceName"));
}

QStringList cities(DBAccess& db, const QString& province) {
    return column(db,
                  QStringLiteral("select cityName from city a, province b where provinceName=? "
                                 "and a.provinceId = b.provinceId"),
                  {province}, QStringLiteral("cityName"));
}

bool add(DBAccess& db, ClientMessages& messages, Kind kind, const Payee& payee) {
    const QString code = kindCode(kind);
    // A kind's hidden fields are stored empty, whatever their boxes hold.
    const bool sameCity = kind == Kind::SameCity;
    const bool otherCity = kind == Kind::OtherCity;
    const QString none;
    return RefEdits::add(
        db, messages, kNoun,
        QStringLiteral("select acc_no from payee_acc where acc_no = ? and acc_type=?"),
        {payee.accNo, code},
        QStringLiteral("insert into payee_acc (acc_no,acc_name,acc_type,branch_id,"
                       "area_no,net_no,rec_bank_name,same_city_liquidate_no,province,"
                       "city,presentBankNo) values (?,?,?,'','','',?,?,?,?,?)"),
        {payee.accNo, payee.accName, code, sameCity || otherCity ? payee.bankName : none,
         sameCity ? payee.clearingNo : none, otherCity ? payee.province : none,
         otherCity ? payee.city : none, otherCity ? payee.presentBankNo : none});
}

bool rename(DBAccess& db, ClientMessages& messages, Kind kind, const Payee& payee) {
    switch (kind) {
    case Kind::SameBank:
        return RefEdits::update(db, messages, kNoun,
                                QStringLiteral("update payee_acc set acc_name = ? where acc_no = ? "
                                               "and acc_type='00'"),
                                {payee.accName, payee.accNo});
    case Kind::SameCity:
        return RefEdits::update(db, messages, kNoun,
                                QStringLiteral("update payee_acc set acc_name = ?,rec_bank_name = "
                                               "?,same_city_liquidate_no = ? where acc_no = ? and "
                                               "acc_type='01'"),
                                {payee.accName, payee.bankName, payee.clearingNo, payee.accNo});
    case Kind::OtherCity:
        break;
    }
    return RefEdits::update(db, messages, kNoun,
                            QStringLiteral("update payee_acc set acc_name = ?,rec_bank_name = "
                                           "?,province = ?,city = ?,presentBankNo = ? where acc_no "
                                           "= ? and acc_type='02'"),
                            {payee.accName, payee.bankName, payee.province, payee.city,
                             payee.presentBankNo, payee.accNo});
}

bool remove(DBAccess& db, ClientMessages& messages, Kind kind, const QString& accNo) {
    return RefEdits::remove(db, messages, kNoun,
                            QStringLiteral("delete from payee_acc where acc_no =? and acc_type=?"),
                            {accNo, kindCode(kind)});
}

FileCommandOutcome exportFile(DBAccess& db, ClientMessages& messages,
                              const PathChooser& choosePath) {
    return exportRows(
        db, messages, choosePath,
        QStringLiteral("select acc_no,acc_name ,acc_type,branch_id,area_no,net_no,rec_bank_name,"
                       "same_city_liquidate_no,province,city,presentBankNo from payee_acc"),
        {QStringLiteral("GBK"), QStringLiteral("PayeeList"), QStringLiteral("Payee"), {}},
        RefFileTexts(QStringLiteral("收款人名册")), QStringLiteral("没有记录可以导出"),
        [](const RecordSet& rows, int row) {
            const auto value = [&](const char* name) {
                return rows.value(row, QLatin1String(name)).toString().trimmed();
            };
            const auto field = [&](const char* element, const char* name, const char* caption) {
                return ListFileField{QLatin1String(element), value(name),
                                     QString::fromUtf8(caption)};
            };
            return ListFileRecord{QStringLiteral("收款账号[") + value("acc_no") + QLatin1Char(']'),
                                  {field("recAccount", "acc_no", "收款账号"),
                                   field("recAccountName", "acc_name", "户名"),
                                   field("recAccountOpenBank", "rec_bank_name", "收款银行名称"),
                                   field("recCity", "city", "城市"),
                                   field("recProvince", "province", "省份"),
                                   {QStringLiteral("payBookType"), QStringLiteral("2"), {}},
                                   field("transferType", "acc_type", "收款账号属性"),
                                   field("unionBankNo", "net_no", "收款方联行号"),
                                   {QStringLiteral("currencyType"), QStringLiteral("01"), {}}}};
        });
}

} // namespace PayeeAccounts
