#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <cstdlib>
#include <cstring>

#include "window/app/mainwindow.h"
#include "window/status_page/status_log.h"
#include "core/protocol/frames.h"
#include "core/protocol/serial_answers.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "core/text/name_tables.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

const QString Success = QStringLiteral("Successfully obtained Keylon the set value");
const QString Failure = QStringLiteral("Get F/W version fail, please retry.");

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

QByteArray fixedAnswer(quint8 b4, quint8 b5 = 0)
{
    return QByteArray("QKR\0", 4) + char(b4) + char(b5) + QByteArray("\0\r", 2);
}

QByteArray affixAnswer(const QByteArray &codes)
{
    return QByteArray("QKR") + char(codes.size()) + codes + '\r';
}

QByteArray versionAnswer(const QByteArray &version)
{
    return version.left(7).leftJustified(7, '\0') + '\r';
}

QByteArray answers(quint8 options, quint8 start, quint8 length, const QByteArray &pre,
                   const QByteArray &post, const QByteArray &remove)
{
    return versionAnswer(QByteArray("QKR1.2\0", 7)) + fixedAnswer(options) + fixedAnswer(start, length)
        + affixAnswer(pre) + affixAnswer(post) + affixAnswer(remove);
}

// The page in a state that every field of a parse would change.
void fillPage(MainWindow &w)
{
    w.EnableControls(true);  // so that what the parse disables shows
    uiOf(w)->FWLbl->setText("before");
    uiOf(w)->PreAmbleEdit->setText("pre before");
    uiOf(w)->PostAmbleEdit->setText("post before");
    uiOf(w)->RemoveDataEdit->setText("remove before");
    uiOf(w)->KLNOutStartEdit->setText("s");
    uiOf(w)->KLNOutLengthEdit->setText("l");
    for (QCheckBox *box : {uiOf(w)->PreAmbleChk, uiOf(w)->PostAmbleChk, uiOf(w)->RemoveDataChk,
                           uiOf(w)->AutoReportChk, uiOf(w)->BuzzerEnableChk, uiOf(w)->RemoveIDCodeChk})
        box->setChecked(true);
}

// A heap block of exactly the chunk's size, so that a read past its end meets the
// sanitizer's red zone instead of QByteArray's trailing NUL.
struct ExactChunk
{
    explicit ExactChunk(const QByteArray &bytes)
        : data(static_cast<char *>(std::malloc(size_t(qMax(1, bytes.size())))))
    {
        std::memcpy(data, bytes.constData(), size_t(bytes.size()));
        chunk = QByteArray::fromRawData(data, bytes.size());
    }
    ~ExactChunk() { std::free(data); }
    char *data;
    QByteArray chunk;
};

}  // namespace

class TestSerialReceive : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void answersFillThePage_data()
    {
        QTest::addColumn<QByteArray>("chunk");
        QTest::addColumn<bool>("idBefore");   // RemoveIDCodeChk before the parse
        QTest::addColumn<QString>("ticked");  // R(emove) P(ost) A(pre) U(auto) B(uzzer) I(D)
        QTest::addColumn<QString>("enabled"); // edits: A pre, P post, R remove
        QTest::addColumn<QStringList>("texts");  // version, start, length, pre, post, remove
        QTest::newRow("0x1B, control names and high bytes")
            << answers(0x1B, 0x05, 0xFE, QByteArray("A\0B", 3), "\r", "x\x7F\xb0\xff") << true << "RPUBI" << "PR"
            << QStringList{"QKR1.2", "5", "-2", "A[" + ControlNames.at(0) + "]B", "[CR]", "x[0x7f][0xb0][0xff]"};
        // Bit 5 is not applied over the serial line; affixes without codes empty their edits.
        QTest::newRow("0x20, ID box ticked") << answers(0x20, 0, 0, {}, {}, {}) << true << "I" << ""
                                             << QStringList{"QKR1.2", "0", "0", "", "", ""};
        QTest::newRow("0x20, ID box unticked") << answers(0x20, 0, 0, {}, {}, {}) << false << "" << ""
                                               << QStringList{"QKR1.2", "0", "0", "", "", ""};
        // A preamble of 40 codes is skipped; the postamble is still found 45 bytes on.
        QTest::newRow("preamble of 40 codes")
            << versionAnswer("QKR9") + fixedAnswer(0x06) + fixedAnswer(0, 4) + affixAnswer(QByteArray(40, 'z'))
                   + affixAnswer("post") + affixAnswer("rm")
            << true << "PAI" << "AP" << QStringList{"QKR9", "0", "4", "pre before", "post", "rm"};
    }
    void answersFillThePage()
    {
        QFETCH(QByteArray, chunk);
        QFETCH(bool, idBefore);
        QFETCH(QString, ticked);
        QFETCH(QString, enabled);
        QFETCH(QStringList, texts);
        MainWindow w;
        fillPage(w);
        uiOf(w)->RemoveIDCodeChk->setChecked(idBefore);
        DebugCapture debug;
        QCOMPARE(w.DisplayKLNValue(chunk), 0);
        QString tickedNow, enabledNow;
        for (auto box : {std::make_pair(uiOf(w)->RemoveDataChk, 'R'), {uiOf(w)->PostAmbleChk, 'P'}, {uiOf(w)->PreAmbleChk, 'A'},
                         {uiOf(w)->AutoReportChk, 'U'}, {uiOf(w)->BuzzerEnableChk, 'B'}, {uiOf(w)->RemoveIDCodeChk, 'I'}})
            if (box.first->isChecked())
                tickedNow += QChar(box.second);
        for (auto edit : {std::make_pair(uiOf(w)->PreAmbleEdit, 'A'), {uiOf(w)->PostAmbleEdit, 'P'}, {uiOf(w)->RemoveDataEdit, 'R'}})
            if (edit.first->isEnabled())
                enabledNow += QChar(edit.second);
        QCOMPARE(tickedNow, ticked);
        QCOMPARE(enabledNow, enabled);
        QCOMPARE(WindowProbe::form(w).firmwareVersion(), texts[0]);
        QCOMPARE(uiOf(w)->FWLbl->text(), "F/W Version: " + texts[0]);
        QCOMPARE(QStringList({uiOf(w)->KLNOutStartEdit->text(), uiOf(w)->KLNOutLengthEdit->text(), uiOf(w)->PreAmbleEdit->text(),
                              uiOf(w)->PostAmbleEdit->text(), uiOf(w)->RemoveDataEdit->text()}),
                 texts.mid(1));
        QVERIFY(debug.contains("Get DisplayKLNValue=" + QString::fromLatin1(chunk.toHex())));
        QVERIFY(debug.contains("KLN Status Setting:" + QString::fromLatin1(chunk.mid(12, 1).toHex().toUpper())));
    }

    void chunkWithoutHeaderOrFinalCarriageReturnIsDropped_data()
    {
        QTest::addColumn<QByteArray>("chunk");
        const QByteArray good = answers(0x04, 1, 2, "A", "B", "C");
        QTest::newRow("ends with 0x0A") << QByteArray(good).replace(good.size() - 1, 1, "\n");
        QTest::newRow("no header") << QByteArray(good).replace(0, 3, "QKX");
        QTest::newRow("key ID code") << QByteArray("0123456789\r");
        QTest::newRow("empty") << QByteArray();
    }
    void chunkWithoutHeaderOrFinalCarriageReturnIsDropped()
    {
        QFETCH(QByteArray, chunk);
        MainWindow w;
        fillPage(w);
        QCOMPARE(w.DisplayKLNValue(chunk), -1);
        QCOMPARE(uiOf(w)->FWLbl->text(), QString("before"));
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("pre before"));
        QCOMPARE(uiOf(w)->KLNOutStartEdit->text(), QString("s"));
        QVERIFY(uiOf(w)->BuzzerEnableChk->isChecked());
    }

    void chunkCutShortIsNeverReadPast()
    {
        const QByteArray full = answers(0x1F, 3, 9, "PRE", "POST", "REMOVE");
        // Every cut of the full chunk, its last byte made 0x0D so that the parser takes it up;
        // then a count that points far beyond the chunk.
        QList<QByteArray> cuts;
        for (int size = 4; size < full.size(); ++size)
            cuts << full.left(size - 1) + '\r';
        cuts << versionAnswer("QKR1") + fixedAnswer(0) + fixedAnswer(0) + QByteArray("QKR\xff\r");
        for (const QByteArray &cut : cuts) {
            ExactChunk exact(cut);
            MainWindow w;
            fillPage(w);
            QCOMPARE(w.DisplayKLNValue(exact.chunk), -1);
            QVERIFY(!SerialAnswers::parse(exact.chunk).allComplete());
            // What lay whole in the chunk is shown, nothing after it.
            const bool ofFull = cut.startsWith(full.left(cut.size() - 1));
            QCOMPARE(uiOf(w)->FWLbl->text() != "before", cut.size() >= 8);
            QCOMPARE(uiOf(w)->KLNOutLengthEdit->text() == "9", ofFull && cut.size() >= 24);
            QCOMPARE(uiOf(w)->PreAmbleEdit->text() == "PRE", ofFull && cut.size() >= 32);
            QCOMPARE(uiOf(w)->PreAmbleEdit->text() == "pre before", !ofFull || cut.size() < 32);
            QCOMPARE(uiOf(w)->PostAmbleEdit->text() == "POST", ofFull && cut.size() >= 41);
            QCOMPARE(uiOf(w)->RemoveDataEdit->text(), QString("remove before"));
        }
    }

    // A preamble of [NULL] puts 0x00 before every code: each one shows as nothing, and the
    // rest of the chunk still shows.
    void echoDropsEachNulAndAppends()
    {
        model().setFaults([] { VirtualReader::Faults f; f.noAnswer = true; return f; }());
        ReaderFixture::Reader reader;
        MainWindow w;
        reader.connect(w, true);
        uiOf(w)->ScannerEdit->setPlainText("line one\n");
        reader.endpoint.sendRaw(QByteArray("QKR1.2\0\0zzz\r", 12));
        QVERIFY(ReaderFixture::waitUntil([&] { return uiOf(w)->ScannerEdit->toPlainText().endsWith("zzz\n"); }));
        QCOMPARE(uiOf(w)->ScannerEdit->toPlainText(), QString("line one\nQKR1.2zzz\n"));
        // The 0x00 in the version ends the version text.
        QCOMPARE(WindowProbe::form(w).firmwareVersion(), QString("QKR1.2"));

        // Chunk after chunk, the page reads as if all the bytes had come in one; a character
        // cut between two chunks shows once it is whole, never as two replacement characters.
        QTextEdit wholeText;
        uiOf(w)->ScannerEdit->clear();
        const QList<QByteArray> chunks = {"0012\r", "\n34\r\n", "\xc3", "\xa9\xe2\x82", "\xac",
                                          "<b>x</b>", QByteArray("\0a\0\0b\0", 6), "", "\xf0\x9f",
                                          "\x98\x80tail"};
        QByteArray all;
        for (const QByteArray &chunk : chunks) {
            StatusLog::of(uiOf(w)->ScannerEdit).echo(chunk);
            StatusLog::of(uiOf(w)->ScannerEdit).flush();  // shown now, not at the next frame
            all += chunk;
            QVERIFY(!uiOf(w)->ScannerEdit->toPlainText().contains(QChar::ReplacementCharacter));
        }
        QTextCursor(wholeText.document()).insertText(QString::fromUtf8(all.constData(), all.size()).remove(QChar(0)));
        QCOMPARE(uiOf(w)->ScannerEdit->toPlainText(), wholeText.toPlainText());
        QVERIFY(uiOf(w)->ScannerEdit->toPlainText().endsWith(QString::fromUtf8("\xf0\x9f\x98\x80tail")));
    }

    void serialReadFillsThePageAndDisablesTheCountry_data()
    {
        QTest::addColumn<bool>("split");
        QTest::newRow("answers whole") << false;
        QTest::newRow("answers in two parts, apart in time") << true;
    }
    void serialReadFillsThePageAndDisablesTheCountry()
    {
        QFETCH(bool, split);
        VirtualReader::Settings settings;
        settings.options = 0x13;
        settings.outputStart = 0x81;
        settings.outputLength = 12;
        settings.pre = "P";
        settings.post = QByteArray("\r\n", 2);
        settings.remove = "\xb3";
        model().setSettings(settings);
        model().setFaults([&] { VirtualReader::Faults f; f.splitSerialAnswers = split; return f; }());
        ReaderFixture::Reader reader;
        MainWindow w;
        uiOf(w)->KB_cmb->setEnabled(true);
        QVERIFY(reader.connect(w, true));
        QCOMPARE(reader.outcome.boxes.size(), 1);
        QCOMPARE(reader.outcome.lastText(), Success);
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("P"));
        QCOMPARE(uiOf(w)->PostAmbleEdit->text(), QString("[CR][LF]"));
        QCOMPARE(uiOf(w)->RemoveDataEdit->text(), QString("[0xb3]"));
        QCOMPARE(uiOf(w)->KLNOutStartEdit->text(), QString("-127"));
        QCOMPARE(uiOf(w)->KLNOutLengthEdit->text(), QString("12"));
        QVERIFY(uiOf(w)->BuzzerEnableChk->isChecked());
        QVERIFY(!uiOf(w)->PreAmbleChk->isChecked());
        QVERIFY(uiOf(w)->FWLbl->text().startsWith("F/W Version: QKR"));
        QVERIFY(!uiOf(w)->KB_cmb->isEnabled());
        // The answers were echoed on the Status page as they came, with the next frame.
        QTRY_VERIFY(uiOf(w)->ScannerEdit->toPlainText().startsWith("QKR"));

        // A later read from the button does the same and leaves the country disabled again.
        uiOf(w)->KB_cmb->setEnabled(true);
        settings.pre = "Q2";
        model().setSettings(settings);
        const auto boxes = ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, Success);
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("Q2"));
        QVERIFY(!uiOf(w)->KB_cmb->isEnabled());
    }

    void nothingAnsweringGivesTheFailureMessage()
    {
        VirtualReader::SerialEndpoint endpoint(model());
        QVERIFY(endpoint.start());  // the line is there, the reader is not on it
        MainWindow w;
        fillPage(w);
        QElapsedTimer timer;
        timer.start();
        const auto outcome = ReaderFixture::connectOverSerial(w, endpoint);
        QVERIFY(outcome.connected);  // a failed read does not undo the connect
        QCOMPARE(outcome.boxes.size(), 1);
        QCOMPARE(outcome.boxes.first().title, QString("Read Status"));
        QCOMPARE(outcome.lastText(), Failure);
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("pre before"));

        // Answers without the header are echoed but give the same message.
        model().setInterface(VirtualReader::Interface::Serial);
        model().setFaults([] { VirtualReader::Faults f; f.serialGarbage = true; return f; }());
        const auto boxes = ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, Failure);
        QTRY_VERIFY(!uiOf(w)->ScannerEdit->toPlainText().isEmpty());
    }

    void idCodesAppearOnTheStatusPage()
    {
        model().setSettings([] { VirtualReader::Settings s; s.options = 0x00; return s; }());  // no affixes around them
        ReaderFixture::Reader reader;
        MainWindow w;
        QVERIFY(reader.connect(w, true));
        const QString before = uiOf(w)->ScannerEdit->toPlainText();
        DebugCapture debug;
        QVERIFY(reader.endpoint.sendIdCode("0012345678"));
        QVERIFY(ReaderFixture::waitUntil([&] { return uiOf(w)->ScannerEdit->toPlainText().endsWith("0012345678"); }));
        QVERIFY(uiOf(w)->ScannerEdit->toPlainText().startsWith(before));
        QVERIFY(debug.contains("bytes:" + QString::fromLatin1(QByteArray("0012345678").toHex())));
        QVERIFY(reader.endpoint.sendIdCode("77"));
        QVERIFY(ReaderFixture::waitUntil([&] { return uiOf(w)->ScannerEdit->toPlainText().endsWith("001234567877"); }));
    }

    // A minute of key codes at 9600 baud, as the poll takes them: every byte shows, in order.
    void floodShowsEveryByteInOrder_data()
    {
        QTest::addColumn<QByteArray>("postamble");
        QTest::newRow("with line breaks") << QByteArray("\r");
        QTest::newRow("one long line") << QByteArray();
    }
    void floodShowsEveryByteInOrder()
    {
        QFETCH(QByteArray, postamble);
        model().setFaults([] { VirtualReader::Faults f; f.noAnswer = true; return f; }());
        ReaderFixture::Reader reader;
        MainWindow w;
        reader.connect(w, true);
        uiOf(w)->ScannerEdit->clear();
        QByteArray codes;
        for (int key = 0; codes.size() < 57600; ++key)
            codes += QByteArray::number(1000000000 + key) + postamble;
        codes.truncate(57600);
        for (int at = 0; at < codes.size(); at += 4096)
            reader.endpoint.sendRaw(codes.mid(at, 4096));
        QString expected = QString::fromLatin1(codes);
        expected.replace('\r', '\n');
        // One long line shows in pieces; the page's text joins them again.
        const StatusLog &page = StatusLog::of(uiOf(w)->ScannerEdit);
        QVERIFY(ReaderFixture::waitUntil([&] { return page.text().size() >= expected.size(); }, 20000));
        QCOMPARE(page.text(), expected);
    }

    void readStatusUsesItsOwnLayout()
    {
        VirtualReader::Settings settings;
        settings.options = 0x01;
        settings.outputStart = 0x24;   // read as the option byte by this slot
        settings.outputLength = 200;   // read as the output start, unsigned
        model().setSettings(settings);
        model().setVersion("ABCDEFGH");
        MainWindow w;
        QVERIFY(ReaderFixture::connectOverHid(w).connected);
        uiOf(w)->PreAmbleEdit->setText("pre before");
        model().clearReceived();
        linkOf(w).frameSequence = 0x40;
        linkOf(w).currentTab = 1;

        DebugCapture debug;
        QVERIFY(QMetaObject::invokeMethod(&w, "ReadStatus"));
        const QList<QByteArray> frames = model().receivedFrames();
        QCOMPARE(frames.size(), 4);
        const quint8 codes[] = {CmdStatus, CmdGetPre, CmdGetPost, CmdGetRemove};
        for (int i = 0; i < 4; ++i) {
            QByteArray expected = Frames::hidReport(Frames::readFrame(codes[i]));
            expected[4] = char(0x41 + i);  // the sequence number in the first parameter byte
            QCOMPARE(frames[i].toHex(), expected.toHex());
        }
        QCOMPARE(linkOf(w).frameSequence, quint8(0x44));
        // The reader pairs answers by byte 49, which is 0 here, so no answer matches and the
        // slot shows what the last read left in the buffer, one place off the usual layout.
        QCOMPARE(WindowProbe::form(w).firmwareVersion(), QString::fromLatin1("\0ABCDEFG", 8));
        QVERIFY(uiOf(w)->PreAmbleChk->isChecked());
        QVERIFY(uiOf(w)->RemoveIDCodeChk->isChecked());
        QVERIFY(!uiOf(w)->RemoveDataChk->isChecked());
        QCOMPARE(uiOf(w)->KLNOutStartEdit->text(), QString("200"));
        QCOMPARE(uiOf(w)->KLNOutLengthEdit->text(), QString("0"));
        QVERIFY(debug.contains("Checksum = 0"));
        QVERIFY(linkOf(w).statusShown);
        QVERIFY(!linkOf(w).statusPreRead);

        // Once per connection; on the Status page a preliminary status read still goes out.
        model().clearReceived();
        linkOf(w).currentTab = 0;
        QVERIFY(QMetaObject::invokeMethod(&w, "ReadStatus"));
        QCOMPARE(model().receivedFrames().size(), 1);
        QVERIFY(linkOf(w).statusPreRead);

        // A new connection starts over: the whole record is read again.
        uiOf(w)->ConnectBut->click();
        QVERIFY(!linkOf(w).connected);
        QVERIFY(ReaderFixture::connectOverHid(w).connected);
        QVERIFY(!linkOf(w).statusShown);
        QVERIFY(!linkOf(w).statusPreRead);
        model().clearReceived();
        linkOf(w).currentTab = 1;
        QVERIFY(QMetaObject::invokeMethod(&w, "ReadStatus"));
        QCOMPARE(model().receivedFrames().size(), 4);

        // On the Status page of a fresh connection both reads go out in one wait.
        uiOf(w)->ConnectBut->click();
        QVERIFY(ReaderFixture::connectOverHid(w).connected);
        model().clearReceived();
        linkOf(w).currentTab = 0;
        QSignalSpy waits(&WindowProbe::runner(w), &ExchangeRunner::started);
        QVERIFY(QMetaObject::invokeMethod(&w, "ReadStatus"));
        QCOMPARE(model().receivedFrames().size(), 5);
        QCOMPARE(waits.count(), 1);
    }
};

QTEST_MAIN(TestSerialReceive)
#include "tst_serial_receive.moc"
