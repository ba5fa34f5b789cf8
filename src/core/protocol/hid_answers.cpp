#include "core/protocol/hid_answers.h"

#include "core/protocol/frames.h"

namespace HidAnswers {

namespace {

quint8 byteAt(const QByteArray &answer, int index)
{
    return index < answer.size() ? quint8(answer[index]) : 0;
}

QByteArray bytesAt(const QByteArray &answer, int index, int count)
{
    return answer.mid(index, count).leftJustified(count, char(0x00));
}

SettingsRecord status(const QByteArray &answer, int shift, int versionByte)
{
    SettingsRecord record;
    record.options = byteAt(answer, 8 + shift);
    record.outputStart = byteAt(answer, 9 + shift);
    record.outputLength = byteAt(answer, 10 + shift);
    record.kbCountry = qint8(byteAt(answer, 13));
    record.version = bytesAt(answer, versionByte, VersionLength);
    return record;
}

}  // namespace

SettingsRecord parseStatus(const QByteArray &answer)
{
    return status(answer, 0, 56);
}

std::optional<QByteArray> parseAffix(const QByteArray &answer)
{
    if (const auto length = Frames::affixAnswerLength(answer))
        return answer.mid(1, *length);
    return std::nullopt;
}

SettingsRecord parseOneShotStatus(const QByteArray &answer)
{
    return status(answer, 1, 55);
}

std::optional<QByteArray> parseOneShotAffix(const QByteArray &answer)
{
    const int length = byteAt(answer, 1);
    // The count is checked before the checksum byte it points at is read.
    if (length > Frames::MaxAffixCodes || answer.size() < length + 3)
        return std::nullopt;
    if (Frames::checksum(answer.left(length + 2)) != quint8(answer[length + 2]))
        return std::nullopt;
    return answer.mid(2, length);
}

}  // namespace HidAnswers
