#include "config/QtFieldControl.h"

#include "config/FieldCheck.h"

#include <QComboBox>
#include <QLineEdit>

#include <stdexcept>

namespace {

bool shownWithItsWindow(const QWidget& widget) {
    return widget.isVisibleTo(widget.window());
}

} // namespace

QString LineEditControl::text() const {
    return edit_.text();
}

bool LineEditControl::isVisible() const {
    return shownWithItsWindow(edit_);
}

bool LineEditControl::isEnabled() const {
    return edit_.isEnabled();
}

void LineEditControl::setFocus() {
    edit_.setFocus();
}

void LineEditControl::selectAll() {
    edit_.selectAll();
}

QString ComboBoxControl::text() const {
    return combo_.currentText();
}

int ComboBoxControl::selectedIndex() const {
    const int index = combo_.currentIndex();
    return index >= 0 && combo_.currentText() == combo_.itemText(index) ? index : -1;
}

bool ComboBoxControl::isVisible() const {
    return shownWithItsWindow(combo_);
}

bool ComboBoxControl::isEnabled() const {
    return combo_.isEnabled();
}

void ComboBoxControl::setFocus() {
    combo_.setFocus();
}

void ComboBoxControl::selectAll() {
    if (QLineEdit* edit = combo_.lineEdit())
        edit->selectAll();
}

bool CheckField(QWidget& control, int id, Prompter& prompter) {
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        LineEditControl field(*edit);
        return CheckField(field, id, prompter);
    }
    if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        ComboBoxControl field(*combo);
        return CheckField(field, id, prompter);
    }
    throw std::invalid_argument("CheckField needs a text box or a combo box");
}
