// keylon2-utility-demo: the utility on virtual readers, for trying it without a reader.
//
// Reader 1 answers on USB HID through the hidapi stand-in this program is linked with.
// Reader 2 is on its serial interface behind a pseudo-terminal; the port walk at start-up sees
// it as a port on the reader's USB vendor ID, so its path is already in the port field, and it
// reads a made-up key now and then, which shows on the Status page of a serial link.
//
//   KEYLON2_DEMO_KEYS=SECONDS     seconds between keys on the serial reader (default 5, 0 none)
//   KEYLON2_DEMO_SCREENSHOT=FILE  connect on the transport chosen at start-up, read the
//                                 settings, save the window as FILE (PNG) and quit; the exit
//                                 status is 0 only when the reader was connected and the file
//                                 was written
//   KEYLON2_DEMO_STAY=1           with KEYLON2_DEMO_SCREENSHOT: keep running once the file is
//                                 written, and say so on standard output ("saved FILE"); a
//                                 connect or a file that failed still ends the program with 1
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>

#include <hidapi.h>

#include "window/app/mainwindow.h"
#include "core/platform/platform.h"
#include "core/text/translations.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "virtual_sysfs.h"
#include "window/ui/screen_scaling.h"

namespace {

// Answers the read's message box as the operator would, so that a screenshot can be taken.
void answerBoxes(QObject *owner)
{
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QAbstractButton *button = box->button(QMessageBox::Yes);
        if (!button)
            button = box->buttons().value(0);
        if (button)
            button->click();
    });
    timer->start(50);
}

}  // namespace

int main(int argc, char *argv[])
{
    enableScreenScaling();
    QApplication app(argc, argv);
    // The desktop's language, as the utility itself takes it.
    Translations::installDesktopLanguage(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.keylon2.Utility"));
    // The hidapi stand-in sets up its USB HID readers from the environment on first use; the
    // serial reader comes after them, so that none of them takes its place.
    hid_init();

    VirtualReader::Model &serialReader = VirtualReader::Model::add();
    serialReader.setInterface(VirtualReader::Interface::Serial);
    // Its own serial number, never one of the USB HID readers'.
    serialReader.setSerialNumber(VirtualReader::serialReaderSerialNumber(1));
    VirtualReader::SerialEndpoint endpoint(serialReader);
    if (endpoint.start()) {
        QList<Platform::PortRecord> ports = Platform::enumeratePorts();
        ports.append({endpoint.portPath(), QStringLiteral("Keylon2 Key Reader"), endpoint.portPath(),
                      QStringLiteral("Keylon"), VirtualReader::VendorId, 0xF100, serialReader.serialNumber()});
        Platform::setPortEnumerator([ports] { return ports; });
    } else {
        std::fprintf(stderr, "keylon2-utility-demo: no pseudo-terminal: the serial reader is missing\n");
    }

    bool keysOk = false;
    const int keySeconds = qEnvironmentVariableIntValue("KEYLON2_DEMO_KEYS", &keysOk);
    QTimer keys;
    QObject::connect(&keys, &QTimer::timeout, [&endpoint] {
        const quint32 id = QRandomGenerator::global()->generate();
        endpoint.sendIdCode(QByteArray::number(id, 16).toUpper().rightJustified(8, '0'));
    });
    const int interval = keysOk ? keySeconds : 5;
    if (interval > 0 && endpoint.isRunning())
        keys.start(interval * 1000);

    MainWindow window;
    window.show();

    const QString screenshot = qEnvironmentVariable("KEYLON2_DEMO_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(300, &window, [&] {
            answerBoxes(&window);
            if (auto *connect = window.findChild<QPushButton *>(QStringLiteral("ConnectBut")))
                connect->click();
            // Let the page repaint what the read put on it.
            QTimer::singleShot(500, &window, [&] {
                const bool connected = window.linkState().connected != 0;
                const bool saved = window.grab().save(screenshot, "PNG");
                if (!connected)
                    std::fprintf(stderr, "keylon2-utility-demo: the virtual reader did not connect\n");
                if (!saved)
                    std::fprintf(stderr, "keylon2-utility-demo: cannot write %s\n", qPrintable(screenshot));
                if (connected && saved && qEnvironmentVariableIntValue("KEYLON2_DEMO_STAY") == 1) {
                    std::printf("saved %s\n", qPrintable(screenshot));
                    std::fflush(stdout);
                    return;
                }
                app.exit(connected && saved ? 0 : 1);
            });
        });
    }
    return app.exec();
}
