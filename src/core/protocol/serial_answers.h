#pragma once

#include <QByteArray>
#include <QtGlobal>

#include "core/settings/settings_record.h"

// The answers to the six read frames as they come back on the serial line, back to back:
// version (8 bytes, "QKR..."), option byte (8), output window (8), then preamble, postamble
// and remove data (L + 5 bytes each: three header bytes, L, the codes, 0x0D).
namespace SerialAnswers {

constexpr int FixedAnswerSize = 8;
constexpr int AnswerCount = 3 + RecordFields::AffixCount;

struct Affix
{
    bool accepted = false;  // L <= 31; a longer affix is skipped and leaves its edit alone
    QByteArray codes;
};

struct Parsed
{
    bool recognised = false;  // starts with "QKR" and the chunk's last byte is 0x0D
    int complete = 0;         // how many answers, in order, lie whole inside the chunk
    QByteArray versionBytes;  // the 8 bytes of the version answer
    quint8 options = 0;
    quint8 outputStart = 0;
    quint8 outputLength = 0;
    Affix affixes[RecordFields::AffixCount];  // preamble, postamble, remove data

    bool allComplete() const { return recognised && complete == AnswerCount; }
};

// Takes a chunk apart by fixed positions. Stops at the first answer that is not whole in the
// chunk and never reads past it. Neither checksums nor the 0x0D of each answer are looked at:
// only the header at the start and the 0x0D at the very end.
Parsed parse(const QByteArray &chunk);

// What the whole answers in a parsed chunk say, and which fields of the record they gave: the
// version, the switches but remove ID code, the output window, and each affix whose answer
// was whole and accepted.
struct Taken
{
    SettingsRecord record;
    quint8 fields = 0;  // RecordFields
};
Taken take(const Parsed &parsed);

// The answers to a settings read, found in what the line brought while the read collected
// them. The reader types a key's ID code on the line whenever a key is read, so such bytes may
// come before, after or between its answers.
struct Found
{
    bool whole = false;  // all six answers were found, each ending in 0x0D
    QByteArray answers;  // the six answers back to back: a chunk that parse() takes whole
    QByteArray others;   // every other byte, in the order it came
};
// Of two whole sets the later one is taken: the earlier one answered an older request.
// The version answer is "QKR" with 0x0D in its byte 7; each next answer is taken at the first
// place after the one before where it starts with the same header, or, for a reader whose
// answers carry other headers, right after it. Without all six, each ending in 0x0D, the
// bytes are the answers only when parse() takes them whole as they stand.
Found findAnswers(const QByteArray &collected);

}  // namespace SerialAnswers
