#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

// Presses Yes on a message box as soon as it shows and notes when it appeared.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(const QElapsedTimer &clock)
        : clock_(clock)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (shownAt_ < 0)
                shownAt_ = clock_.nsecsElapsed();
            text_ = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        timer_.start(1);
    }
    qint64 shownAt() const { return shownAt_; }
    QString text() const { return text_; }

private:
    const QElapsedTimer &clock_;
    QTimer timer_;
    qint64 shownAt_ = -1;
    QString text_;
};
