#include "window/status_page/status_log.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <climits>

#include "window/status_page/status_layout.h"

namespace {

// The user state of a paragraph that ends in the middle of a line: the line goes on in the
// next one. Every other paragraph ends where a line ends.
constexpr int GoesOn = 1;

const QChar LineSeparator(QChar::LineSeparator);

// Everything the edit would take for the end of a line. QTextCursor::insertText makes a
// paragraph of \r, \n, U+2029 and the frame marks, and the edit's plain text shows U+2028 as
// a line end too.
bool endsLine(QChar c)
{
    switch (c.unicode()) {
    case '\n':
    case '\r':
    case 0x2028:
    case 0x2029:
    case 0xFDD0:
    case 0xFDD1:
        return true;
    default:
        return false;
    }
}

}  // namespace

StatusLog &StatusLog::of(QTextEdit *edit)
{
    auto *log = edit->findChild<StatusLog *>(QString(), Qt::FindDirectChildrenOnly);
    if (!log)
        log = new StatusLog(edit);
    return *log;
}

StatusLog::StatusLog(QTextEdit *edit)
    : QObject(edit)
    , edit_(edit)
{
    setObjectName(QStringLiteral("statusLog"));
    QTextDocument *doc = edit_->document();
    doc->setDocumentLayout(new StatusLayout(doc));
    recount();
    frame_.setSingleShot(true);
    connect(&frame_, &QTimer::timeout, this, &StatusLog::showSlice);
    connect(doc, &QTextDocument::contentsChange, this, &StatusLog::documentChanged);
}

void StatusLog::echo(const QByteArray &chunk)
{
    if (chunk.isEmpty())
        return;
    // Taken from the front as it is decoded; the part already taken is dropped once it is the
    // larger half.
    if (decodedTo_ > waiting_.size() / 2) {
        waiting_.remove(0, decodedTo_);
        decodedTo_ = 0;
    }
    waiting_ += chunk;
    if (waiting_.size() - decodedTo_ > MaxWaitingBytes) {
        // Everything decoded and not shown yet is older still: it goes too. The decoder starts
        // again at the first byte that can begin a character.
        decodedTo_ = waiting_.size() - MaxWaitingBytes;
        while (decodedTo_ < waiting_.size() && (quint8(waiting_.at(decodedTo_)) & 0xC0) == 0x80)
            ++decodedTo_;
        decoder_ = SerialEchoDecoder();
        afterCr_ = false;
        decoded_.clear();
        shownTo_ = 0;
    }
    if (!frame_.isActive())
        frame_.start(FrameMs);
}

void StatusLog::flush()
{
    frame_.stop();
    show(INT_MAX);
}

void StatusLog::showSlice()
{
    show(SliceMs);
    if (hasPending())
        frame_.start(0);
}

bool StatusLog::hasPending() const
{
    return shownTo_ < decoded_.size() || decodedTo_ < waiting_.size();
}

void StatusLog::show(int budgetMs)
{
    if (!hasPending())
        return;
    QElapsedTimer clock;
    clock.start();
    editing_ = true;
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    bool shownSome = false;
    while (hasPending() && clock.elapsed() < budgetMs) {
        if (shownTo_ >= decoded_.size())
            decodeSome();
        append(cursor, budgetMs, clock, shownSome);
    }
    if (decodedTo_ >= waiting_.size()) {
        waiting_.clear();
        decodedTo_ = 0;
    }
    trim();
    editing_ = false;
}

// Decodes the next piece of what waits, its line ends (CR, LF, CR LF and the rest) as '\n'.
void StatusLog::decodeSome()
{
    constexpr int Piece = 64 * 1024;
    const int size = qMin(Piece, waiting_.size() - decodedTo_);
    const QString text = decoder_.decode(QByteArray::fromRawData(waiting_.constData() + decodedTo_, size));
    decodedTo_ += size;
    decoded_.resize(text.size());
    shownTo_ = 0;
    if (text.isEmpty())
        return;
    const QChar *in = text.constData();
    const QChar *const end = in + text.size();
    QChar *out = decoded_.data();
    if (afterCr_ && *in == QLatin1Char('\n'))
        ++in;
    for (; in < end; ++in) {
        if (!endsLine(*in)) {
            *out++ = *in;
            continue;
        }
        *out++ = QLatin1Char('\n');
        if (*in == QLatin1Char('\r') && in + 1 < end && in[1] == QLatin1Char('\n'))
            ++in;
    }
    decoded_.truncate(int(out - decoded_.constData()));
    afterCr_ = text.endsWith(QLatin1Char('\r'));
}

// Appends what is decoded, a paragraph at a time, until it is all shown or the next
// paragraph would take the slice past its budget.
void StatusLog::append(QTextCursor &cursor, int budgetMs, const QElapsedTimer &clock, bool &shownSome)
{
    const qint64 budgetNs = budgetMs == INT_MAX ? LLONG_MAX : qint64(budgetMs) * 1000000;
    int length = cursor.block().length() - 1;
    int at = shownTo_;
    const int end = decoded_.size();
    QString run;
    while (at < end) {
        const qint64 startNs = clock.nsecsElapsed();
        if (shownSome && startNs + paragraphNs_ > budgetNs)
            break;
        shownSome = true;
        run.clear();
        int close = 0;  // 0 the paragraph stays open, -1 it ends a line, GoesOn the line goes on
        while (at < end && close == 0) {
            if (decoded_.at(at) == QLatin1Char('\n')) {
                ++at;
                ++lines_;
                ++chars_;
                if (length >= ParagraphChars) {
                    close = -1;
                } else {
                    run += LineSeparator;
                    ++length;
                }
                continue;
            }
            if (length >= PieceChars) {
                close = GoesOn;
                continue;
            }
            int stop = at;
            const int limit = qMin(end, at + (PieceChars - length));
            while (stop < limit && decoded_.at(stop) != QLatin1Char('\n'))
                ++stop;
            run.append(decoded_.constData() + at, stop - at);
            chars_ += stop - at;
            length += stop - at;
            at = stop;
        }
        // One edit for the text and the paragraph end, so that the paragraph is laid out once.
        cursor.beginEditBlock();
        if (!run.isEmpty())
            cursor.insertText(run);
        if (close != 0) {
            cursor.block().setUserState(close);
            cursor.insertBlock();
            cursor.block().setUserState(-1);
            length = 0;
        }
        cursor.endEditBlock();
        paragraphNs_ = clock.nsecsElapsed() - startNs;
    }
    shownTo_ = at;
}

// Lets the oldest text go until the page holds at most MaxLines line ends and MaxChars
// characters: whole paragraphs while they are all too many, then the front of the next one.
void StatusLog::trim()
{
    if (lines_ <= MaxLines && chars_ <= MaxChars)
        return;
    int lines = lines_;
    int chars = chars_;
    int removeTo = 0;
    for (QTextBlock block = edit_->document()->firstBlock(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const bool last = !block.next().isValid();
        const int ends = !last && block.userState() != GoesOn ? 1 : 0;
        const int blockLines = text.count(LineSeparator) + ends;
        const int blockChars = text.size() + ends;
        const int extraLines = lines - MaxLines;
        const int extraChars = chars - MaxChars;
        if (!last && (extraChars >= blockChars || (extraLines > 0 && extraLines >= blockLines))) {
            lines -= blockLines;
            chars -= blockChars;
            removeTo = block.next().position();
            if (lines <= MaxLines && chars <= MaxChars)
                break;
            continue;
        }
        int cut = 0;
        for (int i = 0, seen = 0; extraLines > 0 && i < text.size(); ++i) {
            if (text.at(i) == LineSeparator && ++seen == extraLines) {
                cut = i + 1;
                break;
            }
        }
        cut = qMax(cut, qMin(extraChars, text.size()));
        lines -= int(std::count(text.cbegin(), text.cbegin() + cut, LineSeparator));
        chars -= cut;
        removeTo = block.position() + cut;
        break;
    }
    if (removeTo <= 0)
        return;
    const int firstState = edit_->document()->findBlock(removeTo).userState();
    QTextCursor cursor(edit_->document());
    cursor.setPosition(removeTo, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    edit_->document()->firstBlock().setUserState(firstState);
    lines_ = lines;
    chars_ = chars;
}

void StatusLog::recount()
{
    lines_ = 0;
    chars_ = 0;
    for (QTextBlock block = edit_->document()->firstBlock(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const int ends = block.next().isValid() && block.userState() != GoesOn ? 1 : 0;
        lines_ += text.count(LineSeparator) + ends;
        chars_ += text.size() + ends;
    }
}

// The operator typed, or the edit was cleared or given a text of its own.
void StatusLog::documentChanged(int, int, int)
{
    if (editing_)
        return;
    if (edit_->document()->isEmpty()) {
        // Clear takes what came before the click with it, shown yet or not.
        frame_.stop();
        waiting_.clear();
        decodedTo_ = 0;
        decoded_.clear();
        shownTo_ = 0;
    }
    recount();
}

QString StatusLog::text() const
{
    QString all;
    all.reserve(chars_);
    for (QTextBlock block = edit_->document()->firstBlock(); block.isValid(); block = block.next()) {
        all += block.text();
        if (block.next().isValid() && block.userState() != GoesOn)
            all += QLatin1Char('\n');
    }
    all.replace(LineSeparator, QLatin1Char('\n'));
    return all;
}
