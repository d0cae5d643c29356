#include "refdata/Roster.h"

#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "refdata/RefEdits.h"
#include "store/DBAccess.h"

namespace Roster {

namespace {

const QString kNoun = QStringLiteral("个人账号");

ListFileRecord payee(const QString& accNo, const QString& accName) {
    const auto constant = [](const char* element, const char* value) {
        return ListFileField{QLatin1String(element), QLatin1String(value), {}};
    };
    return {QStringLiteral("个人账号[") + accNo + QLatin1Char(']'),
            {{QStringLiteral("recAccount"), accNo, QStringLiteral("个人账号")},
             {QStringLiteral("recAccountName"), accName, QStringLiteral("户名")},
             constant("recAccountOpenBank", ""),
             constant("recCity", ""),
             constant("recProvince", ""),
             constant("payBookType", "0"),
             constant("transferType", ""),
             constant("unionBankNo", ""),
             constant("currencyType", "")}};
}

} // namespace

RefList makeList() {
    return RefList({QStringLiteral("序号"), QStringLiteral("个人账号"), QStringLiteral("户名")});
}

void reload(RefList& list, DBAccess& db) {
    list.reload(db, QStringLiteral("select acc_no as 个人账号,acc_name as 户名 from "
                                   "person_payee_acc order by acc_no"));
}

const QString& countQuery() {
    static const QString query =
        QStringLiteral("select count(acc_no) as totalNum from person_payee_acc");
    return query;
}

QStringList certificateKinds(DBAccess& db) {
    QStringList kinds;
    if (std::optional<RecordSet> rows =
            db.Query(QStringLiteral("select cert_desc from cert_type order by cert_type")))
        for (; !rows->atEnd(); rows->moveNext())
            kinds << rows->text(QStringLiteral("cert_desc"));
    return kinds;
}

std::optional<std::pair<int, QString>> certificate(DBAccess& db, const QString& accNo) {
    const std::optional<RecordSet> found = db.Query(
        QStringLiteral("select cert_type,cert_code from person_payee_acc where acc_no=?"), {accNo});
    if (!found || found->atEnd())
        return std::nullopt;
    return std::pair{found->text(QStringLiteral("cert_type")).trimmed().toInt(),
                     found->text(QStringLiteral("cert_code")).trimmed()};
}

bool add(DBAccess& db, ClientMessages& messages, const Person& person) {
    return RefEdits::add(
        db, messages, kNoun, QStringLiteral("select acc_no from person_payee_acc where acc_no=?"),
        {person.accNo},
        QStringLiteral("insert into person_payee_acc (acc_no,acc_name,cert_type,"
                       "cert_code) values (?,?,?,?)"),
        {person.accNo, person.accName, QString::number(person.certType), person.certCode});
}

bool rename(DBAccess& db, ClientMessages& messages, const Person& person) {
    return RefEdits::update(
        db, messages, kNoun,
        QStringLiteral("update person_payee_acc set acc_name=?,cert_type=?,cert_code=? "
                       "where acc_no=?"),
        {person.accName, QString::number(person.certType), person.certCode, person.accNo});
}

bool remove(DBAccess& db, ClientMessages& messages, const QString& accNo) {
    return RefEdits::remove(db, messages, kNoun,
                            QStringLiteral("delete from person_payee_acc where acc_no = ?"),
                            {accNo});
}

FileCommandOutcome exportFile(DBAccess& db, ClientMessages& messages,
                              const PathChooser& choosePath) {
    // The roster's messages name it as its export button does.
    return exportRows(
        db, messages, choosePath,
        QStringLiteral("select acc_no,acc_name ,cert_type,cert_code from person_payee_acc"),
        {QStringLiteral("GBK"), QStringLiteral("PersonPayeeList"), QStringLiteral("Payee"), {}},
        RefFileTexts(QStringLiteral("导出代发工资/代报销名册")),
        QStringLiteral("未指定导出文件没有记录可以导出"), [](const RecordSet& rows, int row) {
            return payee(rows.value(row, QStringLiteral("acc_no")).toString().trimmed(),
                         rows.value(row, QStringLiteral("acc_name")).toString().trimmed());
        });
}

} // namespace Roster
