// Arbitrary bytes as one chunk from the serial line, through the status parser alone, and the
// same bytes cut into pieces through the Status page's echo decoder. Checked on every input:
// every field the parser returns sits at its fixed place in the chunk, a chunk that fails the
// header or end check gives nothing, and the echo of the pieces is the echo of the whole.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

#include "core/protocol/serial_answers.h"
#include "core/protocol/serial_echo.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkParse(const QByteArray &chunk)
{
    const SerialAnswers::Parsed parsed = SerialAnswers::parse(chunk);
    check(parsed.complete >= 0 && parsed.complete <= SerialAnswers::AnswerCount);
    check(parsed.recognised == (chunk.startsWith("QKR") && chunk.endsWith('\r')));
    if (!parsed.recognised) {
        check(parsed.complete == 0);
        return;
    }
    const int fixed = SerialAnswers::FixedAnswerSize;
    check(parsed.complete >= qMin(3, chunk.size() / fixed));
    if (parsed.complete >= 1)
        check(parsed.versionBytes == chunk.left(fixed));
    if (parsed.complete >= 2)
        check(parsed.options == quint8(chunk[fixed + 4]));
    if (parsed.complete >= 3)
        check(parsed.outputStart == quint8(chunk[2 * fixed + 4])
              && parsed.outputLength == quint8(chunk[2 * fixed + 5]));
    int at = 3 * fixed;
    for (int i = 0; i < 3 && parsed.complete > 3 + i; ++i) {
        check(at + 4 <= chunk.size());
        const int length = quint8(chunk[at + 3]);
        check(at + length + 5 <= chunk.size());
        const SerialAnswers::Affix &affix = parsed.affixes[i];
        check(affix.accepted == (length <= 31));
        check(affix.codes == (affix.accepted ? chunk.mid(at + 4, length) : QByteArray()));
        at += length + 5;
    }
    // The parser stops only at an answer that is not whole.
    if (parsed.complete >= 3 && parsed.complete < SerialAnswers::AnswerCount)
        check(at + 4 > chunk.size() || at + quint8(chunk[at + 3]) + 5 > chunk.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte says where the echo cuts the rest: every (n + 1)th byte ends a piece.
    const int step = data[0] % 16 + 1;
    // A copy of exactly the input's size, so that a read past it is a heap overflow.
    const QByteArray chunk(reinterpret_cast<const char *>(data + 1), int(size - 1));
    checkParse(chunk);

    SerialEchoDecoder whole;
    const QString expected = whole.decode(chunk);
    check(!expected.contains(QChar(0)));
    SerialEchoDecoder pieces;
    QString shown;
    for (int at = 0; at < chunk.size(); at += step)
        shown += pieces.decode(chunk.mid(at, step));
    check(shown == expected);
    return 0;
}
