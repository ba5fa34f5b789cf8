#include <QtTest>

#include <QTextCodec>

#include "core/platform/platform.h"
#include "core_support.h"
#include "core/text/codepage437_codec.h"
#include "core/text/locale_codec.h"

class LocaleCodecTest : public QObject
{
    Q_OBJECT

private:
    QTextCodec *saved_ = nullptr;
    QTextCodec *defaultCodec_ = nullptr;

private slots:
    void initTestCase()
    {
        saved_ = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(nullptr);
        defaultCodec_ = QTextCodec::codecForLocale();
        QVERIFY(defaultCodec_);
    }
    void cleanup() { QTextCodec::setCodecForLocale(saved_); }

    void shouldNameTheCodecOfEachCodePage_data()
    {
        QTest::addColumn<unsigned>("codePage");
        QTest::addColumn<QByteArray>("name");
        auto row = [](unsigned page, const char *name) {
            QTest::addRow("%u", page) << page << QByteArray(name);
        };
        // "System" is no codec of the library: the default locale codec stays. 936 has none.
        row(850, "IBM 850"); row(932, "Shift-JIS"); row(936, "System"); row(950, "Big5-HKSCS");
        row(1200, "UTF-16LE"); row(12000, "UTF-32LE"); row(65001, "UTF-8"); row(0, "System");
        row(1249, "System"); row(1250, "Windows-1250"); row(1252, "Windows-1252");
        row(1258, "Windows-1258"); row(1259, "System");
        row(28590, "System"); row(28591, "ISO 8859-1"); row(28599, "ISO 8859-9");
        row(28600, "System"); row(28603, "ISO 8859-13"); row(28604, "System");
        row(28605, "ISO 8859-15"); row(20866, "KOI8-R"); row(20932, "EUC-JP");
        row(50220, "ISO 2022-JP"); row(50222, "ISO 2022-JP"); row(50223, "System");
        row(51949, "EUC-KR"); row(54936, "GB18030-0");
    }
    void shouldNameTheCodecOfEachCodePage()
    {
        QFETCH(unsigned, codePage);
        QFETCH(QByteArray, name);
        QCOMPARE(codecNameForCodePage(codePage), name);
    }

    // Off Windows the code pages come from the locale's character set.
    void shouldTakeTheCodePageOfTheCharset_data()
    {
        QTest::addColumn<QByteArray>("charset");
        QTest::addColumn<unsigned>("codePage");
        QTest::newRow("UTF-8") << QByteArray("UTF-8") << 65001u;
        QTest::newRow("utf8") << QByteArray("utf8") << 65001u;
        QTest::newRow("ISO-8859-1") << QByteArray("ISO-8859-1") << 28591u;
        QTest::newRow("ISO8859-1") << QByteArray("ISO8859-1") << 28591u;
        QTest::newRow("ISO-8859-15") << QByteArray("ISO-8859-15") << 28605u;
        QTest::newRow("iso8859-15") << QByteArray("iso8859-15") << 28605u;
        QTest::newRow("KOI8-R") << QByteArray("KOI8-R") << 20866u;
        QTest::newRow("KOI8-U") << QByteArray("KOI8-U") << 21866u;
        QTest::newRow("unknown") << QByteArray("ANSI_X3.4-1968") << 65001u;
        QTest::newRow("empty") << QByteArray() << 65001u;
    }
    void shouldTakeTheCodePageOfTheCharset()
    {
        QFETCH(QByteArray, charset);
        QFETCH(unsigned, codePage);
        QCOMPARE(Platform::codePageOfCharset(charset), codePage);
    }

    void shouldInstallTheOwnCodecFor437()
    {
        DebugCapture debug;
        setUpLocaleCodec(1252, 437);
        QCOMPARE(debug.lines(), QStringList{"GetACP=1252 GetOEMCP=437"});
        QTextCodec *codec = QTextCodec::codecForLocale();
        QVERIFY(dynamic_cast<QCodePage437Codec *>(codec));
        // The locale codec converts through it, the key codes and the writer's output with it.
        QCOMPARE(codec->fromUnicode(QString::fromUtf8("é§¶")), QByteArray("\x82\x15\x14"));
        QCOMPARE(codec->toUnicode("\x80\xe6"), QString::fromUtf8("Çμ"));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        // Qt 5's own local 8-bit conversions now go through it too (Qt 6 keeps them at the
        // system's: UTF-8 on Linux, the ANSI code page on Windows).
        QCOMPARE(QString::fromUtf8("é§¶").toLocal8Bit(), QByteArray("\x82\x15\x14"));
        QCOMPARE(QString::fromLocal8Bit("\x80\xe6"), QString::fromUtf8("Çμ"));
#endif

        // A second set-up in the same run (a second window) installs the same instance.
        setUpLocaleCodec(1252, 437);
        QCOMPARE(QTextCodec::codecForLocale(), codec);
    }

    void shouldInstallTheCodecTheTableNames_data()
    {
        QTest::addColumn<unsigned>("oemCodePage");
        QTest::addColumn<QByteArray>("lookedUp");   // empty: the library's default codec
        QTest::newRow("850") << 850u << QByteArray("IBM 850");
        QTest::newRow("1252") << 1252u << QByteArray("Windows-1252");
        QTest::newRow("65001") << 65001u << QByteArray("UTF-8");
        QTest::newRow("936 is the platform's own") << 936u << QByteArray();
        QTest::newRow("unknown page") << 4711u << QByteArray();
        // A name this build of the library lacks falls back to the default codec as well.
        QTest::newRow("54936") << 54936u
                               << (QTextCodec::codecForName("GB18030-0") ? "GB18030-0" : QByteArray());
    }
    void shouldInstallTheCodecTheTableNames()
    {
        QFETCH(unsigned, oemCodePage);
        QFETCH(QByteArray, lookedUp);
        // Start from the own 437 codec, so that a set-up that leaves the codec alone shows.
        setUpLocaleCodec(437, 437);
        DebugCapture debug;
        setUpLocaleCodec(1252, oemCodePage);
        QCOMPARE(debug.lines(), QStringList{QStringLiteral("GetACP=1252 GetOEMCP=%1").arg(oemCodePage)});
        QTextCodec *expected = lookedUp.isEmpty() ? defaultCodec_ : QTextCodec::codecForName(lookedUp);
        QVERIFY(expected);
        QCOMPARE(QTextCodec::codecForLocale()->name(), expected->name());
        QCOMPARE(QTextCodec::codecForLocale(), expected);
    }

    void shouldKeepSingleByteWindowsCodecsOffOtherSystems()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows answers its own code pages");
#else
        // File names go through the locale codec here: "été.cfg" must keep its name.
        setUpLocaleCodec(Platform::getACP(), Platform::getOEMCP());
        const QByteArray name = QTextCodec::codecForLocale()->name();
        QVERIFY2(name != "IBM437" && name != "windows-1252", name.constData());
        const QString fileName = QString::fromUtf8("été.cfg");
        QCOMPARE(QString::fromLocal8Bit(fileName.toLocal8Bit()), fileName);
#endif
    }
};

QTEST_GUILESS_MAIN(LocaleCodecTest)
#include "tst_locale_codec.moc"
