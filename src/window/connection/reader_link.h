#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "window/connection/exchange_runner.h"
#include "window/connection/link_state.h"
#include "core/reader/firmware_check.h"
#include "core/reader/held_reader.h"
#include "core/session/reader_session.h"

// The link to the reader that the window holds: at most one at a time, over whichever transport
// the operator chose. It opens the link, takes it down, keeps the link state that every action
// reads, and says when the link went down. It knows no widget, and no transport but through the
// reader's dialect.
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

    // Opens the reader the operator chose (its kind, and its port where it has one; over USB HID
    // the IDs the probe found are tried). The link it had before goes first. On success the
    // transport flags say which of the reader's interfaces this link alone reaches, so that the
    // actions that pick a way by them never write to a serial port that a former link left
    // closed. The reader's lock is held from the open until the link is taken down: a reader
    // that another process holds is not connected (busy), and nothing is sent to it; nor is one
    // for which no lock can be had (noLock): another program could send its frames between the
    // window's. Failure::None when it opened; else the front end words the error.
    HeldReader::Error open(ReaderList::Reader chosen);
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

    // The reader on the link, and its session. On a link that is not open every exchange fails.
    HeldReader &reader() { return reader_; }
    ReaderSession session() { return reader_.session(); }
    // The session on the reader's USB keyboard interface: the link's when it reaches that
    // interface, else one on a link that is not open.
    ReaderSession keyboardSession();

    // Runs an exchange with the reader (a callable that uses the sessions above) on the worker
    // thread and returns what it returned; the window stays alive meanwhile. The poll of the
    // serial line waits, and a line that went down during the exchange is taken down after it.
    // While another exchange runs it is refused and returns nothing (ExchangeRunner::run).
    template<typename Exchange>
    auto exchange(Exchange &&job)
    {
        return runner_.run(reader_.transport().threadBound(), std::forward<Exchange>(job));
    }
    // An exchange runs: nothing else may talk to the reader or touch the link until it is over.
    bool exchanging() const { return runner_.busy(); }
    ExchangeRunner &runner() { return runner_; }

    // What the reader sent unasked that has come in on the link; empty when nothing or no link.
    QByteArray takeArrived() { return reader_.transport().takeArrived(); }

    // What the reader on this link was last seen to hold: its last whole read, with a write that
    // went through since put over it. A firmware update is checked against it; none before a
    // whole read of this link.
    const std::optional<FirmwareCheck::Backup> &seen() const { return seen_; }
    void noteRead(const ReaderSession::SettingsRead &read);
    void noteWritten(const SettingsRecord &record);

    void setInterfaceSetting(quint8 serial) { state_.interfaceSetting = serial; }
    void setCurrentTab(int index) { state_.currentTab = quint8(index); }
    void noteStatusPreRead() { state_.statusPreRead = 1; }
    void noteStatusShown() { state_.statusShown = 1; }
    // The developer's dump of the reader's diagnostic interface. The device it opens becomes
    // the link's USB HID handle (unless the link went to the serial line); the link counts as
    // neither connected nor USB HID.
    void dumpDiagnosticInterface();

signals:
    void wentDown();
    // The device behind the link (a serial port) went away while connected; the link is down
    // already.
    void lineGone(const QString &portName);
    void readerLeft();
    // Every 100 ms while a link that carries key reads is open: time to take what the reader
    // sent.
    void pollDue();

private:
    friend struct WindowProbe;

    void takeDownGoneLine(const Transport *link, const QString &portName);
    void afterExchange();

    QObject *timerOwner_;
    LinkState state_;
    HeldReader reader_;  // the latest link, open or not; none at first
    HeldReader noKeyboardLink_;
    ExchangeRunner runner_;
    std::optional<FirmwareCheck::Backup> seen_;
    std::function<void()> lineGoneAfterExchange_;  // a line that went down while the worker had it
};
