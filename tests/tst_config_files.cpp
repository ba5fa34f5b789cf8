#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/mainwindow.h"
#include "config/config_mapping.h"
#include "config/file_dialogs.h"
#include "reader_model.h"
#include "test_support.h"
#include "ui/ui_mainwindow.h"

Q_DECLARE_METATYPE(ConfigPage)

namespace {

QStringList dialogCalls;  // parent, caption, start directory and filter of each file dialog
QString dialogAnswer;

QString answerDialog(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    dialogCalls << QString("%1|%2|%3|%4").arg(parent->objectName(), caption, dir, filter);
    return dialogAnswer;
}

void setPage(MainWindow &w, const ConfigPage &p)
{
    w.ui->PreAmbleChk->setChecked(p.preEnable);
    w.ui->PostAmbleChk->setChecked(p.postEnable);
    w.ui->RemoveDataChk->setChecked(p.removeEnable);
    w.ui->RemoveIDCodeChk->setChecked(p.removeIdCode);
    w.ui->AutoReportChk->setChecked(p.autoReport);
    w.ui->BuzzerEnableChk->setChecked(p.buzzer);
    w.ui->PreAmbleEdit->setText(p.pre);
    w.ui->PostAmbleEdit->setText(p.post);
    w.ui->RemoveDataEdit->setText(p.remove);
    w.ui->KLNOutStartEdit->setText(p.outputStart);
    w.ui->KLNOutLengthEdit->setText(p.outputLength);
    w.ui->KB_cmb->setCurrentIndex(p.kbCountry);
}

QString pageState(const QList<bool> &flags, const QStringList &texts, int country)
{
    QString state;
    for (bool flag : flags)
        state += flag ? '1' : '0';
    return state + '|' + texts.join('|') + '|' + QString::number(country);
}

QString pageState(MainWindow &w)
{
    const Ui::MainWindow *u = w.ui;
    return pageState({u->PreAmbleChk->isChecked(), u->PostAmbleChk->isChecked(), u->RemoveDataChk->isChecked(),
                      u->RemoveIDCodeChk->isChecked(), u->AutoReportChk->isChecked(), u->BuzzerEnableChk->isChecked()},
                     {u->PreAmbleEdit->text(), u->PostAmbleEdit->text(), u->RemoveDataEdit->text(),
                      u->KLNOutStartEdit->text(), u->KLNOutLengthEdit->text()},
                     u->KB_cmb->currentIndex());
}

QString pageState(const ConfigPage &p)
{
    return pageState({p.preEnable, p.postEnable, p.removeEnable, p.removeIdCode, p.autoReport, p.buzzer},
                     {p.pre, p.post, p.remove, p.outputStart, p.outputLength}, p.kbCountry);
}

ConfigPage fullPage()
{
    ConfigPage p;
    p.preEnable = p.postEnable = p.removeEnable = p.removeIdCode = p.autoReport = p.buzzer = true;
    p.pre = "AB[CR][LF]";
    p.post = "[0x7F]x";
    p.remove = " a,b;c\\d %1 = \"q\"";  // the library's escapes and quoting
    p.outputStart = "3";
    p.outputLength = "12";
    p.kbCountry = 4;
    return p;
}

const QString Data = QStringLiteral(KEYLON2_TEST_DATA "/config/");

}  // namespace

class ConfigFilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int fileNumber = 0;

    // The settings library keeps what it read by path, so a file that is read back in this
    // process is always a fresh copy under a name never used before.
    QString freshPath() { return dir.filePath(QString("%1.cfg").arg(++fileNumber)); }
    QString copyOf(const QString &path)
    {
        const QString copy = freshPath();
        return QFile::copy(path, copy) ? copy : QString();
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A window whose settings page can be clicked, as after a connect.
    struct Window : MainWindow
    {
        Window() { setObjectName("window"); EnableControls(true); }
        void exportTo(const QString &path) { dialogAnswer = path; ui->ExportBut->click(); }
        void importFrom(const QString &path) { dialogAnswer = path; ui->ImportBut->click(); }
    };

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        VirtualReader::Model::instance().reset();
        FileDialogs::getSaveFileName = answerDialog;
        FileDialogs::getOpenFileName = answerDialog;
    }
    void cleanupTestCase()
    {
        FileDialogs::reset();
        QFile::remove("Default.cfg");
    }
    void init() { dialogCalls.clear(); }

    void shouldRestoreEveryFieldAfterExportAndImport_data()
    {
        QTest::addColumn<ConfigPage>("page");
        QTest::newRow("all on") << fullPage();
        ConfigPage off;
        off.outputStart = off.outputLength = "0";
        QTest::newRow("all off") << off;
    }
    void shouldRestoreEveryFieldAfterExportAndImport()
    {
        QFETCH(ConfigPage, page);
        Window source;
        setPage(source, page);
        const QString path = freshPath();
        source.exportTo(path);

        Window target;  // starts from the opposite state, so every field has to move
        ConfigPage other = page.preEnable ? ConfigPage() : fullPage();
        other.kbCountry = 2;
        setPage(target, other);
        target.importFrom(copyOf(path));
        QCOMPARE(pageState(target), pageState(page));
        QCOMPARE(dialogCalls, (QStringList{"window|Save Config|.|Config Files(*.cfg)",
                                           "window|Open Config|.|Config Files(*.cfg)"}));
    }

    // The version and the interface come from the link, the output window as numbers.
    void shouldWriteTheLinkAndTheOutputNumbers()
    {
        Window w;
        w.ui->KLNOutStartEdit->setText("abc");
        const QString first = freshPath();
        w.exportTo(first);
        QVERIFY(bytesOf(first).contains("[FW]\nVer=\n"));
        QVERIFY(bytesOf(first).contains("Interface=0\n"));
        QVERIFY(bytesOf(first).contains("OutputStart=0\n"));

        w.link.serialActive = 1;  // as after a serial connect that read the version
        w.link.firmwareVersion = "QKR1.20";
        const QString second = freshPath();
        w.exportTo(second);
        QVERIFY(bytesOf(second).contains("[FW]\nVer=QKR1.20\n"));
        QVERIFY(bytesOf(second).contains("Interface=1\n"));

        Window other;
        other.importFrom(copyOf(second));
        QCOMPARE(other.link.interfaceSetting, quint8(1));
        QCOMPARE(other.ui->KLNOutStartEdit->text(), QString("0"));
    }

    // UTF-8 both ways: what export writes comes back unchanged; ASCII escapes read as before.
    void shouldKeepTextOutsideAsciiOnTheWayBack()
    {
        Window w;
        w.ui->PreAmbleEdit->setText(QString::fromUtf8("é"));
        w.ui->PostAmbleEdit->setText(QString::fromUtf8("Grüße [CR]€"));
        const QString path = freshPath();
        w.exportTo(path);
        QVERIFY(bytesOf(path).contains("Pre=\xc3\xa9\n"));

        Window back;
        back.importFrom(copyOf(path));
        QCOMPARE(back.ui->PreAmbleEdit->text(), QString(QChar(0xE9)));
        QCOMPARE(back.ui->PostAmbleEdit->text(), QString::fromUtf8("Grüße [CR]€"));

        QFile escaped(freshPath());
        QVERIFY(escaped.open(QIODevice::WriteOnly));
        escaped.write("[KEYLON]\nPre=\\xe9\nPost=\"a,b\"\n");
        escaped.close();
        back.importFrom(escaped.fileName());
        QCOMPARE(back.ui->PreAmbleEdit->text(), QString(QChar(0xE9)));
        QCOMPARE(back.ui->PostAmbleEdit->text(), QString("a,b"));
    }

    // Every key that a file lacks takes its absent value; nothing is reported.
    void shouldClearThePageForFilesWithoutOurKeys_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("only the version") << Data + "fw_only.cfg";
        QTest::newRow("binary garbage") << Data + "garbage.cfg";
        QTest::newRow("another program's INI") << Data + "foreign.ini";
        QTest::newRow("a directory") << Data;
        QTest::newRow("no such file") << Data + "missing.cfg";
    }
    void shouldClearThePageForFilesWithoutOurKeys()
    {
        QFETCH(QString, path);
        Window w;
        setPage(w, fullPage());
        w.link.interfaceSetting = 1;
        ModalCloser closer(QMessageBox::Ok);
        w.importFrom(path);
        QCOMPARE(pageState(w), pageState(ConfigPage()));
        QCOMPARE(w.link.interfaceSetting, quint8(0));
        QCOMPARE(closer.count(), 0);
    }

    // Check states are set, not clicked: the enable actions do not run.
    void shouldLeaveBothRemoveBoxesTickedFromAFile()
    {
        Window w;
        w.ui->RemoveDataEdit->setEnabled(false);
        setPage(w, fullPage());
        w.importFrom(Data + "both_remove.cfg");
        QVERIFY(w.ui->RemoveDataChk->isChecked() && w.ui->RemoveIDCodeChk->isChecked());
        QVERIFY(!w.ui->RemoveDataEdit->isEnabled());
        // "false", "TRUE", an empty value and 0
        QVERIFY(!w.ui->PreAmbleChk->isChecked() && w.ui->PostAmbleChk->isChecked());
        QVERIFY(!w.ui->AutoReportChk->isChecked() && !w.ui->BuzzerEnableChk->isChecked());
        QCOMPARE(w.ui->KB_cmb->currentIndex(), -1);  // a country past the end of the list
    }

    // A comma in an unquoted value makes the INI reader see a list; the affix must survive.
    void shouldKeepCommasOfHandWrittenTexts()
    {
        Window w;
        w.importFrom(Data + "hand_written.cfg");
        QCOMPARE(w.ui->PreAmbleEdit->text(), QString("AB,[CR]"));
        QCOMPARE(w.ui->PostAmbleEdit->text(), QString("X,Y"));
        QCOMPARE(w.ui->RemoveDataEdit->text(), QString("plain"));
    }

    void shouldShowAMessageAndChangeNothingWhenCancelled_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("export") << "ExportBut" << "Config File" << "You didn't input config file."
                                << int(QMessageBox::Warning);
        QTest::newRow("import") << "ImportBut" << "Open Config" << "You didn't select any files."
                                << int(QMessageBox::Information);
        QTest::newRow("default") << "DefaultBut" << "Default File" << "Can not found default.cfg file."
                                 << int(QMessageBox::Warning);
    }
    void shouldShowAMessageAndChangeNothingWhenCancelled()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);
        Window w;
        setPage(w, fullPage());
        w.link.interfaceSetting = 1;
        const QStringList files = QDir::current().entryList(QDir::Files);
        dialogAnswer.clear();
        ModalCloser closer(QMessageBox::Ok);
        w.findChild<QPushButton *>(button)->click();
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, title);
        QCOMPARE(closer.last().text, text);
        QCOMPARE(int(closer.last().icon), icon);
        QCOMPARE(closer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!closer.last().hadParent);
        QCOMPARE(pageState(w), pageState(fullPage()));
        QCOMPARE(w.link.interfaceSetting, quint8(1));
        QCOMPARE(QDir::current().entryList(QDir::Files), files);
    }

    void shouldLoadTheDefaultFileButNotItsInterface()
    {
        Window w;
        w.ui->PreAmbleEdit->setEnabled(false);
        QFile file("Default.cfg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[FW]\nVer=9.99\n[KEYLON]\nInterface=1\nPreEnable=1\nPre=\xc3\xa9[CR]\nKBCountry=3\n");
        file.close();
        ModalCloser closer(QMessageBox::Ok);
        w.ui->DefaultBut->click();
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString("Load Default"));
        QCOMPARE(closer.last().text,
                 QString("The default file is successfully loaded, click the Set Status write to Keylon device."));
        QCOMPARE(closer.last().icon, QMessageBox::Warning);
        QCOMPARE(closer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!closer.last().hadParent);
        ConfigPage expected;
        expected.preEnable = true;
        expected.pre = QString::fromUtf8("é[CR]");
        expected.kbCountry = 3;
        QCOMPARE(pageState(w), pageState(expected));
        QCOMPARE(w.link.interfaceSetting, quint8(0));
        QVERIFY(!w.ui->PreAmbleEdit->isEnabled());
        QVERIFY(dialogCalls.isEmpty());
    }
};

QTEST_MAIN(ConfigFilesTest)
#include "tst_config_files.moc"
