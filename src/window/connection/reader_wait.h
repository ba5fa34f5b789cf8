#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class ExchangeRunner;
class QWidget;

namespace Ui {
class MainWindow;
}

// The window while an exchange with the reader runs on the worker: it repaints and shows a busy
// cursor, the controls that would start another action or change the link are disabled, the
// operator's clicks and keys are held off, and a close waits until the exchange is over (the
// reader gets all of it, then its box, then the window closes). Afterwards every control is
// as enabled as it was, and the focus is where it was.
class ReaderWait : public QObject
{
    Q_OBJECT

public:
    ReaderWait(QWidget &window, Ui::MainWindow &ui, ExchangeRunner &runner);
    ~ReaderWait() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void begin();
    void end();
    void closeWhenIdle();

    QWidget &window_;
    Ui::MainWindow &ui_;
    ExchangeRunner &runner_;
    bool waiting_ = false;
    bool closeAsked_ = false;
    std::vector<QPointer<QWidget>> disabled_;  // what begin() disabled, and end() enables again
    QPointer<QWidget> focus_;
};
