// Measures the window's full settings read and full write over each transport against the
// virtual reader, with the program's real pauses, and sets each against its floor: the sum of
// the pauses the code itself asks for during that operation (counted through the platform's
// pause seam, which still sleeps them out). Median of several runs. Prints figures; asserts
// nothing.
//
// Output: one line per figure,
//   figure <key> ms <median> <floor> <runs> <min> <max> <what>
// followed by human-readable notes on standard error.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "window/app/mainwindow.h"
#include "box_answerer.h"
#include "quiet_debug.h"
#include "core/platform/platform.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

int Runs = 5;  // bench_settings [RUNS]

// The pauses the code asks for, slept out in full.
unsigned requestedMs = 0;

void countPauses()
{
    Platform::setSleepFunction([](unsigned ms) {
        requestedMs += ms;
        QThread::msleep(ms);
    });
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the click `Runs` times; each run is timed from the click until its box shows.
bool measure(const char *key, const char *what, const QString &success,
             const std::function<void()> &click)
{
    std::vector<double> times;
    std::vector<double> floors;
    for (int run = 0; run < Runs; ++run) {
        requestedMs = 0;
        QElapsedTimer clock;
        clock.start();
        BoxAnswerer answerer(clock);
        click();
        if (answerer.shownAt() < 0 || answerer.text() != success) {
            std::fprintf(stderr, "%s: run %d ended with \"%s\", not \"%s\"\n", key, run + 1,
                         qPrintable(answerer.text()), qPrintable(success));
            return false;
        }
        times.push_back(answerer.shownAt() / 1e6);
        floors.push_back(requestedMs);
    }
    std::printf("figure %s ms %.1f %.0f %d %.1f %.1f %s\n", key, median(times), median(floors), Runs,
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), what);
    std::fflush(stdout);
    return true;
}

void connectWindow(MainWindow &w)
{
    QElapsedTimer clock;
    clock.start();
    BoxAnswerer answerer(clock);
    uiOf(w)->ConnectBut->click();
}

VirtualReader::Settings benchSettings()
{
    VirtualReader::Settings settings;
    settings.pre = "PRE";
    settings.post = "\r\n";
    settings.remove = "R";
    return settings;
}

const QString ReadSuccess = QStringLiteral("Successfully obtained Keylon the set value");
const QString WriteSuccess = QStringLiteral("Successfully set Keylon set value");

bool benchHid()
{
    auto &model = VirtualReader::Model::instance();
    model.reset();
    model.setSettings(benchSettings());

    MainWindow w;
    linkOf(w).hidVendorId = VirtualReader::VendorId;
    linkOf(w).hidProductId = model.hidProductId();
    uiOf(w)->USBKB_radcmd->setChecked(true);
    connectWindow(w);
    if (!linkOf(w).hidActive) {
        std::fprintf(stderr, "window.hid: the window did not connect over USB HID\n");
        return false;
    }
    const bool read = measure("window.hid.read", "window: full USB HID read", ReadSuccess,
                              [&w] { w.GetKLNValueClick(); });
    const bool write = measure("window.hid.write", "window: full USB HID write", WriteSuccess,
                               [&w] { w.SetKLNValueClick(); });
    if (write && model.currentInterface() != VirtualReader::Interface::UsbKeyboard)
        std::fprintf(stderr, "window.hid.write: the reader changed interface\n");
    return read && write;
}

bool benchSerial()
{
    auto &model = VirtualReader::Model::instance();
    model.reset();
    model.setSettings(benchSettings());
    model.setInterface(VirtualReader::Interface::Serial);
    VirtualReader::SerialEndpoint endpoint(model);
    if (!endpoint.start()) {
        std::fprintf(stderr, "window.serial: no pseudo-terminal\n");
        return false;
    }
    bool ok = false;
    {
        MainWindow w;  // made after the endpoint, gone before it
        uiOf(w)->Searal_radcmd->setChecked(true);
        uiOf(w)->SerialNameEdit->setEnabled(true);
        uiOf(w)->SerialNameEdit->setText(endpoint.portPath());
        connectWindow(w);
        if (!linkOf(w).serialActive) {
            std::fprintf(stderr, "window.serial: the window did not connect to %s\n",
                         qPrintable(endpoint.portPath()));
        } else {
            const bool read = measure("window.serial.read", "window: full serial read",
                                      ReadSuccess, [&w] { w.GetKLNValueClick(); });
            const bool write = measure("window.serial.write", "window: full serial write",
                                       WriteSuccess, [&w] { w.SetKLNValueClick(); });
            if (write && model.currentInterface() != VirtualReader::Interface::Serial)
                std::fprintf(stderr, "window.serial.write: the reader changed interface\n");
            ok = read && write;
        }
    }
    endpoint.stop();
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    quietDebugLines();
    QApplication app(argc, argv);
    if (argc > 1)
        Runs = qMax(1, QByteArray(argv[1]).toInt());
    countPauses();
    const bool hid = benchHid();
    const bool serial = benchSerial();
    return hid && serial ? 0 : 1;
}
