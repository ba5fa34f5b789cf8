#include <QtTest>

#include <QTemporaryDir>
#include <QtWidgets>

#include <sys/stat.h>

#include "build_paths.h"
#include "window/app/mainwindow.h"
#include "core/settings/config_mapping.h"
#include "window/settings_page/file_dialogs.h"
#include "config_keys.h"
#include "reader_model.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

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
    uiOf(w)->PreAmbleChk->setChecked(p.preEnable);
    uiOf(w)->PostAmbleChk->setChecked(p.postEnable);
    uiOf(w)->RemoveDataChk->setChecked(p.removeEnable);
    uiOf(w)->RemoveIDCodeChk->setChecked(p.removeIdCode);
    uiOf(w)->AutoReportChk->setChecked(p.autoReport);
    uiOf(w)->BuzzerEnableChk->setChecked(p.buzzer);
    uiOf(w)->PreAmbleEdit->setText(p.pre);
    uiOf(w)->PostAmbleEdit->setText(p.post);
    uiOf(w)->RemoveDataEdit->setText(p.remove);
    uiOf(w)->KLNOutStartEdit->setText(p.outputStart);
    uiOf(w)->KLNOutLengthEdit->setText(p.outputLength);
    uiOf(w)->KB_cmb->setCurrentIndex(p.kbCountry);
}

ConfigPage pageOf(const MainWindow &w)
{
    const Ui::MainWindow *u = uiOf(w);
    return {{}, false, u->PreAmbleChk->isChecked(), u->PostAmbleChk->isChecked(),
            u->RemoveDataChk->isChecked(), u->RemoveIDCodeChk->isChecked(),
            u->AutoReportChk->isChecked(), u->BuzzerEnableChk->isChecked(),
            u->PreAmbleEdit->text(), u->PostAmbleEdit->text(), u->RemoveDataEdit->text(),
            u->KLNOutStartEdit->text(), u->KLNOutLengthEdit->text(), u->KB_cmb->currentIndex()};
}

// The six boxes as 0/1, the five texts and the country index, for readable comparisons.
QString pageState(const ConfigPage &p)
{
    QString flags;
    for (bool flag : {p.preEnable, p.postEnable, p.removeEnable, p.removeIdCode, p.autoReport, p.buzzer})
        flags += flag ? '1' : '0';
    return QStringList{flags, p.pre, p.post, p.remove, p.outputStart, p.outputLength,
                       QString::number(p.kbCountry)}.join('|');
}

// Every box ticked; the remove text carries the library's escapes and quoting.
const ConfigPage fullPage{{}, false, true, true, true, true, true, true, "AB[CR][LF]", "[0x7F]x",
                          " a,b;c\\d %1 = \"q\"", "3", "12", 4};

const QString Data = buildPath("KEYLON2_TEST_DATA", "/config/");

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
    // A window whose settings page can be clicked, as after a connect.
    struct Window : MainWindow
    {
        Window() { setObjectName("window"); EnableControls(true); }
        void exportTo(const QString &path) { dialogAnswer = path; uiOf(*this)->ExportBut->click(); }
        void importFrom(const QString &path) { dialogAnswer = path; uiOf(*this)->ImportBut->click(); }
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

    // The version and the interface come from the link, the output window is written as
    // numbers, text is UTF-8 both ways. The page read back is a fresh copy of the file.
    void shouldRestoreEveryFieldAfterExportAndImport_data()
    {
        QTest::addColumn<ConfigPage>("page");
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QByteArrayList>("fileHas");
        QTest::addColumn<ConfigPage>("readBack");
        QTest::newRow("all on over USB") << fullPage << false << QString()
                                         << QByteArrayList{"[FW]\nVer=\n", "Interface=0\n"} << fullPage;
        ConfigPage off;
        off.outputStart = off.outputLength = "0";
        QTest::newRow("all off over serial") << off << true << "QKR1.20"
                                             << QByteArrayList{"[FW]\nVer=QKR1.20\n", "Interface=1\n"}
                                             << off;
        ConfigPage text = off;
        text.outputStart = "abc";
        text.pre = QString::fromUtf8("é");
        text.post = QString::fromUtf8("Grüße [CR]€");
        ConfigPage textBack = text;
        textBack.outputStart = "0";
        QTest::newRow("no number, outside ASCII") << text << false << QString()
                                                  << QByteArrayList{"OutputStart=0\n", "Pre=\xc3\xa9\n"}
                                                  << textBack;
        ConfigPage wide = off;
        wide.post = QString::fromUtf8("a\xF0\x9F\x98\x80" "b");   // two UTF-16 units, four bytes
        QTest::newRow("beyond the BMP") << wide << false << QString()
                                        << QByteArrayList{"Post=a\xF0\x9F\x98\x80\x62\n"} << wide;
    }
    void shouldRestoreEveryFieldAfterExportAndImport()
    {
        QFETCH(ConfigPage, page);
        QFETCH(bool, serial);
        QFETCH(QString, version);
        QFETCH(QByteArrayList, fileHas);
        QFETCH(ConfigPage, readBack);
        Window source;
        setPage(source, page);
        linkOf(source).serialActive = serial;  // as after a connect that read the version
        WindowProbe::form(source).showFirmwareVersion(version);
        const QString path = freshPath();
        source.exportTo(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (const QByteArray &line : fileHas)
            QVERIFY2(bytes.contains(line), line.constData());

        Window target;  // starts from the opposite state, so every field has to move
        ConfigPage other = page.preEnable ? ConfigPage() : fullPage;
        other.kbCountry = 2;
        setPage(target, other);
        linkOf(target).interfaceSetting = !serial;
        target.importFrom(copyOf(path));
        QCOMPARE(pageState(pageOf(target)), pageState(readBack));
        QCOMPARE(linkOf(target).interfaceSetting, quint8(serial));
        QCOMPARE(dialogCalls, (QStringList{"window|Save Config|.|Config Files(*.cfg)",
                                           "window|Open Config|.|Config Files(*.cfg)"}));
    }

    // Each key moves between the file and its widget under its own name: in each row only
    // that key differs from the base file.
    void shouldCarryEachKeyUnderItsOwnName_data() { ConfigKeys::addRows(); }
    void shouldCarryEachKeyUnderItsOwnName()
    {
        const ConfigKeys::Values values = ConfigKeys::ofRow();
        const QString file = freshPath();
        QFile in(file);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write(ConfigKeys::fileText(values));
        in.close();
        Window target;
        target.importFrom(file);
        ConfigPage imported = pageOf(target);
        imported.interfaceSerial = linkOf(target).interfaceSetting;
        QCOMPARE(ConfigKeys::lines(ConfigKeys::ofPage(imported)), ConfigKeys::lines(values));

        Window source;
        setPage(source, ConfigKeys::page(values));
        linkOf(source).serialActive = values["Interface"] == "1";
        const QString exported = freshPath();
        source.exportTo(exported);
        QFile out(exported);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(ConfigKeys::lines(ConfigKeys::ofFileText(out.readAll())), ConfigKeys::lines(values));
    }

    // Every key that a file lacks takes its absent value, the interface included; nothing is
    // reported. Check states are set, not clicked: the enable actions do not run.
    void shouldFillThePageFromWhatTheFileHolds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ConfigPage>("expected");
        QTest::newRow("only the version") << Data + "fw_only.cfg" << ConfigPage();
        // Both remove boxes; "false", "TRUE", an empty value and 0; a country past the list.
        ConfigPage both;
        both.removeEnable = both.removeIdCode = both.postEnable = true;
        both.kbCountry = -1;
        QTest::newRow("both remove boxes") << Data + "both_remove.cfg" << both;
        // A comma in an unquoted value makes the INI reader see a list; the affix survives.
        ConfigPage commas;
        commas.pre = "AB,[CR]";
        commas.post = "X,Y";
        commas.remove = "plain";
        QTest::newRow("commas of hand-written texts") << Data + "hand_written.cfg" << commas;
        // ASCII escapes and quotes of the INI format still read as before.
        QFile escaped(freshPath());
        QVERIFY(escaped.open(QIODevice::WriteOnly));
        escaped.write("[KEYLON]\nPre=\\xe9\nPost=\"a,b\"\n");
        ConfigPage unescaped;
        unescaped.pre = QString(QChar(0xE9));
        unescaped.post = "a,b";
        QTest::newRow("escapes and quotes") << escaped.fileName() << unescaped;
    }
    void shouldFillThePageFromWhatTheFileHolds()
    {
        QFETCH(QString, path);
        QFETCH(ConfigPage, expected);
        Window w;
        uiOf(w)->RemoveDataEdit->setEnabled(false);
        setPage(w, fullPage);
        linkOf(w).interfaceSetting = 1;
        ModalCloser closer(QMessageBox::Ok);
        w.importFrom(path);
        QCOMPARE(pageState(pageOf(w)), pageState(expected));
        QCOMPARE(linkOf(w).interfaceSetting, quint8(0));
        QCOMPARE(closer.count(), 0);
        QVERIFY(!uiOf(w)->RemoveDataEdit->isEnabled());
    }

    // A file that cannot fill the page is refused before anything changes: the page, the
    // interface and the edits' enabled states stay as they were.
    void shouldLeaveThePageAsItWasForAFileThatCannotFillIt_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("path");   // for the default load, what becomes Default.cfg
        QTest::addColumn<QString>("text");
        const QString leftAsItWas = " The page was left as it was.";
        QDir(dir.path()).mkdir("folder.cfg");
        const QString fifo = dir.filePath("pipe.cfg");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QFile junk(dir.filePath("junk.cfg"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        QRandomGenerator random(7);
        QByteArray bytes(2 * 1024 * 1024, '\0');
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        junk.write(bytes);
        junk.close();

        QTest::newRow("no such file") << "ImportBut" << dir.filePath("missing.cfg")
                                      << "Cannot read missing.cfg: No such file or directory." + leftAsItWas;
        QTest::newRow("a directory") << "ImportBut" << dir.filePath("folder.cfg")
                                     << "Cannot read folder.cfg: Is a directory." + leftAsItWas;
        QTest::newRow("a pipe nobody writes to") << "ImportBut" << fifo
                                                 << "Cannot read pipe.cfg: Not a regular file." + leftAsItWas;
        QTest::newRow("2 MB of binary data") << "ImportBut" << junk.fileName()
                                             << "junk.cfg holds no Keylon settings." + leftAsItWas;
        QTest::newRow("binary with a group line") << "ImportBut" << Data + "garbage.cfg"
                                                  << "garbage.cfg holds no Keylon settings." + leftAsItWas;
        QFile malformed(dir.filePath("malformed.cfg"));
        QVERIFY(malformed.open(QIODevice::WriteOnly));
        malformed.write("[KEYLON]\nPreEnable=1\nPre=AB\nthis line is no key\n");
        malformed.close();
        QTest::newRow("a Keylon group and a malformed line") << "ImportBut" << malformed.fileName()
                                                             << "malformed.cfg holds no Keylon settings." + leftAsItWas;
        QTest::newRow("another program's INI") << "ImportBut" << Data + "foreign.ini"
                                               << "foreign.ini holds no Keylon settings." + leftAsItWas;
        QTest::newRow("default: another program's INI") << "DefaultBut" << Data + "foreign.ini"
                                                        << "Default.cfg holds no Keylon settings." + leftAsItWas;
        QTest::newRow("default: a directory") << "DefaultBut" << QString()
                                              << "Cannot read Default.cfg: Is a directory." + leftAsItWas;
    }
    void shouldLeaveThePageAsItWasForAFileThatCannotFillIt()
    {
        QFETCH(QString, button);
        QFETCH(QString, path);
        QFETCH(QString, text);
        QDir here = QDir::current();
        QFile::remove("Default.cfg");
        here.rmdir("Default.cfg");
        if (button == "DefaultBut")
            QVERIFY(path.isEmpty() ? here.mkdir("Default.cfg") : QFile::copy(path, "Default.cfg"));
        Window w;
        setPage(w, fullPage);
        uiOf(w)->PreAmbleEdit->setEnabled(false);
        linkOf(w).interfaceSetting = 1;
        dialogAnswer = path;
        ModalCloser closer(QMessageBox::Ok);
        w.findChild<QPushButton *>(button)->click();
        here.rmdir("Default.cfg");
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString(button == "DefaultBut" ? "Load Default" : "Open Config"));
        QCOMPARE(closer.last().text, text);
        QCOMPARE(closer.last().icon, QMessageBox::Warning);
        QCOMPARE(closer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!closer.last().hadParent);
        QCOMPARE(pageState(pageOf(w)), pageState(fullPage));
        QCOMPARE(linkOf(w).interfaceSetting, quint8(1));
        QVERIFY(!uiOf(w)->PreAmbleEdit->isEnabled());
    }

    // An export that did not reach the disk says so; one that did stays silent.
    void shouldReportAnExportThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");   // empty: no box
        QDir(dir.path()).mkdir("taken.cfg");
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QTest::newRow("a directory in the way") << dir.filePath("taken.cfg") << "Cannot write taken.cfg: ";
        QTest::newRow("a file in the way of the folder") << dir.filePath("plain/x.cfg") << "Cannot write x.cfg: ";
        QTest::newRow("a writable place") << freshPath() << QString();
    }
    void shouldReportAnExportThatCannotBeWritten()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        Window w;
        setPage(w, fullPage);
        ModalCloser closer(QMessageBox::Ok);
        w.exportTo(path);
        QCOMPARE(QFileInfo(path).isFile(), text.isEmpty());
        if (text.isEmpty()) {
            QCOMPARE(closer.count(), 0);
            return;
        }
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString("Config File"));
        QCOMPARE(closer.last().icon, QMessageBox::Warning);
        QVERIFY2(closer.last().text.startsWith(text), qPrintable(closer.last().text));
        QVERIFY2(closer.last().text.endsWith(". Nothing was saved."), qPrintable(closer.last().text));
        // The system's reason sits between the two.
        QVERIFY(closer.last().text.size() > text.size() + 22);
        QVERIFY(!QDir(dir.path()).entryList(QDir::Files).join(' ').contains("taken.cfg."));
    }

    // A cancelled dialog or a missing default file changes nothing. The default file fills
    // the page but never the interface, and sets check states without clicking them.
    void shouldShowTheMessageOfEachConfigButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("defaultFile");   // empty: none in the working directory
        QTest::addColumn<ConfigPage>("expected");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("export cancelled") << "ExportBut" << QByteArray() << fullPage << "Config File"
                                          << "You didn't input config file." << int(QMessageBox::Warning);
        QTest::newRow("import cancelled") << "ImportBut" << QByteArray() << fullPage << "Open Config"
                                          << "You didn't select any files." << int(QMessageBox::Information);
        QTest::newRow("no default file") << "DefaultBut" << QByteArray() << fullPage << "Default File"
                                         << "Can not found default.cfg file." << int(QMessageBox::Warning);
        ConfigPage loaded;
        loaded.preEnable = true;
        loaded.pre = QString::fromUtf8("é[CR]");
        loaded.kbCountry = 3;
        QTest::newRow("default file")
            << "DefaultBut"
            << QByteArray("[FW]\nVer=9.99\n[KEYLON]\nInterface=0\nPreEnable=1\nPre=\xc3\xa9[CR]\nKBCountry=3\n")
            << loaded << "Load Default"
            << "The default file is successfully loaded, click the Set Status write to Keylon device."
            << int(QMessageBox::Warning);
    }
    void shouldShowTheMessageOfEachConfigButton()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, defaultFile);
        QFETCH(ConfigPage, expected);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFile::remove("Default.cfg");
        if (!defaultFile.isEmpty()) {
            QFile file("Default.cfg");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(defaultFile);
        }
        Window w;
        setPage(w, fullPage);
        uiOf(w)->PreAmbleEdit->setEnabled(false);
        linkOf(w).interfaceSetting = 1;
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
        QCOMPARE(pageState(pageOf(w)), pageState(expected));
        QCOMPARE(linkOf(w).interfaceSetting, quint8(1));
        QVERIFY(!uiOf(w)->PreAmbleEdit->isEnabled());
        QCOMPARE(dialogCalls.size(), button == "DefaultBut" ? 0 : 1);
        QCOMPARE(QDir::current().entryList(QDir::Files), files);
    }
};

QTEST_MAIN(ConfigFilesTest)
#include "tst_config_files.moc"
