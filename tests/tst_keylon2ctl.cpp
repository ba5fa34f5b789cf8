#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "build_paths.h"
#include "core/settings/config_mapping.h"
#include "core/settings/page_record.h"
#include "ctl/ctl.h"
#include "ctl/table/command_table.h"
#include "ctl_runs.h"
#include "ctl/fleet/jobs.h"
#include "reader_bench.h"
#include "reader_model.h"
#include "serial_endpoint.h"

namespace {

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

using Run = CtlRun;

// keylon2ctl as a process on its own virtual readers (readers: how many on USB HID; failing:
// the readers whose writes fail), in English unless a locale (LC_ALL) is given.
Run ctl(const QStringList &arguments, int readers = 1, const QString &failing = QString(),
        const QString &locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("KEYLON2_VIRTUAL_HID_READERS"), QString::number(readers));
    if (!failing.isEmpty())
        environment.insert(QStringLiteral("KEYLON2_VIRTUAL_HID_FAILING"), failing);
    process.setProcessEnvironment(environment);
    process.start(buildPath("KEYLON2CTL_DEMO"), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    return writeTestFile(dir.filePath(name), text);
}

const QByteArray SiteConfig = "[KEYLON]\nPreEnable=1\nPre=ID[CR]\nPostEnable=1\nPost=[HT]\nRemoveEnable=0\n"
                              "Remove=\nRemoveIDCode=0\nAutoReport=1\nBuzzer=0\nOutputStart=3\nOutputLength=10\n"
                              "KBCountry=2\n";

}  // namespace

class TestKeylon2ctl : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;
    QTemporaryDir dir;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void listsEveryUsbHidReader()
    {
        const Run run = ctl({"list", "--json"}, 3);
        QCOMPARE(run.exitCode, 0);
        const QJsonArray readers = QJsonDocument::fromJson(run.out.toUtf8()).object().value("readers").toArray();
        QCOMPARE(readers.size(), 3);
        const QJsonObject second = readers.at(1).toObject();
        QCOMPARE(second.value("device").toString(), QStringLiteral("hid:/dev/virtual-hidraw2"));
        QCOMPARE(second.value("serialNumber").toString(), QStringLiteral("KLN2-000002"));
        QCOMPARE(second.value("vendorId").toString(), QStringLiteral("0416"));
    }

    // What read prints is a configuration file that Import takes back to the same settings,
    // and write puts a file's settings into another reader and checks them by reading back.
    void readThenWriteCarryTheSettings_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("usb hid") << false;
        QTest::newRow("serial") << true;
    }
    void readThenWriteCarryTheSettings()
    {
        QFETCH(bool, serial);
        const QString file = writeFile(dir, "site.cfg", SiteConfig);
        VirtualReader::SerialEndpoint endpoint(model());
        QStringList device;
        if (serial) {
            QVERIFY(ReaderFixture::startSerialReader(endpoint));
            device = QStringList{"--device", "serial:" + endpoint.portPath()};
        }
        // The serial endpoint answers for reader 1 of this process; over USB HID the tool's
        // own reader is in factory state and takes the file first.
        Run write = ctl(QStringList{"write", file} + device);
        QCOMPARE(write.exitCode, 0);
        QVERIFY2(write.out.contains("written, saved and verified"), qPrintable(write.out));
        QVERIFY2(!write.err.contains("QSocketNotifier"), qPrintable(write.err));  // a QThread drives the port
        if (!serial)
            return;  // the tool's own reader goes with its process

        const Run read = ctl(QStringList{"read"} + device);
        QCOMPARE(read.exitCode, 0);
        const QString copy = writeFile(dir, "read.cfg", read.out.toUtf8());
        const SettingsRecord wrote = PageRecord::recordOfPage(ConfigFile::read(file));
        const SettingsRecord back = PageRecord::recordOfPage(ConfigFile::read(copy));
        QCOMPARE(back.options, wrote.options);
        QCOMPARE(back.outputStart, wrote.outputStart);
        QCOMPARE(back.outputLength, wrote.outputLength);
        QCOMPARE(back.pre, wrote.pre);
        QCOMPARE(back.post, wrote.post);
        QCOMPARE(back.remove, wrote.remove);
        QVERIFY(read.out.contains("Interface=1"));
        QVERIFY(!read.out.contains("KBCountry"));  // the serial interface does not tell it

        // What read wrote, write takes on the same line; over USB HID it would reset the
        // keyboard country, and is refused before anything is sent.
        const Run again = ctl(QStringList{"write", copy} + device);
        QVERIFY2(again.exitCode == 0, qPrintable(again.err));
        const Run overHid = ctl({"write", copy});
        QCOMPARE(overHid.exitCode, 2);
        QVERIFY2(overHid.err.contains("lacks KBCountry") && overHid.err.contains("--partial or apply")
                     && overHid.err.contains("Nothing was sent."),
                 qPrintable(overHid.err));
    }

    // No lock of any kind for a reader (no lock directory, a node that cannot be opened): the
    // reader is refused and nothing is sent, unless --no-lock says to go on, with a warning.
    void aReaderWithoutAnyLockIsRefusedUnlessTold_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("refused") << QStringList() << 1 << "no lock can be had";
        QTest::newRow("--no-lock") << QStringList{"--no-lock"} << 0 << "going on without one";
    }
    void aReaderWithoutAnyLockIsRefusedUnlessTold()
    {
        QFETCH(QStringList, extra);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        const QByteArray locks = qgetenv("KEYLON2_LOCK_DIR");
        qputenv("KEYLON2_LOCK_DIR", QFile::encodeName(dir.filePath("no-lock-directory")));
        const Run run = ctl(QStringList{"read", "--json"} + extra);
        qputenv("KEYLON2_LOCK_DIR", locks);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.count(error), 1);
        const QJsonObject reader = QJsonDocument::fromJson(run.out.toUtf8()).object().value("readers")[0].toObject();
        QCOMPARE(reader.value("ok").toBool(), exitCode == 0);
        QCOMPARE(reader.value("error").toString().contains(error), exitCode != 0);
    }

    void readOverUsbHidGivesTheWindowsFile()
    {
        const Run read = ctl({"read"});
        QCOMPARE(read.exitCode, 0);
        const ConfigPage page = ConfigFile::read(writeFile(dir, "hid.cfg", read.out.toUtf8()));
        const VirtualReader::Settings factory;  // what the tool's fresh reader holds
        QCOMPARE(PageRecord::recordOfPage(page).options, factory.options);
        QCOMPARE(page.outputLength, QString::number(factory.outputLength));
        QCOMPARE(page.interfaceSerial, false);
        QCOMPARE(page.kbCountry, int(factory.kbCountry));
    }

    void writeAllReportsEachReader()
    {
        const QString file = writeFile(dir, "all.cfg", SiteConfig);
        const Run run = ctl({"write", file, "--all", "--jobs", "2"}, 4, "3");
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.count("written, saved and verified"), 3);
        QVERIFY2(run.out.contains("4 readers: 3 done, 1 failed (hid:/dev/virtual-hidraw3)"), qPrintable(run.out));
        QVERIFY2(run.err.contains("hid:/dev/virtual-hidraw3: writing the options failed"), qPrintable(run.err));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("readers");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("foreign file") << QStringList{"write", buildPath("KEYLON2_TEST_DATA", "/config/foreign.ini")}
                                      << 1 << 2 << "foreign.ini holds no Keylon settings. Nothing was sent.";
        QTest::newRow("missing file, named with its folder")
            << QStringList{"apply", "/nonexistent/keylon2/site.cfg", "--all"} << 1 << 2
            << "Cannot read /nonexistent/keylon2/site.cfg: No such file or directory. Nothing was sent.";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 1 << 2 << "unknown command";
        QTest::newRow("a second file") << QStringList{"apply", "a.cfg", "b.cfg", "--all"} << 1 << 2
                                       << "unexpected argument b.cfg";
        QTest::newRow("several readers") << QStringList{"read"} << 2 << 2
                                         << "2 readers found, name one with --device";
        QTest::newRow("no reader") << QStringList{"read"} << 0 << 3 << "no reader found";
        QTest::newRow("unlisted node") << QStringList{"read", "--device", "hid:/dev/null"} << 1 << 3
                                       << "no reader at hid:/dev/null";
    }
    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, readers);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        const Run run = ctl(arguments, readers);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);  // one line
        QVERIFY(run.out.isEmpty());
    }

    // A reader whose node this user may not open; the virtual reader refuses it in this process.
    void permissionDeniedIsItsOwnExitCode()
    {
        VirtualReader::Faults faults;
        faults.openRefused = true;
        model().setFaults(faults);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        Ctl::Io io{outStream, errStream};
        QCOMPARE(Ctl::run({"keylon2ctl", "read"}, io), 4);
        errStream.flush();
        QVERIFY2(err.contains("may not open /dev/virtual-hidraw1"), qPrintable(err));
    }

    void verifyNamesTheFieldThatDiffers()
    {
        SettingsRecord wrote;
        wrote.options = OptionBits::PreEnable;
        wrote.pre = "A";
        wrote.kbCountry = 3;
        ReaderSession::SettingsRead read;
        read.record = wrote;
        read.record.pre = "B";
        read.record.kbCountry = 9;  // not compared: the serial line gives no country
        const auto readBack = [&] {
            FirmwareCheck::Written written;
            written.back = read;
            written.wrong = FirmwareCheck::differing(FirmwareCheck::Backup{{}, wrote, true}, read);
            return written;
        };
        QCOMPARE(Message::joined(Ctl::differences(wrote, readBack()), "; ").english(), QStringLiteral("Pre is 42, wrote 41"));
        read.hasCountry = true;
        QCOMPARE(Ctl::differences(wrote, readBack()).size(), 2);
    }

    void monitorPrintsOneCodePerLine()
    {
        VirtualReader::SerialEndpoint endpoint(model());
        QVERIFY(ReaderFixture::startSerialReader(endpoint));
        QProcess process;
        process.start(buildPath("KEYLON2CTL_DEMO"), {"monitor", "--device", "serial:" + endpoint.portPath()});
        QVERIFY(process.waitForStarted());
        QTest::qWait(500);  // the port is open by then
        QVERIFY(endpoint.sendIdCode("0A1B2C3D"));
        QTest::qWait(300);
        QVERIFY(endpoint.sendIdCode("99887766"));
        QTest::qWait(300);
        process.terminate();  // as an interrupt: the tool ends its line and stops
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("0A1B2C3D\n99887766\n"));
    }

    void helpDescribesEveryCommandAndExitCode()
    {
        const Run run = ctl({"--help"});
        QCOMPARE(run.exitCode, 0);
        for (const char *word : {"list", "read", "write", "set-interface", "monitor", "firmware-update", "--all",
                                 "--jobs", "--no-verify", "4  permission denied"})
            QVERIFY2(run.out.contains(QLatin1String(word)), word);
        // In C, the help is the table's own English, as this process (no translation loaded) makes it.
        QCOMPARE(run.out, Ctl::helpText(false));
    }

    // What machines read is the same in every language; the help is the language's. word: one the
    // help has in that language and not in English; noReader and failed: standard error's lines
    // for no reader and for a reader whose write failed.
    void machineOutputIsTheSameInEveryLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("noReader");
        QTest::addColumn<QString>("failed");
        QTest::newRow("de") << "de_DE.UTF-8" << QString::fromUtf8("Lesegerät") << QString::fromUtf8("kein Lesegerät gefunden")
                            << "Schreiben fehlgeschlagen: Optionen";
        QTest::newRow("fr") << "fr_FR.UTF-8" << "lecteur" << QString::fromUtf8("aucun lecteur trouvé")
                            << QString::fromUtf8("échec de l’écriture : les options");
        QTest::newRow("it") << "it_IT.UTF-8" << "lettore" << "nessun lettore trovato"
                            << "scrittura non riuscita: le opzioni";
        QTest::newRow("es") << "es_ES.UTF-8" << "lector" << QString::fromUtf8("no se encontró ningún lector")
                            << QString::fromUtf8("falló la escritura: las opciones");
        QTest::newRow("he") << "he_IL.UTF-8" << QString::fromUtf8("קורא") << QString::fromUtf8("לא נמצא קורא")
                            << QString::fromUtf8("כתיבת האפשרויות נכשלה");
    }
    void machineOutputIsTheSameInEveryLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, word);
        QFETCH(QString, noReader);
        QFETCH(QString, failed);
        const QString missing = dir.filePath("missing.cfg");
        const QString file = writeFile(dir, "site.cfg", SiteConfig);
        const QList<QStringList> machine = {{"read", "--format", "cfg"}, {"read", "--json"}, {"list", "--json"},
                                            {"apply", file, "--check", "--json"}, {"write", missing, "--json"}};
        for (const QStringList &arguments : machine) {
            const Run english = ctl(arguments);
            const Run translated = ctl(arguments, 1, QString(), locale);
            QVERIFY2(!english.out.isEmpty(), qPrintable(arguments.join(' ')));
            QCOMPARE(translated.out, english.out);
            QCOMPARE(translated.exitCode, english.exitCode);
            // What standard error says (the missing file) is said in the language.
            if (!english.err.isEmpty())
                QVERIFY2(translated.err != english.err, qPrintable(translated.err));
        }
        // A failure's reason: English in the JSON (and byte for byte in C), the language's on standard error.
        const QList<QPair<QStringList, QString>> failures = {{{"read", "--json"}, noReader},
                                                             {{"write", file, "--all", "--json"}, failed}};
        for (const auto &failure : failures) {
            const int readers = failure.second == noReader ? 0 : 2;
            const Run english = ctl(failure.first, readers, "2");
            const Run translated = ctl(failure.first, readers, "2", locale);
            QCOMPARE(translated.out, english.out);
            QCOMPARE(translated.exitCode, english.exitCode);
            QVERIFY2(translated.err.contains(failure.second), qPrintable(translated.err));
        }
        QCOMPARE(ctl({"read"}, 0).err, QStringLiteral("no reader found\n"));
        const Run help = ctl({"--help"}, 1, QString(), locale);
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.contains(word), qPrintable(help.out));
        QVERIFY2(help.out.contains("--no-verify"), qPrintable(help.out));  // names stay as they are typed
    }
};

QTEST_GUILESS_MAIN(TestKeylon2ctl)
#include "tst_keylon2ctl.moc"
