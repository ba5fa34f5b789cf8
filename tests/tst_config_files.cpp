#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "app/mainwindow.h"
#include "config/config_mapping.h"
#include "config/file_dialogs.h"
#include "test_support.h"
#include "ui/ui_mainwindow.h"
#include "reader_model.h"

Q_DECLARE_METATYPE(ConfigPage)

namespace {

// What the stand-in file dialogs were asked and what they answer.
struct DialogCall
{
    QWidget *parent = nullptr;
    QString caption, dir, filter;
};
QList<DialogCall> dialogCalls;
QString dialogAnswer;

QString answerDialog(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    dialogCalls.append({parent, caption, dir, filter});
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

// The page as the operator sees it (interface and version are not on the page).
QStringList pageState(MainWindow &w)
{
    auto flag = [](QCheckBox *box) { return QString(box->isChecked() ? "1" : "0"); };
    return {flag(w.ui->PreAmbleChk),      flag(w.ui->PostAmbleChk), flag(w.ui->RemoveDataChk),
            flag(w.ui->RemoveIDCodeChk),  flag(w.ui->AutoReportChk), flag(w.ui->BuzzerEnableChk),
            w.ui->PreAmbleEdit->text(),   w.ui->PostAmbleEdit->text(), w.ui->RemoveDataEdit->text(),
            w.ui->KLNOutStartEdit->text(), w.ui->KLNOutLengthEdit->text(),
            QString::number(w.ui->KB_cmb->currentIndex())};
}

QStringList pageState(const ConfigPage &p)
{
    auto flag = [](bool on) { return QString(on ? "1" : "0"); };
    return {flag(p.preEnable),  flag(p.postEnable), flag(p.removeEnable), flag(p.removeIdCode),
            flag(p.autoReport), flag(p.buzzer),     p.pre,                p.post,
            p.remove,           p.outputStart,      p.outputLength,       QString::number(p.kbCountry)};
}

ConfigPage fullPage()
{
    ConfigPage p;
    p.preEnable = p.postEnable = p.removeEnable = p.removeIdCode = p.autoReport = p.buzzer = true;
    p.pre = "AB[CR][LF]";
    p.post = "[0x7F]x";
    p.remove = "a,b;c\\d %1 = \"q\"";
    p.outputStart = "3";
    p.outputLength = "12";
    p.kbCountry = 4;
    return p;
}

const ConfigPage clearedPage;  // every key absent

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ConfigFilesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int fileNumber = 0;

    // A new name for each file: the settings library keeps what it read by path, so a file
    // read back in this process must never have been touched under the same name before.
    QString freshPath(const QString &stem = "page")
    {
        return dir.filePath(QString("%1-%2.cfg").arg(stem).arg(++fileNumber));
    }

    QString copyOf(const QString &path)
    {
        const QString copy = freshPath("copy");
        if (!QFile::copy(path, copy))
            qFatal("cannot copy %s", qPrintable(path));
        return copy;
    }

    void exportTo(MainWindow &w, const QString &path)
    {
        dialogAnswer = path;
        w.ui->ExportBut->click();
    }

    void importFrom(MainWindow &w, const QString &path)
    {
        dialogAnswer = path;
        w.ui->ImportBut->click();
    }

    // A window whose settings page can be clicked, as after a connect.
    void openPage(MainWindow &w) { w.EnableControls(true); }

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
        QFile::remove(QDir::currentPath() + "/Default.cfg");
    }

    void init()
    {
        dialogCalls.clear();
        dialogAnswer.clear();
        QFile::remove(QDir::currentPath() + "/Default.cfg");
    }

    void shouldRestoreEveryFieldAfterExportAndImport_data()
    {
        QTest::addColumn<ConfigPage>("page");
        QTest::newRow("all on") << fullPage();
        ConfigPage off;
        off.outputStart = "0";
        off.outputLength = "0";
        QTest::newRow("all off") << off;
    }
    void shouldRestoreEveryFieldAfterExportAndImport()
    {
        QFETCH(ConfigPage, page);
        MainWindow source;
        openPage(source);
        setPage(source, page);
        const QString path = freshPath();
        exportTo(source, path);
        QCOMPARE(dialogCalls.size(), 1);
        QCOMPARE(dialogCalls[0].parent, &source);
        QCOMPARE(dialogCalls[0].caption, QString("Save Config"));
        QCOMPARE(dialogCalls[0].dir, QString("."));
        QCOMPARE(dialogCalls[0].filter, QString("Config Files(*.cfg)"));

        // The target starts from the opposite state, so every field has to move.
        MainWindow target;
        openPage(target);
        ConfigPage other = page.preEnable ? ConfigPage() : fullPage();
        other.pre = "old pre";
        other.kbCountry = page.kbCountry == 2 ? 3 : 2;
        setPage(target, other);
        importFrom(target, copyOf(path));
        QCOMPARE(dialogCalls.size(), 2);
        QCOMPARE(dialogCalls[1].parent, &target);
        QCOMPARE(dialogCalls[1].caption, QString("Open Config"));
        QCOMPARE(dialogCalls[1].dir, QString("."));
        QCOMPARE(dialogCalls[1].filter, QString("Config Files(*.cfg)"));
        QCOMPARE(pageState(target), pageState(page));
    }

    void shouldWriteTheVersionAndTheTransportOfTheLink()
    {
        MainWindow w;
        openPage(w);
        const QString before = freshPath();
        exportTo(w, before);
        {
            QSettings file(copyOf(before), QSettings::IniFormat);
            QCOMPARE(file.value("FW/Ver").toString(), QString());
            QCOMPARE(file.value("KEYLON/Interface").toString(), QString("0"));
        }

        // As after a serial connect that read the version.
        w.link.serialActive = 1;
        w.link.firmwareVersion = "QKR1.20";
        const QString after = freshPath();
        exportTo(w, after);
        QSettings file(copyOf(after), QSettings::IniFormat);
        QCOMPARE(file.value("FW/Ver").toString(), QString("QKR1.20"));
        QCOMPARE(file.value("KEYLON/Interface").toString(), QString("1"));
        QCOMPARE(file.allKeys().size(), 14);

        // Importing it tells the write which interface the reader is to get.
        MainWindow other;
        openPage(other);
        QCOMPARE(other.link.interfaceSetting, quint8(0));
        importFrom(other, copyOf(after));
        QCOMPARE(other.link.interfaceSetting, quint8(1));
    }

    void shouldWriteZeroForAnOutputFieldThatIsNoNumber()
    {
        MainWindow w;
        openPage(w);
        w.ui->KLNOutStartEdit->setText("abc");
        w.ui->KLNOutLengthEdit->setText("0x10");
        const QString path = freshPath();
        exportTo(w, path);
        const QByteArray bytes = fileBytes(path);
        QVERIFY2(bytes.contains("OutputStart=0\n"), bytes.constData());
        QVERIFY2(bytes.contains("OutputLength=0\n"), bytes.constData());

        importFrom(w, copyOf(path));
        QCOMPARE(w.ui->KLNOutStartEdit->text(), QString("0"));
        QCOMPARE(w.ui->KLNOutLengthEdit->text(), QString("0"));
    }

    // The file is UTF-8 both ways: what export writes comes back unchanged.
    void shouldKeepTextOutsideAsciiOnTheWayBack()
    {
        MainWindow w;
        openPage(w);
        w.ui->PreAmbleEdit->setText(QString::fromUtf8("é"));
        w.ui->PostAmbleEdit->setText(QString::fromUtf8("Grüße [CR]€"));
        const QString path = freshPath();
        exportTo(w, path);
        const QByteArray bytes = fileBytes(path);
        QVERIFY2(bytes.contains("Pre=\xc3\xa9\n"), bytes.constData());

        MainWindow back;
        openPage(back);
        importFrom(back, copyOf(path));
        QCOMPARE(back.ui->PreAmbleEdit->text(), QString(QChar(0xE9)));
        QCOMPARE(back.ui->PostAmbleEdit->text(), QString::fromUtf8("Grüße [CR]€"));

        // An ASCII file with the library's escapes reads as it always did.
        const QString escaped = freshPath("escaped");
        QFile file(escaped);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[KEYLON]\nPre=\\xe9\nPost=\"a,b\"\n");
        file.close();
        importFrom(back, escaped);
        QCOMPARE(back.ui->PreAmbleEdit->text(), QString(QChar(0xE9)));
        QCOMPARE(back.ui->PostAmbleEdit->text(), QString("a,b"));
    }

    void shouldClearThePageForAFileWithOnlyTheVersion()
    {
        MainWindow w;
        openPage(w);
        setPage(w, fullPage());
        w.link.interfaceSetting = 1;
        importFrom(w, QString(KEYLON2_TEST_DATA) + "/config/fw_only.cfg");
        QCOMPARE(pageState(w), pageState(clearedPage));
        QCOMPARE(w.link.interfaceSetting, quint8(0));
    }

    // Check states are set, not clicked: the enable actions do not run.
    void shouldLeaveBothRemoveBoxesTickedFromAFile()
    {
        MainWindow w;
        openPage(w);
        w.ui->RemoveDataEdit->setEnabled(false);
        w.ui->PreAmbleEdit->setEnabled(true);
        setPage(w, fullPage());
        importFrom(w, QString(KEYLON2_TEST_DATA) + "/config/both_remove.cfg");
        QVERIFY(w.ui->RemoveDataChk->isChecked());
        QVERIFY(w.ui->RemoveIDCodeChk->isChecked());
        QVERIFY(!w.ui->RemoveDataEdit->isEnabled());
        QVERIFY(!w.ui->PreAmbleChk->isChecked());  // "false"
        QVERIFY(w.ui->PreAmbleEdit->isEnabled());
        QVERIFY(w.ui->PostAmbleChk->isChecked());  // "TRUE"
        QVERIFY(!w.ui->AutoReportChk->isChecked()); // empty value
        QVERIFY(!w.ui->BuzzerEnableChk->isChecked());
        // A country past the end of the list leaves no country chosen.
        QCOMPARE(w.ui->KB_cmb->currentIndex(), -1);
    }

    void shouldFillAbsentValuesFromUnusableFiles_data()
    {
        QTest::addColumn<QString>("path");
        const QString data = QString(KEYLON2_TEST_DATA) + "/config/";
        QTest::newRow("binary garbage") << data + "garbage.cfg";
        QTest::newRow("another program's INI") << data + "foreign.ini";
        QTest::newRow("a directory") << data;
        QTest::newRow("no such file") << data + "missing.cfg";
    }
    void shouldFillAbsentValuesFromUnusableFiles()
    {
        QFETCH(QString, path);
        MainWindow w;
        openPage(w);
        setPage(w, fullPage());
        w.link.interfaceSetting = 1;
        ModalCloser closer(QMessageBox::Ok);
        importFrom(w, path);
        QCOMPARE(pageState(w), pageState(clearedPage));
        QCOMPARE(w.link.interfaceSetting, quint8(0));
        QCOMPARE(closer.count(), 0);
    }

    void shouldNotCrashExportingOntoADirectory()
    {
        MainWindow w;
        openPage(w);
        setPage(w, fullPage());
        ModalCloser closer(QMessageBox::Ok);
        exportTo(w, dir.path());
        QVERIFY(QFileInfo(dir.path()).isDir());
        QCOMPARE(closer.count(), 0);
    }

    // Export merges: keys of an existing file that are not ours stay.
    void shouldKeepForeignKeysOfAnExistingFile()
    {
        MainWindow w;
        openPage(w);
        setPage(w, fullPage());
        const QString path = copyOf(QString(KEYLON2_TEST_DATA) + "/config/foreign.ini");
        exportTo(w, path);
        QSettings file(copyOf(path), QSettings::IniFormat);
        QCOMPARE(file.value("Window/width").toInt(), 640);
        QCOMPARE(file.value("KEYLON/Pre").toString(), QString("AB[CR][LF]"));
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
        MainWindow w;
        openPage(w);
        setPage(w, fullPage());
        w.link.interfaceSetting = 1;
        const QStringList before = pageState(w);
        const QStringList filesBefore = QDir::current().entryList(QDir::Files);

        ModalCloser closer(QMessageBox::Ok);
        w.findChild<QPushButton *>(button)->click();
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, title);
        QCOMPARE(closer.last().text, text);
        QCOMPARE(int(closer.last().icon), icon);
        QCOMPARE(closer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!closer.last().hadParent);
        QCOMPARE(pageState(w), before);
        QCOMPARE(w.link.interfaceSetting, quint8(1));
        QCOMPARE(QDir::current().entryList(QDir::Files), filesBefore);
    }

    void shouldLoadTheDefaultFileButNotItsInterface()
    {
        MainWindow w;
        openPage(w);
        w.link.interfaceSetting = 0;
        w.ui->PreAmbleEdit->setEnabled(false);
        QFile file(QDir::currentPath() + "/Default.cfg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[FW]\nVer=9.99\n\n[KEYLON]\nInterface=1\nPreEnable=1\nPre=\xc3\xa9[CR]\n"
                   "Buzzer=1\nOutputStart=2\nOutputLength=10\nKBCountry=3\n");
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
        expected.buzzer = true;
        expected.outputStart = "2";
        expected.outputLength = "10";
        expected.kbCountry = 3;
        QCOMPARE(pageState(w), pageState(expected));
        QCOMPARE(w.link.interfaceSetting, quint8(0));
        QVERIFY(!w.ui->PreAmbleEdit->isEnabled());
        QVERIFY(dialogCalls.isEmpty());

        // The other way round as well: a serial belief survives a default file that says 0.
        w.link.interfaceSetting = 1;
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[KEYLON]\nInterface=0\n");
        file.close();
        w.ui->DefaultBut->click();
        QCOMPARE(closer.count(), 2);
        QCOMPARE(w.link.interfaceSetting, quint8(1));
        QCOMPARE(pageState(w), pageState(clearedPage));
    }
};

QTEST_MAIN(ConfigFilesTest)
#include "tst_config_files.moc"
