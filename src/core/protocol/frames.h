#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// Command codes of the reader's 8-byte command frames.
enum Command : quint8 {
    CmdStatus = 0x00,
    CmdOptions = 0x02,
    CmdKBCountry = 0x03,
    CmdOutput = 0x10,
    CmdGetPre = 0x20,
    CmdSetPre = 0x21,
    CmdGetPost = 0x24,
    CmdSetPost = 0x25,
    CmdGetRemove = 0x28,
    CmdSetRemove = 0x29,
    CmdOtherInterface = 0x30,
    CmdSave = 0x80,
    CmdChangeInterface = 0xFD,
    CmdIspMode = 0xFF,
};

namespace Frames {

constexpr int ReportSize = 65;        // report ID and 64 bytes of payload
constexpr int SequenceByte = 49;      // position of the sequence number in a request report
constexpr int AnswerSequenceByte = 48;  // position of its complement in an answer
constexpr int MaxAffixCodes = 31;     // the most codes an affix answer may carry

// 1B 42 code 00 00 00 00 0D
QByteArray readFrame(quint8 code);
// 1B 42 code 55 AA 55 AA 0D: save, change interface, ISP mode.
QByteArray keyedFrame(quint8 code);
// 1B 42 code 01 p1 p2 00 0D: the write form of options, output window and keyboard country.
QByteArray writeFrame(quint8 code, quint8 p1, quint8 p2 = 0);
// 1B 42 code N codes...: an affix write; N is the low 8 bits of the count.
QByteArray affixFrame(quint8 code, const QByteArray &codes);
// 1B 42 30 interface code N codes...: an affix write meant for the other interface.
QByteArray otherInterfaceAffixFrame(quint8 interfaceSetting, quint8 code, const QByteArray &codes);

// The 65-byte output report: 0x00, the frame (cut to 64 bytes), zeros, the sequence number
// in byte 49.
QByteArray hidReport(const QByteArray &frame, quint8 sequence = 0);

// Advances the rolling sequence number (0xFF goes to 0x01, never 0) and returns it.
quint8 advanceSequence(quint8 &sequence);

// True when byte 48 of the answer is the complement of the expected sequence number, or when
// the expected number is 0 (no check).
bool answerMatches(const QByteArray &answer, quint8 expected);

// The count L of an HID affix answer when L <= 31 and its checksum (byte L + 1, the low
// 8 bits of the sum of bytes 0 to L) matches; no value otherwise. Never reads past the answer.
std::optional<int> affixAnswerLength(const QByteArray &answer);

// The low 8 bits of the sum of the bytes.
quint8 checksum(const QByteArray &bytes);

}  // namespace Frames
