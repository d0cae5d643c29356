#pragma once

#include "app/EnterMovesOn.h"
#include "config/SysConfSettings.h"

#include <array>

class Prompter;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The settings dialog: bank name, icon and the rule of every configured field, written to
// sysConf.ini by OK (unless already saved and not edited since) and by apply.
class frmSysConf : public EnterMovesOn {
    Q_OBJECT
public:
    explicit frmSysConf(Prompter& prompter, QWidget* parent = nullptr);

    // index 0 OK, 1 apply, 2 close.
    void Command2_Click(int index);
    // The browse button of the icon.
    void Command1_Click();

    bool saved() const { return saved_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls of one field id.
    struct Row {
        QLabel* lblPatchPayFileSet = nullptr;
        QCheckBox* chkCanEdit = nullptr;
        QCheckBox* chkEnableNull = nullptr;
        QCheckBox* chkIsAccount = nullptr;
        QCheckBox* chkIsNumric = nullptr;
        QLineEdit* chkLength = nullptr;
        QLineEdit* chkMinValue = nullptr;
        QLineEdit* chkMaxValue = nullptr;
    };

    QWidget* buildFrames();
    void addRow(QGridLayout* grid, int line, int id);
    void fill();
    void watchEdits();
    void showIcon(const QString& path);
    void setTitle();
    SysConfSettings collect() const;
    bool save();

    Prompter& prompter_;
    SysConfSettings settings_;
    bool saved_ = false;
    bool sized_ = false;
    QLineEdit* txtBankName_;
    QLineEdit* txtSysIcon_;
    QPushButton* Command1_;
    QLabel* picSysIcon_;
    std::array<Row, kSettingsFieldCount + 1> rows_{};
};
