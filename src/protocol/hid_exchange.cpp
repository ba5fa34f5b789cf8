#include "app/mainwindow.h"

#include <QDebug>

#include "platform/platform.h"
#include "protocol/frames.h"
#include "protocol/hid_exchange.h"
#include "protocol/hid_io.h"

// Writes one request and waits for the answer that carries the complement of its sequence
// number. Answers to older requests (the reader may still hold one) are read and skipped.
bool MainWindow::hidExchange(const QByteArray &request, QByteArray &answer, quint8 expected)
{
    answer.fill(char(0x00), qMax(answer.size(), Frames::ReportSize));

    bool written = false;
    for (int write = 1; write <= HidExchange::MaxWrites; ++write) {
        if (writeHidReport(link.hidDevice, request) >= 0) {
            // The last write is made after three failures; even when it goes through, the
            // exchange has given up on this request.
            written = write < HidExchange::MaxWrites;
            break;
        }
        if (write == HidExchange::MaxWrites)
            break;
        const QString error = hidErrorText(link.hidDevice);
        qDebug("Unable to write Get Attach PreAmble Data command\n");
        qDebug("Error: %ls\n", qUtf16Printable(error));
    }
    if (!written)
        return false;

    // A reader that never answers must not freeze the window: the reads are bounded.
    for (int read = 0; read < HidExchange::MaxReads; ++read) {
        Platform::sleepMs(HidExchange::AnswerPauseMs);
        for (int i = 0; i < 4; ++i)
            answer[i] = char(0x00);
        // hid_read would block for ever on a reader that keeps silent.
        const int received =
            hid_read_timeout(link.hidDevice, reinterpret_cast<unsigned char *>(answer.data()),
                             size_t(Frames::ReportSize), HidExchange::ReadTimeoutMs);
        if (received < 0)
            qDebug("Unable to read PreAmble Data \n");
        qDebug("Read = %x %x %x", quint8(answer[48]), quint8(answer[49]), quint8(answer[50]));
        if (received <= 0)
            continue;
        if (!Frames::answerMatches(answer, expected))
            continue;  // the answer to some other request
        return true;
    }
    return false;
}
