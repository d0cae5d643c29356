#pragma once

#include <QObject>

// Enter on a focused push button presses it, as Space does, in every window of the program.
// Fields keep their own Enter rules: only keys sent to a button are taken.
class ButtonEnterKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
