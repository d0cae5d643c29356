#include "cli/CliMain.h"
#include "cli/SheetCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (paintsSummary(argc, argv)) {
        // No window is shown; painting the summary still needs fonts.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return runCli(QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath());
}
