// A small windowed program for the window tests: a main window with a titled dialog it owns.
// Prints both window ids once they are on screen, ends with 7 when its main window is closed.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <QWindow>
#include <cstdio>

namespace {

class MainWindow : public QMainWindow {
protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        QCoreApplication::exit(7);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MainWindow main;
    main.setWindowTitle("Product");
    main.resize(300, 200);
    main.show();
    QDialog dialog(&main);
    dialog.setWindowTitle("Options");
    dialog.show();
    while (!main.windowHandle()->isExposed() || !dialog.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%llu %llu\n", static_cast<unsigned long long>(main.winId()),
                static_cast<unsigned long long>(dialog.winId()));
    std::fflush(stdout);
    return app.exec();
}
