#include "reader_model.h"

#include <atomic>

#include "reader_answers.h"
#include "reader_model_p.h"

#include <QMutexLocker>

#include <mutex>
#include <vector>

namespace VirtualReader {

namespace {

// Every reader ever made, reader 1 first, and how many of them are present. Lock order: this
// mutex before a model's own, never the other way round (no Model method takes this one).
struct Registry
{
    std::mutex mutex;
    std::vector<Model *> readers;
    int present = 1;
    int hidHandles = 0;
    int mostHidHandles = 0;
};

Registry &registry()
{
    // Never destroyed, like the readers it holds: a thread still running at exit finds them.
    static Registry *const instance = new Registry;
    return *instance;
}

}  // namespace

Model &Model::instance()
{
    static Model model;
    return model;
}

Model::Model(int number)
    : d(new Private)
{
    d->number = number;
}

int Model::count()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.present;
}

void Model::setCount(int count)
{
    count = qBound(0, count, MaxReaders);
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (r.readers.empty())
        r.readers.push_back(&instance());
    while (int(r.readers.size()) < count)
        r.readers.push_back(new Model(int(r.readers.size()) + 1));
    for (int i = 0; i < int(r.readers.size()); ++i) {
        Model &model = *r.readers[size_t(i)];
        const bool wasPresent = i < r.present;
        const bool staysPresent = i < count;
        if (wasPresent == staysPresent)
            continue;
        QMutexLocker modelLock(&model.mutex_);
        if (staysPresent) {
            const quint64 session = model.d->session;
            delete model.d;
            model.d = new Private;
            model.d->number = i + 1;
            model.d->session = session + 1;
        } else {
            model.d->absent = true;
            model.d->endHidSession();
        }
    }
    r.present = count;
}

Model &Model::add()
{
    Registry &r = registry();
    int number;
    {
        std::lock_guard<std::mutex> lock(r.mutex);
        number = qMin(r.present + 1, int(MaxReaders));
    }
    setCount(number);
    return *reader(number);
}

Model *Model::reader(int number)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (number < 1 || number > r.present)
        return nullptr;
    if (r.readers.empty())
        r.readers.push_back(&instance());
    return r.readers[size_t(number - 1)];
}

QStringList Model::setUpFromEnvironment(const char *readers, const char *failing)
{
    QStringList problems;
    if (readers) {
        bool ok = false;
        const int count = QByteArray(readers).trimmed().toInt(&ok);
        if (ok && count >= 0 && count <= MaxReaders)
            setCount(count);
        else
            problems << QStringLiteral("KEYLON2_VIRTUAL_HID_READERS: '%1' is not a count of 0 to %2")
                            .arg(QString::fromLocal8Bit(readers))
                            .arg(MaxReaders);
    }
    if (failing) {
        for (const QByteArray &item : QByteArray(failing).split(',')) {
            bool ok = false;
            Model *model = reader(item.trimmed().toInt(&ok));
            if (!ok || !model) {
                problems << QStringLiteral("KEYLON2_VIRTUAL_HID_FAILING: no reader '%1'")
                                .arg(QString::fromLocal8Bit(item));
                continue;
            }
            Faults faults = model->faults();
            faults.failAllWrites = true;
            model->setFaults(faults);
        }
    }
    return problems;
}

int Model::hidHandlesOpen()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.hidHandles;
}

int Model::mostHidHandlesOpen()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.mostHidHandles;
}

void Model::clearMostHidHandlesOpen()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.mostHidHandles = r.hidHandles;
}

void Model::hidHandleOpened()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.mostHidHandles = qMax(r.mostHidHandles, ++r.hidHandles);
}

void Model::hidHandleClosed()
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    --r.hidHandles;
}

int Model::number() const
{
    QMutexLocker lock(&mutex_);
    return d->number;
}

bool Model::present() const
{
    QMutexLocker lock(&mutex_);
    return !d->absent;
}

QString Model::serialNumber() const
{
    QMutexLocker lock(&mutex_);
    if (d->ownSerialNumber)
        return d->serialNumber;
    return QStringLiteral("KLN2-%1").arg(d->number, 6, 10, QLatin1Char('0'));
}

void Model::setSerialNumber(const QString &serialNumber)
{
    QMutexLocker lock(&mutex_);
    d->ownSerialNumber = true;
    d->serialNumber = serialNumber;
}

QString Model::portPath() const
{
    return QStringLiteral("1-1.%1").arg(number());
}

QByteArray Model::hidPath() const
{
    return "/dev/virtual-hidraw" + QByteArray::number(number());
}

QList<quint16> Model::hidProductIds() const
{
    QMutexLocker lock(&mutex_);
    QList<quint16> ids;
    if (!d->onHid())
        return ids;
    if (d->productId != 0)
        ids.append(d->productId);
    if (d->alsoProductId != 0 && d->alsoProductId != d->productId)
        ids.append(d->alsoProductId);
    if (d->diagnosticProduct && d->productId != DiagnosticProductId)
        ids.append(DiagnosticProductId);
    return ids;
}

Model::~Model()
{
    delete d;
}

void Model::reset()
{
    QMutexLocker lock(&mutex_);
    const quint64 session = d->session;
    const int number = d->number;
    const bool absent = d->absent;
    delete d;
    d = new Private;
    d->session = session + 1;
    d->number = number;
    d->absent = absent;
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

Model::Stored Model::stored() const
{
    QMutexLocker lock(&mutex_);
    Stored stored;
    stored.saved = d->saved;
    stored.savedOther = d->savedOther;
    stored.interface = d->interface;
    stored.version = d->version;
    return stored;
}

void Model::powerUp(const Stored &stored)
{
    QMutexLocker lock(&mutex_);
    d->saved = stored.saved;
    Answers::clampAffixes(d->saved);
    d->savedOther = stored.savedOther;
    Answers::clampAffixes(d->savedOther);
    d->current = d->saved;
    d->other = d->savedOther;
    d->interface = stored.interface;
    d->version = stored.version.left(8).leftJustified(8, '\0');
    d->isp = false;
    d->serialPartial.clear();
    d->endHidSession();
}

void Model::setDiagnosticProductPresent(bool present)
{
    QMutexLocker lock(&mutex_);
    d->diagnosticProduct = present;
}

void Model::setAlsoAnswersTo(quint16 productId)
{
    QMutexLocker lock(&mutex_);
    d->alsoProductId = productId;
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
    d->framesSinceFaults = 0;
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

QList<QByteArray> Model::sentAnswers() const
{
    QMutexLocker lock(&mutex_);
    return d->answers;
}

int Model::hidWriteAttempts() const
{
    QMutexLocker lock(&mutex_);
    return d->hidWriteAttempts;
}

namespace Detail {
namespace {
std::atomic<bool> keeping {true};
}  // namespace

bool keepingReceived()
{
    return keeping.load(std::memory_order_relaxed);
}
}  // namespace Detail

void Model::keepReceived(bool keep)
{
    Detail::keeping.store(keep, std::memory_order_relaxed);
}

void Model::clearReceived()
{
    QMutexLocker lock(&mutex_);
    d->frames.clear();
    d->answers.clear();
    d->serialStream.clear();
    d->hidWriteAttempts = 0;
}

}  // namespace VirtualReader
