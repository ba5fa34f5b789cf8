#include "window/settings_page/settings_reader.h"

#include <QDebug>
#include <QMessageBox>

#include "window/status_page/status_page.h"
#include "core/settings/page_record.h"
#include "window/connection/reader_link.h"
#include "core/protocol/serial_answers.h"
#include "window/settings_page/settings_form.h"
#include "window/ui/window_tr.h"

namespace {

const char *const SuccessText = QT_TRANSLATE_NOOP("Window", "Successfully obtained Keylon the set value");
const char *const VersionFailText = QT_TRANSLATE_NOOP("Window", "Get F/W version fail, please retry.");

// The box for an affix answer that did not come; one that came but was refused leaves its
// edit alone and the read goes on.
const char *affixFailText(SessionResult::Step step)
{
    switch (step) {
    case SessionResult::Step::Preamble: return QT_TRANSLATE_NOOP("Window", "Get PreAmble fail, please retry.");
    case SessionResult::Step::Postamble: return QT_TRANSLATE_NOOP("Window", "Get PostAmble fail, please retry.");
    case SessionResult::Step::RemoveData: return QT_TRANSLATE_NOOP("Window", "Get RemoveData fail, please retry.");
    default: return VersionFailText;
    }
}

void tell(const char *text)
{
    QMessageBox::information(nullptr, WindowText::tr("Read Status"), WindowText::tr(text), QMessageBox::Yes);
}

}  // namespace

SettingsReader::SettingsReader(ReaderLink &link, SettingsForm &form, StatusPage &status)
    : link_(link)
    , form_(form)
    , status_(status)
{
}

void SettingsReader::read()
{
    if (link_.exchanging())
        return;
    // Before the first link there is nothing to read.
    if (!link_.state().serialActive && !link_.state().hidActive) {
        tell(SuccessText);
        return;
    }
    HeldReader &reader = link_.reader();
    const auto taken = link_.exchange([&reader] { return reader.readSettings(); });
    if (!taken)
        return;
    const ReaderSession::SettingsRead &read = *taken;
    link_.noteRead(read);
    if (reader.answersOnLine()) {
        // Anything that came in before the request (a key's ID code) is taken up on its own,
        // so that the answers start a chunk of their own.
        if (!read.waiting.isEmpty())
            receiveChunk(read.waiting);
        // What came while the line was quieted is never taken for answers, but a key read just
        // before the request belongs on the Status page.
        if (!read.quieted.isEmpty()) {
            status_.echo(read.quieted);
            qDebug().noquote().nospace() << "bytes:" << read.quieted.toHex();
        }
        if (!reader.carriesCountry())
            form_.disableCountry();  // no read command returns the country here
        // What came is shown as every chunk is, with what the session took from it: all of it
        // echoed and logged as one chunk, in the order it came; the session took the answers from
        // where they lay in it (a key's ID code among them is shown and does not spoil the read).
        if (!read.serialAnswers.isEmpty()) {
            status_.echo(read.serialAnswers);
            qDebug().noquote().nospace() << "bytes:" << read.serialAnswers.toHex();
            showAnswers(read.answerChunk.isEmpty() ? read.serialAnswers : read.answerChunk, read.record, read.fields);
        }
        tell(!read.serialAnswers.isEmpty() && read.allAnswered ? SuccessText : VersionFailText);
        return;
    }

    if (!read.statusRead) {
        tell(VersionFailText);
        return;
    }
    // An affix answer with a count above 31 or a wrong checksum is dropped: its edit keeps
    // its text.
    form_.showRead(PageRecord::pageOfRead(read.record, PageRecord::ReadPath::UsbHid), read.fields);
    const bool answered = read.result.outcome != SessionResult::Outcome::NoAnswer
        && read.result.outcome != SessionResult::Outcome::FrameFailed
        && read.result.outcome != SessionResult::Outcome::LineGone;
    tell(answered ? SuccessText : affixFailText(read.result.step));
}

void SettingsReader::takeSerialChunk()
{
    if (link_.exchanging())
        return;
    const QByteArray chunk = link_.takeArrived();
    if (!chunk.isEmpty())
        receiveChunk(chunk);
}

int SettingsReader::receiveChunk(const QByteArray &chunk)
{
    status_.echo(chunk);
    qDebug().noquote().nospace() << "bytes:" << chunk.toHex();
    return showSerialAnswers(chunk);
}

int SettingsReader::showSerialAnswers(const QByteArray &chunk)
{
    const SerialAnswers::Parsed parsed = SerialAnswers::parse(chunk);
    const SerialAnswers::Taken taken = SerialAnswers::take(parsed);
    showAnswers(chunk, taken.record, taken.fields);
    return parsed.allComplete() ? 0 : -1;
}

// What is whole in the answers is shown; the parser stopped at the first answer cut short.
void SettingsReader::showAnswers(const QByteArray &chunk, const SettingsRecord &record, quint8 fields)
{
    qDebug().noquote().nospace() << "Get DisplayKLNValue=" << chunk.toHex();
    if (fields & RecordFields::Version)
        qDebug().nospace() << "ver:" << record.version;
    if (fields & RecordFields::Options)
        qDebug("KLN Status Setting:%02X", record.options);
    form_.showRead(PageRecord::pageOfRead(record, PageRecord::ReadPath::Serial), fields);
}

void SettingsReader::readStatusOnce()
{
    if (link_.exchanging())
        return;
    // The preliminary read and the record's read are one exchange: the operator sees one wait.
    const bool preRead = link_.state().currentTab == 0;
    const bool show = !link_.state().statusShown;
    if (!preRead && !show)
        return;
    const auto read = link_.exchange([this, preRead, show] {
        ReaderSession session = link_.keyboardSession();
        if (preRead)
            session.preReadStatus();
        return show ? session.readStatusOnce() : ReaderSession::SettingsRead();
    });
    if (!read)
        return;
    if (preRead)
        link_.noteStatusPreRead();
    if (!show)
        return;
    form_.showRead(PageRecord::pageOfRead(read->record, PageRecord::ReadPath::StatusPage), read->fields);
    link_.noteStatusShown();
}
