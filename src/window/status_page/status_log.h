#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "core/protocol/serial_echo.h"

class QElapsedTimer;
class QTextCursor;
class QTextEdit;

// What the reader sends on the serial line, shown on the Status page the way a terminal shows
// it. A reader can send for days, and one without a line break in its postamble puts every
// key on one line, so the page is built to cost the same per chunk whatever it already holds:
//
// - A chunk is only taken in when it comes. What waits is decoded and shown once per frame,
//   as far as a slice of the frame allows; what is left follows at the next turn of the
//   event loop.
// - The text edit lays out a whole paragraph again whenever it grows, and a paragraph of its
//   own for every short line would cost more memory than the line: short lines share a
//   paragraph (line separators between them) until it holds a few hundred characters, and a
//   line longer than a paragraph may hold goes on in the next one: it shows in pieces, as a
//   terminal wraps it. The paragraphs are laid out by StatusLayout, which lays out only
//   those that changed.
// - Only the newest MaxLines lines or MaxChars characters are kept; older text leaves from
//   the top.
//
// Clearing the edit also drops what waits to be shown. Typing into the edit is the operator's
// business: the log counts again and goes on appending at the end.
class StatusLog : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxLines = 100000;
    static constexpr int MaxChars = 8 * 1024 * 1024;
    // A paragraph is closed at the first line end past ParagraphChars; a line goes on in a new
    // paragraph (a piece) once its paragraph holds PieceChars.
    static constexpr int ParagraphChars = 256;
    static constexpr int PieceChars = 4096;
    static constexpr int FrameMs = 16;
    static constexpr int SliceMs = 10;  // what one turn of the event loop spends showing
    // Bytes waiting beyond this could not all stay on the page: the oldest are let go unseen.
    static constexpr int MaxWaitingBytes = 4 * MaxChars;

    // The log that writes to this edit, made as the edit's child when first asked for.
    static StatusLog &of(QTextEdit *edit);

    // Takes a chunk as it came from the line; it shows with the next frame.
    void echo(const QByteArray &chunk);
    // Shows everything that waits, now.
    void flush();
    bool hasPending() const;

    // The page as the reader sent it: line ends as '\n', the pieces of a long line joined.
    QString text() const;
    int lineCount() const { return lines_; }  // line ends on the page
    int charCount() const { return chars_; }  // characters on the page, line ends included

private:
    explicit StatusLog(QTextEdit *edit);

    void showSlice();
    void show(int budgetMs);
    void decodeSome();
    void append(QTextCursor &cursor, int budgetMs, const QElapsedTimer &clock, bool &shownSome);
    void trim();
    void recount();
    void documentChanged(int position, int removed, int added);

    QTextEdit *edit_;
    QByteArray waiting_;    // chunks as they came; decoded up to decodedTo_
    int decodedTo_ = 0;
    SerialEchoDecoder decoder_;
    bool afterCr_ = false;  // a CR LF cut between two chunks is one line end
    QString decoded_;       // line ends as '\n'; shown up to shownTo_
    int shownTo_ = 0;
    qint64 paragraphNs_ = 0;  // what the last paragraph took to show
    QTimer frame_;
    int lines_ = 0;
    int chars_ = 0;
    bool editing_ = false;  // our own changes, not the operator's
};
