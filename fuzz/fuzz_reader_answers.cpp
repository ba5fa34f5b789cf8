// Arbitrary bytes as what the reader sent: a serial chunk through the status parser, what a
// settings read collected through the search for its answers, and an USB HID answer through the
// affix answer check and the HID answer parsers (fuzz_hid_answers checks those closer). Checked
// on every input: nothing is taken from beyond the bytes given, and what is accepted fits the
// reader's limits.

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

#include "core/protocol/frames.h"
#include "core/protocol/hid_answers.h"
#include "core/protocol/serial_answers.h"
#include "core/settings/page_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy of exactly the input's size, so that a read past it is a heap overflow.
    const QByteArray chunk(reinterpret_cast<const char *>(data), int(size));

    const SerialAnswers::Parsed parsed = SerialAnswers::parse(chunk);
    if (parsed.complete < 0 || parsed.complete > SerialAnswers::AnswerCount)
        std::abort();
    if (!parsed.recognised && parsed.complete != 0)
        std::abort();
    int used = parsed.complete >= 3 ? 3 * SerialAnswers::FixedAnswerSize : parsed.complete * 8;
    for (int i = 0; i < 3 && parsed.complete > 3 + i; ++i) {
        const SerialAnswers::Affix &affix = parsed.affixes[i];
        if (affix.accepted && affix.codes.size() > Frames::MaxAffixCodes)
            std::abort();
        used += quint8(chunk[used + 3]) + 5;
    }
    if (used > chunk.size())
        std::abort();
    PageRecord::versionText(parsed.versionBytes, true);

    // What a settings read collected: every byte is either one of the answers or one of the
    // others, and answers that were found are six whole ones.
    const SerialAnswers::Found found = SerialAnswers::findAnswers(chunk);
    if (found.answers.size() + found.others.size() != chunk.size())
        std::abort();
    if (found.whole && !SerialAnswers::parse(found.answers).allComplete())
        std::abort();
    if (!found.whole && !found.answers.isEmpty())
        std::abort();

    if (const auto length = Frames::affixAnswerLength(chunk)) {
        if (*length > Frames::MaxAffixCodes || *length + 2 > chunk.size())
            std::abort();
    }
    for (const auto &codes : {HidAnswers::parseAffix(chunk), HidAnswers::parseOneShotAffix(chunk)}) {
        if (codes && codes->size() > Frames::MaxAffixCodes)
            std::abort();
    }
    if (HidAnswers::parseStatus(chunk).version.size() != HidAnswers::VersionLength
        || HidAnswers::parseOneShotStatus(chunk).version.size() != HidAnswers::VersionLength)
        std::abort();
    return 0;
}
