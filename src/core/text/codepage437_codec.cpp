#include "core/text/codepage437_codec.h"

#include <array>

#include "core/text/keycode.h"

namespace {

// Code page 437 as published, with four entries changed: 0x1A -> U+001C, 0x1C -> U+007F,
// 0x7F -> U+001A, and 0xE6 -> U+03BC (Greek mu, not the micro sign).
const std::array<quint16, 256> toUnicodeTable = {
    0x0000, 0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007,
    0x0008, 0x0009, 0x000A, 0x000B, 0x000C, 0x000D, 0x000E, 0x000F,
    0x0010, 0x0011, 0x0012, 0x0013, 0x0014, 0x0015, 0x0016, 0x0017,
    0x0018, 0x0019, 0x001C, 0x001B, 0x007F, 0x001D, 0x001E, 0x001F,
    0x0020, 0x0021, 0x0022, 0x0023, 0x0024, 0x0025, 0x0026, 0x0027,
    0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F,
    0x0050, 0x0051, 0x0052, 0x0053, 0x0054, 0x0055, 0x0056, 0x0057,
    0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067,
    0x0068, 0x0069, 0x006A, 0x006B, 0x006C, 0x006D, 0x006E, 0x006F,
    0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x001A,
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x03BC, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// U+0000 to U+00FF only. Built from the to-Unicode table so the two cannot drift apart, then
// given the entries that are not its inverse.
std::array<quint8, 256> makeFromUnicodeTable()
{
    std::array<quint8, 256> table;
    table.fill(0x3F);
    for (int code = 0; code < 0x80; ++code)
        table[code] = quint8(code);
    for (int byte = 0x80; byte < 0x100; ++byte) {
        if (toUnicodeTable[byte] < 0x100)
            table[toUnicodeTable[byte]] = quint8(byte);
    }
    table[0x1A] = 0x7F;
    table[0x1C] = 0x1A;
    table[0xA7] = 0x15;   // section sign: code page 437 keeps it among the control glyphs
    table[0xB6] = 0x14;   // pilcrow, likewise
    table[0xB5] = 0xE6;   // micro sign: the published byte, although 0xE6 reads back as mu
    return table;
}

const std::array<quint8, 256> fromUnicodeTable = makeFromUnicodeTable();

// Input of more than five bytes framed by "80" and "FFFF" is not code page 437 text but UTF-16
// code units written as hexadecimal digits between the frame.
bool isHexText(const char *in, int length)
{
    return length > 5 && in[0] == '8' && in[1] == '0' && in[length - 4] == 'F'
        && in[length - 3] == 'F' && in[length - 2] == 'F' && in[length - 1] == 'F';
}

QString hexTextToUnicode(const char *in, int length)
{
    QString result;
    uint accumulator = 0;
    int digits = 0;
    for (int i = 2; i < length - 4; ++i) {
        const int value = hexDigitValue(QLatin1Char(in[i]));
        if (value < 0)
            continue;
        accumulator = accumulator * 16 + uint(value);
        if (++digits == 4) {
            result.append(QChar(ushort(accumulator)));
            accumulator = 0;
            digits = 0;
        }
    }
    return result;   // one to three digits left over are dropped
}

}  // namespace

QByteArray QCodePage437Codec::name() const
{
    return QByteArrayLiteral("IBM437");
}

QList<QByteArray> QCodePage437Codec::aliases() const
{
    return {QByteArrayLiteral("CP437"), QByteArrayLiteral("cp437"), QByteArrayLiteral("437"),
            QByteArrayLiteral("csPC8CodePage437")};
}

int QCodePage437Codec::mibEnum() const
{
    return 2011;
}

// The converter state is ignored on purpose: nothing is carried between calls and no
// replacement is counted, so a decoder fed in pieces converts each piece on its own.
QString QCodePage437Codec::convertToUnicode(const char *in, int length, ConverterState *) const
{
    if (isHexText(in, length))
        return hexTextToUnicode(in, length);
    if (length <= 0)
        return QString();
    QString result(length, Qt::Uninitialized);
    QChar *out = result.data();
    for (int i = 0; i < length; ++i)
        out[i] = QChar(toUnicodeTable[uchar(in[i])]);
    return result;
}

// One byte per code unit. Code units above U+00FF, the box-drawing and Greek characters of the
// code page among them, become the question mark: the reader has no codes for them, and one
// byte per unit keeps positions in the text and in the bytes aligned.
QByteArray QCodePage437Codec::convertFromUnicode(const QChar *in, int length, ConverterState *) const
{
    if (length <= 0)
        return QByteArray();
    QByteArray result(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i) {
        const ushort unit = in[i].unicode();
        result[i] = char(unit < 0x100 ? fromUnicodeTable[unit] : 0x3F);
    }
    return result;
}
