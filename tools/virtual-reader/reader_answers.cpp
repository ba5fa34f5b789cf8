#include "reader_answers.h"

namespace VirtualReader::Answers {

namespace {

quint8 sum(const QByteArray &bytes)
{
    quint8 total = 0;
    for (char byte : bytes)
        total = quint8(total + quint8(byte));
    return total;
}

const QByteArray &affixOf(const Settings &settings, quint8 readCode)
{
    switch (readCode) {
    case 0x20: return settings.pre;
    case 0x24: return settings.post;
    default: return settings.remove;
    }
}

// The length of the frame that begins the buffer (which begins with 1B 42), or 0 while not
// enough of it has come to tell.
int frameLength(const QByteArray &buffer)
{
    if (buffer.size() < 3)
        return 0;
    switch (quint8(buffer[2])) {
    case 0x21:
    case 0x25:
    case 0x29:
        return buffer.size() < 4 ? 0 : 4 + quint8(buffer[3]);
    case 0x30:
        return buffer.size() < 6 ? 0 : 6 + quint8(buffer[5]);
    default:
        return 8;
    }
}

}  // namespace

bool isHidRead(quint8 code)
{
    return code == 0x00 || code == 0x20 || code == 0x24 || code == 0x28;
}

bool isSerialRead(const QByteArray &frame)
{
    if (frame.size() < 4)
        return false;
    const quint8 code = quint8(frame[2]);
    if (code == 0x02 || code == 0x10)
        return frame[3] == 0;
    return isHidRead(code);
}

QByteArray hidAnswer(const Settings &settings, const QByteArray &version, quint8 code,
                     quint8 sequence, bool badChecksum, bool countAbove31)
{
    QByteArray answer(HidAnswerSize, '\0');
    if (code == 0x00) {
        answer[8] = char(settings.options);
        answer[9] = char(settings.outputStart);
        answer[10] = char(settings.outputLength);
        answer[13] = char(settings.kbCountry);
        answer.replace(56, 8, version.left(8).leftJustified(8, '\0'));
    } else {
        QByteArray codes = affixOf(settings, code).left(MaxAffixCodes);
        if (countAbove31)
            codes = codes.leftJustified(MaxAffixCodes + 1, 'A', true);
        const QByteArray counted = char(codes.size()) + codes;
        answer.replace(0, counted.size(), counted);
        answer[counted.size()] = char(quint8(sum(counted) + (badChecksum ? 1 : 0)));
    }
    answer[HidSequenceByte] = char(0xFF - sequence);
    return answer;
}

QByteArray serialAnswer(const Settings &settings, const QByteArray &version, quint8 code)
{
    QByteArray answer("QKR");
    switch (code) {
    case 0x00: {
        // The short form of the version that fits: "1.20" goes out as "1.2".
        QByteArray text = version.left(version.indexOf('\0') < 0 ? 8 : version.indexOf('\0'));
        answer += text.left(3);
        answer = answer.leftJustified(7, '\0');
        answer += '\r';
        break;
    }
    case 0x02:
        answer += QByteArray(1, '\0') + char(settings.options) + QByteArray(2, '\0') + '\r';
        break;
    case 0x10:
        answer += QByteArray(1, '\0') + char(settings.outputStart) + char(settings.outputLength)
            + QByteArray(1, '\0') + '\r';
        break;
    default: {
        const QByteArray &codes = affixOf(settings, code);
        answer += char(codes.size()) + codes + '\r';
        break;
    }
    }
    return answer;
}

QByteArray garbleSerialAnswer(const QByteArray &answer)
{
    QByteArray noise(answer.size(), '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char(0xA5 + 37 * i);
    if (!noise.isEmpty())
        noise[noise.size() - 1] = '\r';
    return noise;
}

QByteArray noise(int size, quint8 avoid)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        quint8 byte = quint8(0x5A + 29 * i);
        if (byte == 0x0D || byte == 'Q' || byte == avoid)
            byte = avoid == 0xEE ? 0xEF : 0xEE;
        bytes[i] = char(byte);
    }
    return bytes;
}

void storeAffix(Settings &settings, quint8 code, const QByteArray &codes)
{
    const QByteArray kept = codes.left(MaxAffixCodes);
    switch (code) {
    case 0x21: settings.pre = kept; break;
    case 0x25: settings.post = kept; break;
    case 0x29: settings.remove = kept; break;
    default: break;
    }
}

void clampAffixes(Settings &settings)
{
    settings.pre.truncate(MaxAffixCodes);
    settings.post.truncate(MaxAffixCodes);
    settings.remove.truncate(MaxAffixCodes);
}

QList<QByteArray> cutSerialFrames(QByteArray &buffer)
{
    QList<QByteArray> frames;
    for (;;) {
        const int start = buffer.indexOf("\x1B\x42");
        if (start < 0) {
            // Keep a trailing 0x1B: it may be the first byte of the next frame.
            buffer = buffer.endsWith('\x1B') ? QByteArray("\x1B") : QByteArray();
            return frames;
        }
        buffer.remove(0, start);
        const int length = frameLength(buffer);
        if (length == 0 || buffer.size() < length)
            return frames;
        frames.append(buffer.left(length));
        buffer.remove(0, length);
    }
}

}  // namespace VirtualReader::Answers
