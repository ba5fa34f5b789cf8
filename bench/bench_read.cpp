// Measures a full settings read over USB HID against the virtual reader, with the program's
// real pauses, and what echoing one chunk on the Status page costs once the page holds
// 1,000 or 100,000 chunks. Prints figures; asserts nothing.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/mainwindow.h"
#include "protocol/serial_receive.h"
#include "reader_model.h"
#include "ui/ui_mainwindow.h"

namespace {

// Presses Yes on the read's message box and notes when it appeared.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(const QElapsedTimer &clock)
        : clock_(clock)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (shownAt_ < 0)
                shownAt_ = clock_.nsecsElapsed();
            text_ = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        timer_.start(1);
    }
    qint64 shownAt() const { return shownAt_; }
    QString text() const { return text_; }

private:
    const QElapsedTimer &clock_;
    QTimer timer_;
    qint64 shownAt_ = -1;
    QString text_;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void benchHidRead()
{
    auto &model = VirtualReader::Model::instance();
    model.reset();
    VirtualReader::Settings settings;
    settings.pre = "PRE";
    settings.post = "\r\n";
    settings.remove = "R";
    model.setSettings(settings);

    MainWindow w;
    w.link.hidVendorId = VirtualReader::VendorId;
    w.link.hidProductId = model.hidProductId();
    w.ui->USBKB_radcmd->setChecked(true);
    {
        QElapsedTimer clock;
        clock.start();
        BoxAnswerer answerer(clock);
        w.ConnectClick();
    }
    std::vector<double> times;
    QString lastText;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        BoxAnswerer answerer(clock);
        w.GetKLNValueClick();
        times.push_back(answerer.shownAt() / 1e6);
        lastText = answerer.text();
    }
    std::printf("full USB HID read (status + three affixes, real 300 ms pauses), until the box shows:\n");
    std::printf("  median %.1f ms, min %.1f ms, max %.1f ms over %zu runs (\"%s\")\n", median(times),
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), times.size(),
                qPrintable(lastText));
}

// Echoes `total` chunks; returns the mean time per chunk, in microseconds, of the last
// `window` of them. Each chunk is followed by an event-loop turn, as between two polls.
double echoCost(int total, int window, bool wholeText)
{
    MainWindow w;
    w.EnableControls(true);
    w.show();
    QTextEdit *edit = w.ui->ScannerEdit;
    const QByteArray chunk("0012345678\r");
    qint64 lastNs = 0;
    QElapsedTimer clock;
    for (int i = 0; i < total; ++i) {
        const bool measured = i >= total - window;
        if (measured)
            clock.start();
        if (wholeText)
            edit->setText(edit->toPlainText() + QString::fromUtf8(chunk));
        else
            SerialReceive::echoChunk(edit, chunk);
        QCoreApplication::processEvents();
        if (measured)
            lastNs += clock.nsecsElapsed();
    }
    return lastNs / 1e3 / window;
}

}  // namespace

int main(int argc, char **argv)
{
    // The program's debug lines would only slow the figures down.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    benchHidRead();

    std::printf("Status page echo of an 11-byte chunk, mean of the last 100 chunks:\n");
    for (int total : {1000, 100000}) {
        QElapsedTimer clock;
        clock.start();
        const double perChunk = echoCost(total, 100, false);
        std::printf("  insert at the end: after %6d chunks %8.1f us per chunk (whole run %.1f s)\n",
                    total, perChunk, clock.elapsed() / 1e3);
    }
    for (int total : {1000, 5000}) {
        const double perChunk = echoCost(total, 100, true);
        std::printf("  re-set whole text: after %6d chunks %8.1f us per chunk (for comparison)\n",
                    total, perChunk);
    }
    return 0;
}
