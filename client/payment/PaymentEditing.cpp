#include "payment/PaymentEditing.h"

#include "files/ClientMessages.h"
#include "payment/PaymentStore.h"
#include "store/MakeSerialNo.h"

namespace {

bool sameAccounts(ClientMessages& messages, const PaymentInstruction& instruction) {
    if (instruction.payAccNo.trimmed() != instruction.recAccNo.trimmed())
        return false;
    messages.show(QStringLiteral("转入转出账号相同"));
    return true;
}

bool storePayAccount(PaymentStore& store, const PaymentInstruction& instruction) {
    const PayAccount typed{instruction.payAccNo, instruction.payAccName};
    const std::optional<PayAccount> stored = store.payAccount(typed.accNo);
    if (!stored)
        return store.insertPayAccount(typed);
    if (stored->accName != typed.accName)
        store.renamePayAccount(typed);
    return true;
}

bool storePayee(PaymentStore& store, const PaymentInstruction& instruction) {
    const PayeeAccount typed{
        instruction.recAccNo,    instruction.recAccName,          instruction.recAccType,
        instruction.recBankName, instruction.sameCityLiquidateNo, instruction.province,
        instruction.city,        instruction.presentBankNo};
    if (store.payee(typed.accNo, typed.accType)) {
        store.updatePayee(typed);
        return true;
    }
    return store.insertPayee(typed);
}

} // namespace

bool addPayment(PaymentStore& store, ClientMessages& messages,
                const PaymentInstruction& instruction) {
    if (sameAccounts(messages, instruction))
        return false;
    if (store.hasPaymentTo(instruction.recAccType, instruction.recAccNo) &&
        !messages.confirm(QStringLiteral("该收款账号的支付记录已存在，请确认是否要继续保存?")))
        return false;
    if (!storePayAccount(store, instruction)) {
        messages.show(QStringLiteral("付款帐号添加失败,导致该条指令添加失败"));
        return false;
    }
    if (!storePayee(store, instruction)) {
        messages.show(QStringLiteral("收款帐号添加失败,导致该条指令添加失败"));
        return false;
    }
    const bool inserted = store.insertPayment(MakeSerialNo(), instruction);
    messages.show(inserted ? QStringLiteral("新建指令成功") : QStringLiteral("新建指令失败"));
    return inserted;
}

bool changePayment(PaymentStore& store, ClientMessages& messages, const QString& serialNo,
                   const PaymentInstruction& instruction) {
    if (sameAccounts(messages, instruction))
        return false;
    const bool updated = store.updatePayment(serialNo, instruction);
    messages.show(updated ? QStringLiteral("修改指令成功") : QStringLiteral("修改指令失败"));
    return updated;
}

DeleteOutcome deletePayment(PaymentStore& store, ClientMessages& messages,
                            const QString& serialNo) {
    if (!messages.confirm(QStringLiteral("是否确认要删除批量付款指令?")))
        return DeleteOutcome::Cancelled;
    if (!store.deletePayment(serialNo)) {
        messages.show(QStringLiteral("删除指令失败"));
        return DeleteOutcome::Failed;
    }
    messages.show(QStringLiteral("删除指令成功"));
    return DeleteOutcome::Deleted;
}
