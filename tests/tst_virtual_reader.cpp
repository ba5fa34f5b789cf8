// The virtual reader is the device in every other test, so what they rely on is pinned here:
// HID presence and answers, faults, writes applied, interface change and ISP mode, and the
// serial line behind the pseudo-terminal.
#include "plug_dir.h"
#include "reader_model.h"
#include "serial_endpoint.h"

#include <hidapi.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace VirtualReader;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

// A frame inside a 65-byte output report: report ID 0, the frame, zeros, sequence in byte 49.
QByteArray report(const QByteArray &frame, quint8 sequence = 0)
{
    QByteArray r(65, '\0');
    r.replace(1, qMin(frame.size(), 64), frame.left(64));
    r[49] = char(sequence);
    return r;
}

QByteArray readFrame(int code) { return bytes({0x1B, 0x42, code, 0, 0, 0, 0, 0x0D}); }
QByteArray keyed(int code) { return bytes({0x1B, 0x42, code, 0x55, 0xAA, 0x55, 0xAA, 0x0D}); }

QByteArray sixReads()
{
    QByteArray six;
    for (int code : {0x00, 0x02, 0x10, 0x20, 0x24, 0x28})
        six += readFrame(code);
    return six;
}

quint8 sum(const QByteArray &b)
{
    quint8 s = 0;
    for (char c : b)
        s = quint8(s + quint8(c));
    return s;
}

QString errorText(hid_device *dev) { return QString::fromWCharArray(hid_error(dev)); }

// How many entries hid_enumerate lists for the vendor and product (0 = any).
int listed(quint16 vendor, quint16 product)
{
    hid_device_info *list = hid_enumerate(vendor, product);
    int n = 0;
    for (hid_device_info *i = list; i; i = i->next)
        ++n;
    hid_free_enumeration(list);
    return n;
}

int openFdCount() { return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System).size(); }

// The utility's side of the line, opened as a raw terminal.
class Line
{
public:
    explicit Line(const QString &path) : fd_(::open(qPrintable(path), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        termios tio {};
        if (fd_ >= 0 && tcgetattr(fd_, &tio) == 0) {
            cfmakeraw(&tio);
            tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~Line() { ::close(fd_); }
    bool isOpen() const { return fd_ >= 0; }
    void send(const QByteArray &b) { QCOMPARE(::write(fd_, b.constData(), size_t(b.size())), ssize_t(b.size())); }
    // What arrives until `count` bytes came or the time is up, one chunk per read.
    QList<QByteArray> chunks(int count, int timeoutMs = 3000)
    {
        QList<QByteArray> got;
        QElapsedTimer clock;
        clock.start();
        for (int total = 0; total < count && clock.elapsed() < timeoutMs;) {
            char buffer[1024];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n > 0)
                got.append(QByteArray(buffer, int(n)));
            else
                QThread::msleep(5);
            total += int(qMax<ssize_t>(n, 0));
        }
        return got;
    }
    QByteArray receive(int count, int timeoutMs = 3000) { return chunks(count, timeoutMs).join(); }

private:
    const int fd_;
};

}  // namespace

class TestVirtualReader : public QObject
{
    Q_OBJECT

    Model &model = Model::instance();
    hid_device *dev = nullptr;
    QByteArray answer;  // what the last read() got
    std::unique_ptr<SerialEndpoint> endpoint;
    std::unique_ptr<Line> line;

    hid_device *open() { return hid_open(VendorId, model.hidProductId(), nullptr); }
    int write(const QByteArray &frame, int sequence = 0)
    {
        const QByteArray r = report(frame, quint8(sequence));
        return hid_write(dev, reinterpret_cast<const unsigned char *>(r.constData()), size_t(r.size()));
    }
    // One timed read into `answer`.
    int read()
    {
        unsigned char buffer[65] = {};
        const int n = hid_read_timeout(dev, buffer, sizeof buffer, 20);
        answer = n > 0 ? QByteArray(reinterpret_cast<char *>(buffer), n) : QByteArray();
        return n;
    }
    QByteArray exchange(int code, int sequence)
    {
        return write(readFrame(code), sequence) == 65 && read() > 0 ? answer : QByteArray();
    }
    int nextComplement() { return read() == 64 ? quint8(answer[48]) : -1; }
    template <typename Set> void fault(Set set)
    {
        Faults f;
        set(f);
        model.setFaults(f);
    }
    // The reader on its serial interface behind a running endpoint, and the utility's side.
    bool startSerial()
    {
        model.setInterface(Interface::Serial);
        endpoint.reset(new SerialEndpoint(model));
        if (!endpoint->start())
            return false;
        line.reset(new Line(endpoint->portPath()));
        return line->isOpen();
    }

private slots:
    void init()
    {
        model.reset();
        dev = open();
        QVERIFY(dev);
    }
    void cleanup()
    {
        line.reset();
        endpoint.reset();
        hid_close(dev);
        dev = nullptr;
        Model::setCount(1);
    }

    // Which product answers is shown by the start-up and diagnostics tests through the window.
    void shouldOpenOnlyForItsVendorAndProducts()
    {
        QVERIFY(!hid_open(0x0417, 0xF100, nullptr));
        QVERIFY(!hid_open(VendorId, 0xC141, nullptr));
        model.setDiagnosticProductPresent(true);
        hid_device *diag = hid_open(VendorId, 0xC141, nullptr);
        QVERIFY(diag);
        hid_close(diag);
    }

    void shouldAnswerWithTheSequenceComplement_data()
    {
        QTest::addColumn<int>("sequence");
        QTest::addColumn<int>("complement");
        QTest::newRow("first request") << 2 << 0xFD;
        QTest::newRow("last before wrap") << 0xFF << 0x00;
        QTest::newRow("after wrap") << 1 << 0xFE;
    }
    void shouldAnswerWithTheSequenceComplement()
    {
        QFETCH(int, sequence);
        QFETCH(int, complement);
        for (int code : {0x00, 0x20, 0x24, 0x28}) {
            const QByteArray got = exchange(code, sequence);
            QCOMPARE(got.size(), 64);
            QCOMPARE(quint8(got[48]), quint8(complement));
        }
    }

    void shouldLayOutTheStatusAndAffixAnswers()
    {
        model.setSettings({0x24, 3, 0xF0, 4, {}, {}, {}});  // options, output start, length, country
        QByteArray got = exchange(0x00, 2);
        QCOMPARE(bytes({got[8], got[9], got[10], got[13]}), bytes({0x24, 3, 0xF0, 4}));
        QCOMPARE(got.mid(56, 8), QByteArray("1.20\0\0\0\0", 8));
        model.setVersion("2.05b");
        QCOMPARE(exchange(0x00, 3).mid(56, 8), QByteArray("2.05b\0\0\0", 8));

        // Affix answers: count, codes, checksum over both.
        Settings s {0x1C, 0, 8, 0, "AB", QByteArray(31, char(0xFF)), {}};
        model.setSettings(s);
        QCOMPARE(exchange(0x20, 5).left(4), bytes({2, 0x41, 0x42, 0x85}));
        got = exchange(0x24, 6);
        QCOMPARE(int(got[0]), 31);
        QCOMPARE(got.mid(1, 31), s.post);
        QCOMPARE(quint8(got[32]), sum(got.left(32)));
        QCOMPARE(exchange(0x28, 7).left(2), bytes({0, 0}));

        // The reader keeps 31 codes at most, whatever it is given.
        s.pre = QByteArray(40, 'x');
        model.setSettings(s);
        QCOMPARE(model.settings().pre.size(), 31);
    }

    // Each fault the other tests switch on does what they count on.
    void shouldFailTheWritesItIsTold()
    {
        fault([](Faults &f) { f.failWriteNumber = 2; });
        QCOMPARE(write(readFrame(0), 2), 65);
        QCOMPARE(write(readFrame(0), 3), -1);
        QVERIFY(!errorText(dev).isEmpty());
        QCOMPARE(write(readFrame(0), 4), 65);
        QCOMPARE(model.receivedFrames().size(), 2);  // the failed report never arrived
        QCOMPARE(model.hidWriteAttempts(), 3);
        QCOMPARE(nextComplement(), 0xFD);
        QCOMPARE(nextComplement(), 0xFB);

        fault([](Faults &f) { f.failAllWrites = true; });
        QCOMPARE(write(keyed(0x80)), -1);
        QCOMPARE(model.savedSettings().pre, QByteArray());
    }

    void shouldFailDropOrDelayTheReadsItIsTold()
    {
        fault([](Faults &f) { f.failReads = true; });
        QCOMPARE(write(readFrame(0), 2), 65);
        QCOMPARE(read(), -1);
        QVERIFY(!errorText(dev).isEmpty());
        model.setFaults(Faults());
        QCOMPARE(read(), 64);  // the answer waited while reads failed
        QCOMPARE(errorText(dev), QStringLiteral("Success"));

        fault([](Faults &f) { f.noAnswer = true; });
        QCOMPARE(write(readFrame(0), 3), 65);
        QCOMPARE(read(), 0);

        // A late answer lets two reads pass empty.
        fault([](Faults &f) { f.lateReads = 2; });
        QCOMPARE(write(readFrame(0x20), 4), 65);
        QCOMPARE(read(), 0);
        QCOMPARE(read(), 0);
        QCOMPARE(nextComplement(), 0xFB);
    }

    void shouldSpoilTheAnswersItIsTold()
    {
        fault([](Faults &f) { f.staleFirst = true; });
        QCOMPARE(write(readFrame(0), 7), 65);
        QVERIFY(nextComplement() != 0xF8);
        QCOMPARE(nextComplement(), 0xF8);
        QCOMPARE(read(), 0);

        model.setSettings({0x1C, 0, 8, 0, "AB", {}, {}});
        fault([](Faults &f) { f.badChecksum = true; });
        QByteArray got = exchange(0x20, 8);
        QCOMPARE(got.left(3), QByteArray("\x02" "AB"));
        QVERIFY(quint8(got[3]) != quint8(0x85));

        fault([](Faults &f) { f.countAbove31 = true; });
        got = exchange(0x20, 9);
        QCOMPARE(int(got[0]), 32);
        QCOMPARE(got.mid(1, 2), QByteArray("AB"));
        QCOMPARE(quint8(got[33]), sum(got.left(33)));
    }

    void shouldVanishMidExchangeAndComeBackOnANewHandle()
    {
        fault([](Faults &f) { f.vanishAfterWrites = 1; });
        QCOMPARE(write(readFrame(0), 2), 65);
        QCOMPARE(read(), -1);
        QCOMPARE(errorText(dev), QStringLiteral("device disconnected"));
        QCOMPARE(write(readFrame(0), 3), -1);
        QVERIFY(model.pulledOut());
        QVERIFY(!open());

        model.plugIn();
        QCOMPARE(write(readFrame(0), 4), -1);  // an old handle stays dead
        hid_device *fresh = open();
        QVERIFY(fresh);
        std::swap(dev, fresh);
        QCOMPARE(exchange(0, 5).size(), 64);
        hid_close(fresh);
    }

    void shouldApplyWritesAndSaveOnTheKey()
    {
        const QList<QByteArray> frames = {
            bytes({0x1B, 0x42, 0x02, 0x01, 0x3F, 0, 0, 0x0D}),
            bytes({0x1B, 0x42, 0x10, 0x01, 0x02, 0x06, 0, 0x0D}),
            bytes({0x1B, 0x42, 0x03, 0x01, 0x03, 0, 0, 0x0D}),
            bytes({0x1B, 0x42, 0x21, 0x02, 0x02, 0x41}),
            bytes({0x1B, 0x42, 0x25, 0x01, 0x0D}),
            bytes({0x1B, 0x42, 0x29, 0x00}),
        };
        for (const QByteArray &frame : frames)
            QCOMPARE(write(frame), 65);
        const Settings s = model.settings();
        QCOMPARE(bytes({s.options, s.outputStart, s.outputLength, s.kbCountry}), bytes({0x3F, 2, 6, 3}));
        QCOMPARE(s.pre, bytes({0x02, 0x41}));
        QCOMPARE(s.post, bytes({0x0D}));
        QCOMPARE(s.remove, QByteArray());

        // A save with the wrong key is ignored, the right one keeps the working settings.
        QCOMPARE(write(bytes({0x1B, 0x42, 0x80, 0x55, 0xAA, 0x55, 0xAB, 0x0D})), 65);
        QCOMPARE(model.savedSettings().pre, QByteArray());
        QCOMPARE(write(keyed(0x80)), 65);
        QCOMPARE(model.savedSettings().pre, s.pre);
        QCOMPARE(model.savedSettings().options, quint8(0x3F));

        // The read forms of 0x02 and 0x10 change nothing; what was written is read back.
        QCOMPARE(write(readFrame(0x02)), 65);
        QCOMPARE(model.settings().options, quint8(0x3F));
        QCOMPARE(exchange(0x20, 2).left(4), bytes({2, 0x02, 0x41, 0x45}));
        QCOMPARE(model.receivedFrames().size(), frames.size() + 4);
        QCOMPARE(model.receivedFrames().first(), report(frames.first()));

        // 70 codes announced, 60 carried by the report, 31 kept.
        QByteArray codes;
        for (int i = 0; i < 70; ++i)
            codes.append(char('0' + i));
        QCOMPARE(write(bytes({0x1B, 0x42, 0x21, 70}) + codes), 65);
        QCOMPARE(model.settings().pre, codes.left(31));
    }

    void shouldKeepOtherInterfaceAffixesAndChangeInterfaceOnTheKey()
    {
        QCOMPARE(write(bytes({0x1B, 0x42, 0x21, 1, 'u'})), 65);
        QCOMPARE(write(bytes({0x1B, 0x42, 0x30, 0x01, 0x21, 0x02, 'A', 'B'})), 65);
        QCOMPARE(write(bytes({0x1B, 0x42, 0x30, 0x01, 0x29, 0x01, 0x0D})), 65);
        QCOMPARE(write(bytes({0x1B, 0x42, 0x30, 0x07, 0x25, 0x01, 'z'})), 65);
        QCOMPARE(model.settings().pre, QByteArray("u"));
        QCOMPARE(model.otherInterfaceSettings().pre, QByteArray("AB"));
        QCOMPARE(model.otherInterfaceSettings().remove, QByteArray("\r"));
        QCOMPARE(model.otherInterfaceSettings().post, QByteArray());

        QCOMPARE(write(bytes({0x1B, 0x42, 0xFD, 0x55, 0xAA, 0x00, 0xAA, 0x0D})), 65);
        QCOMPARE(model.currentInterface(), Interface::UsbKeyboard);
        QCOMPARE(write(keyed(0xFD)), 65);
        QCOMPARE(model.currentInterface(), Interface::Serial);
        QCOMPARE(model.settings().pre, QByteArray("AB"));
        QCOMPARE(model.interfaceSettings(Interface::Serial).remove, QByteArray("\r"));
        QCOMPARE(model.interfaceSettings(Interface::UsbKeyboard).pre, QByteArray("u"));

        // Gone from USB HID: the handle fails like a pulled reader, no new one opens.
        QCOMPARE(write(readFrame(0), 2), -1);
        QCOMPARE(errorText(dev), QStringLiteral("device disconnected"));
        QCOMPARE(read(), -1);
        QVERIFY(!open());
    }

    void shouldFallSilentInIspModeUntilReset()
    {
        QCOMPARE(write(keyed(0xFF)), 65);
        QVERIFY(model.inIspMode());
        QCOMPARE(write(readFrame(0), 2), -1);
        QVERIFY(!open());
        model.reset();
        QVERIFY(!model.inIspMode());
        hid_device *fresh = open();
        QVERIFY(fresh);
        hid_close(fresh);
    }

    void shouldAnswerTheSixSerialReadsAndItsFaults()
    {
        model.setSettings({0x1F, 1, 9, 0, "AB", {}, bytes({0x0D, 0xB0})});
        QVERIFY(startSerial());

        const QByteArray expected = QByteArray("QKR1.2\0\r", 8) + bytes({'Q', 'K', 'R', 0, 0x1F, 0, 0, 0x0D})
            + bytes({'Q', 'K', 'R', 0, 1, 9, 0, 0x0D}) + QByteArray("QKR\x02" "AB\r")
            + QByteArray("QKR\0\r", 5) + bytes({'Q', 'K', 'R', 2, 0x0D, 0xB0, 0x0D});
        line->send(sixReads());
        QCOMPARE(line->receive(expected.size()), expected);

        // Garbled answers keep their length but lose the header.
        fault([](Faults &f) { f.serialGarbage = true; });
        line->send(readFrame(0x00));
        const QByteArray garbage = line->receive(8);
        QCOMPARE(garbage.size(), 8);
        QVERIFY(!garbage.startsWith("QKR"));

        // No answer, or the bytes lost on the way.
        fault([](Faults &f) { f.noAnswer = true; });
        line->send(readFrame(0x00));
        QCOMPARE(line->receive(1, 300), QByteArray());
        fault([](Faults &f) { f.failAllWrites = true; });
        model.clearReceived();
        line->send(keyed(0x80));
        QCOMPARE(line->receive(1, 300), QByteArray());
        QCOMPARE(model.serialBytesReceived(), QByteArray());
        QCOMPARE(model.savedSettings().pre, QByteArray());

        // Split answers reach the line in two parts.
        fault([](Faults &f) { f.splitSerialAnswers = true; });
        line->send(sixReads());
        const QList<QByteArray> chunks = line->chunks(expected.size());
        QVERIFY2(chunks.size() >= 2, "the answers came in one piece");
        QVERIFY(chunks.first().startsWith("QKR"));
        QVERIFY(!chunks.first().endsWith('\r'));
        QCOMPARE(chunks.join(), expected);
    }

    void shouldCutTheSerialStreamIntoFrames()
    {
        QVERIFY(startSerial());
        const QList<QByteArray> frames = {
            bytes({0x1B, 0x42, 0x02, 0x01, 0x3F, 0, 0, 0x0D}),
            bytes({0x1B, 0x42, 0x10, 0x01, 0, 8, 0, 0x0D}),
            bytes({0x1B, 0x42, 0x21, 0x03, 0x1B, 0x42, 0x0D}),   // codes that look like a frame
            bytes({0x1B, 0x42, 0x25, 0x00}),
            bytes({0x1B, 0x42, 0x30, 0x00, 0x29, 0x02, 0x41, 0x42}),
            keyed(0x80),
        };
        const QByteArray stream = QByteArray("\x00\x42noise", 7) + frames.join();
        // Arriving in odd pieces must not change where frames begin and end.
        for (int i = 0; i < stream.size(); i += 5) {
            line->send(stream.mid(i, 5));
            QThread::msleep(2);
        }
        QTRY_COMPARE(model.receivedFrames().size(), frames.size());
        QCOMPARE(model.receivedFrames(), frames);
        QCOMPARE(model.serialBytesReceived(), stream);

        const Settings s = model.settings();
        QCOMPARE(bytes({s.options, s.outputLength}), bytes({0x3F, 8}));
        QCOMPARE(s.pre, bytes({0x1B, 0x42, 0x0D}));
        QCOMPARE(model.interfaceSettings(Interface::UsbKeyboard).remove, QByteArray("AB"));
        QCOMPARE(model.savedSettings().pre, s.pre);

        // Changing the interface over the line: the reader goes quiet there.
        line->send(keyed(0xFD));
        QTRY_COMPARE(model.currentInterface(), Interface::UsbKeyboard);
        line->send(readFrame(0x00));
        QCOMPARE(line->receive(1, 300), QByteArray());
        QVERIFY(!endpoint->sendIdCode("1234"));
    }

    void shouldSendIdCodesWithTheEnabledAffixes()
    {
        Settings s {0x04, 0, 8, 0, "<", ">\r", {}};  // preamble only
        model.setSettings(s);
        QVERIFY(startSerial());
        QVERIFY(endpoint->sendIdCode("0A1B2C3D"));
        QCOMPARE(line->receive(9), QByteArray("<0A1B2C3D"));
        s.options = 0x06;
        model.setSettings(s);
        QVERIFY(endpoint->sendIdCode("77"));
        QCOMPARE(line->receive(5), QByteArray("<77>\r"));
    }

    void shouldStartAndStopCleanly()
    {
        const int before = openFdCount();
        model.setInterface(Interface::Serial);
        {
            SerialEndpoint endpoint(model);
            for (int round = 0; round < 3; ++round) {
                QVERIFY(endpoint.start());
                QVERIFY(endpoint.isRunning());
                Line line(endpoint.portPath());
                line.send(readFrame(0x02));
                QCOMPARE(line.receive(8).left(3), QByteArray("QKR"));
                endpoint.stop();
                QVERIFY(!endpoint.isRunning());
                QVERIFY(endpoint.portPath().isEmpty());
            }
            QVERIFY(endpoint.start());  // left running: the destructor stops it
        }
        QCOMPARE(openFdCount(), before);
    }

    // ---- several readers in one process ----

    void shouldListEveryReaderAndOpenTheOneAsked_data()
    {
        QTest::addColumn<int>("readers");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("byPath");
        QTest::addColumn<bool>("refused");
        QTest::newRow("the only reader, by serial number") << 1 << 1 << false << false;
        QTest::newRow("second of three, by serial number") << 3 << 2 << false << false;
        QTest::newRow("last of sixteen, by path") << 16 << 16 << true << false;
        QTest::newRow("refused, by path") << 3 << 2 << true << true;
        QTest::newRow("refused, by serial number") << 3 << 2 << false << true;
    }
    void shouldListEveryReaderAndOpenTheOneAsked()
    {
        QFETCH(int, readers);
        QFETCH(int, target);
        QFETCH(bool, byPath);
        QFETCH(bool, refused);
        Model::setCount(readers);
        Model &wanted = *Model::reader(target);
        Faults f;
        f.openRefused = refused;
        wanted.setFaults(f);

        QSet<QByteArray> paths;
        QSet<QString> serials;
        hid_device_info *list = hid_enumerate(0, 0);
        for (hid_device_info *i = list; i; i = i->next) {
            QCOMPARE(i->vendor_id, VendorId);
            QCOMPARE(i->product_id, quint16(0xF100));
            paths << QByteArray(i->path);
            serials << QString::fromWCharArray(i->serial_number);
        }
        hid_free_enumeration(list);
        QCOMPARE(paths.size(), readers);
        QCOMPARE(serials.size(), readers);
        QVERIFY(paths.contains(wanted.hidPath()));  // listed even when it cannot be opened
        QVERIFY(serials.contains(wanted.serialNumber()));

        const std::wstring serial = wanted.serialNumber().toStdWString();
        hid_device *h = byPath ? hid_open_path(wanted.hidPath().constData())
                               : hid_open(VendorId, 0xF100, serial.c_str());
        if (refused) {
            QVERIFY(!h);
            QVERIFY2(errorText(nullptr).contains("Permission denied"), qPrintable(errorText(nullptr)));
            return;
        }
        QVERIFY(h);
        wchar_t got[32] = {};
        QCOMPARE(hid_get_serial_number_string(h, got, 32), 0);
        QCOMPARE(QString::fromWCharArray(got), wanted.serialNumber());
        for (int n = 1; n <= readers; ++n)
            Model::reader(n)->clearReceived();
        const QByteArray r = report(bytes({0x1B, 0x42, 0x03, 0x01, 0x07, 0x0D}));
        QCOMPARE(hid_write(h, reinterpret_cast<const unsigned char *>(r.constData()), 65), 65);
        hid_close(h);
        for (int n = 1; n <= readers; ++n) {
            QCOMPARE(Model::reader(n)->receivedFrames().size(), n == target ? 1 : 0);
            QCOMPARE(Model::reader(n)->settings().kbCountry, quint8(n == target ? 7 : 0));
        }
    }

    void shouldListOnlyWhatAnswersOnUsbHid()
    {
        Model::setCount(3);
        Model::reader(2)->setInterface(Interface::Serial);
        Model::reader(3)->setDiagnosticProductPresent(true);
        QCOMPARE(listed(0, 0), 3);  // reader 1, and reader 3 under both products
        QCOMPARE(listed(VendorId, 0xC141), 1);
        QCOMPARE(listed(VendorId, 0xF100), 2);
        QCOMPARE(listed(0x0417, 0), 0);
        QVERIFY(!hid_open_path(Model::reader(2)->hidPath().constData()));
        QVERIFY(!hid_open_path("/dev/hidraw0"));

        // A reader that leaves: its handle fails, it is no longer listed, it comes back new.
        Model &third = *Model::reader(3);
        hid_device *h = hid_open_path(third.hidPath().constData());
        QVERIFY(h);
        Model::setCount(2);
        QVERIFY(!Model::reader(3));
        QCOMPARE(listed(0, 0), 1);
        const QByteArray r = report(readFrame(0x00), 1);
        QCOMPARE(hid_write(h, reinterpret_cast<const unsigned char *>(r.constData()), 65), -1);
        hid_close(h);
        QCOMPARE(&Model::add(), &third);
        QVERIFY(!third.diagnosticProductPresent());
        QCOMPARE(listed(0, 0), 2);
    }

    void shouldSetUpTheReadersAsTheEnvironmentSays_data()
    {
        QTest::addColumn<QByteArray>("readers");  // "-": not set
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("failingReaders");
        QTest::addColumn<int>("problems");
        QTest::newRow("nothing set") << QByteArray("-") << QByteArray("-") << 1 << QList<int>() << 0;
        QTest::newRow("sixteen, two failing") << QByteArray("16") << QByteArray("2, 16") << 16
                                              << QList<int> {2, 16} << 0;
        QTest::newRow("none present") << QByteArray("0") << QByteArray("-") << 0 << QList<int>() << 0;
        QTest::newRow("not a count") << QByteArray("4x") << QByteArray("-") << 1 << QList<int>() << 1;
        QTest::newRow("too many") << QByteArray("257") << QByteArray("-") << 1 << QList<int>() << 1;
        QTest::newRow("failing reader not present") << QByteArray("2") << QByteArray("3,1,x") << 2
                                                    << QList<int> {1} << 2;
    }
    void shouldSetUpTheReadersAsTheEnvironmentSays()
    {
        QFETCH(QByteArray, readers);
        QFETCH(QByteArray, failing);
        QFETCH(int, count);
        QFETCH(QList<int>, failingReaders);
        QFETCH(int, problems);
        auto value = [](const QByteArray &v) { return v == "-" ? nullptr : v.constData(); };
        QCOMPARE(Model::setUpFromEnvironment(value(readers), value(failing)).size(), problems);
        QCOMPARE(Model::count(), count);
        QCOMPARE(listed(0, 0), count);
        for (int n = 1; n <= count; ++n)
            QCOMPARE(Model::reader(n)->faults().failAllWrites, failingReaders.contains(n));
    }

    // Each thread drives a reader of its own through its own handle while another lists them.
    void shouldKeepReadersApartWhenThreadsDriveThemAtOnce()
    {
        Model::setCount(3);
        constexpr int Rounds = 150;
        std::atomic<int> wrong {0};
        std::atomic<bool> done {false};
        auto drive = [&wrong](int number) {
            Model &m = *Model::reader(number);
            hid_device *h = hid_open_path(m.hidPath().constData());
            if (!h) {
                ++wrong;
                return;
            }
            for (int round = 0; round < Rounds; ++round) {
                const quint8 sequence = quint8(round % 200 + 1);
                const QByteArray set = report(bytes({0x1B, 0x42, 0x03, 0x01, number, 0x0D}));
                const QByteArray ask = report(readFrame(0x00), sequence);
                unsigned char in[65] = {};
                if (hid_write(h, reinterpret_cast<const unsigned char *>(set.constData()), 65) != 65
                    || hid_write(h, reinterpret_cast<const unsigned char *>(ask.constData()), 65) != 65
                    || hid_read_timeout(h, in, sizeof in, 500) != 64 || in[48] != 0xFF - sequence)
                    ++wrong;
            }
            hid_close(h);
        };
        std::thread lister([&done] {
            while (!done)
                listed(0, 0);
        });
        std::thread second(drive, 2);
        std::thread third(drive, 3);
        second.join();
        third.join();
        done = true;
        lister.join();
        QCOMPARE(wrong.load(), 0);
        for (int number : {2, 3}) {
            QCOMPARE(Model::reader(number)->receivedFrames().size(), 2 * Rounds);
            QCOMPARE(Model::reader(number)->settings().kbCountry, quint8(number));
        }
        QCOMPARE(model.receivedFrames().size(), 0);
    }

    void shouldServeEachReaderOnItsOwnLine()
    {
        Model::setCount(3);
        std::unique_ptr<SerialEndpoint> endpoints[2];
        for (int number : {2, 3}) {
            Model &m = *Model::reader(number);
            m.setVersion(QByteArray::number(number) + ".00");
            m.setInterface(Interface::Serial);
            endpoints[number - 2].reset(new SerialEndpoint(m));
            QVERIFY(endpoints[number - 2]->start());
        }
        QVERIFY(endpoints[0]->portPath() != endpoints[1]->portPath());
        Line line(endpoints[1]->portPath());
        line.send(readFrame(0x00));
        QCOMPARE(line.receive(8), QByteArray("QKR3.0\0\r", 8));
        QCOMPARE(Model::reader(3)->receivedFrames(), QList<QByteArray> {readFrame(0x00)});
        QCOMPARE(Model::reader(2)->receivedFrames().size(), 0);
    }

    // ---- readers plugged in and pulled out through a directory ----

    void shouldFollowThePlugDirectory()
    {
        QTemporaryDir dir;
        auto file = [&dir](const QString &name) { return dir.filePath(name); };
        auto put = [&](const QString &name, const QByteArray &content) {
            QFile f(file(name));
            return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
        };
        auto content = [&](int number) {
            QFile f(file(QStringLiteral("hid-%1").arg(number)));
            return f.open(QIODevice::ReadOnly) ? PlugDir::parse(f.readAll()) : PlugDir::ReaderFile();
        };
        auto paths = [] {
            QStringList found;
            hid_device_info *list = hid_enumerate(0, 0);
            for (hid_device_info *i = list; i; i = i->next)
                found << QString::fromLatin1(i->path);
            hid_free_enumeration(list);
            return found;
        };
        QVERIFY(put("hid-2", "options=14\npre=4142\nkbCountry=3\n") && put("hid-4", "") && put("hid-x", ""));
        PlugDir::followUsbHid(dir.path());
        const auto stopFollowing = qScopeGuard([] { PlugDir::followUsbHid(QString()); });
        QCOMPARE(paths(), QStringList({"/dev/virtual-hidraw2", "/dev/virtual-hidraw4"}));
        QCOMPARE(Model::reader(2)->settings().pre, QByteArray("AB"));
        QCOMPARE(Model::reader(2)->settings().options, quint8(0x14));

        // Pulled out under an open handle: the next write fails, without anyone listing.
        hid_device *fourth = hid_open_path("/dev/virtual-hidraw4");
        QVERIFY(fourth);
        QVERIFY(QFile::remove(file("hid-4")));
        const QByteArray ask = report(readFrame(0x00), 7);
        QCOMPARE(hid_write(fourth, reinterpret_cast<const unsigned char *>(ask.constData()), 65), -1);
        hid_close(fourth);
        QCOMPARE(paths(), QStringList({"/dev/virtual-hidraw2"}));

        // Writes are counted and what the reader saved goes into its file; reads are not.
        hid_device *second = hid_open_path("/dev/virtual-hidraw2");
        QVERIFY(second);
        for (const QByteArray &frame : {readFrame(0x00), bytes({0x1B, 0x42, 0x03, 0x01, 0x01, 0x0D}), keyed(0x80)}) {
            const QByteArray r = report(frame, 9);
            QCOMPARE(hid_write(second, reinterpret_cast<const unsigned char *>(r.constData()), 65), 65);
        }
        hid_close(second);
        QCOMPARE(content(2).writeFrames, 2);
        QCOMPARE(content(2).stored.saved.kbCountry, quint8(1));
        QCOMPARE(content(2).stored.saved.pre, QByteArray("AB"));

        // Moved away and back, it is the same reader again; a new file is another one, which
        // can be told to fail its writes.
        QVERIFY(QFile::rename(file("hid-2"), file("away")));
        QCOMPARE(paths(), QStringList());
        Model::reader(2)->setSettings(Settings());
        QVERIFY(QFile::rename(file("away"), file("hid-2")));
        QVERIFY(put("hid-4", "failWrites=1\n"));
        QCOMPARE(paths(), QStringList({"/dev/virtual-hidraw2", "/dev/virtual-hidraw4"}));
        QCOMPARE(Model::reader(2)->settings().kbCountry, quint8(1));
        QVERIFY(Model::reader(4)->faults().failAllWrites);
        QVERIFY(QFile::remove(file("hid-4")));
        paths();
        QVERIFY(put("hid-4", ""));
        paths();
        QVERIFY(!Model::reader(4)->faults().failAllWrites);
        QCOMPARE(Model::reader(4)->settings().pre, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestVirtualReader)
#include "tst_virtual_reader.moc"
