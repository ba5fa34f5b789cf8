#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal message boxes that a call opens. Arm it before the call; every box that
// appears while it is armed is recorded and answered with the given button.
class ModalCloser : public QObject
{
    Q_OBJECT
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool hadParent = false;
    };

    explicit ModalCloser(QMessageBox::StandardButton answer = QMessageBox::Yes, QObject *parent = nullptr);
    ~ModalCloser() override;

    void setAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    // Also called with each box before it is answered.
    void setInspector(std::function<void(QMessageBox *)> inspector) { inspector_ = std::move(inspector); }

    const QList<Box> &boxes() const { return boxes_; }
    int count() const { return boxes_.size(); }
    Box last() const { return boxes_.isEmpty() ? Box() : boxes_.last(); }

private:
    void poll();

    QMessageBox::StandardButton answer_;
    std::function<void(QMessageBox *)> inspector_;
    QList<Box> boxes_;
    QTimer timer_;
};

// Collects the lines written to the debug channel while it lives (and still passes them on
// when KEYLON2_TEST_VERBOSE is set).
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture &) = delete;
    DebugCapture &operator=(const DebugCapture &) = delete;

    QStringList lines() const;
    bool contains(const QString &line) const;   // an exact line
    int count(const QString &line) const;
    void clear();
};

// Makes the program's pauses take a tenth of their time (at least 1 ms) and records each
// asked-for pause. Restores the real pause when it goes.
class FastPauses
{
public:
    explicit FastPauses(int divisor = 10);
    ~FastPauses();
    QList<unsigned> requested() const;
    void clear();
};
