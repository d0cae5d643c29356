#include "cli/CliMain.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runCli(app.arguments().mid(1), QCoreApplication::applicationDirPath());
}
