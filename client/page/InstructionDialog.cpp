#include "page/InstructionDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QComboBox* editableCombo(QWidget* parent, const char* name, int minimumWidth,
                         const QString& prompt) {
    QComboBox* combo = named<QComboBox>(parent, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumWidth(minimumWidth);
    if (!prompt.isEmpty())
        combo->lineEdit()->setPlaceholderText(prompt);
    return combo;
}

void focusAndSelect(QWidget* field) {
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

void clearField(QWidget* field) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->clear();
        return;
    }
    auto* combo = static_cast<QComboBox*>(field);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

InstructionDialog::InstructionDialog(const char* name, const QString& title,
                                     const QString& iconPath, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    if (!iconPath.isEmpty())
        setWindowIcon(QIcon(iconPath));
}

void InstructionDialog::buildCommands() {
    lblPayIdx_ = named<QLabel>(this, "lblPayIdx");
    lblPaySerialNo_ = named<QLabel>(this, "lblPaySerialNo");
    cmdAdd_ = named<QPushButton>(this, "cmdAdd");
    cmdAdd_->setText(QStringLiteral("保存指令"));
    cmdUpdate_ = named<QPushButton>(this, "cmdUpdate");
    cmdUpdate_->setText(QStringLiteral("修改指令"));
    cmdDelete_ = named<QPushButton>(this, "cmdDelete");
    cmdDelete_->setText(QStringLiteral("删除指令"));
    cmdClose_ = named<QPushButton>(this, "cmdClose");
    cmdClose_->setText(QStringLiteral("关闭"));
    for (QPushButton* button : {cmdAdd_, cmdUpdate_, cmdDelete_, cmdClose_})
        button->setAutoDefault(false);
}

QHBoxLayout* InstructionDialog::commandRow() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {cmdAdd_, cmdUpdate_, cmdDelete_, cmdClose_})
        buttons->addWidget(button);
    return buttons;
}

void InstructionDialog::connectCommands() {
    connect(cmdAdd_, &QPushButton::clicked, this, &InstructionDialog::cmdAdd_Click);
    connect(cmdUpdate_, &QPushButton::clicked, this, &InstructionDialog::cmdUpdate_Click);
    connect(cmdDelete_, &QPushButton::clicked, this, &InstructionDialog::cmdDelete_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
}

void InstructionDialog::setPayIdx(int idx) {
    lblPayIdx_->setText(QString::number(idx));
}

void InstructionDialog::enableSave(bool enabled) {
    cmdAdd_->setEnabled(enabled);
}

void InstructionDialog::enableChange(bool enabled) {
    cmdUpdate_->setEnabled(enabled);
    cmdDelete_->setEnabled(enabled);
}

bool InstructionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* button = qobject_cast<QPushButton*>(watched))
                button->click();
            else
                focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
