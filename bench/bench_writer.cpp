// A talkative firmware writer in the firmware writer's dialog: stand-in writers (shell
// pipelines) print 64 MiB, as lines, as a progress line rewritten with carriage returns, and
// as one line without an end. For each: the peak growth of the process's resident memory while
// the dialog takes it in (the peak, VmHWM, is reset before the writer starts), and how long it
// took. Prints figures; asserts nothing.
//
//   bench_writer [MIB [SECONDS]]      (default 64 MiB, a writer is stopped after 300 s)
//
// Output: "limit <key> MiB <value> <goal> <what>", or "stopped: ..." when a writer did not end
// within its time (it is then stopped through the dialog's stop button).

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#include "window/maintenance/firmware_writer_dialog.h"
#include "quiet_debug.h"

namespace {

constexpr double PeakGoalMiB = 20;
int TimeoutMs = 300000;

long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// From now on VmHWM counts from the present resident size.
bool resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

struct Run
{
    bool ended = false;
    bool stopped = false;
    double seconds = 0;
    double peakMiB = 0;
};

// Runs the writer in the dialog; closes the dialog once the writer has ended, and stops the
// writer (answering the dialog's question) when it runs for too long.
Run runWriter(const QString &script)
{
    Run run;
    QElapsedTimer clock;
    QTimer operatorHand;
    QObject::connect(&operatorHand, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->button(QMessageBox::Yes)->click();
            return;
        }
        if (!modal || modal->objectName() != QLatin1String("FirmwareWriterDialog"))
            return;
        auto *close = modal->findChild<QPushButton *>(QStringLiteral("closeButton"));
        if (close && close->isEnabled()) {
            close->click();
        } else if (clock.elapsed() > TimeoutMs && !run.stopped) {
            run.stopped = true;
            QTimer::singleShot(0, modal->findChild<QPushButton *>(QStringLiteral("stopButton")), &QPushButton::click);
        }
    });
    operatorHand.start(50);

    FirmwareWriterDialog dialog;
    const long before = statusKiB("VmRSS:");
    resetPeak();
    clock.start();
    run.ended = dialog.run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    run.seconds = clock.elapsed() / 1e3;
    run.peakMiB = (statusKiB("VmHWM:") - before) / 1024.0;
    return run;
}

}  // namespace

int main(int argc, char **argv)
{
    quietDebugLines();
    QApplication app(argc, argv);
    const int mebibytes = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 64;
    if (argc > 2)
        TimeoutMs = qMax(1, QByteArray(argv[2]).toInt()) * 1000;
    const QString bytes = QString::number(qint64(mebibytes) << 20);
    if (!resetPeak())
        std::fprintf(stderr, "cannot reset the peak resident size; the figures count from the start\n");

    struct Writer
    {
        const char *key;
        const char *what;
        QString script;
    };
    const Writer writers[] = {
        {"writer.peak.lines", "lines",
         "yes 'flashmate: block 0x0001E000 written, 4096 bytes, verify ok' | head -c " + bytes},
        {"writer.peak.progress", "a progress line rewritten with carriage returns",
         "yes 'Programming flash: [##########          ]  50%' | tr '\\n' '\\r' | head -c " + bytes},
        {"writer.peak.oneline", "one line without an end", "head -c " + bytes + " /dev/zero | tr '\\0' '#'"},
    };
    for (const Writer &writer : writers) {
        const Run run = runWriter(writer.script);
        const QString what = QStringLiteral("peak memory growth, the writer prints %1 MiB: %2").arg(mebibytes).arg(writer.what);
        if (run.stopped) {
            std::printf("stopped: %s: the writer was stopped after %d s\n", qPrintable(what), TimeoutMs / 1000);
            continue;
        }
        std::printf("limit %s MiB %.1f %.0f %s\n", writer.key, run.peakMiB, PeakGoalMiB, qPrintable(what));
        std::printf("  %s: %d MiB taken in within %.1f s%s\n", writer.what, mebibytes, run.seconds,
                    run.ended ? "" : " (the writer did not end of its own)");
        std::fflush(stdout);
    }
    return 0;
}
