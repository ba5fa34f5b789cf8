#include "protocol/serial_answers.h"

#include <QString>

namespace SerialAnswers {

Parsed parse(const QByteArray &chunk)
{
    Parsed parsed;
    parsed.recognised = chunk.startsWith("QKR") && chunk.endsWith('\r');
    if (!parsed.recognised)
        return parsed;

    int at = 0;
    auto left = [&] { return chunk.size() - at; };
    auto byteAt = [&](int offset) { return quint8(chunk[at + offset]); };

    if (left() < FixedAnswerSize)
        return parsed;
    parsed.versionBytes = chunk.mid(at, FixedAnswerSize);
    at += FixedAnswerSize;
    parsed.complete = 1;

    if (left() < FixedAnswerSize)
        return parsed;
    parsed.options = byteAt(4);
    at += FixedAnswerSize;
    parsed.complete = 2;

    if (left() < FixedAnswerSize)
        return parsed;
    parsed.outputStart = byteAt(4);
    parsed.outputLength = byteAt(5);
    at += FixedAnswerSize;
    parsed.complete = 3;

    for (Affix &affix : parsed.affixes) {
        if (left() < 4)
            return parsed;
        const int length = byteAt(3);
        if (left() < length + 5)
            return parsed;
        affix.accepted = length <= 31;
        if (affix.accepted)
            affix.codes = chunk.mid(at + 4, length);
        at += length + 5;
        ++parsed.complete;
    }
    return parsed;
}

QString versionText(const QByteArray &versionBytes)
{
    const int end = versionBytes.indexOf('\0');
    return QString::fromUtf8(end < 0 ? versionBytes : versionBytes.left(end));
}

}  // namespace SerialAnswers
