#include "window/settings_page/settings_reader.h"

#include <QDebug>
#include <QMessageBox>

#include "window/status_page/status_page.h"
#include "window/connection/reader_link.h"
#include "core/protocol/frames.h"
#include "core/protocol/hid_answers.h"
#include "core/protocol/serial_answers.h"
#include "window/settings_page/settings_form.h"
#include "core/text/keycode.h"
#include "window/ui/window_tr.h"

namespace {

const char *const SuccessText = "Successfully obtained Keylon the set value";
const char *const VersionFailText = "Get F/W version fail, please retry.";

// The box for an affix answer that did not come; one that came but was refused leaves its
// edit alone and the read goes on.
const char *affixFailText(SessionResult::Step step)
{
    switch (step) {
    case SessionResult::Step::Preamble: return "Get PreAmble fail, please retry.";
    case SessionResult::Step::Postamble: return "Get PostAmble fail, please retry.";
    case SessionResult::Step::RemoveData: return "Get RemoveData fail, please retry.";
    default: return VersionFailText;
    }
}

void tell(const char *text)
{
    QMessageBox::information(nullptr, windowTr("Read Status"), windowTr(text), QMessageBox::Yes);
}

// The version as the USB HID status answer carries it: each byte one character. The reader
// pads the field with NULs; they are no part of the version and would show as boxes and go
// into exported files.
QString versionOfHidBytes(const QByteArray &bytes)
{
    QString version;
    for (char byte : bytes)
        version.append(QChar(quint8(byte)));
    while (version.endsWith(QChar(0)))
        version.chop(1);
    return version;
}

// The one-shot status read keeps the sequence number in the frame's first parameter byte.
constexpr int StatusSequenceByte = 4;

// Each code decoded on its own as a one-byte UTF-8 text: 0x00 gives nothing, 0x80 and up
// give the replacement character.
QString plainAffixText(const QByteArray &codes)
{
    QString text;
    for (char code : codes)
        text += QString::fromUtf8(&code, 1).remove(QChar(0));
    return text;
}

constexpr Affix Affixes[] = {Affix::Pre, Affix::Post, Affix::Remove};

}  // namespace

SettingsReader::SettingsReader(ReaderLink &link, SettingsForm &form, StatusPage &status)
    : link_(link)
    , form_(form)
    , status_(status)
{
}

void SettingsReader::read()
{
    const LinkState &link = link_.state();
    if (link.serialActive) {
        // Anything that came in before the request (a key's ID code) is taken up on its own,
        // so that the answers start a chunk of their own.
        if (link_.serialBytesWaiting())
            takeSerialChunk();
        const ReaderSession::SettingsRead read = link_.session()->readSettings();
        form_.disableCountry();  // no read command returns the country here
        // What came is taken apart through the same path as every chunk.
        const bool complete = !read.serialAnswers.isEmpty()
            && receiveRead(read.serialAnswers, read.answerChunk) == 0;
        if (!link.hidActive) {
            tell(complete ? SuccessText : VersionFailText);
            return;
        }
    }
    if (!link.hidActive) {
        tell(SuccessText);
        return;
    }

    const ReaderSession::SettingsRead read = link_.hidSession()->readSettings();
    if (!read.statusRead) {
        tell(VersionFailText);
        return;
    }
    form_.showFirmwareVersion(versionOfHidBytes(read.record.version));
    form_.showOptions(read.record.options);
    form_.showOutputWindow(read.record.outputStart, read.record.outputLength, true);
    form_.showReaderCountry(read.record.kbCountry);

    const QByteArray *const codes[] = {&read.record.pre, &read.record.post, &read.record.remove};
    for (int i = 0; i < 3; ++i) {
        // A count above 31 or a wrong checksum: the answer is dropped, the edit keeps its text.
        if (read.affixRead[i])
            form_.showAffix(Affixes[i], DeviceCodesToText(*codes[i]));
    }
    const bool answered = read.result.outcome != SessionResult::Outcome::NoAnswer
        && read.result.outcome != SessionResult::Outcome::FrameFailed
        && read.result.outcome != SessionResult::Outcome::LineGone;
    tell(answered ? SuccessText : affixFailText(read.result.step));
}

void SettingsReader::takeSerialChunk()
{
    const QByteArray chunk = link_.takeSerialBytes();
    if (!chunk.isEmpty())
        receiveChunk(chunk);
}

int SettingsReader::receiveChunk(const QByteArray &chunk)
{
    status_.echo(chunk);
    qDebug().noquote().nospace() << "bytes:" << chunk.toHex();
    return showSerialAnswers(chunk);
}

// What a settings read collected: all of it echoed and logged as one chunk, in the order it
// came, and only the answers found in it (when found) handed to the parser, so that a key's
// ID code among them is shown and does not spoil the read.
int SettingsReader::receiveRead(const QByteArray &collected, const QByteArray &answers)
{
    if (answers.isEmpty() || answers == collected)
        return receiveChunk(collected);
    status_.echo(collected);
    qDebug().noquote().nospace() << "bytes:" << collected.toHex();
    return showSerialAnswers(answers);
}

int SettingsReader::showSerialAnswers(const QByteArray &chunk)
{
    qDebug().noquote().nospace() << "Get DisplayKLNValue=" << chunk.toHex();
    const SerialAnswers::Parsed parsed = SerialAnswers::parse(chunk);
    if (!parsed.recognised)
        return -1;

    // What is whole in the chunk is shown; the parser stops at the first answer cut short.
    if (parsed.complete < 1)
        return -1;
    qDebug().nospace() << "ver:" << parsed.versionBytes;
    form_.showFirmwareVersion(SerialAnswers::versionText(parsed.versionBytes));

    if (parsed.complete < 2)
        return -1;
    qDebug("KLN Status Setting:%02X", parsed.options);
    // The serial line leaves the remove ID code switch as it is.
    form_.showOptions(parsed.options, false);

    if (parsed.complete < 3)
        return -1;
    form_.showOutputWindow(parsed.outputStart, parsed.outputLength, true);

    for (int i = 0; i < 3; ++i) {
        if (parsed.complete < 4 + i)
            return -1;
        if (parsed.affixes[i].accepted)
            form_.showAffix(Affixes[i], SerialDisplayText(parsed.affixes[i].codes));
    }
    return 0;
}

void SettingsReader::readStatusOnce()
{
    LinkSession session = link_.hidSession();
    QByteArray answer(Frames::ReportSize, char(0x00));
    auto exchange = [&](quint8 code, SessionResult::Step step) {
        const quint8 sequence = session->nextSequence();
        QByteArray request = Frames::hidReport(Frames::readFrame(code));
        request[StatusSequenceByte] = char(sequence);
        session->exchange(request, answer, sequence, step);  // what came back is shown whatever it is
    };

    if (link_.state().currentTab == 0) {
        exchange(CmdStatus, SessionResult::Step::Status);
        link_.noteStatusPreRead();
    }
    if (link_.state().statusShown)
        return;

    exchange(CmdStatus, SessionResult::Step::Status);
    const SettingsRecord status = HidAnswers::parseOneShotStatus(answer);
    form_.showFirmwareVersion(versionOfHidBytes(status.version));
    form_.showOptions(status.options);
    form_.showOutputWindow(status.outputStart, status.outputLength, false);

    struct AffixStep
    {
        quint8 code;
        SessionResult::Step step;
        const char *debugFormat;
        Affix affix;
    };
    const AffixStep steps[] = {
        {CmdGetPre, SessionResult::Step::Preamble, "PreAmble Len=%d %x %x %x %x", Affix::Pre},
        {CmdGetPost, SessionResult::Step::Postamble, "PostAmble Len=%d %x %x %x %x", Affix::Post},
        {CmdGetRemove, SessionResult::Step::RemoveData, "Remove Data Len=%d %x %x %x %x", Affix::Remove},
    };
    for (const AffixStep &step : steps) {
        exchange(step.code, step.step);
        qDebug(step.debugFormat, quint8(answer[0]), quint8(answer[1]), quint8(answer[2]),
               quint8(answer[3]), quint8(answer[4]));
        if (const auto codes = HidAnswers::parseOneShotAffix(answer))
            form_.showAffix(step.affix, plainAffixText(*codes));
        if (step.code == CmdGetRemove)
            qDebug("Checksum = %x", Frames::checksum(answer.left(quint8(answer[1]) + 1)));
    }
    link_.noteStatusShown();
}
