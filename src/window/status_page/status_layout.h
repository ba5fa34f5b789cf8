#pragma once

#include <QAbstractTextDocumentLayout>
#include <QBasicTimer>

#include <vector>

class QTextBlock;

// The Status page's text layout: paragraphs stacked one under the other, each laid out on its
// own. Qt's own layout for a QTextEdit lays out again everything below a change near the top,
// so every line that leaves a full page from the top would cost as much as the whole page.
// Here a change lays out only the paragraphs it touched; the others just move. Only the
// paragraphs used last keep their lines (they take more memory than the text); the others
// keep their height and are laid out again when they are drawn. A paragraph that has not been
// laid out yet (a new page width, a large paste) counts with an estimated height until it is
// drawn or a later turn of the event loop gets to it.
//
// Made for plain text: paragraphs, their lines and the edit's selection and cursor.
class StatusLayout : public QAbstractTextDocumentLayout
{
public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame *frame) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent *event) override;

private:
    struct Paragraph
    {
        qreal height = 0;
        bool laidOut = false;
    };

    bool hasWidth() const;
    qreal margin() const;
    qreal estimate(const QTextBlock &block) const;
    void layOut(int index, const QTextBlock &block) const;
    void measure(int index, const QTextBlock &block) const;
    QTextLayout *placed(int index, const QTextBlock &block) const;
    void updateTops() const;
    int indexAt(qreal y) const;

    mutable std::vector<Paragraph> paragraphs_;
    mutable std::vector<qreal> tops_;  // the top of each paragraph, valid below validTops_
    mutable int validTops_ = 0;
    mutable int estimated_ = 0;       // paragraphs counted with an estimated height
    mutable int firstEstimated_ = 0;  // none of them before this one
    mutable QSizeF reportedSize_;
    qreal width_ = -1;
    mutable QBasicTimer catchUp_;
    mutable std::vector<int> recentlyUsed_;  // the paragraphs that keep their lines, last first
};
