#include <QtTest>

#include <QTextCodec>

#include "core_support.h"
#include "core/text/codepage437_codec.h"
#include "core/text/keycode.h"
#include "core/text/name_tables.h"

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

    // The round trip below proves that every name is a token of its own code.
    void shouldHaveTheNameTablesAndExactLookup()
    {
        QCOMPARE(ControlNames.size(), 32);
        QCOMPARE(ControlNames.at(0x00), QString("NULL"));
        QCOMPARE(ControlNames.at(0x0D), QString("CR"));
        QCOMPARE(ControlNames.at(0x1B), QString("ESC"));
        QCOMPARE(ControlNames.at(0x1F), QString("US"));
        QCOMPARE(CountryNames, (QStringList{"USA", "U.K", "French", "German", "Italy"}));
        QCOMPARE(ControlCodeOfName("ESC"), 0x1B);
        for (const char *other : {"NULL", "cr", "Esc", " CR", ""})
            QCOMPARE(ControlCodeOfName(other), 0);
    }

    void shouldConvertTextToCodes_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("codes");
        auto row = [](const char *name, const char *codec, const char *text, const char *codes) {
            QTest::newRow(name) << QByteArray(codec) << QString::fromUtf8(text) << hex(codes);
        };
        const char *w = "Windows-1252";
        row("empty", w, "", "");
        row("letters and names", w, "AB[CR][LF]", "41420d0a");
        row("names are case-sensitive", w, "[esc]", "00");
        row("two-letter name", w, "[US]", "1f");
        row("unknown names give 0", w, "[AB][DEL][cr]", "000000");
        row("hex upper", w, "[0x7F]", "7f");
        row("hex lower", w, "A[0x7f]B", "417f42");
        row("upper-case X is a name", w, "[0X41]", "00");
        row("no digits", w, "[0x]", "00");
        row("one digit", w, "[0x4]", "00");
        row("not hex", w, "[0x4G]", "00");
        row("a sign is no digit", w, "[0x-1]", "00");
        row("one character is no token", w, "[X]", "5b585d");
        row("five characters are no token", w, "[ABCDE]", "5b41424344455d");
        row("hex of three digits is no token", w, "[0x412]", "5b30783431325d");
        row("empty brackets", w, "[]", "5b5d");
        row("bracket then token", w, "[[CR]", "5b0d");
        row("bracket two before token", w, "[A[CR]", "5b410d");
        row("closing at second position", w, "[A]]", "5b415d5d");
        row("first closing bracket ends it", w, "[CR]]", "0d5d");
        row("name up to first closing", w, "[AB]C]", "00435d");
        row("bracket at the end", w, "AB[", "41425b");
        row("unclosed", w, "[CR", "5b4352");
        row("closing too far", w, "[0x41 ]", "5b30783431205d");
        row("literal tab", w, "\t", "09");
        row("e acute", w, "é", "e9");
        row("degree sign", w, "°", "b0");
        row("the seven", w, "€¤¦§¨³´", "b0b1b2b3b4b5b6");
        row("no byte in the code page", w, "αA", "3f41");
        // The codec folds the pair into one "?"; byte i of that would shift every later literal.
        row("folded surrogate pair", w, "😀€", "3f3fb0");

        // Code page 437 puts other characters at the seven bytes; those become the special
        // codes, and the seven themselves mostly have no byte there.
        const char *d = "IBM437";
        row("437 characters at the seven bytes", d, "Çñªº¿", "b0b1b2b3b4");
        row("437 section, pilcrow, e acute", d, "§¶é", "151482");
        row("437 the seven", d, "€¤¦§¨³´", "3f3f3f153f3f3f");
        row("437 box drawing", d, "│┤", "3f3f");
        row("437 tokens", d, "[CR]Ç[0xE9]", "0db0e9");

        // One code per UTF-16 unit: literal positions stay those of the text, never bytes
        // from the middle of a wider character.
        const char *u = "UTF-8";
        row("UTF-8 euro then ASCII", u, "€AB", "b04142");
        row("UTF-8 the seven", u, "€¤¦§¨³´", "b0b1b2b3b4b5b6");
        row("UTF-8 Latin-1 letters", u, "éÿ", "e9ff");
        row("UTF-8 Windows-1252 only", u, "Œ™", "8c99");
        row("UTF-8 no Windows-1252 byte", u, "αЖ", "3f3f");
        row("UTF-8 wide then token", u, "日本[CR]A", "3f3f0d41");
        row("UTF-8 surrogate pair", u, "A😀[LF]", "413f3f0a");
        row("UTF-8 plain ASCII", u, "AB[CR]", "41420d");
        QTest::newRow("UTF-8 lone surrogate") << QByteArray(u) << QString(QChar(0xD800)) + "A"
                                              << hex("3f41");
    }
    void shouldConvertTextToCodes()
    {
        QFETCH(QByteArray, codec);
        QFETCH(QString, text);
        QFETCH(QByteArray, codes);
        useLocaleCodec(codec);
        QCOMPARE(TextToDeviceCodes(text).toHex(' '), codes.toHex(' '));
    }

    void shouldShowCodesAsText_data()
    {
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<QString>("display");   // DeviceCodesToText
        QTest::addColumn<QString>("serial");    // SerialDisplayText
        QTest::newRow("empty") << QByteArray() << QString() << QString();
        QTest::newRow("controls") << hex("000d0a091f") << "[NULL][CR][LF][HT][US]"
                                  << "[NULL][CR][LF][HT][US]";
        QTest::newRow("printable") << hex("20417e") << " A~" << " A~";
        QTest::newRow("delete") << hex("7f") << "[0x7F]" << "[0x7f]";
        QTest::newRow("high codes") << hex("e9afb7ff") << "[0xE9][0xAF][0xB7][0xFF]"
                                    << "[0xe9][0xaf][0xb7][0xff]";
        QTest::newRow("the seven") << hex("b0b1b2b3b4b5b6") << QString::fromUtf8("€¤¦§¨³´")
                                   << "[0xb0][0xb1][0xb2][0xb3][0xb4][0xb5][0xb6]";
    }
    void shouldShowCodesAsText()
    {
        QFETCH(QByteArray, codes);
        QFETCH(QString, display);
        QFETCH(QString, serial);
        QCOMPARE(DeviceCodesToText(codes), display);
        QCOMPARE(SerialDisplayText(codes), serial);
        useLocaleCodec("IBM437");   // the text form does not depend on the locale
        QCOMPARE(DeviceCodesToText(codes), display);
    }

    void shouldFallBackToWindows1252LikeTheLibraryCodec()
    {
        // Every BMP character under UTF-8 against the library's own Windows-1252 codec. The
        // literal bytes show in the debug lines, before the seven are mapped. C1 controls are
        // left out: the library codec and Windows disagree there, and nobody types them.
        useLocaleCodec("UTF-8");
        QTextCodec *windows1252 = QTextCodec::codecForName("Windows-1252");
        QVERIFY(windows1252);
        QString text;
        QStringList expected;
        for (uint u = 0xA0; u < 0x10000; ++u) {
            const QChar c{ushort(u)};
            if (c.isSurrogate())
                continue;
            const QByteArray one = windows1252->fromUnicode(&c, 1);
            text.append(c);
            expected.append(QString::number(one.size() == 1 ? uchar(one.at(0)) : 0x3F, 16));
        }
        DebugCapture debug;
        QCOMPARE(TextToDeviceCodes(text, "%x").size(), text.size());
        QCOMPARE(debug.lines(), expected);   // index i is the i-th character from U+00A0 on
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

    // What a file's affix is warned about: each bracketed text the notation does not know,
    // and whether it goes out as 0x00 (a token) or as its characters.
    void shouldFindTheBracketsTheNotationDoesNotKnow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("unknown");
        QTest::addColumn<QList<bool>>("asZero");
        QTest::newRow("known names and codes") << "[NULL][CR][0x00][0x7f]A" << QStringList() << QList<bool>();
        QTest::newRow("a word too long for a token") << "ID[Enter]" << QStringList{"[Enter]"} << QList<bool>{false};
        QTest::newRow("no such name") << "[TAB]" << QStringList{"[TAB]"} << QList<bool>{true};
        QTest::newRow("lower case") << "[cr]" << QStringList{"[cr]"} << QList<bool>{true};
        QTest::newRow("one hex digit") << "[0x4]" << QStringList{"[0x4]"} << QList<bool>{true};
        QTest::newRow("literal bracket before a token") << "[[CR]" << QStringList() << QList<bool>();
        QTest::newRow("one letter") << "a[b]c[LF]" << QStringList{"[b]"} << QList<bool>{false};
    }
    void shouldFindTheBracketsTheNotationDoesNotKnow()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, unknown);
        QFETCH(QList<bool>, asZero);
        QStringList found;
        QList<bool> zero;
        for (const UnknownBracket &bracket : UnknownBrackets(text)) {
            found << bracket.text;
            zero << bracket.sentAsZero;
        }
        QCOMPARE(found, unknown);
        QCOMPARE(zero, asZero);
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
        QByteArray all;
        for (int code = 0; code < 256; ++code) {
            const QByteArray one(1, char(code));
            QCOMPARE(TextToDeviceCodes(DeviceCodesToText(one)).toHex(), one.toHex());
            QCOMPARE(TextToDeviceCodes(SerialDisplayText(one)).toHex(), one.toHex());
            all.append(one);
        }
        QCOMPARE(TextToDeviceCodes(DeviceCodesToText(all)).toHex(' '), all.toHex(' '));
        QCOMPARE(TextToDeviceCodes(SerialDisplayText(all)).toHex(' '), all.toHex(' '));
        // The notation has no escape: codes that spell a token read back as that token.
        QCOMPARE(TextToDeviceCodes(DeviceCodesToText("[CR]")).toHex(), QByteArray("0d"));
    }
};

QTEST_GUILESS_MAIN(KeyCodeTest)
#include "tst_keycode.moc"
