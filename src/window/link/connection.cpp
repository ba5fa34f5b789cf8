#include "app/mainwindow.h"

#include <QCheckBox>
#include <QDebug>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include "link/hid_transport.h"
#include "link/serial_transport.h"
#include "link/access_warning.h"
#include "link/port_choice.h"
#include "link/usb_probe.h"
#include "platform/platform.h"
#include "ui/ui_mainwindow.h"

namespace {

const QString IconNotConnected = QStringLiteral(":/image/connect_creating.png");
const QString IconConnected = QStringLiteral(":/image/connect_established.png");
const QString IconFailed = QStringLiteral(":/image/connect_no.png");

}  // namespace

void MainWindow::EnableControls(bool on)
{
    QWidget *const controls[] = {
        ui->PreAmbleChk,     ui->PreAmbleEdit,    ui->PostAmbleChk,     ui->PostAmbleEdit,
        ui->RemoveDataChk,   ui->RemoveDataEdit,  ui->RemoveIDCodeChk,  ui->AutoReportChk,
        ui->BuzzerEnableChk, ui->KLNOutStartEdit, ui->KLNOutLengthEdit, ui->GetKLNStatusBut,
        ui->SetKLNStatusBut, ui->tabWidget,       ui->ScannerEdit,      ui->TrigBut,
        ui->ChangeModeBut,
    };
    for (QWidget *control : controls)
        control->setEnabled(on);
}

std::unique_ptr<Transport> MainWindow::linkTransport() const
{
    if (link.serialActive)
        return std::make_unique<SerialTransport>(serialPort);
    return std::make_unique<HidTransport>(link.hidDevice);
}

// Takes the link down. The transport flags stay as they are: they say which link the window
// last had.
void MainWindow::disconnectLink()
{
    if (link.hidActive) {
        qDebug("Z400_Device disconnect");
        closeHidLink(link.hidDevice);
    }
    if (link.serialActive) {
        qDebug("KLN2_Device disconnect");
        if (link.pollTimer) {
            delete link.pollTimer;
            link.pollTimer = nullptr;
        }
        // The port object stays; the next serial connect replaces it.
        if (serialPort && serialPort->isOpen())
            serialPort->close();
    }
    ui->ConnectBut->setIcon(QIcon(IconNotConnected));
    link.connected = 0;
    EnableControls(false);
}

void MainWindow::serialLineGone(QSerialPort *port, const QString &portName)
{
    if (port != serialPort || !link.connected || !link.serialActive)
        return;
    disconnectLink();
    QMessageBox::warning(nullptr, tr("Connect Device"),
                         tr("The serial port %1 is gone; the reader was disconnected.").arg(portName));
}

void MainWindow::ConnectClick()
{
    if (link.connected) {
        disconnectLink();
        return;
    }

    auto fail = [this](const char *line) {
        qDebug("%s", line);
        ui->ConnectBut->setIcon(QIcon(IconFailed));
        EnableControls(false);
        link.connected = 0;
    };

    if (ui->USBKB_radcmd->isChecked()) {
        if (link.hidVendorId == 0) {
            // No reader answered at start-up: look again, it may have been plugged in since.
            // The probe's open is the link.
            const UsbProbe::Found found = UsbProbe::openReader();
            link.hidDevice = found.device;
            if (found.device) {
                link.hidVendorId = found.vendorId;
                link.hidProductId = found.productId;
            }
        } else {
            link.hidDevice = hid_open(link.hidVendorId, link.hidProductId, nullptr);
        }
        if (!link.hidDevice) {
            fail("unable to open USB HID device\n");
            warnIfAccessDenied(AccessCheck::afterHidOpenFailed(link.hidProductId));
            return;
        }
        // The flags describe this link alone, so that the slots that pick a transport by them
        // never write to a serial port that a former link left closed.
        link.hidActive = 1;
        link.serialActive = 0;
        link.interfaceSetting = 0;
        ui->ChangeModeBut->setText(QStringLiteral("to Serial"));
        ui->CodeType_lbl->setText(QStringLiteral("ASCII Code"));
        GetKLNValueClick();
    }

    if (ui->Searal_radcmd->isChecked()) {
        // No reader port was found at start-up: the reader may have been plugged in since.
        if (ui->SerialNameEdit->text() == Platform::defaultPortName())
            ui->SerialNameEdit->setText(PortChoice::readerPort(Platform::enumeratePorts()));
        // Only the latest port object is kept. The one it replaces is closed by now (a
        // disconnect or a failed open); deleting it also frees the port should a path that
        // dropped the link have left it open.
        delete serialPort;
        serialPort = new QSerialPort(ui->SerialNameEdit->text());
        SerialTransport::setUpLine(*serialPort);
        serialPort->open(QIODevice::ReadWrite);
        // QSerialPort has no read time-out setting: its reads never block, and the waits that
        // need a bound (writes reaching the line, the settings read) carry their own.
        if (!serialPort->isOpen()) {
            fail("unable to open com device\n");
            AccessCheck::Diagnosis access = AccessCheck::afterSerialOpenFailed(
                serialPort->error(), QSerialPortInfo(*serialPort).systemLocation());
            if (access.finding != AccessCheck::Finding::Denied)
                access = AccessCheck::hidReaderRefused();
            warnIfAccessDenied(access);
            return;
        }
        // A port whose device went away (the reader pulled out, the far side of the line
        // closed) stays open, and its read notifier fires without end: each read finds the
        // line hung up (a read error), each write a resource error. The link is taken down
        // once the slot that met the error has finished.
        const QString portName = ui->SerialNameEdit->text();
        QSerialPort *const port = serialPort;
        connect(port, &QSerialPort::errorOccurred, this, [this, port, portName](QSerialPort::SerialPortError error) {
            if (SerialTransport::meansLineGone(error))
                QTimer::singleShot(0, port, [this, port, portName] { serialLineGone(port, portName); });
        });
        delete link.pollTimer;  // one poll timer at any time
        link.pollTimer = new QTimer(this);
        connect(link.pollTimer, SIGNAL(timeout()), this, SLOT(onReadyRead()));
        link.pollTimer->start(100);
        link.serialActive = 1;
        link.hidActive = 0;
        link.interfaceSetting = 1;
        ui->ChangeModeBut->setText(QStringLiteral("to USB KB"));
        ui->CodeType_lbl->setText(QStringLiteral("ASCII Code"));
        GetKLNValueClick();
    }

    link.connected = 1;
    link.statusPreRead = 0;
    link.statusShown = 0;
    ui->ConnectBut->setIcon(QIcon(IconConnected));
    EnableControls(true);
}
