#include "core/text/locale_codec.h"

#include <QTextCodec>
#include <QtDebug>

#include "core/text/codepage437_codec.h"

QByteArray codecNameForCodePage(unsigned codePage)
{
    switch (codePage) {
    case 850: return QByteArrayLiteral("IBM 850");
    case 866: return QByteArrayLiteral("IBM 866");
    case 874: return QByteArrayLiteral("IBM 874");
    case 932: return QByteArrayLiteral("Shift-JIS");
    case 949: return QByteArrayLiteral("CP949");
    case 950: return QByteArrayLiteral("Big5-HKSCS");
    case 1200: return QByteArrayLiteral("UTF-16LE");
    case 1201: return QByteArrayLiteral("UTF-16BE");
    case 12000: return QByteArrayLiteral("UTF-32LE");
    case 12001: return QByteArrayLiteral("UTF-32BE");
    case 20866: return QByteArrayLiteral("KOI8-R");
    case 20932:
    case 51932: return QByteArrayLiteral("EUC-JP");
    case 21866: return QByteArrayLiteral("KOI8-U");
    case 28603: return QByteArrayLiteral("ISO 8859-13");
    case 28605: return QByteArrayLiteral("ISO 8859-15");
    case 50220:
    case 50221:
    case 50222: return QByteArrayLiteral("ISO 2022-JP");
    case 51949: return QByteArrayLiteral("EUC-KR");
    case 54936: return QByteArrayLiteral("GB18030-0");
    case 65001: return QByteArrayLiteral("UTF-8");
    default: break;
    }
    if (codePage >= 1250 && codePage <= 1258)
        return "Windows-" + QByteArray::number(codePage);
    if (codePage >= 28591 && codePage <= 28599)
        return "ISO 8859-" + QByteArray::number(codePage - 28590);
    // 936 lands here too: its codec is the platform's own.
    return QByteArrayLiteral("System");
}

void setUpLocaleCodec(unsigned ansiCodePage, unsigned oemCodePage)
{
    qDebug("GetACP=%u GetOEMCP=%u", ansiCodePage, oemCodePage);
    if (oemCodePage == 437) {
        // The registry owns a codec from its construction on, so one instance serves every set-up
        // of the run (a second window in the same process would otherwise register a second one).
        static QTextCodec *const codePage437 = new QCodePage437Codec;
        QTextCodec::setCodecForLocale(codePage437);
        return;
    }
    // A name the library does not know ("System" included) gives no codec; handing that on
    // puts the library's default locale codec back in force.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(codecNameForCodePage(oemCodePage)));
}
