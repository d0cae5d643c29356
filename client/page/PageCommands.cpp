#include "page/PageCommands.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

void addMenuCommands(QMenu* menu, const std::vector<PageCommand>& commands) {
    for (const PageCommand& command : commands) {
        QAction* action = menu->addAction(QString::fromUtf8(command.caption));
        action->setObjectName(QLatin1String(command.name));
        QObject::connect(action, &QAction::triggered, menu, command.run);
    }
}

void addButtonCommands(QWidget* parent, QHBoxLayout* row,
                       const std::vector<PageCommand>& commands) {
    for (const PageCommand& command : commands) {
        auto* button = new QPushButton(QString::fromUtf8(command.caption), parent);
        button->setObjectName(QLatin1String(command.name));
        QObject::connect(button, &QPushButton::clicked, parent, command.run);
        row->addWidget(button);
    }
    row->addStretch(1);
}
