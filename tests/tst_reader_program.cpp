// The virtual reader's own program on a pseudo-terminal, and the window connected to it over
// QSerialPort, as a person tries the serial side by hand.
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

#include "app/mainwindow.h"
#include "platform/platform.h"
#include "reader_fixture.h"
#include "test_support.h"
#include "ui/ui_mainwindow.h"
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
        reader.start(QStringLiteral(KEYLON2_VIRTUAL_READER), {"--keys", "1"});
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
};

QTEST_MAIN(ReaderProgramTest)
#include "tst_reader_program.moc"
