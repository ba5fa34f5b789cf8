#include "reader_model.h"

#include "reader_answers.h"

#include <QElapsedTimer>
#include <QMutexLocker>

#include <deque>

namespace VirtualReader {

namespace {

constexpr quint16 DefaultProductId = 0xF100;
constexpr quint16 DiagnosticProductId = 0xC141;
constexpr int SerialFrameGapMs = 1000;

const char DisconnectedText[] = "device disconnected";

QByteArray defaultVersion()
{
    return QByteArray("1.20\0\0\0\0", 8);
}

struct PendingAnswer
{
    QByteArray bytes;
    int lateLeft = 0;
};

}  // namespace

struct Model::Private
{
    Settings current;              // options, window, country and this interface's affixes
    Settings other;                // the affixes kept for the other interface
    Settings saved;
    Settings savedOther;
    QByteArray version = defaultVersion();
    Interface interface = Interface::UsbKeyboard;
    quint16 productId = DefaultProductId;
    bool diagnosticProduct = false;
    bool isp = false;
    bool pulled = false;

    Faults faults;
    int writesUntilFailure = 0;
    int writesUntilVanish = -1;

    quint64 session = 1;
    std::deque<PendingAnswer> hidAnswers;

    QList<QByteArray> frames;
    QByteArray serialStream;
    QByteArray serialPartial;      // bytes of a frame still being received
    QElapsedTimer lastSerialByte;
    int hidWriteAttempts = 0;

    bool onHid() const { return interface == Interface::UsbKeyboard && !isp && !pulled; }
    bool onSerial() const { return interface == Interface::Serial && !isp && !pulled; }

    // The reader leaves USB HID: every handle of this session goes dead.
    void endHidSession()
    {
        ++session;
        hidAnswers.clear();
    }

    Settings &affixTarget(Interface target) { return target == interface ? current : other; }

    void applyFrame(const QByteArray &frame);
    void queueHidAnswer(const QByteArray &answer, quint8 sequence);
};

// Bytes 3 to 6 of the save, interface-change and ISP frames are a key. A frame with any other
// bytes there is most likely line noise or a frame cut wrongly; a reader that acted on it could
// lose its settings or its interface, so it ignores the frame.
static bool hasKey(const QByteArray &frame)
{
    return frame.size() >= 7 && quint8(frame[3]) == 0x55 && quint8(frame[4]) == 0xAA
        && quint8(frame[5]) == 0x55 && quint8(frame[6]) == 0xAA;
}

void Model::Private::applyFrame(const QByteArray &frame)
{
    // The frame has been cut to its own length already (serial) or is the 64-byte payload of an
    // HID report; missing bytes read as 0.
    auto at = [&frame](int i) -> quint8 { return i < frame.size() ? quint8(frame[i]) : 0; };
    if (at(0) != 0x1B || at(1) != 0x42)
        return;
    const quint8 code = at(2);
    switch (code) {
    case 0x02:
        if (at(3) == 0x01)
            current.options = at(4);
        break;
    case 0x03:
        if (at(3) == 0x01)
            current.kbCountry = at(4);
        break;
    case 0x10:
        if (at(3) == 0x01) {
            current.outputStart = at(4);
            current.outputLength = at(5);
        }
        break;
    case 0x21:
    case 0x25:
    case 0x29:
        Answers::storeAffix(affixTarget(interface), code, frame.mid(4, at(3)));
        break;
    case 0x30: {
        const quint8 target = at(3);
        if (target > 1)
            break;
        const quint8 affix = at(4);
        if (affix != 0x21 && affix != 0x25 && affix != 0x29)
            break;
        Answers::storeAffix(affixTarget(Interface(target)), affix, frame.mid(6, at(5)));
        break;
    }
    case 0x80:
        if (hasKey(frame)) {
            saved = current;
            savedOther = other;
        }
        break;
    case 0xFD:
        if (hasKey(frame)) {
            // The affixes written for the other interface become the working ones there.
            std::swap(current.pre, other.pre);
            std::swap(current.post, other.post);
            std::swap(current.remove, other.remove);
            if (interface == Interface::UsbKeyboard) {
                interface = Interface::Serial;
                endHidSession();
            } else {
                interface = Interface::UsbKeyboard;
            }
        }
        break;
    case 0xFF:
        if (hasKey(frame)) {
            isp = true;
            endHidSession();
        }
        break;
    default:
        break;
    }
}

void Model::Private::queueHidAnswer(const QByteArray &answer, quint8 sequence)
{
    if (faults.staleFirst) {
        // An answer left over from the request before this one.
        const quint8 older = sequence <= 1 ? 0xFF : quint8(sequence - 1);
        QByteArray stale = answer;
        stale[Answers::HidSequenceByte] = char(0xFF - older);
        hidAnswers.push_back({stale, faults.lateReads});
    }
    hidAnswers.push_back({answer, faults.lateReads});
}

Model &Model::instance()
{
    static Model model;
    return model;
}

Model::Model()
    : d(new Private)
{
}

Model::~Model()
{
    delete d;
}

void Model::reset()
{
    QMutexLocker lock(&mutex_);
    const quint64 session = d->session;
    delete d;
    d = new Private;
    d->session = session + 1;
}

void Model::setHidProductId(quint16 productId)
{
    QMutexLocker lock(&mutex_);
    if (productId != d->productId)
        d->endHidSession();
    d->productId = productId;
}

quint16 Model::hidProductId() const
{
    QMutexLocker lock(&mutex_);
    return d->productId;
}

Settings Model::settings() const
{
    QMutexLocker lock(&mutex_);
    return d->current;
}

void Model::setSettings(const Settings &settings)
{
    QMutexLocker lock(&mutex_);
    d->current = settings;
    Answers::clampAffixes(d->current);
}

Settings Model::savedSettings() const
{
    QMutexLocker lock(&mutex_);
    return d->saved;
}

Settings Model::otherInterfaceSettings() const
{
    QMutexLocker lock(&mutex_);
    Settings result = d->current;
    result.pre = d->other.pre;
    result.post = d->other.post;
    result.remove = d->other.remove;
    return result;
}

Settings Model::interfaceSettings(Interface interface) const
{
    return interface == currentInterface() ? settings() : otherInterfaceSettings();
}

QByteArray Model::version() const
{
    QMutexLocker lock(&mutex_);
    return d->version;
}

void Model::setVersion(const QByteArray &version)
{
    QMutexLocker lock(&mutex_);
    d->version = version.left(8).leftJustified(8, '\0');
}

Interface Model::currentInterface() const
{
    QMutexLocker lock(&mutex_);
    return d->interface;
}

void Model::setInterface(Interface interface)
{
    QMutexLocker lock(&mutex_);
    if (interface != d->interface && d->interface == Interface::UsbKeyboard)
        d->endHidSession();
    d->interface = interface;
}

bool Model::inIspMode() const
{
    QMutexLocker lock(&mutex_);
    return d->isp;
}

bool Model::pulledOut() const
{
    QMutexLocker lock(&mutex_);
    return d->pulled;
}

void Model::pullOut()
{
    QMutexLocker lock(&mutex_);
    d->pulled = true;
    d->endHidSession();
}

void Model::plugIn()
{
    QMutexLocker lock(&mutex_);
    d->pulled = false;
    d->writesUntilVanish = -1;
}

void Model::setDiagnosticProductPresent(bool present)
{
    QMutexLocker lock(&mutex_);
    d->diagnosticProduct = present;
}

bool Model::diagnosticProductPresent() const
{
    QMutexLocker lock(&mutex_);
    return d->diagnosticProduct;
}

Faults Model::faults() const
{
    QMutexLocker lock(&mutex_);
    return d->faults;
}

void Model::setFaults(const Faults &faults)
{
    QMutexLocker lock(&mutex_);
    d->faults = faults;
    d->writesUntilFailure = faults.failWriteNumber;
    d->writesUntilVanish = faults.vanishAfterWrites;
    if (d->writesUntilVanish == 0) {
        d->pulled = true;
        d->endHidSession();
    }
}

QList<QByteArray> Model::receivedFrames() const
{
    QMutexLocker lock(&mutex_);
    return d->frames;
}

QByteArray Model::serialBytesReceived() const
{
    QMutexLocker lock(&mutex_);
    return d->serialStream;
}

int Model::hidWriteAttempts() const
{
    QMutexLocker lock(&mutex_);
    return d->hidWriteAttempts;
}

void Model::clearReceived()
{
    QMutexLocker lock(&mutex_);
    d->frames.clear();
    d->serialStream.clear();
    d->hidWriteAttempts = 0;
}

quint64 Model::hidOpen(quint16 vendorId, quint16 productId)
{
    QMutexLocker lock(&mutex_);
    if (vendorId != VendorId || !d->onHid() || productId == 0)
        return 0;
    if (productId == d->productId || (productId == DiagnosticProductId && d->diagnosticProduct))
        return d->session;
    return 0;
}

bool Model::hidWrite(quint64 session, const QByteArray &report, QString *error)
{
    QMutexLocker lock(&mutex_);
    ++d->hidWriteAttempts;
    if (session != d->session || !d->onHid()) {
        *error = QString::fromLatin1(DisconnectedText);
        return false;
    }
    const bool numberedFailure = d->writesUntilFailure > 0 && --d->writesUntilFailure == 0;
    if (d->faults.failAllWrites || numberedFailure) {
        *error = QStringLiteral("write failed: broken pipe");
        return false;
    }
    d->frames.append(report);

    // Report byte 0 is the report ID; the frame starts at byte 1 and the sequence number of a
    // read request sits in byte 49.
    const QByteArray payload = report.mid(1, 64);
    const quint8 code = payload.size() > 2 ? quint8(payload[2]) : 0xFF;
    const bool isFrame = payload.startsWith("\x1B\x42");
    if (isFrame && Answers::isHidRead(code)) {
        if (!d->faults.noAnswer) {
            const quint8 sequence = report.size() > 49 ? quint8(report[49]) : 0;
            d->queueHidAnswer(Answers::hidAnswer(d->current, d->version, code, sequence,
                                                 d->faults.badChecksum, d->faults.countAbove31),
                              sequence);
        }
    } else if (isFrame) {
        d->applyFrame(payload);
    }

    if (d->writesUntilVanish > 0 && --d->writesUntilVanish == 0) {
        // Gone before it could answer: the write went out, the answer never comes.
        d->pulled = true;
        d->endHidSession();
    }
    return true;
}

bool Model::hidWrite(const QByteArray &report)
{
    quint64 session;
    {
        QMutexLocker lock(&mutex_);
        session = d->session;
    }
    QString error;
    return hidWrite(session, report, &error);
}

int Model::hidRead(quint64 session, QByteArray &answer, bool blocking, QString *error, bool *late)
{
    QMutexLocker lock(&mutex_);
    if (late)
        *late = false;
    if (session != d->session || !d->onHid()) {
        *error = QString::fromLatin1(DisconnectedText);
        return -1;
    }
    if (d->faults.failReads) {
        *error = QStringLiteral("read failed: input/output error");
        return -1;
    }
    if (d->hidAnswers.empty())
        return 0;
    PendingAnswer &next = d->hidAnswers.front();
    if (next.lateLeft > 0 && !blocking) {
        --next.lateLeft;
        if (late)
            *late = true;
        return 0;
    }
    answer = next.bytes;
    d->hidAnswers.pop_front();
    return answer.size();
}

int Model::hidRead(QByteArray &answer)
{
    quint64 session;
    {
        QMutexLocker lock(&mutex_);
        session = d->session;
    }
    QString error;
    return hidRead(session, answer, false, &error);
}

QList<QByteArray> Model::serialReceive(const QByteArray &bytes)
{
    QMutexLocker lock(&mutex_);
    QList<QByteArray> replies;
    if (d->faults.failAllWrites || bytes.isEmpty())
        return replies;
    d->serialStream.append(bytes);

    // A frame whose rest never came is dropped once the line has been quiet for a while, so
    // that one lost byte does not swallow the next frame.
    if (!d->serialPartial.isEmpty() && d->lastSerialByte.isValid()
        && d->lastSerialByte.elapsed() > SerialFrameGapMs)
        d->serialPartial.clear();
    d->lastSerialByte.start();
    d->serialPartial.append(bytes);

    for (const QByteArray &frame : Answers::cutSerialFrames(d->serialPartial)) {
        d->frames.append(frame);
        if (!d->onSerial())
            continue;
        const quint8 code = quint8(frame[2]);
        const bool isRead = Answers::isSerialRead(frame);
        if (!isRead) {
            d->applyFrame(frame);
            continue;
        }
        if (d->faults.noAnswer)
            continue;
        QByteArray reply = Answers::serialAnswer(d->current, d->version, code);
        if (d->faults.serialGarbage)
            reply = Answers::garbleSerialAnswer(reply);
        replies.append(reply);
    }
    return replies;
}

QByteArray Model::serialIdCodeOutput(const QByteArray &idCode) const
{
    QMutexLocker lock(&mutex_);
    if (!d->onSerial())
        return QByteArray();
    QByteArray out;
    if (d->current.options & 0x04)
        out += d->current.pre;
    out += idCode;
    if (d->current.options & 0x02)
        out += d->current.post;
    return out;
}

}  // namespace VirtualReader
