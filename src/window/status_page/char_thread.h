#pragma once

#include <QThread>

#include <atomic>

class QLabel;

// Shows the characters from 'A' upwards, one every 100 ms, in a label of the GUI thread.
// The GUI thread flips the two flags; run() reads them between its sleeps.
class charThread : public QThread
{
    Q_OBJECT

public:
    explicit charThread(QLabel *label);

    void togglePause() { paused = !paused.load(); }
    void stop() { stopped = true; }
    bool isPaused() const { return paused; }

protected:
    void run() override;

private:
    QLabel *target;
    quint8 ticker = 'A';
    std::atomic<bool> paused{false};
    std::atomic<bool> stopped{false};
};
