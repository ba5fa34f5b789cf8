#include "app/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "config/page_record.h"
#include "protocol/frames.h"
#include "protocol/settings_frames.h"
#include "session/reader_session.h"
#include "ui/ui_mainwindow.h"

namespace {

// `readerCountry` stands in for a keyboard country the list does not hold: the reader (or a
// file) named one, and sending the empty entry as 0xFF would change the reader's country on a
// write that touched nothing.
ConfigPage pageOnWidgets(const Ui::MainWindow &ui, int readerCountry)
{
    ConfigPage page;
    page.removeEnable = ui.RemoveDataChk->isChecked();
    page.postEnable = ui.PostAmbleChk->isChecked();
    page.preEnable = ui.PreAmbleChk->isChecked();
    page.autoReport = ui.AutoReportChk->isChecked();
    page.buzzer = ui.BuzzerEnableChk->isChecked();
    page.removeIdCode = ui.RemoveIDCodeChk->isChecked();
    page.outputStart = ui.KLNOutStartEdit->text();
    page.outputLength = ui.KLNOutLengthEdit->text();
    page.kbCountry = ui.KB_cmb->currentIndex() >= 0 ? ui.KB_cmb->currentIndex() : readerCountry;
    page.pre = ui.PreAmbleEdit->text();
    page.post = ui.PostAmbleEdit->text();
    page.remove = ui.RemoveDataEdit->text();
    return page;
}

}  // namespace

void MainWindow::SetKLNValueClick()
{
    // All three affixes are converted before anything goes out: an affix the reader could not
    // give back must stop the whole write, not leave half of a page in the reader.
    const SettingsRecord page = PageRecord::recordOfPage(pageOnWidgets(*ui, link.readerCountry));

    const auto overlong = SettingsWrite::overlongAffixes(page);
    if (!overlong.isEmpty()) {
        QMessageBox::warning(nullptr, tr("Setting Keylon"), SettingsWrite::overlongAffixText(overlong));
        return;
    }

    std::unique_ptr<Transport> transport = linkTransport();
    const SessionResult result =
        ReaderSession(*transport, link.frameSequence).writeSettings(page, link.interfaceSetting);
    // A USB HID write that fails ends the write where it is, without the save; a serial frame
    // that did not reach the line means the line is gone. Either way the operator must learn
    // that the reader does not hold the page.
    if (!result.ok()) {
        const QString text = result.step == SessionResult::Step::InterfaceChange
            ? tr("Writing to the reader failed at the interface change; the page was saved, the interface was not changed.")
            : tr("Writing to the reader failed at the %1; the reader did not save the page.")
                  .arg(SessionResult::stepName(result.step));
        QMessageBox::warning(nullptr, tr("Setting Keylon"), text);
        return;
    }
    if (SettingsWrite::changesInterface(link.serialActive, link.interfaceSetting))
        leaveForOtherInterface();

    QMessageBox::information(nullptr, tr("Setting Keylon"), tr("Successfully set Keylon set value"),
                             QMessageBox::Yes);
}
