#include "core/protocol/serial_echo.h"

namespace {

// How many bytes the UTF-8 sequence that this byte starts takes; 0 for a byte that starts none.
int sequenceLength(quint8 byte)
{
    if (byte >= 0xC0 && byte <= 0xDF)
        return 2;
    if (byte >= 0xE0 && byte <= 0xEF)
        return 3;
    if (byte >= 0xF0 && byte <= 0xF7)
        return 4;
    return 0;
}

bool isContinuation(quint8 byte)
{
    return (byte & 0xC0) == 0x80;
}

// Where the bytes stop being whole: the start of a last sequence that still lacks bytes, or
// the end. Invalid bytes count as whole; they show as replacement characters.
int wholeUpTo(const QByteArray &bytes)
{
    const int size = bytes.size();
    for (int back = 1; back <= 3 && back <= size; ++back) {
        const quint8 byte = quint8(bytes[size - back]);
        if (isContinuation(byte))
            continue;
        const int length = sequenceLength(byte);
        return length > back ? size - back : size;
    }
    return size;
}

}  // namespace

QString SerialEchoDecoder::decode(const QByteArray &chunk)
{
    QByteArray bytes = pending_ + chunk;
    const int whole = wholeUpTo(bytes);
    pending_ = bytes.mid(whole);
    bytes.truncate(whole);

    // fromUtf8 drops a byte-order mark at the start of what it is given, and the line has no
    // start to strip one at: a chunk that begins with one shows it.
    QString text;
    int from = 0;
    while (bytes.mid(from, 3) == "\xEF\xBB\xBF") {
        text += QChar(0xFEFF);
        from += 3;
    }
    // NUL is removed after decoding: it is never part of a multi-byte character, and removing
    // it from the bytes first would glue the bytes on either side into a character of their own.
    text += QString::fromUtf8(bytes.constData() + from, bytes.size() - from);
    return text.remove(QChar(0));
}
