#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "core/link/access_check.h"
#include "window/connection/exchange_runner.h"
#include "window/connection/link_state.h"
#include "core/link/reader_lock.h"
#include "core/reader/held_reader.h"
#include "core/session/reader_session.h"

class HidTransport;
class QSerialPort;
class SerialTransport;

// The link to the reader that the window holds: at most one at a time, over USB HID or the
// serial line. It opens the link, takes it down, keeps the link state that every action reads,
// and says when the link went down. It knows no widget.
class ReaderLink : public QObject
{
    Q_OBJECT

public:
    // The poll timer of a serial link is made a child of timerOwner, the window.
    explicit ReaderLink(QObject *timerOwner);
    ~ReaderLink() override;

    const LinkState &state() const { return state_; }

    // Learns which product ID a reader on USB HID answers to, and closes it again at once:
    // the connect opens it anew. True when one answered.
    bool probe();

    struct Opened
    {
        bool ok = false;
        AccessCheck::Diagnosis access;  // why it did not open, when the reader refused this user
        bool busy = false;              // another process holds the reader's lock
        QString node;                   // with busy: the reader's node
        ReaderLock::Holder holder;      // and who holds it
        bool noLock = false;            // no lock of any kind could be had for the reader at node
        QString lockError;              // with noLock: why
    };
    // On success the transport flags describe this link alone, so that the actions that pick
    // a transport by them never write to a serial port that a former link left closed. The
    // reader's lock is held from the open until the link is taken down: a reader that another
    // process holds is not connected (busy), and nothing is sent to it; nor is one for which
    // no lock can be had (noLock): another program could send its frames between the window's.
    Opened openHid();
    Opened openSerial(const QString &portName);
    // The connect is done: the window counts as connected, and the one-shot status read
    // starts over.
    void markConnected();
    void markNotConnected();

    enum class Teardown {
        Disconnect,  // says so on the debug channel
        Leave,       // the reader leaves for its other interface, without a word
    };
    // Takes the link down, then emits wentDown(). The transport flags stay as they are: they
    // say which link the window last had.
    void takeDown(Teardown how);
    // The reader is leaving the interface of this link: the link goes down with it, then
    // readerLeft() (the utility closes; the operator connects again over the other transport).
    void leaveForOtherInterface();

    // The reader on the link: the serial port when serialActive, USB HID otherwise. Its
    // sessions, and the USB HID one whatever the flags say. On a link that is not open every
    // exchange fails.
    HeldReader &reader();
    ReaderSession session();
    ReaderSession hidSession();

    // Runs an exchange with the reader (a callable that uses the sessions above) on the worker
    // thread and returns what it returned; the window stays alive meanwhile. The poll of the
    // serial line waits, and a line that went down during the exchange is taken down after it.
    template<typename Exchange>
    auto exchange(Exchange &&job) -> decltype(job())
    {
        return runner_.run(serialPort(), std::forward<Exchange>(job));
    }
    // An exchange runs: nothing else may talk to the reader or touch the link until it is over.
    bool exchanging() const { return runner_.busy(); }
    ExchangeRunner &runner() { return runner_; }

    QSerialPort *serialPort() const;
    // All the serial port holds; empty when nothing or no port.
    QByteArray takeSerialBytes();

    void setInterfaceSetting(quint8 serial) { state_.interfaceSetting = serial; }
    void setCurrentTab(int index) { state_.currentTab = quint8(index); }
    void noteStatusPreRead() { state_.statusPreRead = 1; }
    void noteStatusShown() { state_.statusShown = 1; }
    // The developer's dump of the reader's diagnostic interface. The device it opens becomes
    // the link's USB HID handle; the link counts as neither connected nor USB HID.
    void dumpDiagnosticInterface();

signals:
    void wentDown();
    // The serial port's device went away while connected; the link is down already.
    void lineGone(const QString &portName);
    void readerLeft();
    // Every 100 ms while a serial link is open: time to take what the reader sent.
    void pollDue();

private:
    friend struct WindowProbe;

    void watchForLineGone(const QString &portName);
    void takeDownGoneLine(QSerialPort *port, const QString &portName);
    // The window's words for a reader that did not open: busy (who holds it), no lock, or
    // refused (why).
    static Opened refused(const HeldReader::Error &error);
    // The reader takes the place of the USB HID (or serial) one; hidDevice shows the handle.
    void adoptHid(HeldReader reader);
    void adoptSerial(HeldReader reader);
    HidTransport &hid() const;
    SerialTransport &serial() const;
    void closeHid();
    void releaseLocks();
    void afterExchange();

    QObject *timerOwner_;
    LinkState state_;
    HeldReader hid_;     // its handle is null when none is open
    HeldReader serial_;  // the latest serial port, open or not (its QSerialPort has no Qt parent);
                         // no port at first
    ExchangeRunner runner_;
    std::function<void()> lineGoneAfterExchange_;  // a line that went down while the worker had it
};
