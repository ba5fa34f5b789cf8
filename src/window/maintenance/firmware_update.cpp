#include "window/maintenance/firmware_update.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "core/reader/firmware_check.h"
#include "window/connection/connection_panel.h"
#include "window/connection/reader_link.h"
#include "window/maintenance/firmware_writer_dialog.h"
#include "core/platform/platform.h"
#include "window/settings_page/settings_reader.h"
#include "window/ui/window_tr.h"

namespace {

QString settingNames(const std::vector<const Settings::Setting *> &settings)
{
    return FirmwareCheck::keys(settings).join(QStringLiteral(", "));
}

// "Connect and check": the reader found back and read, held against what it held before.
void check(const FirmwareCheck::Backup &before, ReaderLink &link, ConnectionPanel &connection, SettingsReader &reader)
{
    const QString title = WindowText::tr("FW Update");
    // Looking for the reader sends nothing; the window stays alive meanwhile.
    const auto found = link.runner().run(nullptr, [&before] { return FirmwareCheck::awaitReturn(before.reader, FirmwareCheck::DefaultWaitBackMs); });
    if (!found)
        return;
    if (found->how == FirmwareCheck::Return::NotBack) {
        QMessageBox::warning(nullptr, title,
                             WindowText::tr("The reader did not come back within %1 seconds. It may wait in its loader: "
                                            "run the update again, or connect when the reader is back.")
                                 .arg(FirmwareCheck::DefaultWaitBackMs / 1000));
        return;
    }
    if (found->how == FirmwareCheck::Return::Another) {
        QMessageBox::warning(nullptr, title,
                             WindowText::tr("Another reader (serial number %1) came back where the reader was; "
                                            "nothing was written to it.")
                                 .arg(found->reader.serialNumber));
        return;
    }
    // The connect reads the reader onto the page, as every connect does; that read is the
    // reader after the update.
    if (!connection.connectTo(found->reader) || !link.seen()) {
        QMessageBox::warning(nullptr, title,
                             WindowText::tr("The reader is back, but its settings could not be read; nothing was written to it."));
        return;
    }
    const FirmwareCheck::Backup after = *link.seen();
    ReaderSession::SettingsRead read;
    read.record = after.record;
    read.hasCountry = after.hasCountry;
    const QString versions = FirmwareCheck::outcome(before, after.record) == FirmwareCheck::Outcome::Unchanged
        ? WindowText::tr("The reader is back and still reports firmware %1: the update did not change it.").arg(before.firmware())
        : WindowText::tr("The reader is back with firmware %1 (before the update: %2).").arg(after.firmware(), before.firmware());
    const std::vector<const Settings::Setting *> differing = FirmwareCheck::differing(before, read);
    if (differing.empty()) {
        QMessageBox::information(nullptr, title, versions + QLatin1Char(' ') + WindowText::tr("Its settings are as before."));
        return;
    }
    const auto answer = QMessageBox::question(
        nullptr, title,
        versions + QLatin1Char(' ')
            + WindowText::tr("These settings are not as before the update: %1. Write back those of before?")
                  .arg(settingNames(differing)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    const auto written = link.exchange([&] { return FirmwareCheck::restore(link.reader(), before, read); });
    if (!written)
        return;
    if (written->ok()) {
        QMessageBox::information(nullptr, title,
                                 WindowText::tr("The settings of before the update were written back: %1.")
                                     .arg(settingNames(written->sent)));
    } else if (!written->result.ok()) {
        QMessageBox::warning(nullptr, title,
                             WindowText::tr("Writing back the settings of before the update failed at the %1.")
                                 .arg(SessionResult::stepName(written->result.step).human()));
    } else {
        QMessageBox::warning(nullptr, title,
                             WindowText::tr("The settings of before the update were written, but these read back "
                                            "otherwise: %1.")
                                 .arg(settingNames(written->wrong)));
    }
    // The page shows what the reader holds now.
    reader.read();
}

}  // namespace

void runFirmwareUpdate(QWidget &window, ReaderLink &link, ConnectionPanel &connection, SettingsReader &reader)
{
    if (link.exchanging())
        return;
    // Once in its loader the reader waits for the writer; without one it would stay there.
    if (!Platform::firmwareWriterRunnable()) {
        QMessageBox::warning(nullptr, WindowText::tr("FW Update"),
                             WindowText::tr("The firmware writer %1 was not found in %2; nothing was sent to the reader.")
                                 .arg(QFileInfo(Platform::firmwareWriterProgram()).fileName(),
                                      QDir::currentPath()));
        return;
    }

    // What the reader held when the window last read or wrote it whole: the check after the
    // writer holds the reader against it. Nothing more is sent to the reader for it.
    std::optional<FirmwareCheck::Backup> before = link.seen();
    if (before)
        before->reader = FirmwareCheck::identified(before->reader);

    const auto isp = link.exchange([&link] { return link.session().enterIspMode(); });
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
    if (link.state().connected)
        link.takeDown(ReaderLink::Teardown::Disconnect);

    // All the time the reader gets to come up in ISP mode before the writer looks for it.
    link.exchange([] { HeldReader::awaitLoader(); });

    // Only whether the writer ran to an end of its own counts; its exit code and output are
    // for the operator, who sees them in the dialog.
    FirmwareWriterDialog writer(&window);
    if (before)
        writer.offerCheck();
    if (writer.run(Platform::firmwareWriterProgram(), Platform::firmwareWriterArguments()))
        qDebug("FWUpdate success");
    else
        qDebug("FWUpdate fail");
    if (before && writer.checkAsked())
        check(*before, link, connection, reader);
}
