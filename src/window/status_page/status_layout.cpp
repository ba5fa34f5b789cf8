#include "window/status_page/status_layout.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace {

// What a turn of the event loop spends on paragraphs that are still estimated.
constexpr int CatchUpMs = 8;
// A change up to this size (a chunk, a line that leaves from the top) is laid out when it
// happens; a larger one (a paste, a new page width over a full page) is estimated first.
constexpr int LayOutAtOnceChars = 16384;
// Paragraphs that keep their lines, those used last: more than a screen shows.
constexpr int KeptParagraphs = 8;

// ASCII letters and digits and line ends inside the paragraph, nothing else.
bool onlyLettersAndDigits(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == QChar::LineSeparator))
            return false;
    }
    return true;
}

}  // namespace

bool StatusLayout::hasWidth() const
{
    // The edit gives the document its width once it is laid out on the screen.
    return width_ > 0;
}

qreal StatusLayout::margin() const
{
    return document()->documentMargin();
}

// As many lines as the paragraph has line ends, each as many times as its characters fill
// the width on average.
qreal StatusLayout::estimate(const QTextBlock &block) const
{
    const QString text = block.text();
    const QFontMetricsF metrics(document()->defaultFont());
    const qreal perLine = hasWidth() ? std::max(1.0, (width_ - 2 * margin()) / std::max(1.0, metrics.averageCharWidth()))
                                     : 1e9;
    int lines = 0;
    int from = 0;
    for (;;) {
        const int end = text.indexOf(QChar(QChar::LineSeparator), from);
        const int length = (end < 0 ? text.size() : end) - from;
        lines += std::max(1, int(std::ceil(length / perLine)));
        if (end < 0)
            break;
        from = end + 1;
    }
    return lines * std::ceil(metrics.height());
}

void StatusLayout::layOut(int index, const QTextBlock &block) const
{
    QTextLayout *layout = block.layout();
    const QString text = block.text();
    const QTextBlockFormat format = block.blockFormat();
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(format.layoutDirection());
    option.setAlignment(QStyle::visualAlignment(format.layoutDirection(), format.alignment()));
    option.setUseDesignMetrics(document()->useDesignMetrics());
    // Key codes hold no place to break a line but their ends: breaking anywhere gives the same
    // lines, in a third of the time it takes to look for a word boundary first.
    if (option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere && onlyLettersAndDigits(text))
        option.setWrapMode(QTextOption::WrapAnywhere);
    layout->setTextOption(option);

    // Spaced as the edit spaces them: the lines a paragraph wraps into by their ascent,
    // descent and leading, the last line of a paragraph by its full height. A line end inside
    // the paragraph ends a line as a paragraph would, so that a line looks the same in either.
    const qreal width = width_ - 2 * margin();
    qreal height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        const int end = line.textStart() + line.textLength();
        if (end >= text.size() || (end > 0 && text.at(end - 1) == QChar(QChar::LineSeparator)))
            height += line.height();
        else
            height += std::ceil(line.ascent() + line.descent() + line.leading());
    }
    layout->endLayout();

    Paragraph &paragraph = paragraphs_[size_t(index)];
    if (paragraph.height != height) {
        paragraph.height = height;
        validTops_ = std::min(validTops_, index + 1);
    }
    if (!paragraph.laidOut)
        --estimated_;
    paragraph.laidOut = true;
}

// Lays the paragraph out and counts it among the last used; the lines of the one used longest
// ago go (the lines take more memory than the text), its height stays.
void StatusLayout::measure(int index, const QTextBlock &block) const
{
    layOut(index, block);
    recentlyUsed_.erase(std::remove(recentlyUsed_.begin(), recentlyUsed_.end(), index), recentlyUsed_.end());
    recentlyUsed_.insert(recentlyUsed_.begin(), index);
    if (recentlyUsed_.size() > size_t(KeptParagraphs)) {
        const QTextBlock old = document()->findBlockByNumber(recentlyUsed_.back());
        recentlyUsed_.pop_back();
        if (old.isValid())
            old.layout()->clearLayout();
    }
}

// The paragraph's layout at the paragraph's top, laid out first if its lines are gone.
QTextLayout *StatusLayout::placed(int index, const QTextBlock &block) const
{
    const Paragraph &paragraph = paragraphs_[size_t(index)];
    if (hasWidth() && !(paragraph.laidOut && block.layout()->lineCount() > 0)) {
        const qreal before = paragraph.height;
        measure(index, block);
        // Not told from inside a paint or a hit test: the edit hears of it at the next turn.
        if (paragraph.height != before && !catchUp_.isActive())
            catchUp_.start(0, const_cast<StatusLayout *>(this));
    }
    updateTops();
    QTextLayout *layout = block.layout();
    layout->setPosition(QPointF(margin(), tops_[size_t(index)]));
    return layout;
}

void StatusLayout::updateTops() const
{
    const int count = int(paragraphs_.size());
    tops_.resize(size_t(count) + 1);
    if (validTops_ < 1) {
        tops_[0] = margin();
        validTops_ = 1;
    }
    for (int i = validTops_; i <= count; ++i)
        tops_[size_t(i)] = tops_[size_t(i) - 1] + paragraphs_[size_t(i) - 1].height;
    validTops_ = count + 1;
}

int StatusLayout::indexAt(qreal y) const
{
    updateTops();
    const auto after = std::upper_bound(tops_.begin(), tops_.end() - 1, y);
    const int index = int(after - tops_.begin()) - 1;
    return std::max(0, std::min(index, int(paragraphs_.size()) - 1));
}

void StatusLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved);
    QTextDocument *doc = document();
    const qreal width = doc->pageSize().width();
    if (width != width_) {
        width_ = width;
        for (Paragraph &paragraph : paragraphs_)
            paragraph.laidOut = false;
        estimated_ = int(paragraphs_.size());
        firstEstimated_ = 0;
    }

    // The paragraphs from the one the change begins in to the one it ends in replace those
    // that were there; the block count says how many those were.
    const int count = doc->blockCount();
    const int before = int(paragraphs_.size());
    QTextBlock first = doc->findBlock(from);
    if (!first.isValid())
        first = doc->lastBlock();
    QTextBlock last = doc->findBlock(from + charsAdded);
    if (!last.isValid())
        last = doc->lastBlock();
    int at = first.blockNumber();
    int fresh = last.blockNumber() - at + 1;
    const int gone = fresh - (count - before);
    if (at < 0 || fresh < 1 || gone < 0 || at + gone > before) {
        first = doc->firstBlock();
        at = 0;
        fresh = count;
        paragraphs_.assign(size_t(count), Paragraph());
        estimated_ = count;
        recentlyUsed_.clear();
    } else {
        const auto replaced = paragraphs_.begin() + at;
        estimated_ -= int(std::count_if(replaced, replaced + gone, [](const Paragraph &p) { return !p.laidOut; }));
        paragraphs_.erase(replaced, replaced + gone);
        paragraphs_.insert(paragraphs_.begin() + at, size_t(fresh), Paragraph());
        estimated_ += fresh;
        // The paragraphs after the change have moved by as many as it added or removed.
        std::vector<int> kept;
        for (int index : recentlyUsed_) {
            if (index < at)
                kept.push_back(index);
            else if (index >= at + gone)
                kept.push_back(index + fresh - gone);
        }
        recentlyUsed_.swap(kept);
    }
    validTops_ = std::min(validTops_, at + 1);
    firstEstimated_ = std::min(firstEstimated_, at);

    int chars = 0;
    QTextBlock block = first;
    for (int i = 0; i < fresh && block.isValid(); ++i, block = block.next())
        chars += block.length();
    const bool atOnce = hasWidth() && chars <= LayOutAtOnceChars;
    block = first;
    for (int i = at; i < at + fresh && block.isValid(); ++i, block = block.next()) {
        if (atOnce) {
            measure(i, block);
        } else {
            // Lines of the text before the change would not fit the text after it.
            block.layout()->clearLayout();
            paragraphs_[size_t(i)].height = estimate(block);
        }
    }
    if (hasWidth() && estimated_ > 0)
        catchUp_.start(0, this);

    const QSizeF size = documentSize();
    if (size != reportedSize_) {
        reportedSize_ = size;
        emit documentSizeChanged(size);
    }
    emit update();
}

void StatusLayout::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != catchUp_.timerId()) {
        QAbstractTextDocumentLayout::timerEvent(event);
        return;
    }
    // Catching up: the paragraphs still estimated are laid out, as many as a slice allows.
    QElapsedTimer clock;
    clock.start();
    const int count = int(paragraphs_.size());
    bool laidOut = false;
    int i = std::min(firstEstimated_, count);
    if (hasWidth()) {
        QTextBlock block = document()->findBlockByNumber(i);
        for (; i < count && block.isValid(); ++i, block = block.next()) {
            if (paragraphs_[size_t(i)].laidOut)
                continue;
            if (clock.elapsed() >= CatchUpMs)
                break;
            measure(i, block);
            laidOut = true;
        }
    }
    firstEstimated_ = i;
    if (i >= count) {
        // A pass to the end: whatever is still estimated lies before where it began.
        estimated_ = int(std::count_if(paragraphs_.begin(), paragraphs_.end(),
                                       [](const Paragraph &p) { return !p.laidOut; }));
        firstEstimated_ = 0;
    }
    if (!hasWidth() || estimated_ <= 0)
        catchUp_.stop();

    const QSizeF size = documentSize();
    if (size != reportedSize_) {
        reportedSize_ = size;
        emit documentSizeChanged(size);
    }
    if (laidOut)
        emit update();
}

void StatusLayout::draw(QPainter *painter, const PaintContext &context)
{
    if (paragraphs_.empty())
        return;
    const QRectF clip = context.clip.isValid() ? context.clip : QRectF(0, 0, 1e9, 1e9);
    bool ok = false;
    int cursorWidth = property("cursorWidth").toInt(&ok);
    if (!ok)
        cursorWidth = 1;

    painter->setPen(context.palette.color(QPalette::Text));
    int i = indexAt(clip.top());
    for (QTextBlock block = document()->findBlockByNumber(i); block.isValid() && i < int(paragraphs_.size());
         block = block.next(), ++i) {
        updateTops();
        if (tops_[size_t(i)] > clip.bottom())
            break;
        QTextLayout *layout = placed(i, block);

        const int position = block.position();
        const int length = block.length();
        QVector<QTextLayout::FormatRange> selections;
        for (const Selection &range : context.selections) {
            const int start = range.cursor.selectionStart() - position;
            const int end = range.cursor.selectionEnd() - position;
            if (start < length && end > 0 && end > start) {
                QTextLayout::FormatRange selection;
                selection.start = start;
                selection.length = end - start;
                selection.format = range.format;
                selections.append(selection);
            }
        }
        layout->draw(painter, QPointF(), selections, clip);
        if (context.cursorPosition >= position && context.cursorPosition < position + length)
            layout->drawCursor(painter, QPointF(), context.cursorPosition - position, cursorWidth);
    }
}

int StatusLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    if (paragraphs_.empty())
        return 0;
    // A point on the border between two lines belongs to the upper one, as in the edit's own
    // layout, where each line is a paragraph of its own.
    updateTops();
    const auto above = std::lower_bound(tops_.begin(), tops_.end() - 1, point.y());
    const int i = std::max(0, std::min(int(above - tops_.begin()) - 1, int(paragraphs_.size()) - 1));
    const QTextBlock block = document()->findBlockByNumber(i);
    if (!block.isValid())
        return accuracy == Qt::ExactHit ? -1 : 0;
    QTextLayout *layout = placed(i, block);
    const QPointF at = point - layout->position();
    const int lines = layout->lineCount();
    const int end = block.position() + block.length() - 1;
    if (lines == 0 || at.y() < 0)
        return accuracy == Qt::ExactHit ? -1 : block.position();

    const QString text = block.text();
    for (int n = 0; n < lines; ++n) {
        const QTextLine line = layout->lineAt(n);
        const qreal bottom = line.y() + line.height();
        if (at.y() < bottom) {
            if (accuracy == Qt::ExactHit && !line.naturalTextRect().contains(at))
                return -1;
            return block.position() + line.xToCursor(at.x());
        }
        int lineEnd = line.textStart() + line.textLength();
        const bool endsLine = n == lines - 1 || (lineEnd > 0 && text.at(lineEnd - 1) == QChar(QChar::LineSeparator));
        if (at.y() == bottom && endsLine) {
            if (n < lines - 1)
                --lineEnd;
            return accuracy == Qt::ExactHit ? -1 : block.position() + lineEnd;
        }
    }
    return accuracy == Qt::ExactHit ? -1 : end;
}

QSizeF StatusLayout::documentSize() const
{
    updateTops();
    return QSizeF(std::max<qreal>(0, width_), tops_.back() + margin());
}

QRectF StatusLayout::frameBoundingRect(QTextFrame *frame) const
{
    if (frame != document()->rootFrame())
        return QRectF();
    return QRectF(QPointF(0, 0), documentSize());
}

QRectF StatusLayout::blockBoundingRect(const QTextBlock &block) const
{
    const int i = block.isValid() ? block.blockNumber() : -1;
    if (i < 0 || i >= int(paragraphs_.size()))
        return QRectF();
    QTextLayout *layout = placed(i, block);
    if (layout->lineCount() == 0 || !paragraphs_[size_t(i)].laidOut)
        return QRectF(margin(), tops_[size_t(i)], std::max<qreal>(0, width_ - 2 * margin()),
                      paragraphs_[size_t(i)].height);
    return layout->boundingRect().translated(layout->position());
}
