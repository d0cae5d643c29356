#pragma once

#include <QDialog>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

// A control of a dialog, created with its control name.
template <typename T> T* named(QWidget* parent, const char* name) {
    T* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// An editable box that offers a list but takes any text; `prompt` shows while it is empty.
QComboBox* editableCombo(QWidget* parent, const char* name, int minimumWidth,
                         const QString& prompt = {});
// Gives a field the focus with its text selected, for the clerk to type again.
void focusAndSelect(QWidget* field);
// Empties a line edit or an editable box (nothing chosen).
void clearField(QWidget* field);

// The editor of one instruction of a batch: the position and serial shown at its head, and the
// buttons that save, change or delete the instruction and close the editor.
class InstructionDialog : public QDialog {
public:
    void setPayIdx(int idx);
    void enableSave(bool enabled);
    void enableChange(bool enabled);

    virtual void cmdAdd_Click() = 0;
    virtual void cmdUpdate_Click() = 0;
    virtual void cmdDelete_Click() = 0;

protected:
    // `iconPath` names the window icon ("" for none).
    InstructionDialog(const char* name, const QString& title, const QString& iconPath,
                      QWidget* parent);

    // Creates the head labels and the buttons (in the tab order of the buttons), after the
    // dialog's fields.
    void buildCommands();
    // The buttons, right-aligned in a row.
    QHBoxLayout* commandRow();
    // The buttons run the commands; 关闭 rejects the dialog.
    void connectCommands();
    // For the controls it is installed on: Enter presses a button and moves on from a field.
    bool eventFilter(QObject* watched, QEvent* event) override;

    QLabel* lblPayIdx_ = nullptr;
    QLabel* lblPaySerialNo_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdUpdate_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};
