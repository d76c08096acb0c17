#include "app/Delay.h"

#include <QCoreApplication>
#include <QElapsedTimer>

void Delay(double milliseconds) {
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (static_cast<double>(clock.elapsed()) < milliseconds);
}
