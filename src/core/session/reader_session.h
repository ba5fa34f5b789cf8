#pragma once

#include <QByteArray>
#include <QtGlobal>

#include "core/link/dialect.h"
#include "core/link/transport.h"
#include "core/protocol/serial_answers.h"
#include "core/settings/settings_record.h"
#include "core/session/session_result.h"

// Everything the utility says to the reader, over either transport: reading and writing the
// settings, the interface change and ISP mode. No widget: a front end turns the results into
// what it shows. The session keeps the rolling sequence number of the USB HID requests in the
// variable it is given (the window's link state, or the tool's own), and makes the reader's
// pauses through the platform seam.
class ReaderSession
{
public:
    ReaderSession(Transport &transport, const Dialect &dialect, quint8 &frameSequence);

    struct SettingsRead
    {
        SessionResult result;      // Done only when every answer came and was taken
        SettingsRecord record;     // what was taken; see the flags below
        bool statusRead = false;   // version, options, output window (and, over USB HID, the
                                   // keyboard country) are in the record
        bool hasCountry = false;   // only USB HID answers with the keyboard country
        bool affixRead[RecordFields::AffixCount] = {};  // preamble, postamble, remove data taken
        quint8 fields = 0;         // RecordFields: every part of the record the answers gave
        bool allAnswered = false;  // serial: all six answers lay whole in what came, taken or not
        QByteArray serialAnswers;  // what the serial line brought after the read frames
        QByteArray answerChunk;    // the six serial answers found in it, back to back; empty
                                   // when they were not all there
        QByteArray waiting;        // what waited on the link before the read (HeldReader::readSettings)
        QByteArray quieted;        // what the line brought before the read frames (quietLine)
    };
    // Over USB HID: the status, then the three affixes, one exchange each; the read ends at the
    // first answer that does not come. An affix answer that is refused (count, checksum) is
    // left out, and the read goes on. Over the serial line: the six read frames, 100 ms apart,
    // then what the reader sends is collected until the six answers are whole in it or
    // SerialAnswerDeadlineMs have passed. Other bytes among them (a key read meanwhile) are
    // left out of the answers. Before the frames the line is quieted (quietLine), and of the
    // answers the last whole set is taken: answers to a request of a process that is gone never
    // become settings.
    SettingsRead readSettings();

    // Drains what the serial line brings until nothing has come for LineQuietMs, or
    // LineQuietBoundMs have passed in all (a reader that types key codes without a pause).
    // A reader answers a frame at once and sends an answer's bytes without a gap, so a line
    // quiet for that long holds no answer to an earlier request: a process killed while it
    // read leaves the answers to its frames on the line. Nothing to do over USB HID, where
    // each open has a queue of its own and answers carry their request's sequence number.
    // Returns what it drained: never settings, but a key read just then is among it.
    QByteArray quietLine();

    // The Status page's one-shot read over USB HID: the status, then the three affixes, taken
    // apart as HidAnswers::parseOneShotStatus and parseOneShotAffix do. Every exchange is made
    // whatever came of the one before; the record holds what the answers say, answered or not.
    // The sequence number goes in the request's first parameter byte.
    SettingsRead readStatusOnce();
    // The preliminary read it makes while the Status page is shown: one status exchange.
    void preReadStatus();

    // The frames of the record (options, output window, keyboard country over USB HID, the
    // three affixes, the save), then the reader's 300 ms to store them, then, when
    // targetInterface (1 serial, 0 USB keyboard) is not the interface of this link, the
    // interface change. Over USB HID a frame that fails ends the write there. Serial frames
    // are all sent: the reader answers none of them; the first that did not reach the line is
    // what the result names.
    SessionResult writeSettings(const SettingsRecord &record, quint8 targetInterface);

    // The reader switches to the interface it is not on, and leaves this link.
    SessionResult changeInterface();

    // The reader leaves for its loader (three tries over USB HID).
    SessionResult enterIspMode();

    // One USB HID request and its answer: the request is written (with up to three retries),
    // then each read follows the reader's 300 ms, until the answer that carries the
    // complement of `expected` comes or HidExchange::MaxReads reads have passed. Answers to
    // older requests are skipped. `answer` keeps the bytes of the last read.
    SessionResult exchange(const QByteArray &request, QByteArray &answer, quint8 expected,
                           SessionResult::Step step);

    // The next sequence number, advanced in the variable the session was given.
    quint8 nextSequence();

    static constexpr int SerialAnswerDeadlineMs = 1000;
    static constexpr int LineQuietMs = 100;
    static constexpr int LineQuietBoundMs = 1000;
    static constexpr unsigned SerialFramePauseMs = 100;
    static constexpr unsigned SavePauseMs = 300;

    Transport &transport() { return transport_; }

private:
    SettingsRead readOverHid();
    SettingsRead readOverSerial();
    void oneShotExchange(quint8 command, QByteArray &answer, SessionResult::Step step);
    QByteArray collectSerialAnswers();
    bool sendFrame(const QByteArray &frame);
    // What a frame that did not get there means on this link.
    SessionResult::Outcome lostFrame() const;

    Transport &transport_;
    const Dialect &dialect_;
    quint8 &sequence_;
};
