#include "window/settings_page/settings_writer.h"

#include <QMessageBox>

#include "window/connection/reader_link.h"
#include "window/settings_page/settings_form.h"
#include "core/protocol/settings_frames.h"
#include "window/ui/window_tr.h"

void writeSettings(ReaderLink &link, const SettingsForm &form)
{
    if (link.exchanging())
        return;
    // All three affixes are converted before anything goes out: an affix the reader could not
    // give back must stop the whole write, not leave half of a page in the reader.
    const SettingsRecord page = form.recordToWrite();

    const auto overlong = SettingsWrite::overlongAffixes(page);
    if (!overlong.isEmpty()) {
        QMessageBox::warning(nullptr, WindowText::tr("Setting Keylon"), SettingsWrite::overlongAffixText(overlong).human());
        return;
    }

    const quint8 target = link.state().interfaceSetting;
    const auto written = link.exchange([&] { return link.session().writeSettings(page, target); });
    if (!written)
        return;
    const SessionResult &result = *written;
    // A USB HID write that fails ends the write where it is, without the save; a serial frame
    // that did not reach the line means the line is gone. Either way the operator must learn
    // that the reader does not hold the page.
    if (!result.ok()) {
        const QString text = result.step == SessionResult::Step::InterfaceChange
            ? WindowText::tr("Writing to the reader failed at the interface change; the page was saved, the interface was not changed.")
            : WindowText::tr("Writing to the reader failed at the %1; the reader did not save the page.")
                  .arg(SessionResult::stepName(result.step).human());
        QMessageBox::warning(nullptr, WindowText::tr("Setting Keylon"), text);
        return;
    }
    link.noteWritten(page);
    if (link.reader().leavesLink(target))
        link.leaveForOtherInterface();

    QMessageBox::information(nullptr, WindowText::tr("Setting Keylon"), WindowText::tr("Successfully set Keylon set value"),
                             QMessageBox::Yes);
}
