#include "config/SysConfSettings.h"

#include "config/SharedConfig.h"
#include "config/SysConf.h"
#include "config/SysConfEdit.h"
#include "config/SysIconFile.h"

namespace {

// A tick is shown for a text that reads as the number 1.
bool ticked(const QString& text) {
    bool ok = false;
    return text.trimmed().toDouble(&ok) == 1 && ok;
}

QString flagText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

SysConfSettings readSysConfSettings() {
    const SysConf conf;
    const SysConfEdit file(conf.filePath());
    SysConfSettings settings;
    settings.bankName = file.bankName();
    settings.iconFile = sharedConfig().iconPath;
    for (int id = 1; id <= kSettingsFieldCount; ++id) {
        const auto read = [&](const char* name) {
            return file.attribute(id, QString::fromLatin1(name));
        };
        FieldSettings& field = settings.fields[static_cast<size_t>(id)];
        field.field_name = read("field_name");
        field.can_edit = ticked(read("can_edit"));
        field.not_null = ticked(read("not_null"));
        field.is_account = ticked(read("is_account"));
        field.is_numric = ticked(read("is_numric"));
        field.length = read("length");
        field.min_value = read("min_value");
        field.max_value = read("max_value");
    }
    return settings;
}

SettingsSaveResult saveSysConfSettings(const SysConfSettings& settings) {
    for (int id = 1; id <= kSettingsFieldCount; ++id) {
        const FieldSettings& field = settings.fields[static_cast<size_t>(id)];
        if (field.is_account && field.length.trimmed().isEmpty())
            return {SettingsSave::AccountWithoutLength, id};
    }
    SysConf conf;
    SysConfEdit edit(conf.filePath());
    if (!edit.isLoaded())
        return {SettingsSave::Failed};
    edit.setBankName(settings.bankName);
    SysIconFile icon(sharedConfig().programFolder, settings.iconFile, settings.iconChosen);
    if (icon.state() == SysIconFile::State::Failed)
        return {SettingsSave::Failed};
    if (icon.state() != SysIconFile::State::Unchanged)
        edit.setSysIcon(icon.sysIconText());
    for (int id = 1; id <= kSettingsFieldCount; ++id) {
        const FieldSettings& field = settings.fields[static_cast<size_t>(id)];
        // The order in which new attributes are appended to a field element.
        const std::pair<const char*, QString> attributes[] = {
            {"field_name", field.field_name},
            {"can_edit", flagText(field.can_edit)},
            {"is_account", flagText(field.is_account)},
            {"not_null", flagText(field.not_null)},
            {"is_numric", flagText(field.is_numric)},
            {"length", field.length},
            {"min_value", field.min_value},
            {"max_value", field.max_value},
        };
        for (const auto& [name, value] : attributes)
            edit.setAttribute(id, QString::fromLatin1(name), value);
    }
    // The icon is put in place only once the document is saved, so a refused save leaves ico/
    // as it was too.
    if (!edit.save() || !icon.commit())
        return {SettingsSave::Failed};
    conf.LoadValues();
    return {SettingsSave::Saved};
}
