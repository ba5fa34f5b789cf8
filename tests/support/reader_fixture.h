#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "serial_endpoint.h"
#include "test_support.h"

class MainWindow;

// Ways to put a window on the virtual reader, shared by the tests that talk to it.
namespace ReaderFixture {

// The virtual reader in its factory state: on USB HID as product 0xF100, nothing received.
void resetReader();

// Where each test that talks to the reader starts: call start() from init(), stop() from
// cleanup(). start() resets the reader and the platform's seams and shortens the pauses to a
// tenth (recorded, see FastPauses); stop() restores the seams.
class Bench
{
public:
    void start();
    void stop();
    FastPauses &pauses() { return *fast_; }

private:
    std::unique_ptr<FastPauses> fast_;
};

// The reader switched to its serial interface and answering behind the endpoint, which is
// started when it is not running yet. False when no pseudo-terminal could be had.
bool startSerialReader(VirtualReader::SerialEndpoint &endpoint);

struct ConnectOutcome
{
    bool connected = false;           // the window's connected flag after the click
    QList<ModalCloser::Box> boxes;    // the boxes the read opened, in order (answered Yes)
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }
};

// Clicks ConnectBut with USBKB_radcmd checked. The window is told the IDs the reader answers
// to, as the start-up probe would have found them. The read's box is answered.
ConnectOutcome connectOverHid(MainWindow &window);

// Clicks ConnectBut with Searal_radcmd checked and the endpoint's port in SerialNameEdit.
// The read's box is answered; the read itself waits for the reader's answers.
ConnectOutcome connectOverSerial(MainWindow &window, VirtualReader::SerialEndpoint &endpoint);

// The virtual reader with its serial endpoint, connected to a window over either transport.
// Declare it before the window, so that the endpoint outlives the window's port.
struct Reader
{
    VirtualReader::SerialEndpoint endpoint;
    ConnectOutcome outcome;
    Reader();
    bool connect(MainWindow &window, bool serial);
    // Connects, lets what the connect's read sent settle, and forgets what the reader received,
    // so that a test sees only the frames of the action it tries.
    bool connectQuietly(MainWindow &window, bool serial);
};

// Clicks a button (e.g. GetKLNStatusBut) and answers the boxes it opens.
QList<ModalCloser::Box> clickAnswering(MainWindow &window, const char *buttonName);

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);

// Until the reader has taken in at least this many serial bytes / frames (both transports).
bool waitForSerialBytes(int count, int timeoutMs = 5000);
bool waitForFrames(int count, int timeoutMs = 5000);

}  // namespace ReaderFixture
