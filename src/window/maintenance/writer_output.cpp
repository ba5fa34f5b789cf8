#include "window/maintenance/writer_output.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

const QString WriterOutput::LeftOut = QStringLiteral("[earlier output left out]");

WriterOutput::WriterOutput(QPlainTextEdit *view)
    : view_(view)
{
}

void WriterOutput::append(const QString &text)
{
    if (text.isEmpty())
        return;
    QStringList finished;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r')) {
            column_ = 0;
            continue;
        }
        if (c != QLatin1Char('\n')) {
            if (column_ < line_.size())
                line_[column_] = c;
            else
                line_ += c;
            if (++column_ < MaxLineChars)
                continue;
        }
        // A line end, or a line too long to go on: the line is finished.
        finished << line_;
        line_.clear();
        column_ = 0;
    }

    // Of a read that brings more than the view keeps, only its end is shown.
    int firstKept = finished.size();
    int keptLines = line_.isEmpty() ? 0 : 1;
    int keptChars = line_.size();
    while (firstKept > 0 && keptLines < MaxLines && keptChars + finished.at(firstKept - 1).size() + 1 <= MaxChars) {
        --firstKept;
        ++keptLines;
        keptChars += finished.at(firstKept).size() + 1;
    }
    show(finished, firstKept);
    view_->moveCursor(QTextCursor::End);
}

void WriterOutput::show(const QStringList &finished, int firstKept)
{
    QStringList keptLines = finished.mid(firstKept);
    keptLines << line_;
    const QString kept = keptLines.join(QLatin1Char('\n'));
    const int keptChars = kept.size() - line_.size();  // the finished lines, line ends included

    QTextCursor cursor(view_->document());
    if (firstKept > 0) {
        // Everything the view holds is older than what is kept of this read.
        leftOut_ = true;
        cursor.select(QTextCursor::Document);
        cursor.insertText(LeftOut + QLatin1Char('\n') + kept);
        lines_ = finished.size() - firstKept;
        chars_ = keptChars;
        return;
    }
    // The last paragraph holds the line being written as it stood: the read finishes it.
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(kept);
    lines_ += finished.size();
    chars_ += keptChars;
    trim();
}

// Lets the oldest finished lines go until the view keeps within its bounds.
void WriterOutput::trim()
{
    const int current = line_.isEmpty() ? 0 : 1;
    if (lines_ + current <= MaxLines && chars_ + line_.size() <= MaxChars)
        return;
    QTextDocument *doc = view_->document();
    const QTextBlock first = doc->findBlockByNumber(leftOut_ ? 1 : 0);
    QTextBlock block = first;
    while (block.isValid() && block.next().isValid()
           && (lines_ + current > MaxLines || chars_ + line_.size() > MaxChars)) {
        --lines_;
        chars_ -= block.length();
        block = block.next();
    }
    QTextCursor cursor(doc);
    cursor.setPosition(first.position());
    cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (!leftOut_) {
        cursor.setPosition(0);
        cursor.insertText(LeftOut + QLatin1Char('\n'));
        leftOut_ = true;
    }
}
