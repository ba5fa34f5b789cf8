#include "core/settings/config_text.h"

namespace ConfigText {

namespace {

// Where the INI reader's comment begins: a ';' that no double quote encloses. Inside quotes a
// backslash escapes the next character; outside them an escaped ';' is no comment, but the
// reader drops it all the same, so it counts as a cut too.
int commentStart(const QString &value)
{
    bool inQuotes = false;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (inQuotes && c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == QLatin1Char(';')) {
            return i;
        }
    }
    return -1;
}

}  // namespace

Text scan(const QByteArray &bytes)
{
    Text text;
    static const QByteArray Bom("\xEF\xBB\xBF");
    text.byteOrderMark = bytes.startsWith(Bom);
    text.bytes = text.byteOrderMark ? bytes.mid(Bom.size()) : bytes;

    const QStringList lines = QString::fromUtf8(text.bytes).split(QLatin1Char('\n'));
    QString group;
    for (int number = 1; number <= lines.size(); ++number) {
        const QString line = lines.at(number - 1).trimmed();  // a '\r' of a CRLF file too
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            group = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        Entry entry;
        entry.line = number;
        entry.group = group;
        entry.key = line.left(equals).trimmed();
        entry.value = line.mid(equals + 1).trimmed();
        entry.cutAt = commentStart(entry.value);
        text.entries.append(entry);
    }
    return text;
}

QString quoted(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

}  // namespace ConfigText
