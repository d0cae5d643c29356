#pragma once

#include "config/XmlFile.h"

#include <QString>

// Changes to sysConf.ini made on one loaded document and saved once, so that either all of them
// reach the file or none does.
class SysConfEdit {
public:
    // Loads the file; isLoaded() tells whether it had a root element.
    explicit SysConfEdit(const QString& path);

    bool isLoaded() const { return loaded_; }

    // The attribute of the first field element whose id is elemtId written in decimal; an empty
    // text when the element or the attribute is missing.
    QString attribute(int elemtId, const QString& name) const;
    // False, changing nothing, for a name that is not an XML name. A missing element is no error:
    // nothing is changed.
    bool setAttribute(int elemtId, const QString& name, const QString& value);
    QString bankName() const;
    void setBankName(const QString& bankName);
    void setSysIcon(const QString& sysIcon);

    // Writes the document through a temporary file renamed into place. False, leaving the file as
    // it was, when nothing was loaded, a text has no GBK form, the disk fails, or the file is
    // marked read-only (also for a user whom the system would let write it).
    bool save() const;

private:
    QString path_;
    XmlFileDocument file_;
    bool loaded_ = false;
};
