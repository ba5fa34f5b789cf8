#include "core_support.h"

#include <QMutex>
#include <QThread>

#include "core/platform/platform.h"

namespace {
QMutex captureMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;
bool verbose = false;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&captureMutex);
        captured.append(message);
    }
    if (verbose && previousHandler)
        previousHandler(type, context, message);
}
}  // namespace

DebugCapture::DebugCapture()
{
    verbose = qEnvironmentVariableIsSet("KEYLON2_TEST_VERBOSE");
    clear();
    previousHandler = qInstallMessageHandler(captureHandler);
}

DebugCapture::~DebugCapture()
{
    qInstallMessageHandler(previousHandler);
}

QStringList DebugCapture::lines() const
{
    QMutexLocker lock(&captureMutex);
    return captured;
}

bool DebugCapture::contains(const QString &line) const
{
    return lines().contains(line);
}

int DebugCapture::count(const QString &line) const
{
    return lines().count(line);
}

void DebugCapture::clear()
{
    QMutexLocker lock(&captureMutex);
    captured.clear();
}

namespace {
QMutex pauseMutex;
QList<unsigned> pauses;
}  // namespace

FastPauses::FastPauses(int divisor)
{
    clear();
    Platform::setSleepFunction([divisor](unsigned ms) {
        {
            QMutexLocker lock(&pauseMutex);
            pauses.append(ms);
        }
        QThread::msleep(qMax(1u, ms / unsigned(divisor)));
    });
}

FastPauses::~FastPauses()
{
    Platform::setSleepFunction(nullptr);
}

QList<unsigned> FastPauses::requested() const
{
    QMutexLocker lock(&pauseMutex);
    return pauses;
}

void FastPauses::clear()
{
    QMutexLocker lock(&pauseMutex);
    pauses.clear();
}
