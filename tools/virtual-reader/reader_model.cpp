#include "reader_model.h"

#include "reader_answers.h"
#include "reader_model_p.h"

#include <QMutexLocker>

namespace VirtualReader {

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

}  // namespace VirtualReader
