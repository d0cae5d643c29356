#include "payroll/LaborageEditing.h"

#include "amount/AmountText.h"
#include "files/ClientMessages.h"
#include "store/MakeSerialNo.h"

namespace {

LaborageInstruction asStored(const LaborageInstruction& typed) {
    return {typed.accNo.trimmed(), typed.accName.trimmed(),
            removeThousandSeparators(typed.amount.trimmed()), typed.remark.trimmed()};
}

} // namespace

bool addLaborage(LaborageStore& store, ClientMessages& messages,
                 const LaborageInstruction& instruction) {
    const LaborageInstruction stored = asStored(instruction);
    if (store.hasInstructionFor(stored.accNo) &&
        !messages.confirm(QStringLiteral("该账号的代发记录已存在，请确认是否要继续保存?")))
        return false;
    const bool inserted = store.insertInstruction(MakeSerialNo(), stored);
    messages.show(inserted ? QStringLiteral("新建指令成功") : QStringLiteral("新建指令失败"));
    return inserted;
}

bool changeLaborage(LaborageStore& store, ClientMessages& messages, const QString& serialNo,
                    const LaborageInstruction& instruction) {
    const bool updated = store.updateInstruction(serialNo.trimmed(), asStored(instruction));
    messages.show(updated ? QStringLiteral("修改指令成功") : QStringLiteral("修改指令失败"));
    return updated;
}

bool deleteLaborage(LaborageStore& store, ClientMessages& messages, const QString& serialNo) {
    if (!messages.confirm(QStringLiteral("是否确认要删除代发工资/代报销指令?")))
        return false;
    const bool deleted = store.deleteInstruction(serialNo.trimmed());
    messages.show(deleted ? QStringLiteral("删除指令成功") : QStringLiteral("删除指令失败"));
    return deleted;
}
