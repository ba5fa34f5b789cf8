#include "app/mainwindow.h"

#include <QDebug>
#include <QLineEdit>
#include <QSerialPort>
#include <QTextEdit>

#include "app/status_log.h"
#include "link/hid_transport.h"
#include "protocol/frames.h"
#include "protocol/hid_answers.h"
#include "protocol/serial_answers.h"
#include "protocol/serial_receive.h"
#include "protocol/settings_page.h"
#include "session/reader_session.h"
#include "text/keycode.h"
#include "ui/ui_mainwindow.h"

namespace SerialReceive {

void echoChunk(QTextEdit *edit, const QByteArray &chunk)
{
    StatusLog::of(edit).echo(chunk);
}

int receiveChunk(MainWindow &window, const QByteArray &chunk)
{
    echoChunk(window.ui->ScannerEdit, chunk);
    qDebug().noquote().nospace() << "bytes:" << chunk.toHex();
    return window.DisplayKLNValue(chunk);
}

int receiveRead(MainWindow &window, const QByteArray &collected, const QByteArray &answers)
{
    if (answers.isEmpty() || answers == collected)
        return receiveChunk(window, collected);
    echoChunk(window.ui->ScannerEdit, collected);
    qDebug().noquote().nospace() << "bytes:" << collected.toHex();
    return window.DisplayKLNValue(answers);
}

}  // namespace SerialReceive

void MainWindow::onReadyRead()
{
    if (!serialPort || serialPort->bytesAvailable() <= 0)
        return;
    const QByteArray chunk = serialPort->read(serialPort->bytesAvailable());
    SerialReceive::receiveChunk(*this, chunk);
}

int MainWindow::DisplayKLNValue(QByteArray chunk)
{
    qDebug().noquote().nospace() << "Get DisplayKLNValue=" << chunk.toHex();
    const SerialAnswers::Parsed parsed = SerialAnswers::parse(chunk);
    if (!parsed.recognised)
        return -1;

    // What is whole in the chunk is shown; the parser stops at the first answer cut short.
    if (parsed.complete < 1)
        return -1;
    qDebug().nospace() << "ver:" << parsed.versionBytes;
    SettingsPage::showFirmwareVersion(*this, SerialAnswers::versionText(parsed.versionBytes));

    if (parsed.complete < 2)
        return -1;
    qDebug("KLN Status Setting:%02X", parsed.options);
    // The serial line leaves the remove ID code switch as it is.
    SettingsPage::applyOptionByte(*ui, parsed.options, false);

    if (parsed.complete < 3)
        return -1;
    SettingsPage::showOutputWindow(*ui, parsed.outputStart, parsed.outputLength, true);

    QLineEdit *const edits[] = {ui->PreAmbleEdit, ui->PostAmbleEdit, ui->RemoveDataEdit};
    for (int i = 0; i < 3; ++i) {
        if (parsed.complete < 4 + i)
            return -1;
        if (parsed.affixes[i].accepted)
            edits[i]->setText(SerialDisplayText(parsed.affixes[i].codes));
    }
    return 0;
}

namespace {

// The one-shot status read keeps the sequence number in the frame's first parameter byte.
constexpr int StatusSequenceByte = 4;

// Each code decoded on its own as a one-byte UTF-8 text: 0x00 gives nothing, 0x80 and up
// give the replacement character.
QString plainAffixText(const QByteArray &codes)
{
    QString text;
    for (char code : codes)
        text += QString::fromUtf8(&code, 1).remove(QChar(0));
    return text;
}

}  // namespace

void MainWindow::ReadStatus()
{
    HidTransport transport(link.hidDevice);
    ReaderSession session(transport, link.frameSequence);
    QByteArray answer(Frames::ReportSize, char(0x00));
    auto exchange = [&](quint8 code, SessionResult::Step step) {
        const quint8 sequence = session.nextSequence();
        QByteArray request = Frames::hidReport(Frames::readFrame(code));
        request[StatusSequenceByte] = char(sequence);
        session.exchange(request, answer, sequence, step);  // what came back is shown whatever it is
    };

    if (link.currentTab == 0) {
        exchange(CmdStatus, SessionResult::Step::Status);
        link.statusPreRead = 1;
    }
    if (link.statusShown)
        return;

    exchange(CmdStatus, SessionResult::Step::Status);
    const SettingsRecord status = HidAnswers::parseOneShotStatus(answer);
    SettingsPage::showFirmwareVersion(*this, SettingsPage::versionOfHidBytes(status.version));
    SettingsPage::applyOptionByte(*ui, status.options);
    SettingsPage::showOutputWindow(*ui, status.outputStart, status.outputLength, false);

    struct AffixStep
    {
        quint8 code;
        SessionResult::Step step;
        const char *debugFormat;
        QLineEdit *edit;
    };
    const AffixStep steps[] = {
        {CmdGetPre, SessionResult::Step::Preamble, "PreAmble Len=%d %x %x %x %x", ui->PreAmbleEdit},
        {CmdGetPost, SessionResult::Step::Postamble, "PostAmble Len=%d %x %x %x %x", ui->PostAmbleEdit},
        {CmdGetRemove, SessionResult::Step::RemoveData, "Remove Data Len=%d %x %x %x %x", ui->RemoveDataEdit},
    };
    for (const AffixStep &step : steps) {
        exchange(step.code, step.step);
        qDebug(step.debugFormat, quint8(answer[0]), quint8(answer[1]), quint8(answer[2]),
               quint8(answer[3]), quint8(answer[4]));
        if (const auto codes = HidAnswers::parseOneShotAffix(answer))
            step.edit->setText(plainAffixText(*codes));
        if (step.code == CmdGetRemove)
            qDebug("Checksum = %x", Frames::checksum(answer.left(quint8(answer[1]) + 1)));
    }
    link.statusShown = 1;
}
