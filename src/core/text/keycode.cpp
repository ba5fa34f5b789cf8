#include "core/text/keycode.h"

#include <QTextCodec>
#include <QtDebug>

#include <algorithm>
#include <iterator>

#include "core/text/name_tables.h"

namespace {

// The seven characters outside ASCII that the reader has codes of its own for, in the order of
// their device codes 0xB0 to 0xB6, with their bytes in Windows-1252. Text to codes matches the
// byte (whatever character the locale codec put there); codes to text gives the character.
constexpr ushort specialCharacters[7] = {0x20AC, 0x00A4, 0x00A6, 0x00A7, 0x00A8, 0x00B3, 0x00B4};
constexpr uchar specialBytes[7] = {0x80, 0xA4, 0xA6, 0xA7, 0xA8, 0xB3, 0xB4};
constexpr uchar firstSpecialCode = 0xB0;

uchar deviceCodeOfByte(uchar byte)
{
    const auto special = std::find(std::begin(specialBytes), std::end(specialBytes), byte);
    return special == std::end(specialBytes) ? byte : uchar(firstSpecialCode + (special - specialBytes));
}

// Windows-1252 from 0x80 to 0x9F; the rest of the code page is Latin-1. The five bytes the code
// page leaves undefined stand for the C1 control of the same value, as Windows converts them.
constexpr ushort windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool windows1252ByteOf(QChar character, uchar *byte)
{
    const ushort unit = character.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        *byte = uchar(unit);
        return true;
    }
    const auto high = std::find(std::begin(windows1252High), std::end(windows1252High), unit);
    if (high == std::end(windows1252High))
        return false;
    *byte = uchar(0x80 + (high - windows1252High));
    return true;
}

// One locale byte per UTF-16 code unit of text, so that position i of the text is byte i.
// A codec that turns every unit into one byte gives the whole conversion as it is. Otherwise
// (UTF-8 and the other multi-byte code pages, or a surrogate pair that a single-byte codec
// folds into one byte) each unit is converted on its own: exactly one byte is taken as it
// is, anything else falls back to the unit's Windows-1252 byte so the seven special
// characters and the Latin-1 letters still reach the reader, and to 0x3F when it has none.
// Each half of a surrogate pair gives 0x3F, so a character beyond the BMP still takes two
// positions and two codes, as it takes two units in the text.
QByteArray literalBytes(const QString &text)
{
    QTextCodec *codec = QTextCodec::codecForLocale();
    const QByteArray whole = codec->fromUnicode(text);
    if (whole.size() == text.size() && std::none_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); }))
        return whole;

    QByteArray bytes(text.size(), '\x3F');
    for (int i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isSurrogate())
            continue;
        const QByteArray one = codec->fromUnicode(&unit, 1);
        uchar byte = 0x3F;
        if (one.size() == 1)
            bytes[i] = one.at(0);
        else if (windows1252ByteOf(unit, &byte))
            bytes[i] = char(byte);
    }
    return bytes;
}

// Whether a bracket token starts at the "[" at position i; if so its closing bracket and its
// code. Positions past the end match nothing. The tests run in this order on purpose: "[[CR]"
// is a literal "[" followed by the token "[CR]", and "[A[CR]" a literal "[", "A", then "[CR]".
bool bracketTokenAt(const QString &text, int i, int *end, uchar *code)
{
    const int n = text.size();
    auto is = [&](int pos, char c) { return pos < n && text.at(pos) == QLatin1Char(c); };

    if (is(i + 1, '[') || is(i + 2, '['))
        return false;
    if (is(i + 1, ']') || is(i + 2, ']'))
        return false;
    const int close = text.indexOf(QLatin1Char(']'), i + 3);
    if (close < 0 || close > i + 5)
        return false;

    *end = close;
    if (is(i + 1, '0') && is(i + 2, 'x')) {
        // Exactly two hex digits; "[0x]" and "[0x4]" give 0 (a "]" is never a digit).
        const int high = i + 3 < n ? hexDigitValue(text.at(i + 3)) : -1;
        const int low = i + 4 < n ? hexDigitValue(text.at(i + 4)) : -1;
        *code = (high < 0 || low < 0) ? 0 : uchar(high * 16 + low);
    } else {
        *code = uchar(ControlCodeOfName(text.mid(i + 1, close - i - 1)));
    }
    return true;
}

// Control names, ASCII as it is, "[0xhh]" for the rest; the full form shows the reader's seven
// own characters as themselves and its hexadecimal digits in upper case.
QString codesText(const QByteArray &codes, bool full)
{
    QString text;
    for (const char c : codes) {
        const uchar code = uchar(c);
        if (full && code >= firstSpecialCode && code < firstSpecialCode + 7)
            text.append(QChar(specialCharacters[code - firstSpecialCode]));
        else if (code < 0x20)
            text.append(QLatin1Char('[') + ControlNames.value(code) + QLatin1Char(']'));
        else if (code < 0x7F)
            text.append(QLatin1Char(char(code)));
        else
            text.append(QStringLiteral("[0x%1]").arg(full ? QString::number(code, 16).toUpper()
                                                          : QString::number(code, 16)));
    }
    return text;
}

}  // namespace

int hexDigitValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

int ControlCodeOfName(const QString &name)
{
    // From 1 on: "NULL" is not found and yields 0, which is its code anyway.
    return qMax(0, int(ControlNames.indexOf(name, 1)));
}

QByteArray TextToDeviceCodes(const QString &text, const char *debugFormat)
{
    const QByteArray literals = literalBytes(text);
    QByteArray codes;
    codes.reserve(text.size());
    int i = 0;
    while (i < text.size()) {
        int end = 0;
        uchar code = 0;
        if (text.at(i) == QLatin1Char('[') && bracketTokenAt(text, i, &end, &code)) {
            codes.append(char(code));
            i = end + 1;
            continue;
        }
        const uchar byte = uchar(literals.at(i));
        if (debugFormat)
            qDebug(debugFormat, uint(byte));
        codes.append(char(deviceCodeOfByte(byte)));
        ++i;
    }
    return codes;
}

QString DeviceCodesToText(const QByteArray &codes)
{
    return codesText(codes, true);
}

QString SerialDisplayText(const QByteArray &codes)
{
    return codesText(codes, false);
}

QList<UnknownBracket> UnknownBrackets(const QString &text)
{
    QList<UnknownBracket> unknown;
    const auto isWordCharacter = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    int i = 0;
    while (i < text.size()) {
        if (text.at(i) != QLatin1Char('[')) {
            ++i;
            continue;
        }
        int end = 0;
        uchar code = 0;
        if (bracketTokenAt(text, i, &end, &code)) {
            const QString token = text.mid(i, end - i + 1);
            // Only "[NULL]" and a well-formed "[0x00]" stand for 0x00 on purpose.
            const bool hex = token.size() == 6 && token.startsWith(QLatin1String("[0x"))
                && hexDigitValue(token.at(3)) >= 0 && hexDigitValue(token.at(4)) >= 0;
            if (code == 0 && !hex && token != QLatin1String("[NULL]"))
                unknown.append({token, true});
            i = end + 1;
            continue;
        }
        // A literal "[": a word in brackets after it was most likely meant as a name.
        int close = i + 1;
        while (close < text.size() && isWordCharacter(text.at(close)))
            ++close;
        if (close > i + 1 && close < text.size() && text.at(close) == QLatin1Char(']')) {
            unknown.append({text.mid(i, close - i + 1), false});
            i = close + 1;
            continue;
        }
        ++i;
    }
    return unknown;
}
