#include "core/session/reader_session.h"

#include <QDebug>
#include <QElapsedTimer>

#include <vector>

#include "core/platform/platform.h"
#include "core/protocol/frames.h"
#include "core/protocol/hid_answers.h"
#include "core/protocol/hid_exchange.h"
#include "core/protocol/hid_io.h"
#include "core/protocol/settings_frames.h"
#include "core/settings/settings_table.h"

using Outcome = SessionResult::Outcome;
using Step = SessionResult::Step;

namespace {

Step stepOfCommand(quint8 command)
{
    switch (command) {
    case CmdStatus: return Step::Status;
    case CmdOptions: return Step::Options;
    case CmdOutput: return Step::OutputWindow;
    case CmdKBCountry: return Step::KeyboardCountry;
    case CmdGetPre:
    case CmdSetPre: return Step::Preamble;
    case CmdGetPost:
    case CmdSetPost: return Step::Postamble;
    case CmdGetRemove:
    case CmdSetRemove: return Step::RemoveData;
    case CmdSave: return Step::Save;
    default: return Step::None;
    }
}

void logAffixAnswer(const char *line, const QByteArray &answer)
{
    qDebug(line, quint8(answer[0]), quint8(answer[1]), quint8(answer[2]), quint8(answer[3]), quint8(answer[4]));
}

}  // namespace

ReaderSession::ReaderSession(Transport &transport, const Dialect &dialect, quint8 &frameSequence)
    : transport_(transport)
    , dialect_(dialect)
    , sequence_(frameSequence)
{
}

SessionResult::Outcome ReaderSession::lostFrame() const
{
    return dialect_.link.lostFrame == LinkBehaviour::LostFrame::LineGone ? Outcome::LineGone : Outcome::FrameFailed;
}

quint8 ReaderSession::nextSequence()
{
    return Frames::advanceSequence(sequence_);
}

SessionResult ReaderSession::exchange(const QByteArray &request, QByteArray &answer, quint8 expected,
                                      Step step)
{
    answer.fill(char(0x00), qMax(answer.size(), Frames::ReportSize));

    bool written = false;
    for (int write = 1; write <= HidExchange::MaxWrites; ++write) {
        if (transport_.write(request)) {
            // The last write is made after three failures; even when it goes through, the
            // exchange has given up on this request.
            written = write < HidExchange::MaxWrites;
            break;
        }
        if (write == HidExchange::MaxWrites)
            break;
        qDebug("Unable to write Get Attach PreAmble Data command\n");
        qDebug("Error: %ls\n", qUtf16Printable(transport_.errorText()));
    }
    if (!written)
        return failure(Outcome::FrameFailed, step, transport_.errorText());

    // A reader that never answers must not freeze the window: the reads are bounded.
    bool linkFailed = false;
    QByteArray report;
    for (int read = 0; read < HidExchange::MaxReads; ++read) {
        Platform::sleepMs(HidExchange::AnswerPauseMs);
        for (int i = 0; i < 4; ++i)
            answer[i] = char(0x00);
        const int received = transport_.receive(report, HidExchange::ReadTimeoutMs);
        if (received > 0)
            answer.replace(0, qMin(received, int(answer.size())), report.left(answer.size()));
        if (received < 0) {
            qDebug("Unable to read PreAmble Data \n");
            linkFailed = true;
        }
        qDebug("Read = %x %x %x", quint8(answer[48]), quint8(answer[49]), quint8(answer[50]));
        if (received <= 0)
            continue;
        if (!Frames::answerMatches(answer, expected))
            continue;  // the answer to some other request
        return SessionResult();
    }
    if (linkFailed && transport_.lineGone())
        return failure(Outcome::LineGone, step, transport_.errorText());
    return failure(Outcome::NoAnswer, step);
}

ReaderSession::SettingsRead ReaderSession::readSettings()
{
    return dialect_.link.framesInReports ? readOverHid() : readOverSerial();
}

ReaderSession::SettingsRead ReaderSession::readOverHid()
{
    SettingsRead read;
    QByteArray answer(Frames::ReportSize, char(0x00));

    quint8 sequence = nextSequence();
    read.result = exchange(Frames::hidReport(Frames::readFrame(CmdStatus), sequence), answer, sequence,
                           Step::Status);
    if (!read.result.ok())
        return read;
    read.record = HidAnswers::parseStatus(answer);
    read.statusRead = true;
    read.hasCountry = dialect_.reader.carriesCountry;
    read.fields = RecordFields::Status | (dialect_.reader.carriesCountry ? RecordFields::Country : 0);

    for (int i = 0; i < RecordFields::AffixCount; ++i) {
        const Settings::Setting &affix = *Settings::affixes().at(i);
        const Step step = stepOfCommand(affix.readCommand);
        sequence = nextSequence();
        const SessionResult result =
            exchange(Frames::hidReport(Frames::readFrame(affix.readCommand), sequence), answer, sequence, step);
        if (!result.ok()) {
            read.result = result;
            return read;
        }
        logAffixAnswer(affix.readLine, answer);
        if (const auto codes = HidAnswers::parseAffix(answer)) {
            read.record.*affix.codes = *codes;
            read.affixRead[i] = true;
            read.fields |= RecordFields::affix(i);
        } else if (read.result.ok()) {
            read.result = failure(Outcome::BadAnswer, step);
        }
    }
    return read;
}

void ReaderSession::oneShotExchange(quint8 command, QByteArray &answer, Step step)
{
    // The one-shot read keeps the sequence number in the frame's first parameter byte.
    constexpr int SequenceByte = 4;
    const quint8 sequence = nextSequence();
    QByteArray request = Frames::hidReport(Frames::readFrame(command));
    request[SequenceByte] = char(sequence);
    exchange(request, answer, sequence, step);  // what came back is taken whatever it is
}

void ReaderSession::preReadStatus()
{
    QByteArray answer(Frames::ReportSize, char(0x00));
    oneShotExchange(CmdStatus, answer, Step::Status);
}

ReaderSession::SettingsRead ReaderSession::readStatusOnce()
{
    SettingsRead read;
    QByteArray answer(Frames::ReportSize, char(0x00));
    oneShotExchange(CmdStatus, answer, Step::Status);
    read.record = HidAnswers::parseOneShotStatus(answer);
    read.statusRead = true;
    read.fields = RecordFields::Status;

    for (int i = 0; i < RecordFields::AffixCount; ++i) {
        const Settings::Setting &affix = *Settings::affixes().at(i);
        oneShotExchange(affix.readCommand, answer, stepOfCommand(affix.readCommand));
        logAffixAnswer(affix.oneShotLine, answer);
        if (const auto codes = HidAnswers::parseOneShotAffix(answer)) {
            read.record.*affix.codes = *codes;
            read.affixRead[i] = true;
            read.fields |= RecordFields::affix(i);
        }
        if (affix.readCommand == CmdGetRemove)
            qDebug("Checksum = %x", Frames::checksum(answer.left(quint8(answer[1]) + 1)));
    }
    return read;
}

ReaderSession::SettingsRead ReaderSession::readOverSerial()
{
    SettingsRead read;
    SessionResult firstFailure;
    read.quieted = quietLine();
    // The answers come in the order of the frames: the status, then each affix of the table.
    std::vector<quint8> frames = {CmdStatus, CmdOptions, CmdOutput};
    for (const Settings::Setting *affix : Settings::affixes())
        frames.push_back(affix->readCommand);
    for (const quint8 frame : frames) {
        if (!transport_.write(Frames::readFrame(frame)) && firstFailure.ok())
            firstFailure = failure(Outcome::LineGone, stepOfCommand(frame), transport_.errorText());
        Platform::sleepMs(SerialFramePauseMs);
    }

    // The reader answers on its own time: collect what it sends. Only a whole set of answers
    // is a success.
    read.serialAnswers = collectSerialAnswers();
    // A key read while the reader answered puts its ID code among the answers; the answers
    // are taken from where they are.
    const SerialAnswers::Found found = SerialAnswers::findAnswers(read.serialAnswers);
    read.answerChunk = found.answers;
    const SerialAnswers::Parsed parsed = SerialAnswers::parse(found.whole ? found.answers : read.serialAnswers);
    const SerialAnswers::Taken taken = SerialAnswers::take(parsed);
    read.record = taken.record;
    read.fields = taken.fields;
    read.allAnswered = parsed.allComplete();
    read.statusRead = taken.fields & RecordFields::OutputWindow;
    for (int i = 0; i < RecordFields::AffixCount; ++i)
        read.affixRead[i] = taken.fields & RecordFields::affix(i);

    if (read.allAnswered) {
        for (int i = 0; i < RecordFields::AffixCount && read.result.ok(); ++i) {
            if (!read.affixRead[i])
                read.result = failure(Outcome::BadAnswer, stepOfCommand(frames[3 + i]));
        }
    } else if (!firstFailure.ok()) {
        read.result = firstFailure;
    } else if (transport_.lineGone()) {
        read.result = failure(Outcome::LineGone, Step::Status, transport_.errorText());
    } else if (read.serialAnswers.isEmpty()) {
        read.result = failure(Outcome::NoAnswer, Step::Status);
    } else {
        // The answer that the parser stopped at: the header, or the first one cut short.
        const int stopped = parsed.recognised ? parsed.complete : 0;
        read.result = failure(stopped == 0 ? Outcome::BadAnswer : Outcome::NoAnswer, stepOfCommand(frames[stopped]));
    }
    return read;
}

QByteArray ReaderSession::quietLine()
{
    QByteArray drained;
    if (!dialect_.link.quietsLine)
        return drained;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QByteArray chunk;
    for (;;) {
        const qint64 left = LineQuietBoundMs - sinceStart.elapsed();
        if (left <= 0)
            break;
        const int received = transport_.receive(chunk, int(qMin<qint64>(LineQuietMs, left)));
        if (received <= 0)
            break;  // quiet for LineQuietMs, or the line is gone (the read says so)
        drained += chunk;
    }
    return drained;
}

QByteArray ReaderSession::collectSerialAnswers()
{
    QByteArray collected;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QByteArray chunk;
    // Writing the frames may have taken in answers already.
    if (transport_.receive(chunk, 0) < 0)
        return collected;
    collected = chunk;
    // The reader may hold its answers back and send them in parts, some way apart in time:
    // a pause in the line says nothing, only a whole set of answers ends the wait early.
    while (!SerialAnswers::findAnswers(collected).whole) {
        const qint64 left = SerialAnswerDeadlineMs - sinceStart.elapsed();
        if (left <= 0)
            break;
        const int received = transport_.receive(chunk, int(left));
        if (received < 0)
            break;  // the line is gone
        collected += chunk;
    }
    return collected;
}

bool ReaderSession::sendFrame(const QByteArray &frame)
{
    if (!dialect_.link.framesInReports)
        return transport_.write(frame);
    if (transport_.write(Frames::hidReport(frame)))
        return true;
    logHidWriteFailure(transport_.errorText());
    return false;
}

SessionResult ReaderSession::writeSettings(const SettingsRecord &record, quint8 targetInterface)
{
    const quint8 serialLink = dialect_.reader.value;
    SessionResult result;
    const auto sent = [&](const QByteArray &frame, Step step) {
        if (sendFrame(frame))
            return true;
        if (result.ok())
            result = failure(lostFrame(), step, transport_.errorText());
        // A frame the reader answers not is not missed by it either: the rest still goes out.
        return !dialect_.link.framesInReports;
    };

    const auto frames = SettingsWrite::settingsFrames(record, serialLink, targetInterface, dialect_.reader.carriesCountry);
    for (const SettingsWrite::Frame &frame : frames) {
        if (serialLink && frame.command == CmdSetRemove)
            qDebug("RS232 RemoveDataEdit Start");
        if (!sent(frame.bytes, stepOfCommand(frame.command)))
            return result;
    }

    // The reader needs the time to store the page before anything else arrives.
    Platform::sleepMs(SavePauseMs);

    if (SettingsWrite::changesInterface(serialLink, targetInterface))
        sent(Frames::keyedFrame(CmdChangeInterface), Step::InterfaceChange);
    return result;
}

SessionResult ReaderSession::changeInterface()
{
    // The frame names no target: the reader always switches to the interface it is not on.
    if (sendFrame(Frames::keyedFrame(CmdChangeInterface)))
        return SessionResult();
    return failure(lostFrame(), Step::InterfaceChange, transport_.errorText());
}

SessionResult ReaderSession::enterIspMode()
{
    const QByteArray frame = Frames::keyedFrame(CmdIspMode);
    if (dialect_.link.logsIspFrame)
        qDebug("serial_buf: %x %x", unsigned(quint8(frame[4])), unsigned(quint8(frame[5])));
    for (int attempt = 0; attempt < dialect_.link.ispTries; ++attempt) {
        if (sendFrame(frame))
            return SessionResult();
    }
    return failure(lostFrame(), Step::IspMode, transport_.errorText());
}
