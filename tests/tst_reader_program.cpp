// The virtual reader's own program on a pseudo-terminal, and the window connected to it over
// QSerialPort, as a person tries the serial side by hand.
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

#include "build_paths.h"
#include "window/app/mainwindow.h"
#include "core/platform/platform.h"
#include "plug_dir.h"
#include "reader_fixture.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

class ReaderProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); }); }
    void cleanup() { Platform::resetSeams(); }

    void shouldReadTheSettingsAndShowTheKeysItReads()
    {
        QProcess reader;
        reader.start(buildPath("KEYLON2_VIRTUAL_READER"), {"--keys", "1"});
        QVERIFY2(reader.waitForStarted(5000), qPrintable(reader.errorString()));
        QVERIFY(ReaderFixture::waitUntil([&] { return reader.canReadLine(); }));
        const QString port = QString::fromLocal8Bit(reader.readLine()).trimmed();
        QVERIFY2(port.startsWith("/dev/"), qPrintable(port));

        MainWindow w;
        uiOf(w)->Searal_radcmd->setChecked(true);
        uiOf(w)->SerialNameEdit->setText(port);
        ModalCloser closer;
        uiOf(w)->ConnectBut->click();
        QVERIFY(linkOf(w).connected);
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text, QString("Successfully obtained Keylon the set value"));
        QVERIFY2(WindowProbe::form(w).firmwareVersion().startsWith("QKR"), qPrintable(WindowProbe::form(w).firmwareVersion()));
        QVERIFY(uiOf(w)->AutoReportChk->isChecked());  // the reader's factory options

        // Each key the program reports must arrive on the Status page.
        uiOf(w)->tabWidget->setCurrentIndex(0);
        QByteArray printed;
        QStringList keys;
        QVERIFY(ReaderFixture::waitUntil([&] {
            printed += reader.readAllStandardOutput();
            keys.clear();
            for (const QByteArray &line : printed.split('\n'))
                if (line.startsWith("key:   ") && line.size() == 15)
                    keys << QString::fromLatin1(line.mid(7));
            return keys.size() >= 2;
        }, 8000));
        for (const QString &key : keys)
            QVERIFY(ReaderFixture::waitUntil([&] { return uiOf(w)->ScannerEdit->toPlainText().contains(key); }));

        uiOf(w)->ConnectBut->click();
        reader.terminate();
        QVERIFY(reader.waitForFinished(5000));
    }

    // Serial readers plugged in and pulled out through a directory, as keylon2ctl-demo lists
    // and writes them; the file keeps what the reader saved.
    void shouldPlugSerialReadersInAndOutThroughTheDirectory()
    {
        QTemporaryDir dir;
        QProcess reader;
        reader.start(buildPath("KEYLON2_VIRTUAL_READER"), {"--plug-dir", dir.path()});
        QVERIFY2(reader.waitForStarted(5000), qPrintable(reader.errorString()));
        const QString path = dir.filePath("serial-12");
        auto content = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? VirtualReader::PlugDir::parse(file.readAll())
                                                  : VirtualReader::PlugDir::ReaderFile();
        };
        auto ctl = [&dir](const QStringList &arguments, QString *out) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("KEYLON2_VIRTUAL_PLUG_DIR", dir.path());
            process.setProcessEnvironment(environment);
            process.start(buildPath("KEYLON2CTL_DEMO"), arguments);
            process.waitForFinished(30000);
            *out = QString::fromUtf8(process.readAllStandardOutput());
            return process.exitCode();
        };
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(ReaderFixture::waitUntil([&] { return !content().port.isEmpty(); }));
        const QString port = content().port;
        // Never a USB HID reader's identity (KLN2-000012 in 1-1.12).
        QCOMPARE(content().serialNumber, QStringLiteral("KLN2-100012"));

        QString out;
        QCOMPARE(ctl({"list"}, &out), 0);
        QVERIFY2(out.contains("serial:" + port + "  KLN2-100012  2-1.12  "), qPrintable(out));
        QFile cfg(dir.filePath("site.cfg"));
        QVERIFY(cfg.open(QIODevice::WriteOnly));
        cfg.write("[KEYLON]\nPreEnable=1\nPre=AB\nPostEnable=0\nPost=\nRemoveEnable=0\nRemove=\n"
                  "RemoveIDCode=0\nAutoReport=1\nBuzzer=0\nOutputStart=2\nOutputLength=9\nKBCountry=0\n");
        cfg.close();
        QCOMPARE(ctl({"write", cfg.fileName(), "--device", "serial:" + port}, &out), 0);
        QVERIFY(ReaderFixture::waitUntil([&] { return content().stored.saved.outputStart == 2; }));
        QVERIFY(content().writeFrames > 0);
        QCOMPARE(content().stored.saved.pre, QByteArray("AB"));

        QVERIFY(QFile::remove(path));
        QVERIFY(ReaderFixture::waitUntil([&] { return !QFileInfo::exists(port); }));
        QCOMPARE(ctl({"list"}, &out), 3);
        reader.terminate();
        QVERIFY(reader.waitForFinished(5000));
    }
};

QTEST_MAIN(ReaderProgramTest)
#include "tst_reader_program.moc"
