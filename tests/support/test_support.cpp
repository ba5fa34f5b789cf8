#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMutex>
#include <QThread>

#include "platform/platform.h"

ModalCloser::ModalCloser(QMessageBox::StandardButton answer, QObject *parent)
    : QObject(parent)
    , answer_(answer)
{
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalCloser::poll);
    timer_.start();
}

ModalCloser::~ModalCloser() = default;

void ModalCloser::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("keylon2TestAnswered").toBool())
        return;
    box->setProperty("keylon2TestAnswered", true);
    boxes_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                   box->parent() != nullptr});
    if (inspector_)
        inspector_(box);
    QAbstractButton *button = box->button(answer_);
    if (!button && !box->buttons().isEmpty())
        button = box->buttons().first();
    if (button)
        button->click();
    else
        box->reject();
}

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
