#include "app/frmSysConf.h"

#include "config/AppTitle.h"
#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "files/FileChoosers.h"
#include "store/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

struct Frame {
    const char* name;
    const char* title;
    int firstId;
    int lastId;
};

// Left column, then right column.
const Frame kFrames[2][4] = {
    {{"fraPatchPayFile", "批量支付文件设定", 1, 7},
     {"fraSubSalaryFile", "代发工资文件设定", 8, 11},
     {"fraRemarkMana", "备注维护设定", 20, 20},
     {nullptr, nullptr, 0, 0}},
    {{"fraPayAccountMana", "付款账户维护设定", 12, 13},
     {"fraGatherAccountMana", "收款账户维护设定", 14, 16},
     {"fraSubSalaRollMana", "代发工资名册维护设定", 17, 19},
     {"fraAddNewItemsMana", "澄川新增字段设定", 21, 24}},
};

const char* const kHeadings[] = {"可编辑", "非空", "帐号", "数值", "长度", "最小值", "最大值"};

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QCheckBox* checkBox(QWidget* parent, const char* name, int id) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(indexed(name, id));
    return box;
}

QLineEdit* textBox(QWidget* parent, const char* name, int id, int width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(indexed(name, id));
    box->setFixedWidth(width);
    return box;
}

} // namespace

frmSysConf::frmSysConf(Prompter& prompter, QWidget* parent)
    : EnterMovesOn(parent)
    , prompter_(prompter)
    , settings_(readSysConfSettings())
    , txtBankName_(new QLineEdit(this))
    , txtSysIcon_(new QLineEdit(this))
    , Command1_(new QPushButton(QStringLiteral("浏览(&B)..."), this))
    , picSysIcon_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmSysConf"));
    txtBankName_->setObjectName(QStringLiteral("txtBankName"));
    txtSysIcon_->setObjectName(QStringLiteral("txtSysIcon"));
    // The icon is chosen with the browse button, so only a picture that loads gets here.
    txtSysIcon_->setReadOnly(true);
    Command1_->setObjectName(QStringLiteral("Command1"));
    picSysIcon_->setObjectName(QStringLiteral("picSysIcon"));
    picSysIcon_->setFixedSize(36, 36);
    picSysIcon_->setAlignment(Qt::AlignCenter);
    picSysIcon_->setFrameShape(QFrame::StyledPanel);

    auto* bankLabel = new QLabel(QStringLiteral("银行名称(&N)："), this);
    bankLabel->setBuddy(txtBankName_);
    auto* iconLabel = new QLabel(QStringLiteral("系统图标："), this);
    iconLabel->setBuddy(txtSysIcon_);
    auto* top = new QGridLayout;
    top->addWidget(bankLabel, 0, 0);
    top->addWidget(txtBankName_, 0, 1, 1, 2);
    top->addWidget(iconLabel, 1, 0);
    top->addWidget(txtSysIcon_, 1, 1);
    top->addWidget(Command1_, 1, 2);
    top->addWidget(picSysIcon_, 0, 3, 2, 1);
    top->setColumnStretch(1, 1);

    auto* note = new QLabel(
        QStringLiteral("说明：勾选“帐号”的字段必须填写长度：一个位数（如 19）、用“,”分隔的几个位数"
                       "（如 12,15）或用“-”连接的范围（如 10-20）。勾选“数值”时长度为最大位数，"
                       "最小值、最大值为数值的范围。"),
        this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollFields"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(buildFrames());

    const char* const captions[3] = {"确定", "应用(&A)", "关闭(&C)"};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int index = 0; index < 3; ++index) {
        auto* button = new QPushButton(QString::fromUtf8(captions[index]), this);
        button->setObjectName(indexed("Command2", index));
        button->setDefault(index == 0);
        connect(button, &QPushButton::clicked, this, [this, index] { Command2_Click(index); });
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);

    fill();
    watchEdits();
    moveOnEnter(txtBankName_);
    moveOnEnter(txtSysIcon_);
    connect(Command1_, &QPushButton::clicked, this, &frmSysConf::Command1_Click);

    txtBankName_->setFocus();
}

QWidget* frmSysConf::buildFrames() {
    auto* area = new QWidget;
    auto* columns = new QHBoxLayout(area);
    columns->setContentsMargins(0, 0, 0, 0);
    for (const auto& column : kFrames) {
        auto* stack = new QVBoxLayout;
        for (const Frame& frame : column) {
            if (!frame.name)
                continue;
            auto* box = new QGroupBox(QString::fromUtf8(frame.title), area);
            box->setObjectName(QLatin1String(frame.name));
            auto* grid = new QGridLayout(box);
            grid->setHorizontalSpacing(8);
            grid->setVerticalSpacing(4);
            for (int column = 0; column < 7; ++column)
                grid->addWidget(new QLabel(QString::fromUtf8(kHeadings[column]), box), 0,
                                column + 1, Qt::AlignCenter);
            for (int id = frame.firstId; id <= frame.lastId; ++id)
                addRow(grid, id - frame.firstId + 1, id);
            grid->setColumnStretch(0, 1);
            stack->addWidget(box);
        }
        stack->addStretch(1);
        columns->addLayout(stack);
    }
    return area;
}

void frmSysConf::addRow(QGridLayout* grid, int line, int id) {
    QWidget* frame = grid->parentWidget();
    Row& row = rows_[static_cast<size_t>(id)];
    row.lblPatchPayFileSet = new QLabel(frame);
    row.lblPatchPayFileSet->setObjectName(indexed("lblPatchPayFileSet", id));
    // Captions are set before the frames are measured, and never change.
    const QString caption = settings_.fields[static_cast<size_t>(id)].field_name;
    row.lblPatchPayFileSet->setText(caption + QStringLiteral(":"));
    row.chkCanEdit = checkBox(frame, "chkCanEdit", id);
    row.chkEnableNull = checkBox(frame, "chkEnableNull", id);
    row.chkIsAccount = checkBox(frame, "chkIsAccount", id);
    row.chkIsNumric = checkBox(frame, "chkIsNumric", id);
    row.chkLength = textBox(frame, "chkLength", id, 64);
    row.chkMinValue = textBox(frame, "chkMinValue", id, 72);
    row.chkMaxValue = textBox(frame, "chkMaxValue", id, 72);
    grid->addWidget(row.lblPatchPayFileSet, line, 0);
    QWidget* const controls[] = {row.chkCanEdit,  row.chkEnableNull, row.chkIsAccount,
                                 row.chkIsNumric, row.chkLength,     row.chkMinValue,
                                 row.chkMaxValue};
    int column = 1;
    for (QWidget* control : controls)
        grid->addWidget(control, line, column++, Qt::AlignCenter);
    for (int column = 0; column < 7; ++column) {
        moveOnEnter(controls[column]);
        controls[column]->setAccessibleName(caption + QLatin1Char(' ') +
                                            QString::fromUtf8(kHeadings[column]));
    }
}

void frmSysConf::fill() {
    setTitle();
    txtBankName_->setText(settings_.bankName);
    txtSysIcon_->setText(settings_.iconFile);
    showIcon(settings_.iconFile);
    for (int id = 1; id <= kSettingsFieldCount; ++id) {
        const FieldSettings& field = settings_.fields[static_cast<size_t>(id)];
        const Row& row = rows_[static_cast<size_t>(id)];
        row.chkCanEdit->setChecked(field.can_edit);
        row.chkEnableNull->setChecked(field.not_null);
        row.chkIsAccount->setChecked(field.is_account);
        row.chkIsNumric->setChecked(field.is_numric);
        row.chkLength->setText(field.length);
        row.chkMinValue->setText(field.min_value);
        row.chkMaxValue->setText(field.max_value);
    }
}

// Any edit after a save clears the saved flag, so that OK saves it.
void frmSysConf::watchEdits() {
    const auto edited = [this] {
        saved_ = false;
    };
    connect(txtBankName_, &QLineEdit::textChanged, this, edited);
    connect(txtSysIcon_, &QLineEdit::textChanged, this, edited);
    for (int id = 1; id <= kSettingsFieldCount; ++id) {
        const Row& row = rows_[static_cast<size_t>(id)];
        for (QCheckBox* box :
             {row.chkCanEdit, row.chkEnableNull, row.chkIsAccount, row.chkIsNumric})
            connect(box, &QCheckBox::toggled, this, edited);
        for (QLineEdit* box : {row.chkLength, row.chkMinValue, row.chkMaxValue})
            connect(box, &QLineEdit::textChanged, this, edited);
        // Only the clerk's click couples the two: a file may hold an account that is not numeric.
        connect(row.chkIsAccount, &QCheckBox::clicked, row.chkIsNumric, &QCheckBox::setChecked);
    }
}

void frmSysConf::showIcon(const QString& path) {
    picSysIcon_->clear();
    if (!path.isEmpty())
        picSysIcon_->setPixmap(QIcon(path).pixmap(32, 32));
}

void frmSysConf::setTitle() {
    setWindowTitle(sharedConfig().bankName + QStringLiteral("网银客户端系统设定"));
    if (!sharedConfig().iconPath.isEmpty())
        setWindowIcon(QIcon(sharedConfig().iconPath));
}

void frmSysConf::Command1_Click() {
    ClientMessages messages(prompter_);
    const QString path = getOpenFileName(messages, QStringLiteral("ico"));
    if (path.isEmpty())
        return;
    if (QImageReader(path).read().isNull()) {
        messages.show(QStringLiteral("文件读写错误，打开文件失败。"));
        return;
    }
    txtSysIcon_->setText(path);
    settings_.iconChosen = true;
    showIcon(path);
}

void frmSysConf::Command2_Click(int index) {
    switch (index) {
    case 0:
        if (saved_ || save())
            accept();
        break;
    case 1:
        save();
        break;
    default:
        reject();
        break;
    }
}

SysConfSettings frmSysConf::collect() const {
    SysConfSettings settings = settings_;
    settings.bankName = txtBankName_->text();
    settings.iconFile = txtSysIcon_->text();
    for (int id = 1; id <= kSettingsFieldCount; ++id) {
        const Row& row = rows_[static_cast<size_t>(id)];
        FieldSettings& field = settings.fields[static_cast<size_t>(id)];
        field.can_edit = row.chkCanEdit->isChecked();
        field.not_null = row.chkEnableNull->isChecked();
        field.is_account = row.chkIsAccount->isChecked();
        field.is_numric = row.chkIsNumric->isChecked();
        field.length = row.chkLength->text();
        field.min_value = row.chkMinValue->text();
        field.max_value = row.chkMaxValue->text();
    }
    return settings;
}

bool frmSysConf::save() {
    ClientMessages messages(prompter_);
    const SettingsSaveResult result = saveSysConfSettings(collect());
    switch (result.outcome) {
    case SettingsSave::AccountWithoutLength: {
        messages.show(QStringLiteral("帐号必须指定长度，请参照说明。"));
        QLineEdit* length = rows_[static_cast<size_t>(result.fieldId)].chkLength;
        length->setFocus();
        length->selectAll();
        return false;
    }
    case SettingsSave::Failed:
        messages.show(QStringLiteral("系统设定失败，请重试。"));
        return false;
    case SettingsSave::Saved:
        break;
    }
    // The icon now lies in ico/: a later save finds it in place.
    if (!txtSysIcon_->text().isEmpty())
        txtSysIcon_->setText(sharedConfig().iconPath);
    settings_.iconChosen = false;
    showIcon(txtSysIcon_->text());
    setTitle();
    saved_ = true;
    messages.show(QStringLiteral("系统设定保存成功。"));
    return true;
}

// Sized for every frame at once where the screen allows, measured once the frames are laid out
// in their final fonts.
void frmSysConf::showEvent(QShowEvent* event) {
    if (!sized_) {
        sized_ = true;
        auto* scroll = findChild<QScrollArea*>(QStringLiteral("scrollFields"));
        const QSize wanted =
            size() + scroll->widget()->sizeHint() - scroll->viewport()->size() + QSize(4, 4);
        const QRect screen = this->screen()->availableGeometry();
        resize(std::min(wanted.width(), screen.width() - 40),
               std::min(wanted.height(), screen.height() - 60));
    }
    QDialog::showEvent(event);
}
