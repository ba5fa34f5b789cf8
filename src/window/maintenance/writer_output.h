#pragma once

#include <QString>

class QPlainTextEdit;

// What the firmware writer prints, shown as a terminal shows it, and bounded. A writer may
// print without end (a progress bar redrawn many times a second, a verbose log), so only the
// last MaxLines lines or MaxChars characters, whichever is less, are kept, and a first line
// says that earlier output was left out. A carriage return goes back to the start of its line
// and what follows writes over it, also when the two come in different reads; CR LF ends a
// line like LF. A line longer than MaxLineChars goes on in the next one.
class WriterOutput
{
public:
    static constexpr int MaxLines = 5000;
    static constexpr int MaxChars = 1024 * 1024;
    static constexpr int MaxLineChars = 4096;
    static const QString LeftOut;

    explicit WriterOutput(QPlainTextEdit *view);

    // Text as the writer printed it, decoded.
    void append(const QString &text);

private:
    void show(const QStringList &finished, int firstKept);
    void trim();

    QPlainTextEdit *view_;
    QString line_;        // the line being written, the view's last paragraph
    int column_ = 0;      // where in it the next character goes
    int lines_ = 0;       // finished lines in the view
    int chars_ = 0;       // their characters, line ends included
    bool leftOut_ = false;
};
