#include "app/mainwindow.h"

#include <QMessageBox>
#include <QProcess>
#include <QSerialPort>

#include "link/transport.h"
#include "platform/platform.h"
#include "session/reader_session.h"

void MainWindow::FWUpdateClick()
{
    std::unique_ptr<Transport> transport = linkTransport();
    const SessionResult isp = ReaderSession(*transport, link.frameSequence).enterIspMode();
    // Over the serial line the write goes unchecked.
    if (isp.outcome == SessionResult::Outcome::FrameFailed) {
        QMessageBox::information(nullptr, tr("ISP Mode"),
                                 tr("Can't send ISP mode command to device, please check your Keylon device!!"),
                                 QMessageBox::Yes);
        return;
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
