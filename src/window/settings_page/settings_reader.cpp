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

// What a USB HID read took.
quint8 fieldsOf(const ReaderSession::SettingsRead &read)
{
    int fields = (read.statusRead ? RecordFields::Status : 0) | (read.hasCountry ? RecordFields::Country : 0);
    for (int i = 0; i < 3; ++i)
        fields |= read.affixRead[i] ? RecordFields::affix(i) : 0;
    return quint8(fields);
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
    const LinkState &link = link_.state();
    if (link.serialActive) {
        const ReaderSession::SettingsRead read = link_.reader().readSettings();
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
        if (!link_.reader().dialect().carriesCountry)
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

    const ReaderSession::SettingsRead read = link_.hidSession().readSettings();
    if (!read.statusRead) {
        tell(VersionFailText);
        return;
    }
    // An affix answer with a count above 31 or a wrong checksum is dropped: its edit keeps
    // its text.
    form_.showRead(PageRecord::pageOfRead(read.record, PageRecord::ReadPath::UsbHid), fieldsOf(read));
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
    return receiveRead(chunk, chunk);
}

// What a settings read collected: all of it echoed and logged as one chunk, in the order it
// came, and only the answers found in it (when found) handed to the parser, so that a key's
// ID code among them is shown and does not spoil the read.
int SettingsReader::receiveRead(const QByteArray &collected, const QByteArray &answers)
{
    status_.echo(collected);
    qDebug().noquote().nospace() << "bytes:" << collected.toHex();
    return showSerialAnswers(answers.isEmpty() ? collected : answers);
}

int SettingsReader::showSerialAnswers(const QByteArray &chunk)
{
    qDebug().noquote().nospace() << "Get DisplayKLNValue=" << chunk.toHex();
    const SerialAnswers::Parsed parsed = SerialAnswers::parse(chunk);
    // What is whole in the chunk is shown; the parser stops at the first answer cut short.
    if (parsed.complete >= 1)
        qDebug().nospace() << "ver:" << parsed.versionBytes;
    if (parsed.complete >= 2)
        qDebug("KLN Status Setting:%02X", parsed.options);
    const SerialAnswers::Taken taken = SerialAnswers::take(parsed);
    form_.showRead(PageRecord::pageOfRead(taken.record, PageRecord::ReadPath::Serial), taken.fields);
    return parsed.allComplete() ? 0 : -1;
}

void SettingsReader::readStatusOnce()
{
    ReaderSession session = link_.hidSession();
    if (link_.state().currentTab == 0) {
        session.preReadStatus();
        link_.noteStatusPreRead();
    }
    if (link_.state().statusShown)
        return;
    const ReaderSession::SettingsRead read = session.readStatusOnce();
    form_.showRead(PageRecord::pageOfRead(read.record, PageRecord::ReadPath::StatusPage), fieldsOf(read));
    link_.noteStatusShown();
}
