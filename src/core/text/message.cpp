#include "core/text/message.h"

#include <QCoreApplication>

namespace {

// %1..%9 replaced at once, so that an argument holding a '%' is left alone.
QString filled(const QString &text, const QStringList &arguments)
{
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        const int number = next.isDigit() ? next.digitValue() : 0;
        if (text.at(i) == QLatin1Char('%') && number >= 1 && number <= arguments.size()) {
            result += arguments.at(number - 1);
            ++i;
        } else {
            result += text.at(i);
        }
    }
    return result;
}

}  // namespace

Message Message::plain(const QString &text)
{
    Message message;
    message.text_ = text;
    return message;
}

Message Message::joined(const QList<Message> &parts, const QString &separator)
{
    Message message = plain(separator);
    message.joined_ = true;
    message.arguments_.assign(parts.begin(), parts.end());
    return message;
}

QString Message::code() const
{
    if (code_)
        return QString::fromLatin1(code_);
    for (const Message &argument : arguments_) {
        if (!argument.code().isEmpty())
            return argument.code();
    }
    return QString();
}

QString Message::worded(bool translated) const
{
    QStringList arguments;
    for (const Message &argument : arguments_)
        arguments << argument.worded(translated);
    if (joined_)
        return arguments.join(text_);
    if (!source_)
        return arguments.isEmpty() ? text_ : filled(text_, arguments);
    QString text = QString::fromUtf8(source_);
    if (translated)
        text = QCoreApplication::translate(context_, source_, nullptr, count_);
    else if (count_ >= 0)
        text.replace(QLatin1String("%n"), QString::number(count_));
    return filled(text, arguments);
}
