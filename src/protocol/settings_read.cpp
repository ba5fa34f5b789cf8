#include "app/mainwindow.h"

#include <QComboBox>
#include <QDebug>
#include <QLineEdit>
#include <QMessageBox>
#include <QSerialPort>

#include "link/serial_io.h"
#include "platform/platform.h"
#include "protocol/frames.h"
#include "protocol/serial_receive.h"
#include "protocol/settings_page.h"
#include "text/keycode.h"
#include "ui/ui_mainwindow.h"

namespace {

const char *const SuccessText = "Successfully obtained Keylon the set value";
const char *const VersionFailText = "Get F/W version fail, please retry.";

// Status answer over USB HID.
constexpr int OptionByte = 8;
constexpr int OutputStartByte = 9;
constexpr int OutputLengthByte = 10;
constexpr int CountryByte = 13;
constexpr int VersionByte = 56;
constexpr int VersionLength = 8;

struct AffixRead
{
    quint8 code;
    const char *failText;
    const char *debugFormat;
    QLineEdit *Ui::MainWindow::*edit;
};

const AffixRead AffixReads[] = {
    {CmdGetPre, "Get PreAmble fail, please retry.", "PreAmble Len=%d %x %x %x %x",
     &Ui::MainWindow::PreAmbleEdit},
    {CmdGetPost, "Get PostAmble fail, please retry.", "PostAmble Len=%d %x %x %x %x",
     &Ui::MainWindow::PostAmbleEdit},
    {CmdGetRemove, "Get RemoveData fail, please retry.", "Revome data Len=%d %x %x %x %x",
     &Ui::MainWindow::RemoveDataEdit},
};

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
        const quint8 codes[] = {CmdStatus, CmdOptions, CmdOutput, CmdGetPre, CmdGetPost, CmdGetRemove};
        for (quint8 code : codes) {
            writeSerialNow(serialPort, Frames::readFrame(code));
            Platform::sleepMs(100);
            if (code == CmdOutput)
                ui->KB_cmb->setEnabled(false);  // no read command returns the country here
        }
        // The reader answers on its own time: collect what it sends, then take it apart
        // through the same path as every chunk. Only a whole set of answers is a success.
        const QByteArray answers = SerialReceive::collectAnswers(serialPort);
        const bool complete = !answers.isEmpty() && SerialReceive::receiveChunk(*this, answers) == 0;
        if (!link.hidActive) {
            tell(complete ? SuccessText : VersionFailText);
            return;
        }
    }
    if (!link.hidActive) {
        tell(SuccessText);
        return;
    }

    QByteArray answer(Frames::ReportSize, char(0x00));
    quint8 sequence = Frames::advanceSequence(link.frameSequence);
    if (!hidExchange(Frames::hidReport(Frames::readFrame(CmdStatus), sequence), answer, sequence)) {
        tell(VersionFailText);
        return;
    }
    SettingsPage::showFirmwareVersion(
        *this, SettingsPage::versionOfHidBytes(answer.mid(VersionByte, VersionLength)));
    SettingsPage::applyOptionByte(*ui, quint8(answer[OptionByte]));
    SettingsPage::showOutputWindow(*ui, quint8(answer[OutputStartByte]),
                                   quint8(answer[OutputLengthByte]), true);
    ui->KB_cmb->setEnabled(true);
    ui->KB_cmb->setCurrentIndex(qint8(answer[CountryByte]));

    for (const AffixRead &read : AffixReads) {
        sequence = Frames::advanceSequence(link.frameSequence);
        if (!hidExchange(Frames::hidReport(Frames::readFrame(read.code), sequence), answer, sequence)) {
            tell(read.failText);
            return;
        }
        qDebug(read.debugFormat, quint8(answer[0]), quint8(answer[1]), quint8(answer[2]),
               quint8(answer[3]), quint8(answer[4]));
        // A count above 31 or a wrong checksum: the answer is dropped, the edit keeps its text.
        if (const auto length = Frames::affixAnswerLength(answer))
            (ui->*read.edit)->setText(DeviceCodesToText(answer.mid(1, *length)));
    }
    tell(SuccessText);
}
