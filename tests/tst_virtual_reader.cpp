// The virtual reader is the device in every other test, so what they rely on is pinned here:
// HID presence and answers, faults, writes applied, interface change and ISP mode, and the
// serial line behind the pseudo-terminal.
#include "reader_model.h"
#include "serial_endpoint.h"

#include <hidapi.h>

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <cwchar>

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

QByteArray readFrame(int code)
{
    return bytes({0x1B, 0x42, code, 0, 0, 0, 0, 0x0D});
}

QByteArray keyed(int code)
{
    return bytes({0x1B, 0x42, code, 0x55, 0xAA, 0x55, 0xAA, 0x0D});
}

int write(hid_device *dev, const QByteArray &r)
{
    return hid_write(dev, reinterpret_cast<const unsigned char *>(r.constData()), size_t(r.size()));
}

// One timed read; the answer (when n > 0) lands in *answer.
int read(hid_device *dev, QByteArray *answer, int timeoutMs = 20)
{
    unsigned char buffer[65] = {};
    const int n = hid_read_timeout(dev, buffer, sizeof buffer, timeoutMs);
    *answer = n > 0 ? QByteArray(reinterpret_cast<char *>(buffer), n) : QByteArray();
    return n;
}

QByteArray exchange(hid_device *dev, int code, quint8 sequence)
{
    QByteArray answer;
    if (write(dev, report(readFrame(code), sequence)) != 65 || read(dev, &answer) <= 0)
        return QByteArray();
    return answer;
}

quint8 sum(const QByteArray &b)
{
    quint8 s = 0;
    for (char c : b)
        s = quint8(s + quint8(c));
    return s;
}

QString errorText(hid_device *dev)
{
    return QString::fromWCharArray(hid_error(dev));
}

int openFdCount()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size();
}

// The utility's side of the line, opened as a raw terminal.
class Line
{
public:
    explicit Line(const QString &path)
    {
        fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0) {
            termios tio {};
            tcgetattr(fd_, &tio);
            cfmakeraw(&tio);
            tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~Line()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }
    void send(const QByteArray &b) { QCOMPARE(::write(fd_, b.constData(), size_t(b.size())), ssize_t(b.size())); }
    // Reads what arrives until `count` bytes came or the time is up; each read is one chunk.
    QList<QByteArray> chunks(int count, int timeoutMs = 3000)
    {
        QList<QByteArray> got;
        int total = 0;
        QElapsedTimer clock;
        clock.start();
        while (total < count && clock.elapsed() < timeoutMs) {
            char buffer[1024];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n > 0) {
                got.append(QByteArray(buffer, int(n)));
                total += int(n);
            } else {
                QThread::msleep(5);
            }
        }
        return got;
    }
    QByteArray receive(int count, int timeoutMs = 3000)
    {
        QByteArray all;
        for (const QByteArray &c : chunks(count, timeoutMs))
            all += c;
        return all;
    }

private:
    int fd_ = -1;
};

}  // namespace

class TestVirtualReader : public QObject
{
    Q_OBJECT

private:
    Model &model = Model::instance();
    hid_device *dev = nullptr;

    hid_device *open() { return hid_open(VendorId, model.hidProductId(), nullptr); }

private slots:
    void init()
    {
        model.reset();
        dev = open();
        QVERIFY(dev);
    }
    void cleanup()
    {
        hid_close(dev);
        dev = nullptr;
    }

    void hidOpenAnswersOnlyThePresentReader()
    {
        QVERIFY(!hid_open(0x0417, 0xF100, nullptr));
        QVERIFY(!hid_open(VendorId, 0xF108, nullptr));
        QVERIFY(!hid_open(0, 0, nullptr));
        QVERIFY(!hid_open(VendorId, 0xC141, nullptr));

        model.setDiagnosticProductPresent(true);
        hid_device *diag = hid_open(VendorId, 0xC141, nullptr);
        QVERIFY(diag);
        wchar_t text[255] = {};
        QCOMPARE(hid_get_manufacturer_string(diag, text, 255), 0);
        QVERIFY(wcslen(text) > 0);
        QCOMPARE(hid_get_indexed_string(diag, 1, text, 255), 0);
        hid_close(diag);

        model.setHidProductId(0xF108);
        hid_device *other = hid_open(VendorId, 0xF108, nullptr);
        QVERIFY(other);
        hid_close(other);
        model.setHidProductId(0);
        QVERIFY(!hid_open(0, 0, nullptr));
        QVERIFY(!hid_open(VendorId, 0, nullptr));

        model.reset();
        model.setInterface(Interface::Serial);
        QVERIFY(!open());
    }

    void hidAnswersCarryTheSequenceComplement_data()
    {
        QTest::addColumn<int>("sequence");
        QTest::addColumn<int>("complement");
        QTest::newRow("first request") << 2 << 0xFD;
        QTest::newRow("last before wrap") << 0xFF << 0x00;
        QTest::newRow("after wrap") << 1 << 0xFE;
    }
    void hidAnswersCarryTheSequenceComplement()
    {
        QFETCH(int, sequence);
        QFETCH(int, complement);
        for (int code : {0x00, 0x20, 0x24, 0x28}) {
            const QByteArray answer = exchange(dev, code, quint8(sequence));
            QCOMPARE(answer.size(), 64);
            QCOMPARE(quint8(answer[48]), quint8(complement));
        }
    }

    void hidStatusAnswerLayout()
    {
        Settings s;
        s.options = 0x24;
        s.outputStart = 3;
        s.outputLength = 0xF0;
        s.kbCountry = 4;
        model.setSettings(s);
        QByteArray answer = exchange(dev, 0x00, 2);
        QCOMPARE(quint8(answer[8]), quint8(0x24));
        QCOMPARE(quint8(answer[9]), quint8(3));
        QCOMPARE(quint8(answer[10]), quint8(0xF0));
        QCOMPARE(quint8(answer[13]), quint8(4));
        QCOMPARE(answer.mid(56, 8), QByteArray("1.20\0\0\0\0", 8));

        model.setVersion("2.05b");
        answer = exchange(dev, 0x00, 3);
        QCOMPARE(answer.mid(56, 8), QByteArray("2.05b\0\0\0", 8));
    }

    void hidAffixAnswersCountCodesAndChecksum()
    {
        Settings s;
        s.pre = "AB";
        s.post = QByteArray(31, char(0xFF));
        s.remove.clear();
        model.setSettings(s);

        QByteArray answer = exchange(dev, 0x20, 5);
        QCOMPARE(answer.left(4), bytes({2, 0x41, 0x42, 0x85}));
        answer = exchange(dev, 0x24, 6);
        QCOMPARE(int(answer[0]), 31);
        QCOMPARE(answer.mid(1, 31), s.post);
        QCOMPARE(quint8(answer[32]), sum(answer.left(32)));
        answer = exchange(dev, 0x28, 7);
        QCOMPARE(answer.left(2), bytes({0, 0}));

        // The reader keeps 31 codes at most, whatever it is given.
        s.pre = QByteArray(40, 'x');
        model.setSettings(s);
        QCOMPARE(model.settings().pre.size(), 31);
    }

    void hidWriteFaults()
    {
        QByteArray answer;
        Faults f;
        f.failWriteNumber = 2;
        model.setFaults(f);
        QCOMPARE(write(dev, report(readFrame(0), 2)), 65);
        QCOMPARE(write(dev, report(readFrame(0), 3)), -1);
        QVERIFY(!errorText(dev).isEmpty());
        QCOMPARE(write(dev, report(readFrame(0), 4)), 65);
        QCOMPARE(model.receivedFrames().size(), 2);  // the failed report never arrived
        QCOMPARE(model.hidWriteAttempts(), 3);
        QCOMPARE(read(dev, &answer), 64);
        QCOMPARE(quint8(answer[48]), quint8(0xFD));
        QCOMPARE(read(dev, &answer), 64);
        QCOMPARE(quint8(answer[48]), quint8(0xFB));

        f = Faults();
        f.failAllWrites = true;
        model.setFaults(f);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(write(dev, report(keyed(0x80))), -1);
        QCOMPARE(model.savedSettings().pre, QByteArray());
        model.setFaults(Faults());
        QCOMPARE(write(dev, report(readFrame(0), 9)), 65);
    }

    void hidReadFaults()
    {
        QByteArray answer;
        Faults f;
        f.failReads = true;
        model.setFaults(f);
        QCOMPARE(write(dev, report(readFrame(0), 2)), 65);
        QCOMPARE(read(dev, &answer), -1);
        QVERIFY(!errorText(dev).isEmpty());
        model.setFaults(Faults());
        QCOMPARE(read(dev, &answer), 64);  // the answer waited while reads failed
        QCOMPARE(errorText(dev), QStringLiteral("Success"));

        f = Faults();
        f.noAnswer = true;
        model.setFaults(f);
        QCOMPARE(write(dev, report(readFrame(0), 3)), 65);
        QCOMPARE(read(dev, &answer), 0);

        // A late answer lets two timed reads pass empty; a blocking read waits for it.
        f = Faults();
        f.lateReads = 2;
        model.setFaults(f);
        QCOMPARE(write(dev, report(readFrame(0x20), 4)), 65);
        QCOMPARE(read(dev, &answer), 0);
        QCOMPARE(read(dev, &answer), 0);
        QCOMPARE(read(dev, &answer), 64);
        QCOMPARE(quint8(answer[48]), quint8(0xFB));
        QCOMPARE(write(dev, report(readFrame(0x20), 5)), 65);
        unsigned char buffer[65];
        QCOMPARE(hid_read(dev, buffer, sizeof buffer), 64);
        QCOMPARE(buffer[48], quint8(0xFA));

        // Nothing due: a non-blocking read says so at once, a blocking one gives up.
        hid_set_nonblocking(dev, 1);
        QCOMPARE(hid_read(dev, buffer, sizeof buffer), 0);
        hid_set_nonblocking(dev, 0);
        QCOMPARE(hid_read(dev, buffer, sizeof buffer), 0);
    }

    void hidAnswerFaults()
    {
        QByteArray answer;
        Faults f;
        f.staleFirst = true;
        model.setFaults(f);
        QCOMPARE(write(dev, report(readFrame(0), 7)), 65);
        QCOMPARE(read(dev, &answer), 64);
        QVERIFY(quint8(answer[48]) != quint8(0xF8));
        QCOMPARE(read(dev, &answer), 64);
        QCOMPARE(quint8(answer[48]), quint8(0xF8));
        QCOMPARE(read(dev, &answer), 0);

        Settings s;
        s.pre = "AB";
        model.setSettings(s);
        f = Faults();
        f.badChecksum = true;
        model.setFaults(f);
        answer = exchange(dev, 0x20, 8);
        QCOMPARE(answer.left(3), QByteArray("\x02" "AB"));
        QVERIFY(quint8(answer[3]) != quint8(0x85));

        f = Faults();
        f.countAbove31 = true;
        model.setFaults(f);
        answer = exchange(dev, 0x20, 9);
        QCOMPARE(int(answer[0]), 32);
        QCOMPARE(answer.mid(1, 2), QByteArray("AB"));
        QCOMPARE(quint8(answer[33]), sum(answer.left(33)));
    }

    void readerVanishesMidExchange()
    {
        Faults f;
        f.vanishAfterWrites = 1;
        model.setFaults(f);
        QCOMPARE(write(dev, report(readFrame(0), 2)), 65);
        QByteArray answer;
        QCOMPARE(read(dev, &answer), -1);
        QCOMPARE(errorText(dev), QStringLiteral("device disconnected"));
        QCOMPARE(write(dev, report(readFrame(0), 3)), -1);
        QVERIFY(model.pulledOut());
        QVERIFY(!open());

        model.plugIn();
        QCOMPARE(write(dev, report(readFrame(0), 4)), -1);  // an old handle stays dead
        hid_device *fresh = open();
        QVERIFY(fresh);
        QCOMPARE(exchange(fresh, 0, 5).size(), 64);
        hid_close(fresh);
    }

    void hidWritesAreAppliedAndSaved()
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
            QCOMPARE(write(dev, report(frame)), 65);
        Settings s = model.settings();
        QCOMPARE(s.options, quint8(0x3F));
        QCOMPARE(s.outputStart, quint8(2));
        QCOMPARE(s.outputLength, quint8(6));
        QCOMPARE(s.kbCountry, quint8(3));
        QCOMPARE(s.pre, bytes({0x02, 0x41}));
        QCOMPARE(s.post, bytes({0x0D}));
        QCOMPARE(s.remove, QByteArray());
        QCOMPARE(model.savedSettings().options, Settings().options);

        // A save with the wrong key is ignored, the right one keeps the working settings.
        QCOMPARE(write(dev, report(bytes({0x1B, 0x42, 0x80, 0x55, 0xAA, 0x55, 0xAB, 0x0D}))), 65);
        QCOMPARE(model.savedSettings().pre, QByteArray());
        QCOMPARE(write(dev, report(keyed(0x80))), 65);
        QCOMPARE(model.savedSettings().pre, s.pre);
        QCOMPARE(model.savedSettings().options, quint8(0x3F));

        // The read forms of 0x02 and 0x10 change nothing; what was written is read back.
        QCOMPARE(write(dev, report(readFrame(0x02))), 65);
        QCOMPARE(model.settings().options, quint8(0x3F));
        QCOMPARE(exchange(dev, 0x20, 2).left(4), bytes({2, 0x02, 0x41, 0x45}));

        const QList<QByteArray> got = model.receivedFrames();
        QCOMPARE(got.size(), frames.size() + 4);
        QCOMPARE(got.first(), report(frames.first()));
    }

    void longAffixWritesKeepWhatFits()
    {
        // 70 codes announced, 60 carried by the report, 31 kept.
        QByteArray codes;
        for (int i = 0; i < 70; ++i)
            codes.append(char('0' + i));
        QCOMPARE(write(dev, report(bytes({0x1B, 0x42, 0x21, 70}) + codes)), 65);
        QCOMPARE(model.settings().pre, codes.left(31));
    }

    void otherInterfaceAffixesAndInterfaceChange()
    {
        QCOMPARE(write(dev, report(bytes({0x1B, 0x42, 0x21, 1, 'u'}))), 65);
        QCOMPARE(write(dev, report(bytes({0x1B, 0x42, 0x30, 0x01, 0x21, 0x02, 'A', 'B'}))), 65);
        QCOMPARE(write(dev, report(bytes({0x1B, 0x42, 0x30, 0x01, 0x29, 0x01, 0x0D}))), 65);
        QCOMPARE(write(dev, report(bytes({0x1B, 0x42, 0x30, 0x07, 0x25, 0x01, 'z'}))), 65);
        QCOMPARE(model.settings().pre, QByteArray("u"));
        QCOMPARE(model.otherInterfaceSettings().pre, QByteArray("AB"));
        QCOMPARE(model.otherInterfaceSettings().remove, QByteArray("\r"));
        QCOMPARE(model.otherInterfaceSettings().post, QByteArray());

        QCOMPARE(write(dev, report(bytes({0x1B, 0x42, 0xFD, 0x55, 0xAA, 0x00, 0xAA, 0x0D}))), 65);
        QCOMPARE(model.currentInterface(), Interface::UsbKeyboard);
        QCOMPARE(write(dev, report(keyed(0xFD))), 65);
        QCOMPARE(model.currentInterface(), Interface::Serial);
        QCOMPARE(model.settings().pre, QByteArray("AB"));
        QCOMPARE(model.interfaceSettings(Interface::Serial).remove, QByteArray("\r"));
        QCOMPARE(model.interfaceSettings(Interface::UsbKeyboard).pre, QByteArray("u"));

        // Gone from USB HID: the handle fails like a pulled reader, no new one opens.
        QByteArray answer;
        QCOMPARE(write(dev, report(readFrame(0), 2)), -1);
        QCOMPARE(errorText(dev), QStringLiteral("device disconnected"));
        QCOMPARE(read(dev, &answer), -1);
        QVERIFY(!open());
    }

    void ispModeSilencesTheReaderUntilReset()
    {
        QCOMPARE(write(dev, report(keyed(0xFF))), 65);
        QVERIFY(model.inIspMode());
        QCOMPARE(write(dev, report(readFrame(0), 2)), -1);
        QVERIFY(!open());

        model.reset();
        QVERIFY(!model.inIspMode());
        hid_device *fresh = open();
        QVERIFY(fresh);
        hid_close(fresh);
    }

    void serialAnswersTheSixReads()
    {
        Settings s;
        s.options = 0x1F;
        s.outputStart = 1;
        s.outputLength = 9;
        s.pre = "AB";
        s.remove = bytes({0x0D, 0xB0});
        model.setSettings(s);
        model.setInterface(Interface::Serial);
        SerialEndpoint endpoint(model);
        QVERIFY(endpoint.start());
        Line line(endpoint.portPath());
        QVERIFY(line.isOpen());

        QByteArray six;
        for (int code : {0x00, 0x02, 0x10, 0x20, 0x24, 0x28})
            six += readFrame(code);
        const QByteArray expected = QByteArray("QKR1.2\0\r", 8) + bytes({'Q', 'K', 'R', 0, 0x1F, 0, 0, 0x0D})
            + bytes({'Q', 'K', 'R', 0, 1, 9, 0, 0x0D}) + QByteArray("QKR\x02" "AB\r")
            + QByteArray("QKR\0\r", 5) + bytes({'Q', 'K', 'R', 2, 0x0D, 0xB0, 0x0D});
        line.send(six);
        QCOMPARE(line.receive(expected.size()), expected);
        QCOMPARE(model.receivedFrames().size(), 6);
        QCOMPARE(model.serialBytesReceived(), six);

        // Garbled answers keep their length but lose the header.
        Faults f;
        f.serialGarbage = true;
        model.setFaults(f);
        line.send(readFrame(0x00));
        const QByteArray garbage = line.receive(8);
        QCOMPARE(garbage.size(), 8);
        QVERIFY(!garbage.startsWith("QKR"));

        // No answer, or the bytes lost on the way.
        f = Faults();
        f.noAnswer = true;
        model.setFaults(f);
        line.send(readFrame(0x00));
        QCOMPARE(line.receive(1, 300), QByteArray());
        f = Faults();
        f.failAllWrites = true;
        model.setFaults(f);
        model.clearReceived();
        line.send(keyed(0x80));
        QCOMPARE(line.receive(1, 300), QByteArray());
        QCOMPARE(model.serialBytesReceived(), QByteArray());
        QCOMPARE(model.savedSettings().pre, QByteArray());
    }

    void serialSplitAnswersComeInTwoParts()
    {
        model.setInterface(Interface::Serial);
        Faults f;
        f.splitSerialAnswers = true;
        model.setFaults(f);
        SerialEndpoint endpoint(model);
        QVERIFY(endpoint.start());
        Line line(endpoint.portPath());
        QByteArray six;
        for (int code : {0x00, 0x02, 0x10, 0x20, 0x24, 0x28})
            six += readFrame(code);
        line.send(six);
        const QList<QByteArray> chunks = line.chunks(8 * 3 + 5 * 3);
        QVERIFY2(chunks.size() >= 2, "the answers came in one piece");
        QVERIFY(chunks.first().startsWith("QKR"));
        QVERIFY(!chunks.first().endsWith('\r'));
        QByteArray all;
        for (const QByteArray &c : chunks)
            all += c;
        QCOMPARE(all.size(), 39);
        QVERIFY(all.endsWith(QByteArray("QKR\0\r", 5)));
    }

    void serialStreamIsCutIntoFrames()
    {
        model.setInterface(Interface::Serial);
        SerialEndpoint endpoint(model);
        QVERIFY(endpoint.start());
        Line line(endpoint.portPath());

        const QList<QByteArray> frames = {
            bytes({0x1B, 0x42, 0x02, 0x01, 0x3F, 0, 0, 0x0D}),
            bytes({0x1B, 0x42, 0x10, 0x01, 0, 8, 0, 0x0D}),
            bytes({0x1B, 0x42, 0x21, 0x03, 0x1B, 0x42, 0x0D}),   // codes that look like a frame
            bytes({0x1B, 0x42, 0x25, 0x00}),
            bytes({0x1B, 0x42, 0x30, 0x00, 0x29, 0x02, 0x41, 0x42}),
            keyed(0x80),
        };
        QByteArray stream("\x00\x42noise", 7);
        for (const QByteArray &f : frames)
            stream += f;
        // Arriving in odd pieces must not change where frames begin and end.
        for (int i = 0; i < stream.size(); i += 5) {
            line.send(stream.mid(i, 5));
            QThread::msleep(2);
        }
        QTRY_COMPARE(model.receivedFrames().size(), frames.size());
        QCOMPARE(model.receivedFrames(), frames);
        QCOMPARE(model.serialBytesReceived(), stream);

        const Settings s = model.settings();
        QCOMPARE(s.options, quint8(0x3F));
        QCOMPARE(s.outputLength, quint8(8));
        QCOMPARE(s.pre, bytes({0x1B, 0x42, 0x0D}));
        QCOMPARE(model.interfaceSettings(Interface::UsbKeyboard).remove, QByteArray("AB"));
        QCOMPARE(model.savedSettings().pre, s.pre);

        // Changing the interface over the line: the reader goes quiet there.
        line.send(keyed(0xFD));
        QTRY_COMPARE(model.currentInterface(), Interface::UsbKeyboard);
        line.send(readFrame(0x00));
        QCOMPARE(line.receive(1, 300), QByteArray());
        QVERIFY(!endpoint.sendIdCode("1234"));
    }

    void serialKeyCodesCarryEnabledAffixes()
    {
        Settings s;
        s.options = 0x04;  // preamble only
        s.pre = "<";
        s.post = ">\r";
        model.setSettings(s);
        model.setInterface(Interface::Serial);
        SerialEndpoint endpoint(model);
        QVERIFY(endpoint.start());
        Line line(endpoint.portPath());
        QVERIFY(endpoint.sendIdCode("0A1B2C3D"));
        QCOMPARE(line.receive(9), QByteArray("<0A1B2C3D"));
        s.options = 0x06;
        model.setSettings(s);
        QVERIFY(endpoint.sendIdCode("77"));
        QCOMPARE(line.receive(5), QByteArray("<77>\r"));
        endpoint.sendRaw("raw");
        QCOMPARE(line.receive(3), QByteArray("raw"));
    }

    void endpointStartsAndStopsCleanly()
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
};

QTEST_GUILESS_MAIN(TestVirtualReader)
#include "tst_virtual_reader.moc"
