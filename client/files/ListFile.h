#pragma once

#include <QString>

#include <vector>

// The reference list files (payer and payee accounts, the roster, remarks): an XML declaration,
// a root element and one element per record holding one element per value, one element a line,
// tab-indented, CR LF, GBK bytes.

// One value element of a record. `caption` names the value in messages.
struct ListFileField {
    QString element;
    QString value;
    QString caption;
};

struct ListFileRecord {
    QString label; // names the record in messages, such as "付款账号[6222…]"
    std::vector<ListFileField> fields;
};

struct ListFile {
    QString encoding; // as declared: "GB2312" or "GBK"
    QString root;
    QString recordElement;
    std::vector<ListFileRecord> records;
};

struct ListFileWriteResult {
    enum class Status { Written, Unrepresentable, FileError };
    Status status = Status::Written;
    // Unrepresentable: the record and value holding the first character GBK cannot hold, and that
    // character; FileError: what the system said.
    QString message;
};

// The refusal message for the first value GBK cannot hold, naming its record and value and
// ending in `failure`; "" when GBK holds every value.
QString listFileRefusal(const ListFile& file, const QString& failure);

// Refuses a value GBK cannot hold before anything is written; otherwise writes to a temporary
// name beside `path` and renames it into place only when complete. `failure` ends the refusal
// message, such as "导出付款账号失败".
ListFileWriteResult writeListFile(const QString& path, const ListFile& file,
                                  const QString& failure);
