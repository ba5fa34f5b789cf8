#include <QtTest>

#include <QTextCodec>

#include "test_support.h"
#include "text/codepage437_codec.h"
#include "text/keycode.h"
#include "text/name_tables.h"

namespace {

QTextCodec *codecNamed(const QByteArray &name)
{
    static QTextCodec *const cp437 = new QCodePage437Codec;   // the registry owns it
    return name == "IBM437" ? cp437 : QTextCodec::codecForName(name);
}

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

QByteArray allCodes()
{
    QByteArray codes;
    for (int code = 0; code < 256; ++code)
        codes.append(char(code));
    return codes;
}

}  // namespace

class KeyCodeTest : public QObject
{
    Q_OBJECT

private:
    QTextCodec *saved_ = nullptr;

    void useLocaleCodec(const QByteArray &name)
    {
        QTextCodec *codec = codecNamed(name);
        QVERIFY2(codec, name.constData());
        QTextCodec::setCodecForLocale(codec);
    }

private slots:
    void initTestCase() { saved_ = QTextCodec::codecForLocale(); }
    void init() { useLocaleCodec("Windows-1252"); }
    void cleanup() { QTextCodec::setCodecForLocale(saved_); }

    void shouldHaveTheNameTables()
    {
        QCOMPARE(ControlNames.size(), 32);
        QCOMPARE(ControlNames.at(0x00), QString("NULL"));
        QCOMPARE(ControlNames.at(0x0D), QString("CR"));
        QCOMPARE(ControlNames.at(0x1B), QString("ESC"));
        QCOMPARE(ControlNames.at(0x1F), QString("US"));
        const QRegularExpression shape(QStringLiteral("^[A-Z0-9]{2,4}$"));
        for (const QString &name : ControlNames) {
            QVERIFY2(shape.match(name).hasMatch(), qPrintable(name));
            QCOMPARE(ControlNames.count(name), 1);
        }
        QCOMPARE(CountryNames, (QStringList{"USA", "U.K", "French", "German", "Italy"}));
    }

    void shouldFindControlNamesExactly()
    {
        for (int code = 1; code < 32; ++code)
            QCOMPARE(ControlCodeOfName(ControlNames.at(code)), code);
        QCOMPARE(ControlCodeOfName("NULL"), 0);
        QCOMPARE(ControlCodeOfName("cr"), 0);
        QCOMPARE(ControlCodeOfName("Esc"), 0);
        QCOMPARE(ControlCodeOfName(" CR"), 0);
        QCOMPARE(ControlCodeOfName(QString()), 0);
    }

    void shouldConvertTextToCodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("letters and names") << "AB[CR][LF]" << hex("41420d0a");
        QTest::newRow("escape") << "[ESC]" << hex("1b");
        QTest::newRow("names are case-sensitive") << "[esc]" << hex("00");
        QTest::newRow("NULL") << "[NULL]" << hex("00");
        QTest::newRow("two-letter name") << "[US]" << hex("1f");
        QTest::newRow("unknown names give 0") << "[AB][DEL][cr]" << hex("000000");
        QTest::newRow("hex upper") << "[0x7F]" << hex("7f");
        QTest::newRow("hex lower") << "[0x7f]" << hex("7f");
        QTest::newRow("hex in text") << "A[0x41]B" << hex("414142");
        QTest::newRow("upper-case X is a name") << "[0X41]" << hex("00");
        QTest::newRow("no digits") << "[0x]" << hex("00");
        QTest::newRow("one digit") << "[0x4]" << hex("00");
        QTest::newRow("not hex") << "[0x4G]" << hex("00");
        QTest::newRow("a sign is no digit") << "[0x-1]" << hex("00");
        QTest::newRow("one character is no token") << "[X]" << hex("5b585d");
        QTest::newRow("five characters are no token") << "[ABCDE]" << hex("5b41424344455d");
        QTest::newRow("hex of three digits is no token") << "[0x412]" << hex("5b30783431325d");
        QTest::newRow("empty brackets") << "[]" << hex("5b5d");
        QTest::newRow("bracket then token") << "[[CR]" << hex("5b0d");
        QTest::newRow("bracket two before token") << "[A[CR]" << hex("5b410d");
        QTest::newRow("closing at second position") << "[A]]" << hex("5b415d5d");
        QTest::newRow("first closing bracket ends it") << "[CR]]" << hex("0d5d");
        QTest::newRow("name up to first closing") << "[AB]C]" << hex("00435d");
        QTest::newRow("bracket at the end") << "AB[" << hex("41425b");
        QTest::newRow("unclosed") << "[CR" << hex("5b4352");
        QTest::newRow("closing too far") << "[0x41 ]" << hex("5b30783431205d");
        QTest::newRow("literal tab") << "\t" << hex("09");
        QTest::newRow("e acute") << QString::fromUtf8("é") << hex("e9");
        QTest::newRow("euro") << QString::fromUtf8("€") << hex("b0");
        QTest::newRow("degree sign") << QString::fromUtf8("°") << hex("b0");
        QTest::newRow("the seven") << QString::fromUtf8("€¤¦§¨³´") << hex("b0b1b2b3b4b5b6");
        QTest::newRow("no byte in the code page") << QString::fromUtf8("αA") << hex("3f41");
    }
    void shouldConvertTextToCodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, codes);
        QCOMPARE(TextToDeviceCodes(text).toHex(' '), codes.toHex(' '));
    }

    void shouldConvertCodesToText_data()
    {
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("letters and names") << hex("41420d0a") << "AB[CR][LF]";
        QTest::newRow("NULL") << hex("00") << "[NULL]";
        QTest::newRow("tab") << hex("09") << "[HT]";
        QTest::newRow("space and tilde") << hex("207e") << " ~";
        QTest::newRow("delete") << hex("7f") << "[0x7F]";
        QTest::newRow("upper-case hex") << hex("e9afb7ff") << "[0xE9][0xAF][0xB7][0xFF]";
        QTest::newRow("the seven") << hex("b0b1b2b3b4b5b6") << QString::fromUtf8("€¤¦§¨³´");
    }
    void shouldConvertCodesToText()
    {
        QFETCH(QByteArray, codes);
        QFETCH(QString, text);
        QCOMPARE(DeviceCodesToText(codes), text);
    }

    void shouldMatchSpecialBytesUnderCodePage437_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<QString>("readBack");
        // The code page puts other characters at the seven bytes; those become the special codes.
        QTest::newRow("C cedilla") << QString::fromUtf8("Ç") << hex("b0") << QString::fromUtf8("€");
        QTest::newRow("n tilde") << QString::fromUtf8("ñ") << hex("b1") << QString::fromUtf8("¤");
        QTest::newRow("ordinals") << QString::fromUtf8("ªº") << hex("b2b3") << QString::fromUtf8("¦§");
        QTest::newRow("inverted question") << QString::fromUtf8("¿") << hex("b4") << QString::fromUtf8("¨");
        QTest::newRow("section sign") << QString::fromUtf8("§") << hex("15") << "[NAK]";
        QTest::newRow("pilcrow") << QString::fromUtf8("¶") << hex("14") << "[DC4]";
        QTest::newRow("e acute") << QString::fromUtf8("é") << hex("82") << "[0x82]";
        // The seven characters themselves mostly have no byte here.
        QTest::newRow("the seven") << QString::fromUtf8("€¤¦§¨³´") << hex("3f3f3f153f3f3f")
                                   << "???[NAK]???";
        QTest::newRow("box drawing") << QString::fromUtf8("│┤") << hex("3f3f") << "??";
        QTest::newRow("tokens still work") << QString::fromUtf8("[CR]Ç[0xE9]") << hex("0db0e9")
                                           << QString::fromUtf8("[CR]€[0xE9]");
    }
    void shouldMatchSpecialBytesUnderCodePage437()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, codes);
        QFETCH(QString, readBack);
        useLocaleCodec("IBM437");
        const QByteArray converted = TextToDeviceCodes(text);
        QCOMPARE(converted.toHex(' '), codes.toHex(' '));
        QCOMPARE(DeviceCodesToText(converted), readBack);
    }

    void shouldTakeBytesCharacterByCharacterUnderUtf8_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("euro then ASCII") << QString::fromUtf8("€AB") << hex("b04142");
        QTest::newRow("the seven") << QString::fromUtf8("€¤¦§¨³´") << hex("b0b1b2b3b4b5b6");
        QTest::newRow("Latin-1 letters") << QString::fromUtf8("éÿ") << hex("e9ff");
        QTest::newRow("Windows-1252 only") << QString::fromUtf8("Œ™") << hex("8c99");
        QTest::newRow("no Windows-1252 byte") << QString::fromUtf8("αЖ") << hex("3f3f");
        // Literal positions stay those of the text, never bytes inside a wider character.
        QTest::newRow("wide then token") << QString::fromUtf8("日本[CR]A") << hex("3f3f0d41");
        QTest::newRow("surrogate pair, one code per unit") << QString::fromUtf8("A😀[LF]")
                                                           << hex("413f3f0a");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "A" << hex("3f41");
        QTest::newRow("plain ASCII") << "AB[CR]" << hex("41420d");
    }
    void shouldTakeBytesCharacterByCharacterUnderUtf8()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, codes);
        useLocaleCodec("UTF-8");
        QCOMPARE(TextToDeviceCodes(text).toHex(' '), codes.toHex(' '));
    }

    void shouldKeepPositionsWhenASingleByteCodecFoldsASurrogatePair()
    {
        // Windows-1252 turns the pair into one "?"; reading byte i of that would shift every
        // later literal by one and read past the end.
        const QString text = QString::fromUtf8("😀€");
        QCOMPARE(TextToDeviceCodes(text).toHex(' '), hex("3f3fb0").toHex(' '));
    }

    void shouldFallBackToWindows1252LikeTheLibraryCodec()
    {
        // Every BMP character under UTF-8 against the library's own Windows-1252 codec.
        useLocaleCodec("UTF-8");
        QTextCodec *windows1252 = QTextCodec::codecForName("Windows-1252");
        QVERIFY(windows1252);
        QString text;
        QByteArray expected;
        for (uint u = 0x80; u < 0x10000; ++u) {
            const QChar c{ushort(u)};
            if (c.isSurrogate() || (u >= 0x80 && u < 0xA0))
                continue;   // C1 controls: the library codec and Windows disagree; not typed anyway
            const QByteArray one = windows1252->fromUnicode(&c, 1);
            const bool hasByte = one.size() == 1 && one.at(0) != '?';
            text.append(c);
            expected.append(hasByte ? one.at(0) : '?');
        }
        // The literal bytes show in the debug lines, before the seven are mapped.
        DebugCapture debug;
        const QByteArray codes = TextToDeviceCodes(text, "%x");
        const QStringList lines = debug.lines();
        QCOMPARE(codes.size(), text.size());
        QCOMPARE(lines.size(), text.size());
        for (int i = 0; i < text.size(); ++i) {
            const uint byte = uchar(expected.at(i));
            if (lines.at(i) != QString::number(byte, 16))
                QFAIL(qPrintable(QStringLiteral("U+%1 gave %2, expected %3")
                                     .arg(text.at(i).unicode(), 4, 16, QLatin1Char('0'))
                                     .arg(lines.at(i)).arg(byte, 0, 16)));
        }
    }

    void shouldLogEachLiteralByteBeforeMapping()
    {
        DebugCapture debug;
        TextToDeviceCodes(QString::fromUtf8("A€[CR]é[0x41]"), "PreVal=%x");
        QCOMPARE(debug.lines(), (QStringList{"PreVal=41", "PreVal=80", "PreVal=e9"}));

        debug.clear();
        useLocaleCodec("UTF-8");
        TextToDeviceCodes(QString::fromUtf8("€AB"), "PosVal=%x");
        QCOMPARE(debug.lines(), (QStringList{"PosVal=80", "PosVal=41", "PosVal=42"}));

        debug.clear();
        TextToDeviceCodes(QString::fromUtf8("€AB"));
        QVERIFY(debug.lines().isEmpty());
    }

    void shouldRoundTripEveryCode_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::newRow("Windows-1252") << QByteArray("Windows-1252");
        QTest::newRow("UTF-8") << QByteArray("UTF-8");
    }
    void shouldRoundTripEveryCode()
    {
        QFETCH(QByteArray, codec);
        useLocaleCodec(codec);
        for (int code = 0; code < 256; ++code) {
            const QByteArray one(1, char(code));
            QCOMPARE(TextToDeviceCodes(DeviceCodesToText(one)).toHex(), one.toHex());
            QCOMPARE(TextToDeviceCodes(SerialDisplayText(one)).toHex(), one.toHex());
        }
        QCOMPARE(TextToDeviceCodes(DeviceCodesToText(allCodes())).toHex(' '), allCodes().toHex(' '));
        QCOMPARE(TextToDeviceCodes(SerialDisplayText(allCodes())).toHex(' '), allCodes().toHex(' '));
        // The notation has no escape: codes that spell a token read back as that token.
        QCOMPARE(TextToDeviceCodes(DeviceCodesToText("[CR]")).toHex(), QByteArray("0d"));
    }

    void shouldShowTheSerialForm_data()
    {
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("controls") << hex("000d1f") << "[NULL][CR][US]";
        QTest::newRow("printable") << hex("20417e") << " A~";
        QTest::newRow("delete") << hex("7f") << "[0x7f]";
        QTest::newRow("special codes in hex") << hex("b0b6") << "[0xb0][0xb6]";
        QTest::newRow("lower-case hex") << hex("e9afff") << "[0xe9][0xaf][0xff]";
    }
    void shouldShowTheSerialForm()
    {
        QFETCH(QByteArray, codes);
        QFETCH(QString, text);
        QCOMPARE(SerialDisplayText(codes), text);
    }
};

QTEST_GUILESS_MAIN(KeyCodeTest)
#include "tst_keycode.moc"
