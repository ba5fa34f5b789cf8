#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

#include <QThread>

#include <climits>
#include <memory>
#include <thread>

#include "core/link/hid_transport.h"
#include "core/link/serial_transport.h"
#include "core/protocol/frames.h"
#include "core/protocol/hid_exchange.h"
#include "core/protocol/serial_answers.h"
#include "reader_bench.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "core/session/reader_session.h"

using VirtualReader::Faults;
using VirtualReader::Model;
using Outcome = SessionResult::Outcome;
using Step = SessionResult::Step;

namespace {

Model &model() { return Model::instance(); }

// A link whose writes from..to do not reach the reader. When the cut lasts, the line is gone
// from then on: nothing more is received either, as with a port whose device went away.
class CutLink : public Transport
{
public:
    CutLink(Transport &inner, int from, int to = INT_MAX) : inner_(inner), from_(from), to_(to) {}
    QString name() const override { return inner_.name(); }
    bool write(const QByteArray &bytes) override
    {
        ++writes_;
        if (writes_ >= from_ && writes_ <= to_)
            return false;
        return inner_.write(bytes);
    }
    int receive(QByteArray &into, int timeoutMs) override
    {
        if (gone())
            return into.clear(), -1;
        return inner_.receive(into, timeoutMs);
    }
    QString errorText() const override
    {
        return writes_ >= from_ && writes_ <= to_ ? QStringLiteral("the line is cut") : inner_.errorText();
    }
    bool lineGone() const override { return gone() || inner_.lineGone(); }
    bool isOpen() const override { return inner_.isOpen(); }
    void close() override { inner_.close(); }

private:
    bool gone() const { return to_ == INT_MAX && writes_ >= from_; }
    Transport &inner_;
    int from_, to_;
    int writes_ = 0;
};

// Settings that no factory reader has, so that a value taken from anywhere else shows.
VirtualReader::Settings distinctSettings()
{
    VirtualReader::Settings s;
    s.options = 0x1B;
    s.outputStart = 3;
    s.outputLength = 9;
    s.kbCountry = 2;
    s.pre = "AB";
    s.post = "\r";
    s.remove = "X";
    return s;
}

// What the session should have taken of the reader's settings.
bool sameAsReader(const SettingsRecord &r, const VirtualReader::Settings &s, bool status, const bool affixes[3])
{
    if (status && (r.options != s.options || r.outputStart != s.outputStart || r.outputLength != s.outputLength))
        return false;
    const QByteArray *const mine[] = {&r.pre, &r.post, &r.remove};
    const QByteArray *const theirs[] = {&s.pre, &s.post, &s.remove};
    for (int i = 0; i < 3; ++i) {
        if (affixes[i] && *mine[i] != *theirs[i])
            return false;
    }
    return true;
}

// One link to the virtual reader over either transport, owned by the test.
struct Link
{
    explicit Link(VirtualReader::SerialEndpoint &e) : endpoint(e) {}
    VirtualReader::SerialEndpoint &endpoint;
    std::unique_ptr<Transport> transport;
    const Dialect *dialect = nullptr;
    quint8 sequence = 1;

    bool open(bool serial)
    {
        transport.reset();
        dialect = serial ? &Transports::serial().dialect : &Transports::usbHid().dialect;
        if (!serial) {
            model().setInterface(VirtualReader::Interface::UsbKeyboard);
            hid_device *device = hid_open(VirtualReader::VendorId, model().hidProductId(), nullptr);
            if (device)
                transport = std::make_unique<HidTransport>(device);
            return device != nullptr;
        }
        endpoint.stop();
        if (!ReaderFixture::startSerialReader(endpoint))
            return false;
        if (auto port = SerialTransport::open(endpoint.portPath()); port.error.failure == OpenFailure::None)
            transport = std::move(port.transport);
        return transport != nullptr;
    }
};

enum class Fault { WriteFails, Silent, Late, Garbage, Vanishes };
enum class Operation { Read, Write };

}  // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Step)

class SessionFaultsTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    // Every frame of a read and of a write, over each transport, meets each fault the reader or
    // the line can have. `exact` rows also name the outcome and the frame it is about.
    void shouldNeverReportSuccessWhenALinkFaults_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("frame");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Step>("step");

        const Step hidRead[] = {Step::Status, Step::Preamble, Step::Postamble, Step::RemoveData};
        const Step serialRead[] = {Step::Status, Step::Options, Step::OutputWindow,
                                   Step::Preamble, Step::Postamble, Step::RemoveData};
        const Step hidWrite[] = {Step::Options, Step::OutputWindow, Step::KeyboardCountry, Step::Preamble,
                                 Step::Postamble, Step::RemoveData, Step::Save};
        const Step serialWrite[] = {Step::Options, Step::OutputWindow, Step::Preamble,
                                    Step::Postamble, Step::RemoveData, Step::Save};
        const struct { Fault fault; const char *name; Outcome hid; } faults[] = {
            {Fault::WriteFails, "write fails", Outcome::FrameFailed},
            {Fault::Silent, "silent", Outcome::NoAnswer},
            {Fault::Late, "late", Outcome::NoAnswer},
            {Fault::Garbage, "garbage", Outcome::NoAnswer},
            {Fault::Vanishes, "vanishes", Outcome::LineGone},
        };
        auto row = [](bool serial, Operation op, int frame, const char *fault) -> QTestData & {
            return QTest::addRow("%s %s frame %d: %s", serial ? "serial" : "USB HID",
                                 op == Operation::Read ? "read" : "write", frame, fault);
        };
        for (int i = 0; i < 4; ++i) {
            for (const auto &f : faults)
                row(false, Operation::Read, i + 1, f.name) << false << Operation::Read << i + 1 << f.fault
                                                          << true << f.hid << hidRead[i];
        }
        for (int i = 0; i < 6; ++i) {
            // Only a cut line is exact on the serial side: what the reader does not answer is
            // found by where the collected answers stop.
            for (const auto &f : faults)
                row(true, Operation::Read, i + 1, f.name) << true << Operation::Read << i + 1 << f.fault
                                                         << (f.fault == Fault::WriteFails || f.fault == Fault::Silent)
                                                         << (f.fault == Fault::WriteFails ? Outcome::LineGone : Outcome::NoAnswer)
                                                         << serialRead[i];
        }
        // A write asks for no answer: a silent, late or garbling reader cannot show in it. A
        // reader that vanishes after the frame fails the next one.
        for (int i = 0; i < 7; ++i) {
            row(false, Operation::Write, i + 1, "write fails") << false << Operation::Write << i + 1
                << Fault::WriteFails << true << Outcome::FrameFailed << hidWrite[i];
            if (i < 6)
                row(false, Operation::Write, i + 1, "vanishes") << false << Operation::Write << i + 1
                    << Fault::Vanishes << true << Outcome::FrameFailed << hidWrite[i + 1];
        }
        for (int i = 0; i < 6; ++i)
            row(true, Operation::Write, i + 1, "write fails") << true << Operation::Write << i + 1
                << Fault::WriteFails << true << Outcome::LineGone << serialWrite[i];
    }
    void shouldNeverReportSuccessWhenALinkFaults()
    {
        QFETCH(bool, serial);
        QFETCH(Operation, operation);
        QFETCH(int, frame);
        QFETCH(Fault, fault);
        QFETCH(bool, exact);
        QFETCH(Outcome, outcome);
        QFETCH(Step, step);

        VirtualReader::SerialEndpoint endpoint(model());
        Link link(endpoint);
        const VirtualReader::Settings before = distinctSettings();
        model().setSettings(before);
        QVERIFY(link.open(serial));
        const VirtualReader::Settings savedBefore = model().savedSettings();

        Faults faults;
        faults.faultsFromFrame = frame;
        // A serial frame that does not reach the line is a line that went away under it.
        const bool cutLine = fault == Fault::WriteFails && serial;
        switch (fault) {
        case Fault::WriteFails: faults.failAllWrites = !serial; break;
        case Fault::Silent: faults.noAnswer = true; break;
        case Fault::Late:
            faults.lateReads = HidExchange::MaxReads + 2;
            faults.serialAnswerDelayMs = ReaderSession::SerialAnswerDeadlineMs + 300;
            break;
        case Fault::Garbage: faults.garbleAnswers = true; break;
        case Fault::Vanishes: faults.vanishAfterWrites = frame; break;
        }
        model().setFaults(faults);
        CutLink cut(*link.transport, cutLine ? frame : INT_MAX);
        ReaderSession session(cut, *link.dialect, link.sequence);

        QElapsedTimer timer;
        timer.start();
        SessionResult result;
        if (operation == Operation::Read) {
            const ReaderSession::SettingsRead read = session.readSettings();
            result = read.result;
            // Nothing was taken but what the reader answered.
            QVERIFY(sameAsReader(read.record, before, read.statusRead, read.affixRead));
            if (!serial) {
                QCOMPARE(read.statusRead, frame > 1);
                for (int i = 0; i < 3; ++i)
                    QCOMPARE(read.affixRead[i], i + 2 < frame);
            }
        } else {
            SettingsRecord page;
            page.options = 0x05;
            page.pre = "new";
            result = session.writeSettings(page, serial ? 1 : 0);
            // The save went nowhere.
            QCOMPARE(model().savedSettings().pre, savedBefore.pre);
        }
        // About ten reads, or the serial line's one second, with the pauses at a tenth.
        QVERIFY2(timer.elapsed() < 8000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY2(!result.ok(), qPrintable(QString::number(int(result.outcome))));
        qInfo("outcome: %s in %lld ms", qPrintable(QString::number(int(result.outcome))), timer.elapsed());
        if (exact) {
            QCOMPARE(result.outcome, outcome);
            QCOMPARE(result.step, step);
        }

        // The reader plugged in again and a new link: a whole read.
        model().setFaults(Faults());
        model().plugIn();
        QVERIFY(link.open(serial));
        ReaderSession again(*link.transport, *link.dialect, link.sequence);
        const ReaderSession::SettingsRead read = again.readSettings();
        QVERIFY2(read.result.ok(), qPrintable(QString::number(int(read.result.outcome))));
        const bool all[3] = {true, true, true};
        QVERIFY(sameAsReader(read.record, model().settings(), true, all));
    }

    // The request goes out after three failed writes, yet the exchange has given up on it; a
    // reader that answers only at the fifth look is still heard.
    void shouldBoundTheExchangeByWritesAndReads_data()
    {
        QTest::addColumn<int>("failedWrites");
        QTest::addColumn<int>("emptyReads");
        QTest::addColumn<bool>("ok");
        QTest::newRow("three writes fail, the fourth goes out") << 3 << 0 << false;
        QTest::newRow("two writes fail, the third goes out") << 2 << 0 << true;
        QTest::newRow("the answer at the fifth read") << 0 << 4 << true;
        QTest::newRow("no answer within ten reads") << 0 << HidExchange::MaxReads << false;
    }
    void shouldBoundTheExchangeByWritesAndReads()
    {
        QFETCH(int, failedWrites);
        QFETCH(int, emptyReads);
        QFETCH(bool, ok);
        VirtualReader::SerialEndpoint endpoint(model());
        Link link(endpoint);
        QVERIFY(link.open(false));
        Faults faults;
        faults.lateReads = emptyReads;
        model().setFaults(faults);
        CutLink cut(*link.transport, 1, failedWrites);
        ReaderSession session(cut, *link.dialect, link.sequence);
        const quint8 sequence = session.nextSequence();
        QByteArray answer;
        const SessionResult result =
            session.exchange(Frames::hidReport(Frames::readFrame(CmdStatus), sequence), answer, sequence, Step::Status);
        QCOMPARE(result.ok(), ok);
        QCOMPARE(model().receivedFrames().size(), 1);
        if (ok)
            QVERIFY(Frames::answerMatches(answer, sequence));
    }

    // A key read while the reader answers puts its ID code before, between or after the
    // answers. The read still takes the six answers, and no byte of the code is lost.
    void shouldFindTheAnswersAmongOtherBytes_data()
    {
        const QByteArray answers = QByteArray("QKR1.2\0\r", 8) + QByteArray("QKR\0\x1b\0\0\r", 8)
            + QByteArray("QKR\0\x03\x09\0\r", 8) + QByteArray("QKR\x02" "AB\r", 7)
            + QByteArray("QKR\x01\r\r", 6) + QByteArray("QKR\0\r", 5);
        const QByteArray key("0012AB34CD\r\n");
        QTest::addColumn<QByteArray>("collected");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QByteArray>("others");
        QTest::newRow("answers alone") << answers << true << QByteArray();
        QTest::newRow("a code before") << key + answers << true << key;
        QTest::newRow("a code after") << answers + key << true << key;
        QTest::newRow("a code between the output window and the preamble")
            << answers.left(24) + key + answers.mid(24) << true << key;
        QTest::newRow("codes before and between") << key + answers.left(8) + key + answers.mid(8) << true << key + key;
        QTest::newRow("a late answer before the answers")
            << QByteArray("QKR\0\r", 5) + answers << true << QByteArray("QKR\0\r", 5);
        // Answers to the frames of a read that was killed, still on the line: never taken.
        const QByteArray killed = QByteArray("QKR1.2\0\r", 8) + QByteArray("QKR\0\x40\0\0\r", 8)
            + QByteArray("QKR\0\r\0\0\r", 8);
        QTest::newRow("a killed read's first answers before") << killed + answers << true << killed;
        const QByteArray killedWhole = killed + QByteArray("QKR\x01[\r", 6) + QByteArray("QKR\0\r", 5) + QByteArray("QKR\0\r", 5);
        QTest::newRow("a killed read's whole set before") << killedWhole + answers << true << killedWhole;
        QTest::newRow("one answer missing") << answers.left(16) + key + answers.mid(24) << false << QByteArray();
        QTest::newRow("a code alone") << key << false << key;
    }
    void shouldFindTheAnswersAmongOtherBytes()
    {
        QFETCH(QByteArray, collected);
        QFETCH(bool, whole);
        QFETCH(QByteArray, others);
        const SerialAnswers::Found found = SerialAnswers::findAnswers(collected);
        QCOMPARE(found.whole, whole);
        if (!whole)
            return;
        QCOMPARE(found.others, others);
        const SerialAnswers::Parsed parsed = SerialAnswers::parse(found.answers);
        QVERIFY(parsed.allComplete());
        QCOMPARE(parsed.options, quint8(0x1B));
        QCOMPARE(parsed.outputLength, quint8(9));
        QCOMPARE(parsed.affixes[0].codes, QByteArray("AB"));
        QCOMPARE(parsed.affixes[1].codes, QByteArray("\r"));
        QCOMPARE(parsed.affixes[2].codes, QByteArray());
    }

    // The same through the session: a key read while the line is quieted, or between two
    // answers on the line. Either way it is kept for the Status page and never an answer.
    void shouldReadOverAKeyRead_data()
    {
        QTest::addColumn<int>("keyAfterMs");
        QTest::addColumn<bool>("quieted");  // drained before the frames, not among the answers
        QTest::newRow("while the line is quieted") << int(ReaderSession::LineQuietMs / 4) << true;
        QTest::newRow("between two answers") << int(ReaderSession::LineQuietMs + 40) << false;
    }
    void shouldReadOverAKeyRead()
    {
        QFETCH(int, keyAfterMs);
        QFETCH(bool, quieted);
        VirtualReader::SerialEndpoint endpoint(model());
        Link link(endpoint);
        model().setSettings(distinctSettings());
        QVERIFY(link.open(true));
        Faults faults;
        faults.faultsFromFrame = 4;
        faults.serialAnswerDelayMs = 150;  // the preamble's answer after the key's code
        model().setFaults(faults);
        ReaderSession session(*link.transport, *link.dialect, link.sequence);
        std::thread key([&] {
            QThread::msleep(keyAfterMs);
            endpoint.sendRaw("0012AB34CD\r\n");
        });
        const ReaderSession::SettingsRead read = session.readSettings();
        key.join();
        QVERIFY2(read.result.ok(), qPrintable(QString::number(int(read.result.outcome))));
        const bool all[3] = {true, true, true};
        QVERIFY(sameAsReader(read.record, distinctSettings(), true, all));
        QCOMPARE(read.quieted.contains("0012AB34CD\r\n"), quieted);
        QCOMPARE(read.serialAnswers.contains("0012AB34CD\r\n"), !quieted);
        QVERIFY(!read.answerChunk.contains("0012AB34CD"));
    }
};

QTEST_GUILESS_MAIN(SessionFaultsTest)
#include "tst_session_faults.moc"
