#include "amount/AmountField.h"

#include "amount/AmountConvert.h"
#include "amount/AmountText.h"
#include "config/AppTitle.h"
#include "store/Prompter.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>

namespace {

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Focus that moves to another field, not to another window such as a message box.
bool isLeavingTheField(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

AmountField::AmountField(QLineEdit& amountBox, QLabel& capitalLabel, Prompter& prompter)
    : QObject(&amountBox)
    , box_(amountBox)
    , label_(capitalLabel)
    , prompter_(prompter) {
    box_.installEventFilter(this);
}

bool AmountField::refreshAmount(bool leaving) {
    // A message box opened below takes the focus; that is no new leaving of the field.
    if (refreshing_)
        return true;
    const QString trimmed = box_.text().trimmed();
    if (!leaving && trimmed == shown_)
        return true;
    refreshing_ = true;
    const auto done = qScopeGuard([this] { refreshing_ = false; });

    label_.clear();
    const QString plain = removeThousandSeparators(trimmed);
    if (plain.isEmpty()) {
        box_.clear();
        return true;
    }
    if (!isAmountFormat(plain))
        return refuse(QStringLiteral("金额格式错误"));
    box_.setText(leaving ? formatAmount(plain) : formatAmountTyped(plain));
    label_.setText(convertToCapital(plain));
    shown_ = box_.text();
    switch (amountRange(plain)) {
    case AmountRange::TooLarge:
        return refuse(QStringLiteral("金额超过系统最大单笔限制"));
    case AmountRange::NotPositive:
        return refuse(QStringLiteral("金额必须大于零元"));
    case AmountRange::Ok:
        break;
    }
    return true;
}

bool AmountField::refuse(const QString& message) {
    prompter_.message(applicationTitle(), message);
    box_.clear();
    label_.clear();
    box_.setFocus();
    box_.selectAll();
    return false;
}

void AmountField::moveToNextField() {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(&box_, &tab);
}

bool AmountField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &box_) {
        if (isEnter(event)) {
            if (refreshAmount(true))
                moveToNextField();
            return true;
        }
        if (isLeavingTheField(event))
            refreshAmount(true);
    }
    return QObject::eventFilter(watched, event);
}
