#pragma once

#include <QObject>
#include <QString>

class Prompter;
class QLabel;
class QLineEdit;

// The amount field of the instruction editors: attached to the amount box and the capital
// label (lblCnPayAmount), it refreshes both when the clerk leaves the box or presses Enter in
// it, and reports a refused amount through the prompter. Enter is handled here: it moves on to
// the next field only when the amount was not refused. The box owns this object.
class AmountField : public QObject {
    Q_OBJECT
public:
    AmountField(QLineEdit& amountBox, QLabel& capitalLabel, Prompter& prompter);

    // leaving true (as on leaving or Enter): the box shows formatAmount of its plain text.
    // leaving false: nothing happens while the trimmed text is the one shown last, and the box
    // keeps the typed decimals. The label is spelled from the typed text. False when the
    // amount was refused: the box and the label are then empty, the box has the focus and its
    // whole text is selected.
    bool refreshAmount(bool leaving = true);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refuse(const QString& message);
    void moveToNextField();

    QLineEdit& box_;
    QLabel& label_;
    Prompter& prompter_;
    QString shown_;
    bool refreshing_ = false;
};
