#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// 0 to 15 for a hexadecimal digit of either case; -1 for any other character.
int hexDigitValue(QChar c);

// The index of name in ControlNames (exact case, indices 1 to 31); 0 when none matches.
int ControlCodeOfName(const QString &name);

// Affix text in the bracket notation to the reader's device codes. Each literal byte is
// written to the debug channel with debugFormat (e.g. "PreVal=%x") when one is given.
QByteArray TextToDeviceCodes(const QString &text, const char *debugFormat = nullptr);

// Device codes to affix text in the bracket notation.
QString DeviceCodesToText(const QByteArray &codes);

// The reduced form the serial status parser shows: control names, ASCII, and "[0xhh]" in
// lower case for 0x7F to 0xFF.
QString SerialDisplayText(const QByteArray &codes);

// Bracketed texts in affix text that the notation does not know, in order, as the text spells
// them. Each is still converted as TextToDeviceCodes converts it: a token whose name is not one
// of ControlNames, or whose hexadecimal digits are not two ("[TAB]", "[cr]", "[0x4]"), gives
// the code 0x00 (sentAsZero); a bracketed word that is no token ("[Enter]", "[X]") gives its
// characters one by one.
struct UnknownBracket
{
    QString text;
    bool sentAsZero = false;
};
QList<UnknownBracket> UnknownBrackets(const QString &text);
