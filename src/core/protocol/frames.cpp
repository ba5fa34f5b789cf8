#include "core/protocol/frames.h"

namespace Frames {

namespace {
QByteArray frameHead(quint8 code)
{
    QByteArray frame;
    frame.append(char(0x1B)).append(char(0x42)).append(char(code));
    return frame;
}
}  // namespace

QByteArray readFrame(quint8 code)
{
    return frameHead(code).append(4, char(0x00)).append(char(0x0D));
}

QByteArray keyedFrame(quint8 code)
{
    return frameHead(code).append("\x55\xAA\x55\xAA\x0D", 5);
}

QByteArray writeFrame(quint8 code, quint8 p1, quint8 p2)
{
    return frameHead(code).append(char(0x01)).append(char(p1)).append(char(p2)).append(char(0x00)).append(char(0x0D));
}

QByteArray affixFrame(quint8 code, const QByteArray &codes)
{
    return frameHead(code).append(char(quint8(codes.size()))).append(codes);
}

QByteArray otherInterfaceAffixFrame(quint8 interfaceSetting, quint8 code, const QByteArray &codes)
{
    return frameHead(CmdOtherInterface)
        .append(char(interfaceSetting))
        .append(char(code))
        .append(char(quint8(codes.size())))
        .append(codes);
}

QByteArray hidReport(const QByteArray &frame, quint8 sequence)
{
    QByteArray report(ReportSize, char(0x00));
    const int n = qMin(int(frame.size()), ReportSize - 1);
    report.replace(1, n, frame.left(n));
    if (sequence != 0)
        report[SequenceByte] = char(sequence);
    return report;
}

quint8 advanceSequence(quint8 &sequence)
{
    sequence = (sequence == 0xFF) ? 0x01 : quint8(sequence + 1);
    return sequence;
}

bool answerMatches(const QByteArray &answer, quint8 expected)
{
    if (expected == 0)
        return true;
    if (answer.size() <= AnswerSequenceByte)
        return false;
    return quint8(answer[AnswerSequenceByte]) == quint8(0xFF - expected);
}

quint8 checksum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char c : bytes)
        sum = quint8(sum + quint8(c));
    return sum;
}

std::optional<int> affixAnswerLength(const QByteArray &answer)
{
    if (answer.isEmpty())
        return std::nullopt;
    const int length = quint8(answer[0]);
    // The count is checked before its checksum byte is looked at: a count above 31 would
    // point the checksum outside any answer the reader can send.
    if (length > MaxAffixCodes || answer.size() < length + 2)
        return std::nullopt;
    if (checksum(answer.left(length + 1)) != quint8(answer[length + 1]))
        return std::nullopt;
    return length;
}

}  // namespace Frames
