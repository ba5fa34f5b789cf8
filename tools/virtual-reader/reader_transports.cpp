// The model as the transports see it: HID reports and the serial stream in, answers out.
#include "reader_model.h"

#include "reader_answers.h"
#include "reader_model_p.h"

#include <QMutexLocker>

namespace VirtualReader {

// Bytes 3 to 6 of the save, interface-change and ISP frames are a key. A frame with any other
// bytes there is most likely line noise or a frame cut wrongly; a reader that acted on it could
// lose its settings or its interface, so it ignores the frame.
static bool hasKey(const QByteArray &frame)
{
    return frame.size() >= 7 && quint8(frame[3]) == 0x55 && quint8(frame[4]) == 0xAA
        && quint8(frame[5]) == 0x55 && quint8(frame[6]) == 0xAA;
}

// The fault of a reader that keeps a field otherwise than it was written.
static void spoilAffix(Settings &settings, quint8 code, Field wrong)
{
    const Field field = code == 0x21 ? Field::Pre : code == 0x25 ? Field::Post : Field::Remove;
    if (field != wrong)
        return;
    QByteArray &codes = field == Field::Pre ? settings.pre : field == Field::Post ? settings.post : settings.remove;
    if (codes.isEmpty())
        codes = "?";
    else
        codes[codes.size() - 1] = char(codes.back() + 1);
}

void Model::Private::applyFrame(const QByteArray &frame)
{
    const auto oneUp = [this](Field field) { return faults.storesWrong == field ? 1 : 0; };
    // The frame has been cut to its own length already (serial) or is the 64-byte payload of an
    // HID report; missing bytes read as 0.
    auto at = [&frame](int i) -> quint8 { return i < frame.size() ? quint8(frame[i]) : 0; };
    if (at(0) != 0x1B || at(1) != 0x42)
        return;
    const quint8 code = at(2);
    switch (code) {
    case 0x02:
        if (at(3) == 0x01)
            current.options = at(4) ^ faults.storesOptionsFlipped;
        break;
    case 0x03:
        if (at(3) == 0x01)
            current.kbCountry = quint8(at(4) + oneUp(Field::KBCountry));
        break;
    case 0x10:
        if (at(3) == 0x01) {
            current.outputStart = quint8(at(4) + oneUp(Field::OutputStart));
            current.outputLength = quint8(at(5) + oneUp(Field::OutputLength));
        }
        break;
    case 0x21:
    case 0x25:
    case 0x29:
        Answers::storeAffix(affixTarget(interface), code, frame.mid(4, at(3)));
        spoilAffix(affixTarget(interface), code, faults.storesWrong);
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
    const int late = gatedFaults() ? faults.lateReads : 0;
    if (faults.staleFirst) {
        // An answer left over from the request before this one.
        const quint8 older = sequence <= 1 ? 0xFF : quint8(sequence - 1);
        QByteArray stale = answer;
        stale[Answers::HidSequenceByte] = char(0xFF - older);
        hidAnswers.push_back({stale, late});
    }
    hidAnswers.push_back({answer, late});
}

quint64 Model::hidOpen(quint16 vendorId, quint16 productId)
{
    QMutexLocker lock(&mutex_);
    if (vendorId != VendorId || !d->onHid() || productId == 0)
        return 0;
    if (d->faults.openRefused || d->faults.openFails)
        return 0;
    if (productId == d->productId || (productId == DiagnosticProductId && d->diagnosticProduct)
        || productId == d->alsoProductId)
        return d->session;
    return 0;
}

quint64 Model::hidOpenNode()
{
    QMutexLocker lock(&mutex_);
    if (!d->onHid() || d->faults.openRefused || d->faults.openFails || (d->productId == 0 && !d->diagnosticProduct))
        return 0;
    return d->session;
}

bool Model::hidWrite(quint64 session, const QByteArray &report, QString *error)
{
    QMutexLocker lock(&mutex_);
    ++d->hidWriteAttempts;
    if (session != d->session || !d->onHid()) {
        *error = QString::fromLatin1(DisconnectedText);
        return false;
    }
    const bool gated = d->countFrame();
    const bool numberedFailure = d->writesUntilFailure > 0 && --d->writesUntilFailure == 0;
    if ((d->faults.failAllWrites && gated) || numberedFailure) {
        *error = QStringLiteral("write failed: broken pipe");
        return false;
    }
    if (Detail::keepingReceived())
        d->frames.append(report);

    // Report byte 0 is the report ID; the frame starts at byte 1 and the sequence number of a
    // read request sits in byte 49.
    const QByteArray payload = report.mid(1, 64);
    const quint8 code = payload.size() > 2 ? quint8(payload[2]) : 0xFF;
    const bool isFrame = payload.startsWith("\x1B\x42");
    if (isFrame && Answers::isHidRead(code)) {
        if (!(d->faults.noAnswer && gated)) {
            const quint8 sequence = report.size() > 49 ? quint8(report[49]) : 0;
            QByteArray answer = Answers::hidAnswer(d->current, d->version, code, sequence,
                                                   d->faults.badChecksum, d->faults.countAbove31);
            if (d->faults.garbleAnswers && gated)
                answer = Answers::noise(answer.size(), quint8(0xFF - sequence));
            d->queueHidAnswer(answer, sequence);
        }
    } else if (isFrame) {
        d->applyFrame(payload);
    }

    // Gone before it could answer: the write went out, the answer never comes.
    d->countTowardsVanish();
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
    if (Detail::keepingReceived())
        d->answers.append(answer);
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
    if (bytes.isEmpty() || (d->faults.failAllWrites && d->gatedFaults()))
        return replies;
    if (Detail::keepingReceived())
        d->serialStream.append(bytes);

    // A frame whose rest never came is dropped once the line has been quiet for a while, so
    // that one lost byte does not swallow the next frame.
    if (!d->serialPartial.isEmpty() && d->lastSerialByte.isValid()
        && d->lastSerialByte.elapsed() > SerialFrameGapMs)
        d->serialPartial.clear();
    d->lastSerialByte.start();
    d->serialPartial.append(bytes);

    for (const QByteArray &frame : Answers::cutSerialFrames(d->serialPartial)) {
        const bool gated = d->countFrame();
        if (d->faults.failAllWrites && gated)
            continue;
        if (Detail::keepingReceived())
            d->frames.append(frame);
        if (!d->onSerial())
            continue;
        d->countTowardsVanish();
        if (d->pulled)
            continue;  // gone as the frame came: no answer
        const quint8 code = quint8(frame[2]);
        const bool isRead = Answers::isSerialRead(frame);
        if (!isRead) {
            d->applyFrame(frame);
            continue;
        }
        if (d->faults.noAnswer && gated)
            continue;
        QByteArray reply = Answers::serialAnswer(d->current, d->version, code);
        if (d->faults.serialGarbage)
            reply = Answers::garbleSerialAnswer(reply);
        if (d->faults.garbleAnswers && gated)
            reply = Answers::noise(reply.size(), 0);
        if (Detail::keepingReceived())
            d->answers.append(reply);
        replies.append(reply);
    }
    return replies;
}

int Model::serialAnswerDelayMs() const
{
    QMutexLocker lock(&mutex_);
    return d->gatedFaults() ? d->faults.serialAnswerDelayMs : 0;
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

