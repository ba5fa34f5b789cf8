#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>

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
    QWidget *modal = QApplication::activeModalWidget();
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (dialog && dialog->isVisible() && dialogHandler_)
            dialogHandler_(dialog);
        return;
    }
    if (!box->isVisible() || box->property("keylon2TestAnswered").toBool())
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

bool ModalCloser::waitForBoxes(int count, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (boxes_.size() < count && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return boxes_.size() >= count;
}

namespace {

constexpr int DefaultPatienceMs = 3000;
int patienceMs = DefaultPatienceMs;
std::function<void(const QString &)> reporter;

QString describe(QWidget *window)
{
    QString text;
    if (auto *box = qobject_cast<QMessageBox *>(window))
        text = box->text();
    else if (auto *label = window->findChild<QLabel *>())
        text = label->text();
    return QStringLiteral("a modal %1 \"%2\" (\"%3\") stayed open with nobody to answer it")
        .arg(QLatin1String(window->metaObject()->className()), window->windowTitle(), text);
}

// Polls for the modal window on top; one that is still the same after the patience is closed.
class Watchdog : public QObject
{
public:
    explicit Watchdog(QObject *parent)
        : QObject(parent)
    {
        connect(&timer_, &QTimer::timeout, this, &Watchdog::poll);
        timer_.start(100);
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            watched_ = nullptr;
            return;
        }
        if (modal != watched_) {
            watched_ = modal;
            since_.start();
            return;
        }
        if (since_.elapsed() < patienceMs)
            return;
        const QString failure = describe(modal);
        watched_ = nullptr;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        if (reporter)
            reporter(failure);
        else
            QTest::qFail(qPrintable(failure), __FILE__, __LINE__);
    }

    QTimer timer_;
    QPointer<QWidget> watched_;
    QElapsedTimer since_;
};

void startWatchdog()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        new Watchdog(QCoreApplication::instance());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startWatchdog)

namespace ModalWatchdog {

void setPatienceMs(int ms)
{
    patienceMs = ms > 0 ? ms : DefaultPatienceMs;
}

void setReporter(std::function<void(const QString &)> report)
{
    reporter = std::move(report);
}

}  // namespace ModalWatchdog
