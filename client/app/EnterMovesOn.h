#pragma once

#include <QDialog>

// A dialog whose boxes pass Enter on to the next control, as in every form of the client.
class EnterMovesOn : public QDialog {
public:
    using QDialog::QDialog;

protected:
    // Enter in `box` moves the focus on instead of pressing the default button.
    void moveOnEnter(QWidget* box) { box->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override;
};
