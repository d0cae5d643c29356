#pragma once

#include <QString>

// What the field checks need of an input control (a text box or a combo box).
class FieldControl {
public:
    virtual ~FieldControl() = default;

    virtual QString text() const = 0;
    // Position of the selected list entry counted from 0; -1 when none is selected, the text no
    // longer is that entry's, or the control has no list.
    virtual int selectedIndex() const = 0;
    // The control's own visibility: true when it shows as soon as its window does.
    virtual bool isVisible() const = 0;
    // False when the clerk cannot fill the control: a disabled field is not checked.
    virtual bool isEnabled() const = 0;
    virtual void setFocus() = 0;
    virtual void selectAll() = 0;
};
