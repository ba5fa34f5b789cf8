#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "window/maintenance/writer_output.h"
#include "core/platform/platform.h"
#include "build_paths.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

using ReaderFixture::Reader;
using VirtualReader::Model;

namespace {

const QByteArray IspFrame = QByteArray::fromHex("1b42ff55aa55aa0d");
const QString Marker = QStringLiteral("flashmate.ran");

// A stand-in firmware writer in the working directory: it notes its arguments in the marker
// file and exits with the given code.
void installWriter(int exitCode, bool executable = true)
{
    QFile::remove(Marker);
    QFile writer(Platform::firmwareWriterProgram());
    QVERIFY(writer.open(QIODevice::WriteOnly | QIODevice::Truncate));
    writer.write(QString("#!/bin/sh\nprintf '%s\\n' \"$@\" > %1\nexit %2\n").arg(Marker).arg(exitCode).toUtf8());
    writer.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY(writer.setPermissions(permissions));
}

void removeWriter()
{
    QFile::remove(Platform::firmwareWriterProgram());
    QFile::remove(Marker);
}

QByteArray writerArguments()
{
    QFile marker(Marker);
    return marker.open(QIODevice::ReadOnly) ? marker.readAll() : QByteArray();
}

// What the program logged, without the offscreen platform's own complaints.
QStringList programLines(const DebugCapture &debug)
{
    QStringList lines = debug.lines();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QString &line) { return line.contains("propagateSizeHints"); }),
                lines.end());
    return lines;
}

// Plays the operator in front of the writer's dialog: notes what it showed and presses Close
// once the writer has ended. `step` runs on each look while the writer still runs.
struct WriterDialog
{
    QString output;
    QString end;
    bool closeEnabledWhileRunning = false;
    std::function<void(QDialog *)> step;

    void watch(ModalCloser &closer)
    {
        closer.setDialogHandler([this](QDialog *dialog) {
            auto *close = dialog->findChild<QPushButton *>("closeButton");
            output = dialog->findChild<QPlainTextEdit *>("writerOutput")->toPlainText();
            end = dialog->findChild<QLabel *>("writerEnd")->text();
            if (!close->isEnabled()) {
                if (step)
                    step(dialog);
                return;
            }
            if (!dialog->property("closing").toBool()) {
                dialog->setProperty("closing", true);
                QTimer::singleShot(0, close, &QPushButton::click);
            }
        });
    }
};

QString endText(int exitCode)
{
    return QString("The firmware writer ended with exit code %1. Connect again when the reader is back.")
        .arg(exitCode);
}

// What the window looked like at each pause it asked for.
struct PauseRecord
{
    unsigned ms;
    bool connected;
    bool linkOpen;
    bool writerRan;
};

}  // namespace

class FirmwareUpdateTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;
    QList<PauseRecord> pauses;

    void recordPauses(MainWindow &window)
    {
        pauses.clear();
        Platform::setSleepFunction([this, &window](unsigned ms) {
            const bool linkOpen = linkOf(window).hidDevice || (serialPortOf(window) && serialPortOf(window)->isOpen());
            pauses.append({ms, bool(linkOf(window).connected), linkOpen, QFile::exists(Marker)});
        });
    }

private slots:
    void init()
    {
        bench.start();
        removeWriter();
    }
    void cleanup()
    {
        bench.stop();
        removeWriter();
    }

    void shouldSendIspModeThenRunTheWriter_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("refused");  // USB HID writes the reader refuses first
        QTest::newRow("USB HID") << false << 0;
        QTest::newRow("USB HID, the second attempt gets through") << false << 1;
        QTest::newRow("serial") << true << 0;
    }
    void shouldSendIspModeThenRunTheWriter()
    {
        QFETCH(bool, serial);
        QFETCH(int, refused);
        installWriter(0);
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, serial));
        Model::instance().setFaults([&] { VirtualReader::Faults f; f.failWriteNumber = refused; return f; }());
        recordPauses(window);
        DebugCapture debug;
        ModalCloser closer;
        WriterDialog dialog;
        dialog.watch(closer);
        window.FWUpdateClick();

        QCOMPARE(dialog.end, endText(0));
        if (serial) {
            QTRY_COMPARE(Model::instance().serialBytesReceived().toHex(' '), IspFrame.toHex(' '));
            QVERIFY(debug.contains("serial_buf: aa 55"));
            QVERIFY(debug.contains("KLN2_Device disconnect"));
            QVERIFY(!serialPortOf(window)->isOpen());
        } else {
            QByteArray report(65, '\0');
            report.replace(1, 8, IspFrame);
            QCOMPARE(Model::instance().receivedFrames(), QList<QByteArray>{report});
            QCOMPARE(Model::instance().hidWriteAttempts(), 1 + refused);
            QCOMPARE(debug.count("Unable to write()\n"), refused);
            QVERIFY(debug.contains("Z400_Device disconnect"));
        }
        QTRY_VERIFY(Model::instance().inIspMode());
        QCOMPARE(closer.count(), 0);
        // Link dropped, then the one-second pause, then the writer.
        QCOMPARE(pauses.size(), 1);
        QCOMPARE(pauses[0].ms, 1000u);
        QVERIFY(!pauses[0].connected);
        QVERIFY(!pauses[0].linkOpen);
        QVERIFY(!pauses[0].writerRan);
        QCOMPARE(writerArguments(), QByteArray("RECONNKLN\n"));
        QVERIFY(debug.contains("FWUpdate success"));
        QVERIFY(!debug.contains("FWUpdate fail"));
        QVERIFY(!linkOf(window).connected);
        QVERIFY(!linkOf(window).hidDevice);
        QVERIFY(!linkOf(window).pollTimer);
        QVERIFY(!uiOf(window)->SetKLNStatusBut->isEnabled());
        QVERIFY(window.isVisible());
    }

    void shouldGiveUpAfterThreeRefusedWrites()
    {
        installWriter(0);
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, false));
        Model::instance().clearReceived();
        Model::instance().setFaults([] { VirtualReader::Faults f; f.failAllWrites = true; return f; }());
        recordPauses(window);
        DebugCapture debug;
        ModalCloser closer;
        bool hadDefaultButton = true;
        closer.setInspector([&](QMessageBox *box) { hadDefaultButton = box->defaultButton() != nullptr; });
        window.FWUpdateClick();

        QCOMPARE(Model::instance().hidWriteAttempts(), 3);
        const QStringList lines = programLines(debug);
        QCOMPARE(lines.size(), 6);
        for (int i = 0; i < 6; i += 2) {
            QCOMPARE(lines[i], QString("Unable to write()\n"));
            QVERIFY(lines[i + 1].startsWith("Error: "));
        }
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString("ISP Mode"));
        QCOMPARE(closer.last().text, QString("Can't send ISP mode command to device, please check your Keylon device!!"));
        QCOMPARE(closer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Yes));
        QVERIFY(!hadDefaultButton);
        QVERIFY(!closer.last().hadParent);
        QVERIFY(pauses.isEmpty());
        QVERIFY(!QFile::exists(Marker));
        QVERIFY(linkOf(window).connected);
        QVERIFY(linkOf(window).hidDevice);
    }

    // Only whether the writer ran to its end counts, not what it said. A writer that is not
    // there, or may not be executed, is found out before the reader is sent to its loader.
    void shouldJudgeTheWriterByItsEndAlone_data()
    {
        QTest::addColumn<int>("writer");  // exit code, -1 missing, -2 not executable
        QTest::addColumn<QString>("verdict");  // empty: nothing sent, nothing run
        QTest::newRow("exit 0") << 0 << "FWUpdate success";
        QTest::newRow("exit 3") << 3 << "FWUpdate success";
        QTest::newRow("missing") << -1 << QString();
        QTest::newRow("not executable") << -2 << QString();
    }
    void shouldJudgeTheWriterByItsEndAlone()
    {
        QFETCH(int, writer);
        QFETCH(QString, verdict);
        if (writer != -1)
            installWriter(qMax(writer, 0), writer != -2);
        Reader reader;
        MainWindow window;
        QVERIFY(reader.connectQuietly(window, false));
        recordPauses(window);
        DebugCapture debug;
        ModalCloser closer;
        WriterDialog dialog;
        dialog.watch(closer);
        window.FWUpdateClick();

        if (verdict.isEmpty()) {
            QCOMPARE(closer.count(), 1);
            QCOMPARE(closer.last().title, QString("FW Update"));
            QCOMPARE(closer.last().text, QString("The firmware writer flashmate was not found in %1; nothing was"
                                                 " sent to the reader.").arg(QDir::currentPath()));
            QCOMPARE(closer.last().icon, QMessageBox::Warning);
            QVERIFY(Model::instance().receivedFrames().isEmpty());
            QVERIFY(!Model::instance().inIspMode());
            QVERIFY(pauses.isEmpty());
            QVERIFY(linkOf(window).connected);
            QVERIFY(linkOf(window).hidDevice);
            QVERIFY(!debug.contains("FWUpdate fail") && !debug.contains("FWUpdate success"));
            return;
        }
        QCOMPARE(programLines(debug).last(), verdict);
        QVERIFY(QFile::exists(Marker));
        QCOMPARE(dialog.end, endText(writer));
        QCOMPARE(closer.count(), 0);
        QVERIFY(!linkOf(window).connected);
        QVERIFY(!linkOf(window).hidDevice);
    }

    // A writer that never ends, or that waits for input, keeps the window alive: the dialog
    // shows what it printed, the event loop runs, and stopping it asks first.
    void shouldKeepTheWindowAliveWhileTheWriterRuns_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("end");
        QTest::newRow("never ends, stopped") << QByteArray("echo writing; exec sleep 60") << true
                                             << "writing\n" << endText(9);
        QTest::newRow("reads its input") << QByteArray("read line; echo \"got [$line]\"; exit 4") << false
                                         << "got []\n" << endText(4);
        QTest::newRow("a progress line") << QByteArray("printf 'writing  10%%\\r'; sleep 0.3; printf 'writing 100%%\\r\\n'; "
                                                       "echo done")
                                         << false << "writing 100%\ndone\n" << endText(0);
    }
    void shouldKeepTheWindowAliveWhileTheWriterRuns()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, stop);
        QFETCH(QString, output);
        QFETCH(QString, end);
        QFile file(Platform::firmwareWriterProgram());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + script + "\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, false));
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(10);
        DebugCapture debug;
        ModalCloser closer(QMessageBox::No);
        WriterDialog dialog;
        int asked = 0;
        dialog.step = [&](QDialog *shown) {
            // Once it has printed: first No (it goes on), then Yes (it stops).
            if (!stop || dialog.output.isEmpty() || shown->property("asking").toBool() || asked == 2)
                return;
            closer.setAnswer(asked == 0 ? QMessageBox::No : QMessageBox::Yes);
            ++asked;
            shown->setProperty("asking", true);
            QTimer::singleShot(0, shown->findChild<QPushButton *>("stopButton"), [shown] {
                shown->findChild<QPushButton *>("stopButton")->click();
                shown->setProperty("asking", false);
            });
        };
        dialog.watch(closer);
        window.FWUpdateClick();

        QVERIFY(ticks > 0);  // the window's own timers ran while the dialog was up
        QCOMPARE(dialog.output, output);
        QCOMPARE(dialog.end, end);
        QCOMPARE(closer.count(), stop ? 2 : 0);
        for (const ModalCloser::Box &box : closer.boxes()) {
            QCOMPARE(box.title, QString("FW Update"));
            QCOMPARE(box.text, QString("Stopping the writer can leave the reader without working firmware. Stop it?"));
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        }
        QCOMPARE(programLines(debug).last(), QString(stop ? "FWUpdate fail" : "FWUpdate success"));
    }

    // What the writer prints, in the reads it comes in: a carriage return writes over its line
    // as a terminal does, and only the end of a long output is kept.
    void shouldKeepTheEndOfWhatTheWriterPrints_data()
    {
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<QString>("shown");
        QTest::newRow("progress") << QStringList{"Writing  10%\r", "Writing  55%\r", "Writing 100%\r\n", "done\n"}
                                  << "Writing 100%\ndone\n";
        QTest::newRow("carriage return, the rest in the next read") << QStringList{"abcd\r", "xy", "\n"} << "xycd\n";
        QTest::newRow("CR LF cut between reads") << QStringList{"line one\r", "\nline two"} << "line one\nline two";

        QStringList lines;
        QString kept = WriterOutput::LeftOut + '\n';
        for (int i = 0; i < WriterOutput::MaxLines + 1000; ++i) {
            lines << QString("line %1\n").arg(i);
            if (i >= 1000)
                kept += lines.last();
        }
        QTest::newRow("lines") << lines << kept;
        QTest::newRow("lines, in one read") << QStringList{lines.join(QString())} << kept;

        // Lines of a thousand characters with their ends: the last 1048 fit in 1 MiB.
        const QString line = QString(999, '#') + '\n';
        QStringList thousands;
        for (int i = 0; i < 2000; ++i)
            thousands << line;
        QTest::newRow("characters") << thousands << WriterOutput::LeftOut + '\n' + line.repeated(1048);
    }
    void shouldKeepTheEndOfWhatTheWriterPrints()
    {
        QFETCH(QStringList, reads);
        QFETCH(QString, shown);
        QPlainTextEdit view;
        WriterOutput output(&view);
        for (const QString &read : reads)
            output.append(read);
        QCOMPARE(view.toPlainText(), shown);
    }

    // "Connect and check" after the stand-in writer flashmate: the reader found back, connected
    // over the same transport, its version and settings held against those it had.
    void shouldCheckTheReaderAfterTheWriter_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("texts");  // the check's boxes, after the connect's read
        QTest::addColumn<QByteArray>("version");  // what the reader reports at the end
        const QString updated = "The reader is back with firmware 1.21 (before the update: 1.20). ";
        const QString restored = "These settings are not as before the update: OutputStart, OutputLength. "
                                 "Write back those of before?";
        const QString written = "The settings of before the update were written back: OutputStart, OutputLength.";
        QTest::newRow("USB HID, reset and written back") << false << QString() << QStringList{updated + restored, written}
                                                         << QByteArray("1.21");
        QTest::newRow("serial, reset and written back") << true << QString()
                                                        << QStringList{"The reader is back with firmware QKR1.3 (before the "
                                                                       "update: QKR1.2). " + restored, written}
                                                        << QByteArray("1.30");
        QTest::newRow("unchanged") << false << "unchanged"
                                   << QStringList{"The reader is back and still reports firmware 1.20: the update did not "
                                                  "change it. Its settings are as before."}
                                   << QByteArray("1.20");
        QTest::newRow("another reader") << false << "another"
                                        << QStringList{"Another reader (serial number KLN2-900001) came back where the reader "
                                                       "was; nothing was written to it."}
                                        << QByteArray("1.21");
    }
    void shouldCheckTheReaderAfterTheWriter()
    {
        QFETCH(bool, serial);
        QFETCH(QString, fault);
        QFETCH(QStringList, texts);
        QFETCH(QByteArray, version);
        removeWriter();
        QVERIFY(QFile::link(buildPath("KEYLON2_FLASHMATE"), Platform::firmwareWriterProgram()));
        qputenv("KEYLON2_FLASHMATE_MS", "20");
        qputenv("KEYLON2_FLASHMATE_FAULT", fault.toUtf8());
        // The serial line tells three characters of the version.
        if (serial)
            qputenv("KEYLON2_FLASHMATE_VERSION", "1.30");
        Model::Stored kept = Model::instance().stored();
        kept.saved.outputStart = 1;
        kept.saved.outputLength = 6;
        Model::instance().powerUp(kept);
        Reader reader;
        // The reader's port as the system lists a USB serial port, by the reader's serial number.
        Platform::setPortEnumerator([&reader] {
            const QString port = reader.endpoint.portPath();
            Platform::PortRecord record{port, "Keylon2", port, "", 0x0416, 0xF100};
            record.serialNumber = Model::instance().serialNumber();
            return QList<Platform::PortRecord>{record};
        });
        auto systemPorts = qScopeGuard([] { Platform::setPortEnumerator({}); });
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, serial));
        ModalCloser closer;
        closer.setDialogHandler([](QDialog *dialog) {
            auto *check = dialog->findChild<QPushButton *>("checkButton");
            if (check->isEnabled() && !dialog->property("closing").toBool()) {
                dialog->setProperty("closing", true);
                QTimer::singleShot(0, check, &QPushButton::click);
            }
        });
        window.FWUpdateClick();
        qunsetenv("KEYLON2_FLASHMATE_FAULT");
        qunsetenv("KEYLON2_FLASHMATE_VERSION");

        QStringList shown;
        for (const ModalCloser::Box &box : closer.boxes()) {
            if (box.title == "FW Update")
                shown << box.text;
        }
        QCOMPARE(shown.join("\n"), texts.join("\n"));
        QCOMPARE(Model::instance().stored().version.left(4), version);
        // Written back, or never written: the reader keeps its output window of before,
        // except where the writer reset a reader that was then left alone.
        const bool reset = fault.isEmpty();
        QCOMPARE(Model::instance().stored().saved.outputLength, quint8(reset || fault == "unchanged" ? 6 : 8));
        QCOMPARE(bool(linkOf(window).connected), fault != "another");
    }
};

QTEST_MAIN(FirmwareUpdateTest)
#include "tst_firmware_update.moc"
