#pragma once

#include <QString>

// The configuration file sysConf.ini in the program folder: read into the shared values, written
// with defaults when it cannot be read, and changed one attribute at a time. Nothing is kept open
// between calls; every operation loads the file anew.
class SysConf {
public:
    // Takes the program folder from sharedConfig() (ending it with "/" when needed), then loads
    // the file, or writes the default document when it cannot be loaded.
    SysConf();

    QString filePath() const { return folder_ + QStringLiteral("sysConf.ini"); }

    // Fills bank name, icon path and the rule table of sharedConfig(); false when the file has no
    // root element (missing, empty, not well formed, or not in its declared encoding).
    bool LoadValues();
    // Replaces the file with the default document.
    bool setValues();

    // The setters load the file, change one attribute and save it. They save even when the field
    // element is missing; they return false, leaving the file untouched, when it cannot be loaded,
    // the attribute name is not a valid XML name, a text has no GBK form or the file is marked
    // read-only.
    bool setAttrib2Elemt(int elemtId, const QString& attriName, const QString& value);
    QString getAttribOfElemt(int elemtId, const QString& attriName) const;
    bool setBankName(const QString& my_BankName);
    bool setSysIcon(const QString& my_Sys_Icno);

private:
    QString folder_;
};
