#include "window/maintenance/firmware_update.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "window/connection/reader_link.h"
#include "window/maintenance/firmware_writer_dialog.h"
#include "core/platform/platform.h"
#include "window/ui/window_tr.h"

FirmwareUpdate::FirmwareUpdate(QWidget &window, ReaderLink &link)
    : window_(window)
    , link_(link)
{
}

void FirmwareUpdate::run()
{
    if (link_.exchanging())
        return;
    // Once in its loader the reader waits for the writer; without one it would stay there.
    if (!Platform::firmwareWriterRunnable()) {
        QMessageBox::warning(nullptr, WindowText::tr("FW Update"),
                             WindowText::tr("The firmware writer %1 was not found in %2; nothing was sent to the reader.")
                                 .arg(QFileInfo(Platform::firmwareWriterProgram()).fileName(),
                                      QDir::currentPath()));
        return;
    }

    const auto isp = link_.exchange([this] { return link_.session().enterIspMode(); });
    if (!isp)
        return;
    // Over the serial line the write goes unchecked.
    if (isp->outcome == SessionResult::Outcome::FrameFailed) {
        QMessageBox::information(nullptr, WindowText::tr("ISP Mode"),
                                 WindowText::tr("Can't send ISP mode command to device, please check your Keylon device!!"),
                                 QMessageBox::Yes);
        return;
    }

    // The reader leaves for its loader: let go of it the way a disconnect does, so that the
    // writer finds it free.
    if (link_.state().connected)
        link_.takeDown(ReaderLink::Teardown::Disconnect);

    // All the time the reader gets to come up in ISP mode before the writer looks for it.
    link_.exchange([] { HeldReader::awaitLoader(); });

    // Only whether the writer ran to an end of its own counts; its exit code and output are
    // for the operator, who sees them in the dialog.
    FirmwareWriterDialog writer(&window_);
    if (writer.run(Platform::firmwareWriterProgram(), Platform::firmwareWriterArguments()))
        qDebug("FWUpdate success");
    else
        qDebug("FWUpdate fail");
}
