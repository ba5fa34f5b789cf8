#include <QSerialPort>
#include <QtTest>

#include <hidapi.h>

#include <memory>

#include "core/link/hid_transport.h"
#include "core/link/serial_transport.h"
#include "core/protocol/frames.h"
#include "core/protocol/hid_answers.h"
#include "reader_bench.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "core/session/reader_session.h"

using Outcome = SessionResult::Outcome;
using Step = SessionResult::Step;
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(Step)

namespace {

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

enum Fault { None, NoAnswer, FailWrites, FailFourthWrite, BadChecksum, Vanish, Garbage, PortClosed };

// The session on the virtual reader, over either transport, with one fault switched on once
// the link is open.
struct Link
{
    VirtualReader::SerialEndpoint endpoint{model()};
    std::unique_ptr<Transport> transport;
    const Dialect *dialect = nullptr;
    quint8 sequence = 1;

    bool open(bool serial)
    {
        dialect = serial ? &Transports::serial().dialect : &Transports::usbHid().dialect;
        if (serial) {
            if (!ReaderFixture::startSerialReader(endpoint))
                return false;
            if (auto port = SerialTransport::open(endpoint.portPath()); port.error.failure == OpenFailure::None)
                transport = std::move(port.transport);
        } else {
            hid_device *device = hid_open(VirtualReader::VendorId, model().hidProductId(), nullptr);
            if (device)
                transport = std::make_unique<HidTransport>(device);
        }
        return transport != nullptr;
    }

    void inject(Fault fault)
    {
        VirtualReader::Faults faults;
        faults.noAnswer = fault == NoAnswer;
        faults.failAllWrites = fault == FailWrites;
        faults.failWriteNumber = fault == FailFourthWrite ? 4 : 0;
        faults.badChecksum = fault == BadChecksum;
        faults.vanishAfterWrites = fault == Vanish ? 1 : -1;
        faults.serialGarbage = fault == Garbage;
        model().setFaults(faults);
        if (fault == PortClosed)
            static_cast<SerialTransport &>(*transport).port()->close();
    }
};

VirtualReader::Settings readerSettings()
{
    VirtualReader::Settings settings;
    settings.options = 0x27;
    settings.outputStart = 2;
    settings.outputLength = 12;
    settings.kbCountry = 5;
    settings.pre = "AB";
    settings.post = QByteArray("\x0D", 1);
    settings.remove = "X";
    return settings;
}

}  // namespace

class TestReaderSession : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void readSettingsSaysWhatHappened_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("fault");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Step>("step");
        QTest::newRow("hid done") << false << int(None) << Outcome::Done << Step::None;
        QTest::newRow("hid no answer") << false << int(NoAnswer) << Outcome::NoAnswer << Step::Status;
        QTest::newRow("hid write fails") << false << int(FailWrites) << Outcome::FrameFailed << Step::Status;
        QTest::newRow("hid bad checksum") << false << int(BadChecksum) << Outcome::BadAnswer << Step::Preamble;
        QTest::newRow("hid reader pulled out") << false << int(Vanish) << Outcome::LineGone << Step::Status;
        QTest::newRow("serial done") << true << int(None) << Outcome::Done << Step::None;
        QTest::newRow("serial no answer") << true << int(NoAnswer) << Outcome::NoAnswer << Step::Status;
        QTest::newRow("serial garbage") << true << int(Garbage) << Outcome::BadAnswer << Step::Status;
        QTest::newRow("serial port closed") << true << int(PortClosed) << Outcome::LineGone << Step::Status;
    }
    void readSettingsSaysWhatHappened()
    {
        QFETCH(bool, serial);
        QFETCH(int, fault);
        QFETCH(Outcome, outcome);
        QFETCH(Step, step);
        model().setSettings(readerSettings());
        Link link;
        QVERIFY(link.open(serial));
        link.inject(Fault(fault));

        const ReaderSession::SettingsRead read = ReaderSession(*link.transport, *link.dialect, link.sequence).readSettings();
        QCOMPARE(read.result.outcome, outcome);
        QCOMPARE(read.result.step, step);
        if (outcome != Outcome::Done)
            return;
        const VirtualReader::Settings expected = readerSettings();
        // The serial line leaves bit 5 out of what it shows, but the answer carries it.
        QCOMPARE(read.record.options, expected.options);
        QCOMPARE(read.record.outputStart, expected.outputStart);
        QCOMPARE(read.record.outputLength, expected.outputLength);
        QCOMPARE(read.hasCountry, !serial);
        if (!serial)
            QCOMPARE(read.record.kbCountry, int(expected.kbCountry));
        QCOMPARE(read.record.pre, expected.pre);
        QCOMPARE(read.record.post, expected.post);
        QCOMPARE(read.record.remove, expected.remove);
        QCOMPARE(link.sequence, quint8(serial ? 1 : 5));  // one HID request per answer
    }

    void writeSettingsSaysWhatHappened_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("fault");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<Step>("step");
        QTest::newRow("hid done") << false << int(None) << Outcome::Done << Step::None;
        QTest::newRow("hid preamble write fails") << false << int(FailFourthWrite) << Outcome::FrameFailed
                                                  << Step::Preamble;
        QTest::newRow("serial done") << true << int(None) << Outcome::Done << Step::None;
        QTest::newRow("serial port closed") << true << int(PortClosed) << Outcome::LineGone << Step::Options;
    }
    void writeSettingsSaysWhatHappened()
    {
        QFETCH(bool, serial);
        QFETCH(int, fault);
        QFETCH(Outcome, outcome);
        QFETCH(Step, step);
        Link link;
        QVERIFY(link.open(serial));
        link.inject(Fault(fault));
        SettingsRecord record;
        record.options = 0x06;
        record.outputStart = 1;
        record.outputLength = 9;
        record.kbCountry = 4;
        record.pre = "P";
        record.post = "Q";

        const SessionResult result =
            ReaderSession(*link.transport, *link.dialect, link.sequence).writeSettings(record, serial ? 1 : 0);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.step, step);
        if (outcome != Outcome::Done)
            return;
        // Serial frames are answered by nobody: wait until the reader has taken the save.
        QVERIFY(ReaderFixture::waitUntil([] { return model().savedSettings().post == "Q"; }));
        const VirtualReader::Settings saved = model().savedSettings();
        QCOMPARE(saved.options, record.options);
        QCOMPARE(saved.outputLength, record.outputLength);
        QCOMPARE(saved.pre, record.pre);
        QCOMPARE(int(saved.kbCountry), serial ? 0 : 4);  // the serial firmware has no country
        QCOMPARE(model().currentInterface(),
                 serial ? VirtualReader::Interface::Serial : VirtualReader::Interface::UsbKeyboard);
    }

    // Interface change and ISP mode: the reader leaves, or the failed frame is named.
    void leavingCommands_data()
    {
        QTest::addColumn<bool>("isp");
        QTest::addColumn<bool>("failing");
        QTest::newRow("interface change") << false << false;
        QTest::newRow("interface change fails") << false << true;
        QTest::newRow("ISP mode") << true << false;
        QTest::newRow("ISP mode fails") << true << true;
    }
    void leavingCommands()
    {
        QFETCH(bool, isp);
        QFETCH(bool, failing);
        Link link;
        QVERIFY(link.open(false));
        link.inject(failing ? FailWrites : None);
        ReaderSession session(*link.transport, *link.dialect, link.sequence);
        const SessionResult result = isp ? session.enterIspMode() : session.changeInterface();
        QCOMPARE(result.outcome, failing ? Outcome::FrameFailed : Outcome::Done);
        QCOMPARE(result.step, failing ? (isp ? Step::IspMode : Step::InterfaceChange) : Step::None);
        QCOMPARE(model().inIspMode(), isp && !failing);
        QCOMPARE(model().currentInterface() == VirtualReader::Interface::Serial, !isp && !failing);
    }

    void hidAnswerParser_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("oneShot");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QByteArray>("codes");
        const auto affix = [](int shift, const QByteArray &codes, int checksumDelta, char lead = 0x00) {
            QByteArray answer(64, lead);
            answer[shift] = char(codes.size());
            answer.replace(shift + 1, codes.size(), codes);
            const int at = shift + 1 + codes.size();
            answer[at] = char(Frames::checksum(answer.left(at)) + checksumDelta);
            return answer;
        };
        QTest::newRow("affix") << affix(0, "AB", 0) << false << true << QByteArray("AB");
        QTest::newRow("empty affix") << affix(0, "", 0) << false << true << QByteArray();
        QTest::newRow("wrong checksum") << affix(0, "AB", 1) << false << false << QByteArray();
        QTest::newRow("31 codes") << affix(0, QByteArray(31, 'x'), 0) << false << true << QByteArray(31, 'x');
        QTest::newRow("count 32") << affix(0, QByteArray(32, 'x'), 0) << false << false << QByteArray();
        QTest::newRow("count past a short answer") << QByteArray("\x05" "AB", 3) << false << false << QByteArray();
        QTest::newRow("nothing") << QByteArray() << false << false << QByteArray();
        QTest::newRow("one-shot affix") << affix(1, "CD", 0) << true << true << QByteArray("CD");
        QTest::newRow("one-shot checksum counts byte 0") << affix(1, "CD", 0, 0x10) << true << true << QByteArray("CD");
        QTest::newRow("one-shot wrong checksum") << affix(1, "CD", 1) << true << false << QByteArray();
        QTest::newRow("one-shot count 255") << QByteArray("\x00\xFF", 2) << true << false << QByteArray();
    }
    void hidAnswerParser()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, oneShot);
        QFETCH(bool, accepted);
        QFETCH(QByteArray, codes);
        const auto parsed = oneShot ? HidAnswers::parseOneShotAffix(answer) : HidAnswers::parseAffix(answer);
        QCOMPARE(parsed.has_value(), accepted);
        if (accepted)
            QCOMPARE(*parsed, codes);
    }

    // Every byte of the answer holds its own index plus one, so a field taken from a
    // neighbouring byte shows that byte's number.
    void hidStatusFieldAtItsByte_data()
    {
        QTest::addColumn<bool>("oneShot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("byte");
        const struct {
            const char *field;
            int byte, oneShotByte;
        } fields[] = {{"options", 8, 9}, {"output start", 9, 10}, {"output length", 10, 11},
                      {"country", 13, 13}, {"version", 56, 55}};
        for (const auto &f : fields) {
            QTest::addRow("%s", f.field) << false << f.field << f.byte;
            QTest::addRow("one-shot %s", f.field) << true << f.field << f.oneShotByte;
        }
    }
    void hidStatusFieldAtItsByte()
    {
        QFETCH(bool, oneShot);
        QFETCH(QString, field);
        QFETCH(int, byte);
        QByteArray answer(64, char(0x00));
        for (int i = 0; i < answer.size(); ++i)
            answer[i] = char(i + 1);
        const SettingsRecord r = oneShot ? HidAnswers::parseOneShotStatus(answer) : HidAnswers::parseStatus(answer);
        const QMap<QString, QByteArray> parsed{{"options", QByteArray(1, char(r.options))},
                                               {"output start", QByteArray(1, char(r.outputStart))},
                                               {"output length", QByteArray(1, char(r.outputLength))},
                                               {"country", QByteArray(1, char(r.kbCountry))},
                                               {"version", r.version}};
        QCOMPARE(parsed.value(field).toHex(' '), answer.mid(byte, field == "version" ? 8 : 1).toHex(' '));
    }

    void hidStatusParser()
    {
        QByteArray answer(64, char(0x00));
        answer[8] = char(0x3F);
        answer[9] = char(0xFE);
        answer[10] = char(0x07);
        answer[13] = char(0xFF);
        answer.replace(56, 4, "1.20");
        const SettingsRecord status = HidAnswers::parseStatus(answer);
        QCOMPARE(status.options, quint8(0x3F));
        QCOMPARE(status.outputStart, quint8(0xFE));
        QCOMPARE(status.outputLength, quint8(0x07));
        QCOMPARE(status.kbCountry, -1);  // taken as a signed index
        QCOMPARE(status.version, QByteArray("1.20\0\0\0\0", 8));
        const SettingsRecord oneShot = HidAnswers::parseOneShotStatus(answer);
        QCOMPARE(oneShot.options, quint8(0xFE));
        QCOMPARE(oneShot.version, QByteArray("\0" "1.20\0\0\0", 8));
        // A short answer reads as zeros past its end.
        QCOMPARE(HidAnswers::parseStatus(QByteArray(9, char(0x11))).outputStart, quint8(0));
    }
};

QTEST_GUILESS_MAIN(TestReaderSession)
#include "tst_reader_session.moc"
