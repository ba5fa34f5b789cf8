#include "window/app/char_thread.h"

#include <QLabel>
#include <QMetaObject>

charThread::charThread(QLabel *label)
    : target(label)
{
}

void charThread::run()
{
    // The label belongs to the GUI thread: every text is handed over through its event queue.
    const auto show = [this](const QString &text) {
        QMetaObject::invokeMethod(target, "setText", Qt::QueuedConnection, Q_ARG(QString, text));
    };

    for (;;) {
        if (stopped) {
            show(QStringLiteral("Thread stop"));
            return;
        }
        show(ticker ? QString(QChar(ticker)) : QString());
        ++ticker;
        QThread::msleep(100);
        // A stop also ends a pause, so that a paused ticker can still be stopped.
        while (paused && !stopped)
            QThread::msleep(100);
    }
}
