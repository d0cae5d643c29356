#include "app/frmMain.h"

#include "app/HelpWindow.h"
#include "app/frmAbout.h"
#include "app/frmPasswd.h"
#include "app/frmSysConf.h"
#include "config/AppTitle.h"
#include "config/SharedConfig.h"
#include "config/SysConf.h"
#include "page/StatusPanels.h"
#include "page/TabPage.h"
#include "payment/PaymentTab.h"
#include "payroll/LaborageTab.h"
#include "refdata/EmployeeTab.h"
#include "refdata/PayAccTab.h"
#include "refdata/PayeeAccTab.h"
#include "refdata/UserRemarkTab.h"
#include "sheets/SheetMenu.h"
#include "store/DBAccess.h"
#include "store/Prompter.h"

#include <QApplication>
#include <QIcon>
#include <QMenuBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>

namespace {

struct BatchCommand {
    const char* deleteStatement;
    const char* failure;
};

// menuNew on tab 0 and tab 1.
const BatchCommand kBatchCommands[] = {
    {"delete from payment", "无法新建批量支付数据,数据库发生错误"},
    {"delete from laborage", "无法新建代发工资/代报销数据,数据库发生错误"},
};

QAction* addCommand(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* namedMenu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

frmMain::frmMain(DBAccess& db, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent)
    , db_(db)
    , prompter_(prompter)
    , SSTabMain_(new QTabWidget(this))
    , status_(new StatusPanels(this)) {
    setObjectName(QStringLiteral("frmMain"));
    SysConf conf;
    showConfiguredTitle();
    resize(1000, 680);

    SSTabMain_->setObjectName(QStringLiteral("SSTabMain"));
    setCentralWidget(SSTabMain_);
    setStatusBar(status_);
    createPages();
    buildMenus();
    buildToolbar();

    SSTabMain_->setCurrentIndex(0);
    SSTabMain_Click(0);
    connect(SSTabMain_, &QTabWidget::currentChanged, this, &frmMain::SSTabMain_Click);
    qApp->installEventFilter(new ModalHelpKey(prompter_, this));
}

QString frmMain::titleFor(const QString& bankName) {
    return bankName + QStringLiteral("企业网上银行批量制单工具") + QStringLiteral("v1.2");
}

// One page a tab, in tab order.
void frmMain::createPages() {
    payment_ = new PaymentTab(db_, prompter_, *status_);
    laborage_ = new LaborageTab(db_, prompter_, *status_);
    pages_ = {payment_,
              laborage_,
              new PayAccTab(db_, prompter_, *status_),
              new PayeeAccTab(db_, prompter_, *status_),
              new EmployeeTab(db_, prompter_, *status_),
              new UserRemarkTab(db_, prompter_, *status_)};
    const QString captions[kTabCount] = {
        QStringLiteral("批量支付"), QStringLiteral("代发工资/代报销"), QStringLiteral("付款账户"),
        QStringLiteral("收款账户"), QStringLiteral("代发名册"),        QStringLiteral("备注")};
    for (int tab = 0; tab < kTabCount; ++tab)
        SSTabMain_->addTab(pages_[static_cast<size_t>(tab)], captions[tab]);
}

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = namedMenu(bar, "menuFile", QStringLiteral("文件(&F)"));
    menuNew_ = addCommand(file, "menuNew", QStringLiteral("新建批次(&N)"));
    menuSave_ = addCommand(file, "menuSave", QStringLiteral("生成上传文件(&S)"));
    file->addSeparator();
    QAction* exit = addCommand(file, "menuExit", QStringLiteral("退出(&X)"));

    bar->addMenu(payment_->functionMenu());
    bar->addMenu(laborage_->functionMenu());
    addSheetCommands(payment_->functionMenu(), BatchKind::Payment, db_, prompter_, this,
                     [this] { payment_->reload(); });
    addSheetCommands(laborage_->functionMenu(), BatchKind::Payroll, db_, prompter_, this,
                     [this] { laborage_->reload(); });

    QMenu* system = namedMenu(bar, "menuSystem", QStringLiteral("系统(&S)"));
    QAction* passwd = addCommand(system, "menuPasswd", QStringLiteral("修改登录密码(&P)..."));
    QAction* option = addCommand(system, "option", QStringLiteral("系统设定(&O)..."));
    system->addSeparator();
    QAction* helpFile = addCommand(system, "menuHelpFile", QStringLiteral("帮助(&H)"));
    helpFile->setShortcut(QKeySequence(Qt::Key_F1));
    helpFile->setShortcutContext(Qt::ApplicationShortcut);
    QAction* about = addCommand(system, "menuAbount", QStringLiteral("关于(&A)..."));

    QMenu* tool = namedMenu(bar, "tool", QStringLiteral("工具(&T)"));
    QAction* advanced = addCommand(tool, "advanced", QStringLiteral("高级(&V)"));
    QMenu* help = namedMenu(bar, "menuHelp", QStringLiteral("帮助(&H)"));
    for (QAction* hidden :
         {payment_->functionMenu()->menuAction(), laborage_->functionMenu()->menuAction(),
          help->menuAction(), tool->menuAction(), advanced})
        hidden->setVisible(false);

    connect(menuNew_, &QAction::triggered, this, &frmMain::menuNew_Click);
    connect(menuSave_, &QAction::triggered, this, &frmMain::menuSave_Click);
    connect(exit, &QAction::triggered, this, &frmMain::menuExit_Click);
    connect(helpFile, &QAction::triggered, this, &frmMain::menuHelpFile_Click);
    connect(passwd, &QAction::triggered, this, &frmMain::menuPasswd_Click);
    connect(option, &QAction::triggered, this, &frmMain::option_Click);
    connect(about, &QAction::triggered, this, &frmMain::menuAbount_Click);
}

// Buttons 3 to 5 are separators and do nothing.
void frmMain::buildToolbar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("mainToolbar"));
    toolbar->setObjectName(QStringLiteral("mainToolbar"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QStyle* look = style();
    toolbarNew_ = toolbar->addAction(look->standardIcon(QStyle::SP_FileIcon),
                                     QStringLiteral("新建"), this, &frmMain::menuNew_Click);
    toolbarSave_ =
        toolbar->addAction(look->standardIcon(QStyle::SP_DialogSaveButton),
                           QStringLiteral("生成上传文件"), this, &frmMain::menuSave_Click);
    QAction* buttons[6] = {toolbarNew_,
                           toolbarSave_,
                           toolbar->addSeparator(),
                           toolbar->addSeparator(),
                           toolbar->addSeparator(),
                           nullptr};
    buttons[5] = toolbar->addAction(look->standardIcon(QStyle::SP_DialogHelpButton),
                                    QStringLiteral("帮助"), this, &frmMain::menuHelpFile_Click);
    for (int number = 1; number <= 6; ++number)
        buttons[number - 1]->setObjectName(QStringLiteral("mainToolbar_Button%1").arg(number));
}

void frmMain::SSTabMain_Click(int tab) {
    pages_[static_cast<size_t>(previousTab_)]->clearList();
    previousTab_ = tab;
    const bool batch = batchPage(tab) != nullptr;
    for (QAction* command : {menuNew_, menuSave_, toolbarNew_, toolbarSave_})
        command->setEnabled(batch);
    payment_->functionMenu()->menuAction()->setVisible(tab == 0);
    laborage_->functionMenu()->menuAction()->setVisible(tab == 1);
    pages_[static_cast<size_t>(tab)]->reload();
}

BatchTabPage* frmMain::batchPage(int tab) const {
    if (tab == 0)
        return payment_;
    if (tab == 1)
        return laborage_;
    return nullptr;
}

void frmMain::menuNew_Click() {
    const int tab = SSTabMain_->currentIndex();
    BatchTabPage* page = batchPage(tab);
    if (!page)
        return;
    if (page->rowCount() > 0 &&
        prompter_.message(applicationTitle(),
                          QStringLiteral("原有数据将被全部清空，请确认是否要继续?"),
                          MsgIcon::Question, MsgButtons::OkCancel) != MsgAnswer::Ok)
        return;
    const BatchCommand& command = kBatchCommands[tab];
    if (!db_.Delete(QString::fromUtf8(command.deleteStatement)))
        prompter_.message(applicationTitle(), QString::fromUtf8(command.failure));
    page->reload();
}

void frmMain::menuSave_Click() {
    if (BatchTabPage* page = batchPage(SSTabMain_->currentIndex()))
        page->writeUploadFile();
}

void frmMain::menuExit_Click() {
    db_.Disconnect();
    close();
}

void frmMain::menuHelpFile_Click() {
    showProgramHelp(this, prompter_);
}

void frmMain::menuPasswd_Click() {
    frmPasswd dialog(db_, prompter_, this);
    dialog.exec();
}

// The dialog reloads the shared values when it opens and after each save; the title and icon
// follow them.
void frmMain::option_Click() {
    frmSysConf dialog(prompter_, this);
    dialog.exec();
    showConfiguredTitle();
}

void frmMain::menuAbount_Click() {
    frmAbout dialog(prompter_, this);
    dialog.exec();
}

void frmMain::showConfiguredTitle() {
    setWindowTitle(titleFor(sharedConfig().bankName));
    if (!sharedConfig().iconPath.isEmpty())
        setWindowIcon(QIcon(sharedConfig().iconPath));
}
