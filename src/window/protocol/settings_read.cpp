#include "app/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSerialPort>

#include "link/hid_transport.h"
#include "protocol/serial_receive.h"
#include "protocol/settings_page.h"
#include "session/reader_session.h"
#include "text/keycode.h"
#include "ui/ui_mainwindow.h"

namespace {

const char *const SuccessText = "Successfully obtained Keylon the set value";
const char *const VersionFailText = "Get F/W version fail, please retry.";

// The box for an affix answer that did not come; one that came but was refused leaves its
// edit alone and the read goes on.
const char *affixFailText(SessionResult::Step step)
{
    switch (step) {
    case SessionResult::Step::Preamble: return "Get PreAmble fail, please retry.";
    case SessionResult::Step::Postamble: return "Get PostAmble fail, please retry.";
    case SessionResult::Step::RemoveData: return "Get RemoveData fail, please retry.";
    default: return VersionFailText;
    }
}

}  // namespace

void MainWindow::GetKLNValueClick()
{
    auto tell = [](const char *text) {
        QMessageBox::information(nullptr, tr("Read Status"), tr(text), QMessageBox::Yes);
    };

    if (link.serialActive) {
        // Anything that came in before the request (a key's ID code) is taken up on its own,
        // so that the answers start a chunk of their own.
        if (serialPort && serialPort->isOpen() && (serialPort->bytesAvailable() > 0 || serialPort->waitForReadyRead(0)))
            onReadyRead();
        std::unique_ptr<Transport> transport = linkTransport();
        const ReaderSession::SettingsRead read = ReaderSession(*transport, link.frameSequence).readSettings();
        ui->KB_cmb->setEnabled(false);  // no read command returns the country here
        // What came is taken apart through the same path as every chunk.
        const bool complete = !read.serialAnswers.isEmpty()
            && SerialReceive::receiveRead(*this, read.serialAnswers, read.answerChunk) == 0;
        if (!link.hidActive) {
            tell(complete ? SuccessText : VersionFailText);
            return;
        }
    }
    if (!link.hidActive) {
        tell(SuccessText);
        return;
    }

    HidTransport transport(link.hidDevice);
    const ReaderSession::SettingsRead read = ReaderSession(transport, link.frameSequence).readSettings();
    if (!read.statusRead) {
        tell(VersionFailText);
        return;
    }
    SettingsPage::showFirmwareVersion(*this, SettingsPage::versionOfHidBytes(read.record.version));
    SettingsPage::applyOptionByte(*ui, read.record.options);
    SettingsPage::showOutputWindow(*ui, read.record.outputStart, read.record.outputLength, true);
    ui->KB_cmb->setEnabled(true);
    ui->KB_cmb->setCurrentIndex(read.record.kbCountry);
    link.readerCountry = read.record.kbCountry;

    QLineEdit *const edits[] = {ui->PreAmbleEdit, ui->PostAmbleEdit, ui->RemoveDataEdit};
    const QByteArray *const codes[] = {&read.record.pre, &read.record.post, &read.record.remove};
    for (int i = 0; i < 3; ++i) {
        // A count above 31 or a wrong checksum: the answer is dropped, the edit keeps its text.
        if (read.affixRead[i])
            edits[i]->setText(DeviceCodesToText(*codes[i]));
    }
    const bool answered = read.result.outcome != SessionResult::Outcome::NoAnswer
        && read.result.outcome != SessionResult::Outcome::FrameFailed
        && read.result.outcome != SessionResult::Outcome::LineGone;
    tell(answered ? SuccessText : affixFailText(read.result.step));
}
