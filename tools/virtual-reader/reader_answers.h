#pragma once

#include "reader_model.h"

#include <QByteArray>
#include <QList>

// The reader's side of the protocol as plain functions: answers to read frames on each
// transport, storing an affix, and cutting the serial stream into frames.
namespace VirtualReader::Answers {

constexpr int HidAnswerSize = 64;
constexpr int HidSequenceByte = 48;   // complement of the request's sequence number
constexpr int MaxAffixCodes = 31;     // what the reader keeps per affix

// 0x00 and the three affix reads; the only frames answered over USB HID.
bool isHidRead(quint8 code);
// The same on the serial line, plus the read forms (byte 3 = 0) of 0x02 and 0x10.
bool isSerialRead(const QByteArray &frame);

// The 64-byte HID answer to a read, byte 48 = 0xFF - sequence.
QByteArray hidAnswer(const Settings &settings, const QByteArray &version, quint8 code,
                     quint8 sequence, bool badChecksum = false, bool countAbove31 = false);
// The answer on the serial line: "QKR", data, 0x0D.
QByteArray serialAnswer(const Settings &settings, const QByteArray &version, quint8 code);
// The same length of noise that does not begin with the header, still ending in 0x0D.
QByteArray garbleSerialAnswer(const QByteArray &answer);
// `size` bytes of line noise: no "QKR", no 0x0D, and no byte equal to `avoid`, so that an HID
// report of it pairs with no request whose complement is not `avoid` either.
QByteArray noise(int size, quint8 avoid);

// Keeps the first 31 codes of an affix write (0x21, 0x25, 0x29) in the matching field.
void storeAffix(Settings &settings, quint8 code, const QByteArray &codes);
void clampAffixes(Settings &settings);

// Takes the complete frames off the front of the buffer, dropping bytes that cannot begin a
// frame; a frame still incomplete stays in the buffer. Fixed frames are 8 bytes, affix writes
// 4 + N, the other-interface form 6 + N.
QList<QByteArray> cutSerialFrames(QByteArray &buffer);

}  // namespace VirtualReader::Answers
