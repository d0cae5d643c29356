#pragma once

#include <QString>

#include <array>

// The attributes every field element of the configuration file has, whoever reads them.
struct FieldFlags {
    QString field_name;
    bool can_edit = false;
    bool not_null = false;
    bool is_account = false;
    bool is_numric = false;
    QString length;
};

// One rule of the field rule table, as read from the configuration file. Entries the file does
// not fill keep these initial values.
struct FieldRuleEntry : FieldFlags {
    double min_value = 0;
    double max_value = 0;
    bool is_check_str_length = false;
};

inline constexpr int kFieldRuleCount = 50;

// The configuration values shared by the whole program, filled when a SysConf is created.
struct SharedConfig {
    QString programFolder; // always ends with "/"
    QString bankName;
    QString iconPath;
    std::array<FieldRuleEntry, kFieldRuleCount + 1> FieldRule; // indexed by field id 1..50
};

SharedConfig& sharedConfig();
