#pragma once

#include <QList>
#include <QString>

#include "reader_bench.h"
#include "test_support.h"

class MainWindow;

// Ways to put a window on the virtual reader, shared by the window tests that talk to it.
namespace ReaderFixture {

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

}  // namespace ReaderFixture
