#include "page/BatchGridTab.h"

#include "page/FixedColumnTable.h"
#include "page/StatusPanels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>

BatchGridTab::BatchGridTab(const QString& menuCaption, StatusPanels& status, QWidget* parent)
    : BatchTabPage(parent)
    , status_(status)
    , grid_(new FixedColumnTable(this))
    , menu_(new QMenu(menuCaption, this)) {}

void BatchGridTab::setUpGrid(const char* prefix, GridTableModel::Source source) {
    model_ = new GridTableModel(std::move(source), this);
    setObjectName(QLatin1String(prefix));
    grid_->setObjectName(QLatin1String(prefix) + QStringLiteral("DataGrid"));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->setModel(model_);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void BatchGridTab::buildPage(const char* prefix, const char* menuName,
                             const BatchTabCommands& commands,
                             const std::vector<PageCommand>& moreButtons) {
    static const char* const captions[] = {"新增指令", "修改或删除指令", "删除指令", "生成上传文件",
                                           "导入上传文件"};
    std::vector<PageCommand> menuCommands;
    std::vector<PageCommand> buttonCommands;
    for (size_t i = 0; i < commands.size(); ++i) {
        const BatchTabCommand& command = commands[i];
        if (command.menuName)
            menuCommands.push_back({command.menuName, captions[i], command.run});
        buttonCommands.push_back({command.buttonName, captions[i], command.run});
    }
    buttonCommands.insert(buttonCommands.end(), moreButtons.begin(), moreButtons.end());

    const std::function<void()> edit = commands[1].run;
    connect(grid_, &QTableView::doubleClicked, this, [edit] { edit(); });
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(grid_->viewport()->mapToGlobal(at)); });

    menu_->setObjectName(QLatin1String(menuName));
    addMenuCommands(menu_, menuCommands);
    auto* frame = new QFrame(this);
    frame->setObjectName(QLatin1String(prefix) + QStringLiteral("Frame"));
    grid_->setParent(frame);
    auto* inside = new QVBoxLayout(frame);
    inside->addWidget(grid_, 1);
    auto* buttons = new QHBoxLayout;
    addButtonCommands(this, buttons, buttonCommands);
    inside->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

void BatchGridTab::showTotals(const QString& count, const QString& total, const QString& capital) {
    status_.setPanel(1, QStringLiteral("总笔数"));
    status_.setPanel(2, count);
    status_.setPanel(3, QStringLiteral("总金额"));
    status_.setPanel(4, total);
    status_.setPanel(5, QStringLiteral("大写金额"));
    status_.setPanel(6, capital);
}
