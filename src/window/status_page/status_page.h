#pragma once

#include <QByteArray>

namespace Ui {
class MainWindow;
}

class charThread;

// The Status page and the developer's diagnostics: what the reader sends on the serial line,
// shown as it comes; the serial port list on the debug channel; the character ticker.
class StatusPage
{
public:
    explicit StatusPage(Ui::MainWindow &ui);
    // Gives the page, once its widgets are built, the log that keeps up with a reader that
    // sends all day, before any text reaches it.
    void setUp();

    // Appends the chunk, as UTF-8 without its 0x00 bytes, at the end of the page with the next
    // frame; a character that the chunk ends inside shows once the next chunk finishes it.
    void echo(const QByteArray &chunk);

    void listPorts();
    // Pauses the ticker, or lets it go on; nothing when the window holds none.
    void toggleTicker();

private:
    friend struct WindowProbe;

    Ui::MainWindow &ui_;
    charThread *ticker_ = nullptr;  // the window never makes one
};
