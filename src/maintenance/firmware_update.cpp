#include "app/mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSerialPort>

#include "link/serial_io.h"
#include "maintenance/firmware_writer_dialog.h"
#include "platform/platform.h"
#include "protocol/frames.h"
#include "protocol/hid_io.h"

void MainWindow::FWUpdateClick()
{
    // Once in its loader the reader waits for the writer; without one it would stay there.
    if (!Platform::firmwareWriterRunnable()) {
        QMessageBox::warning(nullptr, tr("FW Update"),
                             tr("The firmware writer %1 was not found in %2; nothing was sent to the reader.")
                                 .arg(QFileInfo(Platform::firmwareWriterProgram()).fileName(),
                                      QDir::currentPath()));
        return;
    }

    const QByteArray frame = Frames::keyedFrame(CmdIspMode);

    if (!link.serialActive) {
        const QByteArray report = Frames::hidReport(frame);
        bool sent = false;
        for (int attempt = 0; attempt < 3 && !sent; ++attempt) {
            sent = writeHidReport(link.hidDevice, report) >= 0;
            if (!sent)
                logHidWriteFailure(link.hidDevice);
        }
        if (!sent) {
            QMessageBox::information(nullptr, tr("ISP Mode"),
                                     tr("Can't send ISP mode command to device, please check your Keylon device!!"),
                                     QMessageBox::Yes);
            return;
        }
    } else {
        qDebug("serial_buf: %x %x", unsigned(quint8(frame[4])), unsigned(quint8(frame[5])));
        writeSerialNow(serialPort, frame);
    }

    // The reader leaves for its loader: let go of it the way a disconnect does, so that the
    // writer finds it free.
    if (link.connected)
        disconnectLink();

    // All the time the reader gets to come up in ISP mode before the writer looks for it.
    Platform::sleepMs(1000);

    // Only whether the writer ran to an end of its own counts; its exit code and output are
    // for the operator, who sees them in the dialog.
    FirmwareWriterDialog writer(this);
    if (writer.run(Platform::firmwareWriterProgram(), Platform::firmwareWriterArguments()))
        qDebug("FWUpdate success");
    else
        qDebug("FWUpdate fail");
}
