#include <QtTest>

#include <QFile>
#include <QMap>

#include "text/codepage437_codec.h"

namespace {

// The registry owns every instance from its construction on: one for the whole run.
QTextCodec *codec437()
{
    static QTextCodec *const codec = new QCodePage437Codec;
    return codec;
}

// Byte -> Unicode as published, read from the data file.
QMap<int, ushort> publishedTable()
{
    QMap<int, ushort> table;
    QFile file(QStringLiteral(KEYLON2_TEST_DATA "/cp437.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return table;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' ');
        bool byteOk = false;
        bool unicodeOk = false;
        const int byte = fields.value(0).mid(2).toInt(&byteOk, 16);
        const ushort unicode = fields.value(1).mid(2).toUShort(&unicodeOk, 16);
        if (byteOk && unicodeOk && fields.value(1).startsWith("U+"))
            table.insert(byte, unicode);
    }
    return table;
}

// Where this codec departs from the published table on the way to Unicode.
const QMap<int, ushort> toUnicodeExceptions = {
    {0x1A, 0x001C}, {0x1C, 0x007F}, {0x7F, 0x001A}, {0xE6, 0x03BC}};
// ... and on the way back.
const QMap<ushort, int> fromUnicodeExceptions = {
    {0x001A, 0x7F}, {0x001C, 0x1A}, {0x00A7, 0x15}, {0x00B6, 0x14}};

QString units(std::initializer_list<ushort> list)
{
    QString s;
    for (ushort u : list)
        s.append(QChar(u));
    return s;
}

}  // namespace

class Codec437Test : public QObject
{
    Q_OBJECT

private slots:
    void shouldNameItselfLikeTheRegistryExpects()
    {
        QCOMPARE(codec437()->name(), QByteArray("IBM437"));
        QCOMPARE(codec437()->aliases(),
                 (QList<QByteArray>{"CP437", "cp437", "437", "csPC8CodePage437"}));
        QCOMPARE(codec437()->mibEnum(), 2011);
    }

    void shouldHaveTheWholePublishedTableAsData()
    {
        const QMap<int, ushort> table = publishedTable();
        QCOMPARE(table.size(), 256);
        int latin1 = 0;
        for (int byte = 0x80; byte < 0x100; ++byte)
            latin1 += table.value(byte) < 0x100 ? 1 : 0;
        QCOMPARE(latin1, 53);
    }

    void shouldMapEachByteToUnicode()
    {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        const QString out = codec437()->toUnicode(all);
        QCOMPARE(out.size(), 256);
        const QMap<int, ushort> table = publishedTable();
        for (int byte = 0; byte < 256; ++byte) {
            const ushort expected = toUnicodeExceptions.value(byte, table.value(byte));
            QVERIFY2(out.at(byte).unicode() == expected,
                     qPrintable(QStringLiteral("byte 0x%1 gave U+%2, expected U+%3")
                                    .arg(byte, 2, 16, QLatin1Char('0'))
                                    .arg(out.at(byte).unicode(), 4, 16, QLatin1Char('0'))
                                    .arg(expected, 4, 16, QLatin1Char('0'))));
            QCOMPARE(codec437()->toUnicode(all.mid(byte, 1)), QString(QChar(expected)));
        }
    }

    void shouldMapLatin1RangeToBytes_data()
    {
        QTest::addColumn<ushort>("unicode");
        QTest::addColumn<int>("expected");
        QMap<ushort, int> inverse;
        const QMap<int, ushort> table = publishedTable();
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            if (it.value() < 0x100)
                inverse.insert(it.value(), it.key());
        }
        for (ushort u = 0; u < 0x100; ++u) {
            const int expected = fromUnicodeExceptions.value(u, inverse.value(u, 0x3F));
            QTest::addRow("U+%04X", u) << u << expected;
        }
    }
    void shouldMapLatin1RangeToBytes()
    {
        QFETCH(ushort, unicode);
        QFETCH(int, expected);
        const QChar in(unicode);
        const QByteArray out = codec437()->fromUnicode(&in, 1);
        QCOMPARE(out.size(), 1);
        QCOMPARE(int(uchar(out.at(0))), expected);
    }

    void shouldNotBeItsOwnInverse()
    {
        // Byte 0x1C becomes U+007F and comes back as 0x7F; 0xE6 becomes mu, which has no byte.
        QCOMPARE(codec437()->fromUnicode(codec437()->toUnicode("\x1c")), QByteArray("\x7f"));
        QCOMPARE(codec437()->fromUnicode(codec437()->toUnicode("\xe6")), QByteArray("?"));
        QCOMPARE(codec437()->fromUnicode(QString(QChar(0x00B5))), QByteArray("\xe6"));
    }

    void shouldGiveQuestionMarkAboveLatin1()
    {
        // One byte per code unit, whatever the unit: box drawing, Greek, the euro sign and both
        // halves of a surrogate pair.
        const QString text = units({0x2591, 0x03B1, 0x03BC, 0x20AC, 0xD83D, 0xDE00, 0x0041});
        QCOMPARE(codec437()->fromUnicode(text), QByteArray("??????A"));
        QCOMPARE(codec437()->fromUnicode(QString()), QByteArray());
    }

    void shouldReadHexadecimalText_data()
    {
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one unit") << QByteArray("800041FFFF") << units({0x41});
        QTest::newRow("two units") << QByteArray("80004120ACFFFF") << units({0x41, 0x20AC});
        QTest::newRow("lower-case digits") << QByteArray("8020acFFFF") << units({0x20AC});
        QTest::newRow("frame only") << QByteArray("80FFFF") << QString();
        QTest::newRow("empty input") << QByteArray() << QString();
        QTest::newRow("space skipped") << QByteArray("8000 41FFFF") << units({0x41});
        QTest::newRow("any non-digit skipped") << QByteArray("80-00:4.1FFFF") << units({0x41});
        QTest::newRow("leftover digit dropped") << QByteArray("8000410FFFF") << units({0x41});
        QTest::newRow("three leftover digits") << QByteArray("80004112 3FFFF") << units({0x41});
        QTest::newRow("surrogate pair") << QByteArray("80D83DDE00FFFF") << units({0xD83D, 0xDE00});
        // Not the frame: converted byte by byte.
        QTest::newRow("lower-case ffff") << QByteArray("800041ffff") << QString("800041ffff");
        QTest::newRow("five bytes") << QByteArray("80FFF") << QString("80FFF");
        QTest::newRow("three F") << QByteArray("800041FFF") << QString("800041FFF");
        QTest::newRow("no leading 80") << QByteArray("810041FFFF") << QString("810041FFFF");
    }
    void shouldReadHexadecimalText()
    {
        QFETCH(QByteArray, in);
        QFETCH(QString, expected);
        QCOMPARE(codec437()->toUnicode(in), expected);
    }

    void shouldIgnoreTheConverterState()
    {
        // Nothing carries over between calls: each piece of a split input is converted alone.
        QTextCodec::ConverterState state;
        const QByteArray first("8000");
        const QByteArray second("41FFFF");
        QCOMPARE(codec437()->toUnicode(first.constData(), first.size(), &state), QString("8000"));
        QCOMPARE(codec437()->toUnicode(second.constData(), second.size(), &state), QString("41FFFF"));
        QCOMPARE(state.invalidChars, 0);
        const QString euro(QChar(0x20AC));
        QCOMPARE(codec437()->fromUnicode(euro.constData(), 1, &state), QByteArray("?"));
        QCOMPARE(state.invalidChars, 0);
    }
};

QTEST_GUILESS_MAIN(Codec437Test)
#include "tst_codec437.moc"
