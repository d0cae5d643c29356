#include "sheets/BatchColumns.h"

#include <QRegularExpression>

namespace {

QStringList words(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

BatchField field(const char* caption, const char* synonyms, bool required, bool amount = false) {
    return {QString::fromUtf8(caption), words(synonyms), required, amount};
}

QString normalized(const QString& header) {
    static const QRegularExpression unit(QStringLiteral("[(（][^)）]*[)）]$"));
    QString text = header;
    text.remove(QRegularExpression(QStringLiteral("[\\s*＊]")));
    text.remove(unit);
    return text;
}

} // namespace

const std::vector<BatchField>& batchFields(BatchKind kind) {
    static const std::vector<BatchField> payroll = {
        field("账号", "卡号|收款人账号|收款账号|银行账号|银行卡号|工资卡号", true),
        field("户名", "姓名|收款人名称|收款人姓名|收款户名|收款账户户名|账户名称", true),
        field("金额", "实发金额|实发工资|付款金额|发放金额|报销金额", true, true),
        field("备注", "用途|摘要|附言", false),
    };
    static const std::vector<BatchField> payment = {
        field("付款账号", "付款人账号|付款账户", true),
        field("付款账户户名", "付款人名称|付款户名|付款账户名称|付款人户名", true),
        field("收款账户行别", "行别|账户行别", false),
        field("收款账号", "账号|卡号|收款人账号|收款账户", true),
        field("收款账户户名", "户名|姓名|收款人名称|收款户名|收款账户名称|收款人户名", true),
        field("转账类型", "汇款方式|汇款类型", false),
        field("收款银行名称", "收款银行|收款行|开户行|开户银行|收款人开户行", false),
        field("同城清算行号", "清算行号", false),
        field("汇入省", "省份|省|汇入省份", false),
        field("汇入市", "城市|市|汇入城市|汇入地市", false),
        field("现代支付行号", "支付行号|联行号|行号", false),
        field("付款金额", "金额|实发金额|汇款金额|转账金额", true, true),
        field("备注", "用途|摘要|附言", false),
    };
    return kind == BatchKind::Payroll ? payroll : payment;
}

ColumnMapping matchColumns(BatchKind kind, const SheetRow& header) {
    const std::vector<BatchField>& fields = batchFields(kind);
    ColumnMapping mapping(fields.size(), -1);
    std::vector<bool> used(header.cells.size(), false);
    // Captions first, so a synonym of one field never takes the column captioned for another.
    for (const bool bySynonym : {false, true}) {
        for (size_t f = 0; f < fields.size(); ++f) {
            if (mapping[f] >= 0)
                continue;
            for (size_t c = 0; c < header.cells.size() && mapping[f] < 0; ++c) {
                const QString text = normalized(header.cells[c].text);
                const bool matches =
                    bySynonym ? fields[f].synonyms.contains(text) : text == fields[f].caption;
                if (!used[c] && matches) {
                    mapping[f] = static_cast<qsizetype>(c);
                    used[c] = true;
                }
            }
        }
    }
    return mapping;
}

QStringList missingFields(BatchKind kind, const ColumnMapping& mapping) {
    const std::vector<BatchField>& fields = batchFields(kind);
    QStringList missing;
    for (size_t f = 0; f < fields.size(); ++f)
        if (fields[f].required && (f >= mapping.size() || mapping[f] < 0))
            missing << fields[f].caption;
    return missing;
}
