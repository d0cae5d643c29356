#pragma once

#include "config/SharedConfig.h"

#include <QString>

#include <array>

// What the settings dialog edits in sysConf.ini, read and written as one piece.

// The field ids the dialog shows: the fields of the default document.
inline constexpr int kSettingsFieldCount = 24;

// The rule attributes of one field element as the dialog shows them: flags ticked when they read
// as the number 1, the limits as stored texts.
struct FieldSettings : FieldFlags {
    QString min_value;
    QString max_value;
};

struct SysConfSettings {
    QString bankName;
    // The icon box: empty, the configured icon, or a picture file the clerk chose.
    QString iconFile;
    bool iconChosen = false;
    std::array<FieldSettings, kSettingsFieldCount + 1> fields; // by field id 1..24
};

// Creates a configuration object (reloading the shared values, or writing the default file) and
// reads the settings from the file; the icon box gets the configured icon path.
SysConfSettings readSysConfSettings();

enum class SettingsSave { Saved, AccountWithoutLength, Failed };

struct SettingsSaveResult {
    SettingsSave outcome;
    int fieldId = 0; // the account field without a length
};

// Checks the settings, then applies all of them to one document and saves it once: every flag
// as "1" or "0", the limits as typed. An icon box naming a file outside the program folder's
// ico folder copies it there (replacing an icon of the same name) and stores "ico\name"; an empty
// box leaves sys_icon as it is. After a complete save the shared values are reloaded, so the
// field checks use the new rules at once. Failed leaves sysConf.ini as it was.
SettingsSaveResult saveSysConfSettings(const SysConfSettings& settings);
