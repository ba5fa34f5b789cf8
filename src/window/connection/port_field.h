#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

// Fills the serial port field with the reader's port. Listing the ports walks every tty of the
// system and costs more than painting the whole window, so the field holds the default name
// until the window's first frame is out, and the list is taken right after: once what waited
// behind the first paint has run, or at the first thing the operator does, whichever comes
// first. A name put into the field before then stays.
class PortFieldFill : public QObject
{
    Q_OBJECT

public:
    PortFieldFill(QWidget &window, QLineEdit &field);

    // Takes the list now, unless it was taken or the field was given a name meanwhile.
    void fillNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    void stop();

    QWidget &window_;
    QLineEdit &field_;
    bool pending_ = true;
    bool painted_ = false;
};
