// Arbitrary bytes as one USB HID input report from the reader, through every answer parser
// the utility has for it: the status answer, the affix answer, and the one-shot layouts of the
// Status page. A copy of exactly the input's size, so that a read past it is a heap overflow.
// Checked on every input: what is taken fits the reader's limits and came from the bytes.

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

#include "core/protocol/frames.h"
#include "core/protocol/hid_answers.h"

namespace {

void checkAffix(const QByteArray &answer, const std::optional<QByteArray> &codes, int countAt)
{
    if (!codes)
        return;
    // The count byte says how many codes, and the checksum after them was inside the report.
    if (codes->size() > Frames::MaxAffixCodes || codes->size() != quint8(answer[countAt])
        || countAt + 1 + codes->size() >= answer.size())
        std::abort();
    if (*codes != answer.mid(countAt + 1, codes->size()))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray answer(reinterpret_cast<const char *>(data), int(size));

    for (const SettingsRecord &status : {HidAnswers::parseStatus(answer), HidAnswers::parseOneShotStatus(answer)}) {
        if (status.version.size() != HidAnswers::VersionLength)
            std::abort();
        if (status.kbCountry < -128 || status.kbCountry > 127)
            std::abort();
    }
    checkAffix(answer, HidAnswers::parseAffix(answer), 0);
    checkAffix(answer, HidAnswers::parseOneShotAffix(answer), 1);

    Frames::answerMatches(answer, answer.isEmpty() ? 0 : quint8(answer[0]));
    return 0;
}
