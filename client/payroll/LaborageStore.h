#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class DBAccess;

// One payroll instruction as the editor stores it; the amount in plain form.
struct LaborageInstruction {
    QString accNo;
    QString accName;
    QString amount;
    QString remark;
};

struct Person {
    QString accNo;
    QString accName;
};

// Every statement of the payroll editor and tab. Each reports a failure through the record
// store's "SQL error" box and returns false or nothing; the forms add their own message.
class LaborageStore {
public:
    explicit LaborageStore(DBAccess& db)
        : db_(db) {}

    // The roster in account order.
    std::vector<Person> persons();
    QStringList remarks();

    // Whether the batch already pays that account.
    bool hasInstructionFor(const QString& accNo);

    bool insertInstruction(const QString& serialNo, const LaborageInstruction& instruction);
    bool updateInstruction(const QString& serialNo, const LaborageInstruction& instruction);
    bool deleteInstruction(const QString& serialNo);

private:
    DBAccess& db_;
};
