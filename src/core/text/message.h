#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The rooms whose messages are made as data: the core's, and keylon2ctl's (whose doctor the core
// words). A message names its room beside QT_TRANSLATE_NOOP, which spells it for lupdate.
constexpr char CoreRoom[] = "Core";
constexpr char CtlRoom[] = "Keylon2ctl";

// Something said to a person or written to a file, kept as data until it is worded: its English
// source text as marked for translation (QT_TRANSLATE_NOOP, where the message is made) and its
// arguments, each plain text that is never translated (a device, a path, a value the user typed,
// the system's reason) or a message of its own. The same message is worded in English for what
// machines read and in the desktop's language for a person; nothing is ever read back from the
// words.
class Message
{
public:
    Message() = default;
    // context and source as QT_TRANSLATE_NOOP marks them; count fills %n and picks the plural.
    Message(const char *context, const char *source, int count = -1) : context_(context), source_(source), count_(count) {}
    // Text that stays as it is in every language. With arguments: messages and plain text put
    // together by punctuation that no language changes, the text's %1, %2, ... ("%1: %2").
    static Message plain(const QString &text);
    // The parts one after another, separator between them.
    static Message joined(const QList<Message> &parts, const QString &separator);

    Message &arg(const Message &argument) { return arguments_.push_back(argument), *this; }
    Message &arg(const QString &argument) { return arg(plain(argument)); }
    Message &arg(qint64 number) { return arg(QString::number(number)); }
    template <typename First, typename Second, typename... Rest>
    Message &arg(const First &first, const Second &second, const Rest &...rest)
    {
        arg(first);
        return arg(second, rest...);
    }

    // A failure's kind, for programs ("busy", "bad-file"): a message without one of its own has
    // the first one among its arguments.
    Message &coded(const char *code) { return code_ = code, *this; }
    QString code() const;

    bool isEmpty() const { return !source_ && text_.isEmpty() && arguments_.empty(); }
    QString english() const { return worded(false); }
    QString human() const { return worded(true); }

private:
    QString worded(bool translated) const;

    const char *context_ = nullptr;
    const char *source_ = nullptr;  // null: text_ is plain, or a frame when there are arguments
    QString text_;
    int count_ = -1;
    bool joined_ = false;
    const char *code_ = nullptr;
    std::vector<Message> arguments_;
};
