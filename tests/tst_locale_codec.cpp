#include <QtTest>

#include <QTextCodec>

#include "platform/platform.h"
#include "test_support.h"
#include "text/codepage437_codec.h"
#include "text/locale_codec.h"

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
        QTest::newRow("850") << 850u << QByteArray("IBM 850");
        QTest::newRow("932") << 932u << QByteArray("Shift-JIS");
        QTest::newRow("936 has none") << 936u << QByteArray("System");
        QTest::newRow("950") << 950u << QByteArray("Big5-HKSCS");
        QTest::newRow("1200") << 1200u << QByteArray("UTF-16LE");
        QTest::newRow("1249") << 1249u << QByteArray("System");
        QTest::newRow("1250") << 1250u << QByteArray("Windows-1250");
        QTest::newRow("1252") << 1252u << QByteArray("Windows-1252");
        QTest::newRow("1258") << 1258u << QByteArray("Windows-1258");
        QTest::newRow("1259") << 1259u << QByteArray("System");
        QTest::newRow("12000") << 12000u << QByteArray("UTF-32LE");
        QTest::newRow("20866") << 20866u << QByteArray("KOI8-R");
        QTest::newRow("20932") << 20932u << QByteArray("EUC-JP");
        QTest::newRow("28590") << 28590u << QByteArray("System");
        QTest::newRow("28591") << 28591u << QByteArray("ISO 8859-1");
        QTest::newRow("28599") << 28599u << QByteArray("ISO 8859-9");
        QTest::newRow("28600") << 28600u << QByteArray("System");
        QTest::newRow("28603") << 28603u << QByteArray("ISO 8859-13");
        QTest::newRow("28604") << 28604u << QByteArray("System");
        QTest::newRow("28605") << 28605u << QByteArray("ISO 8859-15");
        QTest::newRow("50220") << 50220u << QByteArray("ISO 2022-JP");
        QTest::newRow("50222") << 50222u << QByteArray("ISO 2022-JP");
        QTest::newRow("50223") << 50223u << QByteArray("System");
        QTest::newRow("51949") << 51949u << QByteArray("EUC-KR");
        QTest::newRow("54936") << 54936u << QByteArray("GB18030-0");
        QTest::newRow("65001") << 65001u << QByteArray("UTF-8");
        QTest::newRow("0") << 0u << QByteArray("System");
    }
    void shouldNameTheCodecOfEachCodePage()
    {
        QFETCH(unsigned, codePage);
        QFETCH(QByteArray, name);
        QCOMPARE(codecNameForCodePage(codePage), name);
    }

    void shouldInstallTheOwnCodecFor437()
    {
        DebugCapture debug;
        setUpLocaleCodec(1252, 437);
        QCOMPARE(debug.lines(), QStringList{"GetACP=1252 GetOEMCP=437"});
        QTextCodec *codec = QTextCodec::codecForLocale();
        QVERIFY(dynamic_cast<QCodePage437Codec *>(codec));
        QCOMPARE(codec->name(), QByteArray("IBM437"));
        QCOMPARE(codec->mibEnum(), 2011);
        // The library's local 8-bit conversions now go through it.
        QCOMPARE(QString::fromUtf8("é§¶").toLocal8Bit(), QByteArray("\x82\x15\x14"));
        QCOMPARE(QString::fromLocal8Bit("\x80\xe6"), QString::fromUtf8("Çμ"));

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

    void shouldFallBackToTheDefaultForANameTheLibraryLacks()
    {
        const QByteArray name = codecNameForCodePage(54936);
        if (QTextCodec::codecForName(name))
            QSKIP("this Qt knows the codec; nothing to fall back from");
        setUpLocaleCodec(437, 437);
        setUpLocaleCodec(936, 54936);
        QCOMPARE(QTextCodec::codecForLocale(), defaultCodec_);
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
