#include "app/frmAbout.h"

#include "app/SysInfo.h"
#include "config/AppTitle.h"
#include "config/SharedConfig.h"
#include "store/Prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QLatin1String(name));
    return shown;
}

} // namespace

frmAbout::frmAbout(Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , prompter_(prompter) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于 ") + applicationTitle());
    const QString bank = QStringLiteral("澄川银行");
    // One line break: a carriage return after it would show as a blank at the start of the line.
    QLabel* picIcon = label(this, "picIcon", QString());
    const QIcon icon(sharedConfig().iconPath);
    if (!sharedConfig().iconPath.isEmpty() && !icon.isNull()) {
        setWindowIcon(icon);
        picIcon->setPixmap(icon.pixmap(32, 32));
    }
    picIcon->setFixedSize(40, 40);
    QLabel* lblTitle = label(this, "lblTitle", applicationTitle());
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    lblTitle->setFont(titleFont);
    QLabel* lblVersion =
        label(this, "lblVersion", QStringLiteral("版本 ") + QStringLiteral(PSD_VERSION));
    QLabel* lblDescription =
        label(this, "lblDescription",
              QStringLiteral("本程序由") + bank + QStringLiteral("开发") + QLatin1Char('\n') +
                  QStringLiteral("用于") + bank + QStringLiteral("企业网银用户脱机使用"));
    auto* cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(QStringLiteral("系统信息(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblDescription, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
    layout->setSpacing(12);
    layout->setContentsMargins(20, 18, 20, 14);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::cmdSysInfo_Click() {
    if (!StartSysInfo())
        prompter_.message(applicationTitle(), QStringLiteral("此时系统信息不可用"));
}
