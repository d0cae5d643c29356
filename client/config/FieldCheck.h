#pragma once

#include <QString>

class FieldControl;
class Prompter;

// The check of one input field against its rule in sharedConfig().FieldRule, by field id.
// Shows one message box through the prompter on the first rule that fails and returns false;
// never changes the control's text. An unwanted check or a hidden control passes unchecked.
bool CheckField(FieldControl& control, int id, bool checkWanted, bool visible, Prompter& prompter);
// The check as the forms call it: wanted, visible meaning shown and enabled, since a hidden or
// disabled field cannot be filled.
bool CheckField(FieldControl& control, int id, Prompter& prompter);

// The small tests CheckField is built from; forms may call them directly.
bool HasValue(const FieldControl& control, bool notNull);
bool IsAccountText(const QString& text);
bool IsNumberText(const QString& text);
bool CheckLengthSpec(const QString& text, const QString& lengths, bool exact);
bool InRange(const QString& text, double minimum, double maximum);
bool CheckTextLength(const QString& text, double minimum, double maximum);

// A double in the shortest form that reads back as the same value: 20, 0.5, 1E+308.
QString shortestNumberText(double value);
