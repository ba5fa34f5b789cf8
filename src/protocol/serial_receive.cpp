#include "app/mainwindow.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSerialPort>
#include <QTextCursor>
#include <QTextEdit>

#include "protocol/frames.h"
#include "protocol/serial_answers.h"
#include "protocol/serial_echo.h"
#include "protocol/serial_receive.h"
#include "protocol/settings_page.h"
#include "text/keycode.h"
#include "ui/ui_mainwindow.h"

namespace SerialReceive {

namespace {

// The echo's decoder lives with the edit it writes to: a character cut between two chunks is
// finished in the edit it began in.
class EchoState : public QObject
{
public:
    explicit EchoState(QObject *edit)
        : QObject(edit)
    {
        setObjectName(QStringLiteral("keylon2EchoDecoder"));
    }
    SerialEchoDecoder decoder;
    // The edit takes CR LF for one line break when both come in one insert; a postamble of
    // CR LF cut between two chunks must not give two.
    bool endedInCr = false;
};

EchoState &echoStateOf(QTextEdit *edit)
{
    auto *state = edit->findChild<EchoState *>(QStringLiteral("keylon2EchoDecoder"),
                                               Qt::FindDirectChildrenOnly);
    if (!state)
        state = new EchoState(edit);
    return *state;
}

}  // namespace

void echoChunk(QTextEdit *edit, const QByteArray &chunk)
{
    EchoState &state = echoStateOf(edit);
    QString text = state.decoder.decode(chunk);
    if (text.isEmpty())
        return;
    if (state.endedInCr && text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    state.endedInCr = text.endsWith(QLatin1Char('\r'));
    if (text.isEmpty())
        return;
    // Re-setting the whole text would cost more with every chunk on a reader that sends ID
    // codes all day; inserting at the end costs the same for the last chunk as for the first.
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

int receiveChunk(MainWindow &window, const QByteArray &chunk)
{
    echoChunk(window.ui->ScannerEdit, chunk);
    qDebug().noquote().nospace() << "bytes:" << chunk.toHex();
    return window.DisplayKLNValue(chunk);
}

QByteArray collectAnswers(QSerialPort *port)
{
    QByteArray collected;
    if (!port || !port->isOpen())
        return collected;
    QElapsedTimer sinceStart;
    sinceStart.start();
    collected = port->readAll();  // writing the frames may have taken in answers already
    // The reader may hold its answers back and send them in parts, some way apart in time:
    // a pause in the line says nothing, only a whole set of answers ends the wait early.
    while (!SerialAnswers::parse(collected).allComplete()) {
        const qint64 left = DeadlineMs - sinceStart.elapsed();
        if (left <= 0)
            break;
        if (port->waitForReadyRead(int(left)))
            collected += port->readAll();
        else if (port->error() != QSerialPort::NoError && port->error() != QSerialPort::TimeoutError)
            break;  // the line is gone
    }
    return collected;
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

// The one-shot status read keeps the sequence number in the frame's first parameter byte
// and finds its fields one place off the usual answer.
constexpr int StatusSequenceByte = 4;
constexpr int StatusOptionByte = 9;
constexpr int StatusOutputStartByte = 10;
constexpr int StatusOutputLengthByte = 11;
constexpr int StatusVersionByte = 55;

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
    QByteArray answer(Frames::ReportSize, char(0x00));
    auto exchange = [&](quint8 code) {
        const quint8 sequence = Frames::advanceSequence(link.frameSequence);
        QByteArray request = Frames::hidReport(Frames::readFrame(code));
        request[StatusSequenceByte] = char(sequence);
        hidExchange(request, answer, sequence);  // what came back is shown whatever it is
    };

    if (link.currentTab == 0) {
        exchange(CmdStatus);
        link.statusPreRead = 1;
    }
    if (link.statusShown)
        return;

    exchange(CmdStatus);
    SettingsPage::showFirmwareVersion(
        *this, SettingsPage::versionOfHidBytes(answer.mid(StatusVersionByte, 8)));
    SettingsPage::applyOptionByte(*ui, quint8(answer[StatusOptionByte]));
    SettingsPage::showOutputWindow(*ui, quint8(answer[StatusOutputStartByte]),
                                   quint8(answer[StatusOutputLengthByte]), false);

    struct AffixStep
    {
        quint8 code;
        const char *debugFormat;
        QLineEdit *edit;
    };
    const AffixStep steps[] = {
        {CmdGetPre, "PreAmble Len=%d %x %x %x %x", ui->PreAmbleEdit},
        {CmdGetPost, "PostAmble Len=%d %x %x %x %x", ui->PostAmbleEdit},
        {CmdGetRemove, "Remove Data Len=%d %x %x %x %x", ui->RemoveDataEdit},
    };
    for (const AffixStep &step : steps) {
        exchange(step.code);
        qDebug(step.debugFormat, quint8(answer[0]), quint8(answer[1]), quint8(answer[2]),
               quint8(answer[3]), quint8(answer[4]));
        const int length = quint8(answer[1]);
        // The count is checked before the checksum byte it points at is read.
        if (length <= Frames::MaxAffixCodes
            && Frames::checksum(answer.left(length + 2)) == quint8(answer[length + 2]))
            step.edit->setText(plainAffixText(answer.mid(2, length)));
        if (step.code == CmdGetRemove)
            qDebug("Checksum = %x", Frames::checksum(answer.left(length + 1)));
    }
    link.statusShown = 1;
}
