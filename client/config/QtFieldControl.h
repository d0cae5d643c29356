#pragma once

#include "config/FieldControl.h"

class Prompter;
class QComboBox;
class QLineEdit;
class QWidget;

// A text box as a field control.
class LineEditControl : public FieldControl {
public:
    explicit LineEditControl(QLineEdit& edit)
        : edit_(edit) {}

    QString text() const override;
    int selectedIndex() const override { return -1; }
    bool isVisible() const override;
    bool isEnabled() const override;
    void setFocus() override;
    void selectAll() override;

private:
    QLineEdit& edit_;
};

// A combo box as a field control; the whole-text selection applies to an editable one. Qt keeps
// the current entry when the clerk edits or clears the text; the entry then no longer counts.
class ComboBoxControl : public FieldControl {
public:
    explicit ComboBoxControl(QComboBox& combo)
        : combo_(combo) {}

    QString text() const override;
    int selectedIndex() const override;
    bool isVisible() const override;
    bool isEnabled() const override;
    void setFocus() override;
    void selectAll() override;

private:
    QComboBox& combo_;
};

// CheckField on a QLineEdit or QComboBox, wanted, unless the control is hidden or disabled.
// Throws std::invalid_argument for any other widget.
bool CheckField(QWidget& control, int id, Prompter& prompter);
