#include "core/protocol/serial_answers.h"

#include "core/settings/settings_table.h"

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

Taken take(const Parsed &parsed)
{
    Taken taken;
    const quint8 status[] = {RecordFields::Version, RecordFields::Options, RecordFields::OutputWindow};
    for (int i = 0; i < 3 && i < parsed.complete; ++i)
        taken.fields |= status[i];
    taken.record.version = parsed.versionBytes;
    taken.record.options = parsed.options;
    taken.record.outputStart = parsed.outputStart;
    taken.record.outputLength = parsed.outputLength;
    for (int i = 0; i < RecordFields::AffixCount; ++i) {
        if (parsed.complete >= 4 + i && parsed.affixes[i].accepted) {
            taken.record.*Settings::affixes().at(i)->codes = parsed.affixes[i].codes;
            taken.fields |= RecordFields::affix(i);
        }
    }
    return taken;
}

namespace {

// The length of answer `index` (0 version, 1 options, 2 output window, 3 to 5 the affixes)
// when one that ends in 0x0D lies whole at `at`; 0 otherwise.
int answerLengthAt(const QByteArray &bytes, int at, int index)
{
    const int left = bytes.size() - at;
    int length = FixedAnswerSize;
    if (index >= 3) {
        if (left < 4)
            return 0;
        length = quint8(bytes[at + 3]) + 5;
    }
    if (left < length || bytes[at + length - 1] != '\r')
        return 0;
    return length;
}

}  // namespace

Found findAnswers(const QByteArray &collected)
{
    Found found;
    const QByteArray header("QKR");
    // The last set wins: the reader answers in order, so a set before it answered the frames
    // of a request that is not this one (a process killed while it read).
    for (int start = collected.lastIndexOf(header); start >= 0;
         start = start > 0 ? collected.lastIndexOf(header, start - 1) : -1) {
        if (answerLengthAt(collected, start, 0) == 0)
            continue;
        struct Span { int at, length; };
        Span spans[AnswerCount] = {{start, FixedAnswerSize}};
        int next = start + FixedAnswerSize;
        int index = 1;
        for (; index < AnswerCount; ++index) {
            int at = -1;
            for (int look = collected.indexOf(header, next); look >= 0; look = collected.indexOf(header, look + 1)) {
                if (answerLengthAt(collected, look, index) > 0) {
                    at = look;
                    break;
                }
            }
            if (at < 0 && answerLengthAt(collected, next, index) > 0)
                at = next;
            if (at < 0)
                break;
            spans[index] = {at, answerLengthAt(collected, at, index)};
            next = at + spans[index].length;
        }
        if (index < AnswerCount)
            continue;
        found.whole = true;
        int from = 0;
        for (const Span &span : spans) {
            found.others += collected.mid(from, span.at - from);
            found.answers += collected.mid(span.at, span.length);
            from = span.at + span.length;
        }
        found.others += collected.mid(from);
        return found;
    }
    // A reader whose answers do not each end in 0x0D: taken by position, as one chunk.
    found.whole = parse(collected).allComplete();
    (found.whole ? found.answers : found.others) = collected;
    return found;
}

}  // namespace SerialAnswers
