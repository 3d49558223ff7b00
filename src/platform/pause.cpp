#include "platform/pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void Pause(float seconds)
{
    QElapsedTimer timer;
    timer.start();
    const qint64 wanted = qint64(double(seconds) * 1000.0 + 0.999);
    while (timer.elapsed() < wanted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}
