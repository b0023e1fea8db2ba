#include "platform/Pauses.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace Pauses {
namespace {
Handler &handler() {
    static Handler current;
    return current;
}
} // namespace

void pause(int milliseconds) {
    if (handler()) {
        handler()(milliseconds);
        return;
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
}

void setHandler(Handler newHandler) {
    handler() = std::move(newHandler);
}

} // namespace Pauses
