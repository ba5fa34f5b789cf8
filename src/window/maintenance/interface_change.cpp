#include "app/mainwindow.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>

#include "link/hid_transport.h"
#include "session/reader_session.h"
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

    std::unique_ptr<Transport> transport = linkTransport();
    const SessionResult result = ReaderSession(*transport, link.frameSequence).changeInterface();
    // The reader stays where it is when the frame did not reach it: so does the utility.
    if (!result.ok()) {
        QMessageBox::warning(nullptr, tr("Change Mode"),
                             tr("The reader did not get the interface change; the utility stays open."));
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
        closeHidLink(link.hidDevice);
    }
    close();
}
