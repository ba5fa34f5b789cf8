#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

#include "core_support.h"

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
    // Called, while it is on top, with a modal dialog that is no message box; it is left to
    // the handler to close it.
    void setDialogHandler(std::function<void(QDialog *)> handler) { dialogHandler_ = std::move(handler); }

    // Runs the event loop until `count` boxes in all have been answered, or the time is up.
    // False when they did not come: a test that expects a box fails within seconds, not at
    // the test runner's time-out.
    bool waitForBoxes(int count, int timeoutMs = 3000);

    const QList<Box> &boxes() const { return boxes_; }
    int count() const { return boxes_.size(); }
    Box last() const { return boxes_.isEmpty() ? Box() : boxes_.last(); }

private:
    void poll();

    QMessageBox::StandardButton answer_;
    std::function<void(QMessageBox *)> inspector_;
    std::function<void(QDialog *)> dialogHandler_;
    QList<Box> boxes_;
    QTimer timer_;
};

// Every test program with a QApplication has one watchdog: a modal window that stays open for
// longer than its patience (3 s), with nobody to answer it (no ModalCloser armed, or a dialog
// that is no message box), is closed and fails the running test, naming its title and text.
// Without it such a window would sit until the test runner gives up, minutes later.
namespace ModalWatchdog {
void setPatienceMs(int ms);   // back to the default with 0
// Where the failure goes; by default QTest::qFail. Null puts the default back.
void setReporter(std::function<void(const QString &)> reporter);
}  // namespace ModalWatchdog
