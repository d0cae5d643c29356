#pragma once

#include "config/XmlFile.h"

#include <QString>

#include <functional>
#include <vector>

// An upload or list file loaded for reading its records: every loader of the client reads
// through this, so each gets the same refusals (special files, huge files, files that are not
// well formed) and the same reading of a record's fields.
class RecordFile {
public:
    // Refused: not a regular file, or larger than any file of the client.
    enum class Status { Loaded, Unreadable, Refused, NotWellFormed };

    Status load(const QString& path);
    // Why the file could not be read or was refused, naming it.
    const QString& detail() const { return detail_; }
    // The document node, above the root element, and the root element.
    pugi::xml_node document() const { return file_.doc; }
    pugi::xml_node root() const { return file_.doc.document_element(); }

    // Hands every element named `recordName` below `under`, in document order, to `take` with
    // the text of each named field (the first descendant of that name, trimmed; "" when there
    // is none) and its position (1 for the first); stops early when `take` returns false.
    static bool
    forEachRecord(const pugi::xml_node& under, const char* recordName,
                  const std::vector<const char*>& names,
                  const std::function<bool(const std::vector<QString>& fields, qsizetype)>& take);

private:
    XmlFileDocument file_;
    QString detail_;
};
