#include "app/EventWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace stub {

void PumpFor(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace stub
