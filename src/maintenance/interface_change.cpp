#include "app/mainwindow.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>

#include "link/serial_io.h"
#include "protocol/frames.h"
#include "protocol/hid_io.h"
#include "ui/ui_mainwindow.h"

void MainWindow::ChangeModeClick()
{
    if (!link.connected)
        return;

    const QString question = link.serialActive
        ? tr("Do you want to change Keylon interface to <b>USB Keyboard</b> and utility will close?")
        : tr("Do you want to change Keylon interface to <b>serial</b> and utility will close?");
    if (QMessageBox::warning(nullptr, tr("Change Mode"), question, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;

    // The frame names no target: the reader always switches to the interface it is not on.
    const QByteArray frame = Frames::keyedFrame(CmdChangeInterface);

    if (link.serialActive) {
        writeSerialNow(serialPort, frame);
    } else if (writeHidReport(link.hidDevice, Frames::hidReport(frame)) < 0) {
        logHidWriteFailure(link.hidDevice);
        return;
    }
    leaveForOtherInterface();
}

// The reader is leaving the interface of this link: the link goes down with it and the
// utility closes (the operator connects again over the other transport).
void MainWindow::leaveForOtherInterface()
{
    ui->ConnectBut->setIcon(QIcon(QStringLiteral(":/image/connect_creating.png")));
    if (link.serialActive) {
        delete link.pollTimer;
        link.pollTimer = nullptr;
        link.connected = 0;
        EnableControls(false);
        if (serialPort && serialPort->isOpen())
            serialPort->close();
    } else {
        link.connected = 0;
        EnableControls(false);
        hid_close(link.hidDevice);
        hid_exit();
        link.hidDevice = nullptr;
    }
    close();
}
