#include "app/mainwindow.h"

#include <QMessageBox>
#include <QProcess>
#include <QSerialPort>

#include "link/serial_io.h"
#include "platform/platform.h"
#include "protocol/frames.h"
#include "protocol/hid_io.h"

void MainWindow::FWUpdateClick()
{
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

    // Only whether the writer ran to an end counts; its exit code and output are its own
    // business (it reports to the operator itself).
    QProcess writer;
    writer.start(Platform::firmwareWriterProgram(), Platform::firmwareWriterArguments(), QIODevice::ReadWrite);
    if (writer.waitForFinished(-1))
        qDebug("FWUpdate success");
    else
        qDebug("FWUpdate fail");
}
