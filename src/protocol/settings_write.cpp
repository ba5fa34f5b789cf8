#include "app/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QStringList>

#include "link/serial_io.h"
#include "platform/platform.h"
#include "protocol/frames.h"
#include "protocol/hid_io.h"
#include "protocol/settings_frames.h"
#include "text/keycode.h"
#include "ui/ui_mainwindow.h"

void MainWindow::SetKLNValueClick()
{
    SettingsRecord page;
    const struct {
        QCheckBox *box;
        quint8 bit;
    } switches[] = {
        {ui->RemoveDataChk, OptionBits::RemoveEnable}, {ui->PostAmbleChk, OptionBits::PostEnable},
        {ui->PreAmbleChk, OptionBits::PreEnable},      {ui->AutoReportChk, OptionBits::AutoReport},
        {ui->BuzzerEnableChk, OptionBits::Buzzer},     {ui->RemoveIDCodeChk, OptionBits::RemoveIDCode},
    };
    for (const auto &option : switches) {
        if (option.box->isChecked())
            page.options |= option.bit;
    }

    // Not a number reads as 0; the reader takes one byte, so 300 goes out as 0x2C and -1 as 0xFF.
    const int start = ui->KLNOutStartEdit->text().toInt(nullptr, 10);
    const int length = ui->KLNOutLengthEdit->text().toInt(nullptr, 10);
    qDebug("t1num: %d", start);
    qDebug("t2num: %d", length);
    page.outputStart = quint8(start);
    page.outputLength = quint8(length);
    page.kbCountry = quint8(ui->KB_cmb->currentIndex());

    // All three affixes are converted before anything goes out: an affix the reader could not
    // give back must stop the whole write, not leave half of a page in the reader.
    page.pre = TextToDeviceCodes(ui->PreAmbleEdit->text(), "PreVal=%x");
    page.post = TextToDeviceCodes(ui->PostAmbleEdit->text(), "PosVal=%x");
    page.remove = TextToDeviceCodes(ui->RemoveDataEdit->text(), "RemoveVal=%x");

    const auto overlong = SettingsWrite::overlongAffixes(page);
    if (!overlong.isEmpty()) {
        QStringList parts;
        for (const auto &affix : overlong) {
            parts << (parts.isEmpty() ? tr("The %1 has %2 codes") : tr("the %1 has %2 codes"))
                         .arg(tr(affix.name))
                         .arg(affix.codes);
        }
        QMessageBox::warning(nullptr, tr("Setting Keylon"),
                             tr("%1; the reader keeps at most %2. Nothing was sent.")
                                 .arg(parts.join(QStringLiteral("; ")), QString::number(Frames::MaxAffixCodes)));
        return;
    }

    const bool serial = link.serialActive;
    // A serial write is not checked (the reader answers nothing to it); a USB HID write that
    // fails ends the write where it is, without the save.
    const auto send = [this, serial](const QByteArray &frame) {
        if (serial) {
            writeSerialNow(serialPort, frame);
            return true;
        }
        if (writeHidReport(link.hidDevice, Frames::hidReport(frame)) < 0) {
            logHidWriteFailure(link.hidDevice);
            return false;
        }
        return true;
    };

    const auto frames = SettingsWrite::settingsFrames(page, link.serialActive, link.interfaceSetting);
    for (const SettingsWrite::Frame &frame : frames) {
        if (serial && frame.command == CmdSetRemove)
            qDebug("RS232 RemoveDataEdit Start");
        if (!send(frame.bytes))
            return;
    }

    // The reader needs the time to store the page before anything else arrives.
    Platform::sleepMs(300);

    if (SettingsWrite::changesInterface(link.serialActive, link.interfaceSetting)) {
        if (!send(Frames::keyedFrame(CmdChangeInterface)))
            return;
        leaveForOtherInterface();
    }

    QMessageBox::information(nullptr, tr("Setting Keylon"), tr("Successfully set Keylon set value"),
                             QMessageBox::Yes);
}
