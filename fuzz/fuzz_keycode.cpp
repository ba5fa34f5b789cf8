// Arbitrary bytes through the key-code conversions and the code page 437 codec.
//
// The first byte picks the locale codec, the second how the rest becomes text (UTF-8, or raw
// UTF-16 code units so that lone surrogates come through). Checked on every input: one code
// at most per code unit of the text, a text without "[" reads back to the same codes, and the
// 437 codec keeps one byte per code unit.

#include <QByteArray>
#include <QString>
#include <QTextCodec>

#include <cstdint>
#include <cstdlib>

#include "core/text/codepage437_codec.h"
#include "core/text/keycode.h"

namespace {

void discardMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

QTextCodec *codec437()
{
    static QTextCodec *const codec = new QCodePage437Codec;   // the registry owns it
    return codec;
}

QTextCodec *localeCodec(uint8_t choice)
{
    switch (choice % 5) {
    case 0: return QTextCodec::codecForName("Windows-1252");
    case 1: return QTextCodec::codecForName("UTF-8");
    case 2: return codec437();
    case 3: return QTextCodec::codecForName("Shift-JIS");
    default: return QTextCodec::codecForName("UTF-16LE");
    }
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = (qInstallMessageHandler(discardMessages), true);
    (void)quiet;
    if (size < 2)
        return 0;
    const uint8_t codecChoice = data[0];
    const bool rawUtf16 = data[1] & 1;
    const char *rest = reinterpret_cast<const char *>(data + 2);
    const int restSize = int(size - 2);

    QTextCodec *codec = localeCodec(codecChoice);
    if (codec)
        QTextCodec::setCodecForLocale(codec);
    const bool asciiCompatibleSingleByte = (codecChoice % 5) <= 1;

    const QString text = rawUtf16
        ? QString(reinterpret_cast<const QChar *>(rest), restSize / 2)
        : QString::fromUtf8(rest, restSize);

    const QByteArray codes = TextToDeviceCodes(text, "PreVal=%x");
    check(codes.size() <= text.size());

    const QString shown = DeviceCodesToText(codes);
    const QString serial = SerialDisplayText(codes);
    if (asciiCompatibleSingleByte && !codes.contains('[')) {
        check(TextToDeviceCodes(shown) == codes);
        check(TextToDeviceCodes(serial) == codes);
    }

    const QByteArray bytes(rest, restSize);
    const QString decoded = codec437()->toUnicode(bytes);
    check(decoded.size() <= bytes.size());
    check(codec437()->fromUnicode(decoded).size() == decoded.size());
    check(codec437()->fromUnicode(text).size() == text.size());
    return 0;
}
