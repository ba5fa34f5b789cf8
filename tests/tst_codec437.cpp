#include <QtTest>

#include <QFile>
#include <QMap>

#include <cstdio>

#include "build_paths.h"
#include "core/text/codepage437_codec.h"

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
    QFile file(buildPath("KEYLON2_TEST_DATA", "/cp437.txt"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            unsigned byte = 0;
            unsigned unicode = 0;
            if (std::sscanf(line.constData(), "0x%x U+%x", &byte, &unicode) == 2)
                table.insert(int(byte), ushort(unicode));
        }
    }
    return table;
}

// Where this codec departs from the published table on the way to Unicode.
const QMap<int, ushort> toUnicodeExceptions = {
    {0x1A, 0x001C}, {0x1C, 0x007F}, {0x7F, 0x001A}, {0xE6, 0x03BC}};
// ... and on the way back.
const QMap<ushort, int> fromUnicodeExceptions = {
    {0x001A, 0x7F}, {0x001C, 0x1A}, {0x00A7, 0x15}, {0x00B6, 0x14}};

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

    // Below U+0100 the way back is the published inverse, so U+00B5 goes to 0xE6 although 0xE6
    // reads as mu.
    void shouldMapAsPublishedExceptForTheExceptions()
    {
        const QMap<int, ushort> table = publishedTable();
        QCOMPARE(table.size(), 256);
        QMap<ushort, int> inverse;
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            if (it.value() < 0x100)
                inverse.insert(it.value(), it.key());
        }
        QByteArray bytes;
        QString latin1;
        QList<int> wantUnicode, wantBytes, gotUnicode, gotBytes;
        for (int i = 0; i < 256; ++i) {
            bytes.append(char(i));
            latin1.append(QChar(ushort(i)));
            wantUnicode << toUnicodeExceptions.value(i, table.value(i));
            wantBytes << fromUnicodeExceptions.value(ushort(i), inverse.value(ushort(i), 0x3F));
        }
        for (const QChar c : codec437()->toUnicode(bytes))
            gotUnicode << c.unicode();
        for (const char c : codec437()->fromUnicode(latin1))
            gotBytes << uchar(c);
        QCOMPARE(gotUnicode, wantUnicode);   // index: the byte
        QCOMPARE(gotBytes, wantBytes);       // index: the code point
        for (int i = 0; i < 256; ++i)
            QCOMPARE(codec437()->toUnicode(bytes.mid(i, 1)), QString(QChar(wantUnicode.at(i))));
    }

    void shouldGiveQuestionMarkAboveLatin1()
    {
        // One byte per code unit: box drawing, Greek (mu too), the euro, both surrogate halves.
        const QString text = QString::fromUtf8("░αμ€😀A");
        QCOMPARE(codec437()->fromUnicode(text), QByteArray("??????A"));
        QCOMPARE(codec437()->fromUnicode(QString()), QByteArray());
    }

    void shouldReadHexadecimalText_data()
    {
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one unit") << QByteArray("800041FFFF") << QString("A");
        QTest::newRow("two units") << QByteArray("80004120ACFFFF") << QString::fromUtf8("A€");
        QTest::newRow("lower-case digits") << QByteArray("8020acFFFF") << QString::fromUtf8("€");
        QTest::newRow("frame only") << QByteArray("80FFFF") << QString();
        QTest::newRow("empty input") << QByteArray() << QString();
        QTest::newRow("space skipped") << QByteArray("8000 41FFFF") << QString("A");
        QTest::newRow("any non-digit skipped") << QByteArray("80-00:4.1FFFF") << QString("A");
        QTest::newRow("leftover digit dropped") << QByteArray("8000410FFFF") << QString("A");
        QTest::newRow("three leftover digits") << QByteArray("80004112 3FFFF") << QString("A");
        QTest::newRow("surrogate pair") << QByteArray("80D83DDE00FFFF") << QString::fromUtf8("😀");
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
