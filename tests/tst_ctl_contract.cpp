// keylon2ctl from its command line only: exit codes, the keys and fields its messages name,
// and what the virtual readers of this process received or kept.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <atomic>
#include <functional>
#include <unistd.h>

#include "build_paths.h"
#include "config_keys.h"
#include "ctl_runs.h"
#include "ctl/ctl.h"
#include "ctl/table/command_table.h"
#include "ctl/table/exit_codes.h"
#include "core/link/reader_lock.h"
#include "core/platform/platform.h"
#include "core/settings/settings_record.h"
#include "reader_bench.h"
#include "reader_model.h"
#include "serial_endpoint.h"

using VirtualReader::Model;

namespace {

Model &model() { return Model::instance(); }

// The exit codes by what they mean; manPageAgreesWithTheCommandTable ties them to the man page.
enum Exit { Success = 0, ReaderFailed = 1, Usage = 2, NoReader = 3, Denied = 4, Drift = 5, Busy = 6, Interrupted = 130 };

using Run = CtlRun;

// keylon2ctl in this process, on this process's virtual readers. An interrupted run stops
// as soon as its link is open (monitor runs until then).
Run ctl(const QStringList &arguments, bool interrupted = false)
{
    std::atomic<bool> stop{interrupted};
    return runCtlHere(arguments, &stop);
}

// keylon2ctl-demo as a user who may not open the port: as nobody when the tests run as root,
// otherwise on a port this user took every permission from. No reader on USB HID.
Run ctlDenied(const QStringList &arguments, const QString &port)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KEYLON2_VIRTUAL_HID_READERS"), QStringLiteral("0"));
    process.setProcessEnvironment(environment);
    const bool root = ::geteuid() == 0;
    QFile::setPermissions(port, root ? QFile::ReadOwner | QFile::WriteOwner : QFile::Permissions());
    if (root)
        process.start(QStringLiteral("setpriv"), QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                                             buildPath("KEYLON2CTL_DEMO")}
                                                     + arguments);
    else
        process.start(buildPath("KEYLON2CTL_DEMO"), arguments);
    Run run;
    if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
    }
    return run;
}

// The fields of the reader's record, for comparisons that say which one differs.
QString describe(quint8 options, int start, int length, int country, const QByteArray &pre, const QByteArray &post,
                 const QByteArray &remove)
{
    return QStringLiteral("options %1, output %2 %3, country %4, pre %5, post %6, remove %7")
        .arg(options, 2, 16, QLatin1Char('0'))
        .arg(start)
        .arg(length)
        .arg(country)
        .arg(QString::fromLatin1(pre.toHex(' ')), QString::fromLatin1(post.toHex(' ')),
             QString::fromLatin1(remove.toHex(' ')));
}
QString describe(const VirtualReader::Settings &s)
{
    return describe(s.options, s.outputStart, s.outputLength, s.kbCountry, s.pre, s.post, s.remove);
}
QString describe(const SettingsRecord &r)
{
    return describe(r.options, r.outputStart, r.outputLength, r.kbCountry, r.pre, r.post, r.remove);
}

// The keys a message names, as whole words ("Pre" is not named by "PreEnable").
QStringList keysNamed(const QString &text)
{
    QStringList named;
    for (const QString &key : ConfigKeys::Keys) {
        if (QRegularExpression(QStringLiteral("\\b%1\\b").arg(key)).match(text).hasMatch())
            named << key;
    }
    return named;
}

// How a reader fails, for the exit code table.
enum Mode {
    HidAbsent,         // no reader attached at all
    HidRefused,        // listed on USB HID, but this user may not open it
    HidOpenFails,      // listed on USB HID, the open fails otherwise
    HidWritesFail,     // every USB HID write fails
    HidGoneMidWrite,   // pulled out after the first frame
    HidSilent,         // takes every frame, answers none
    SerialAbsent,      // --device names a port that is not there
    SerialRefused,     // the port is there, this user may not open it
    SerialNotATty,     // the port is there but does not open as one (a plain file)
    SerialGoneMidWrite,
    SerialSilent,
    MalformedFile,     // every key, and one line the INI reader cannot take
    HidBusy,           // another open of the reader's lock holds it
    SerialBusy,
    SerialGoneAmongOthers,  // --all: a listed port, gone by its open, beside a USB HID reader
};

}  // namespace

Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(VirtualReader::Field)

class TestCtlContract : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int files = 0;
    std::unique_ptr<FastPauses> pauses;

    // The settings library keeps what it read by path: every file gets a new name.
    QString file(const QByteArray &text)
    {
        QFile out(dir.filePath(QStringLiteral("%1.cfg").arg(++files)));
        if (out.open(QIODevice::WriteOnly))
            out.write(text);
        return out.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // Readable by the user the permission rows run as.
        QFile::setPermissions(dir.path(), QFile::Permissions(0x7755));
        QFile writer(Platform::firmwareWriterProgram());
        QVERIFY(writer.open(QIODevice::WriteOnly | QIODevice::Truncate));
        writer.write("#!/bin/sh\nexit 0\n");
        writer.close();
        QVERIFY(writer.setPermissions(QFile::Permissions(0x7755)));
    }
    void cleanupTestCase() { QFile::remove(Platform::firmwareWriterProgram()); }
    void init()
    {
        Model::setCount(1);
        ReaderFixture::resetReader();
        Platform::resetSeams();
        pauses.reset(new FastPauses(100));
    }
    void cleanup()
    {
        pauses.reset();
        Platform::resetSeams();
        Model::setCount(1);
    }

    // The man page's options (with their value and default) are the command table's, which
    // --help, COMMAND --help and the completions are made from; its exit codes, --help's, the
    // README's, the JSON Schemas' and the Ansible modules' are the exit code table's.
    void manPageAgreesWithTheCommandTable()
    {
        QFile page(buildPath("KEYLON2_TEST_DATA", "/../../docs/keylon2ctl.1"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        // The text as read, without roff's escapes and fonts.
        const QString text = QString::fromUtf8(page.readAll())
                                 .replace(QLatin1String("\\-"), QLatin1String("-"))
                                 .remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]|\"")));
        const auto section = [&](const QString &name) {
            const int start = text.indexOf(QLatin1String(".SH ") + name);
            return start < 0 ? QString() : text.mid(start, text.indexOf(QLatin1String("\n.SH "), start + 1) - start);
        };
        // ".TP\n.B|.BI|.BR TERM...\nentry text" up to the next macro paragraph.
        const QRegularExpression entry(QStringLiteral("\\.TP\\n\\.B[IR]? ([^\\n]*)\\n((?:(?!\\.(?:TP|PP|SH))[^\\n]*\\n?)*)"));

        QMap<QString, QString> manOptions;  // "--jobs N" -> entry text
        for (auto match = entry.globalMatch(section("OPTIONS")); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            const QString term = m.captured(1).simplified().remove(QRegularExpression(QStringLiteral("^-h\\s*,\\s*")));
            manOptions[term.section(' ', 0, 0)] = term + '\n' + m.captured(2).simplified();
        }
        QStringList tableOptions;
        for (const QList<Ctl::OptionSpec> &list : {Ctl::options(), Ctl::programOptions()}) {
            for (const Ctl::OptionSpec &option : list) {
                const QString name = QStringLiteral("--") + option.name;
                tableOptions << name;
                const QString man = manOptions.value(name);
                QVERIFY2(!man.isEmpty(), qPrintable(name + " is not in the man page"));
                const QString value = option.words ? QString::fromLatin1(option.words).replace(' ', '|')
                                                   : QString::fromLatin1(option.valueName);
                QCOMPARE(man.section('\n', 0, 0), value.isEmpty() ? name : name + ' ' + value);
                const QString byDefault = Ctl::defaultText(option);
                QVERIFY2(man.contains(byDefault), qPrintable(name + ": the man page lacks " + byDefault));
                QVERIFY2(byDefault.isEmpty() == !man.contains("(default:"), qPrintable(man));
            }
        }
        tableOptions.sort();
        QCOMPARE(manOptions.keys(), tableOptions);

        QMap<int, QString> manCodes;
        for (auto match = entry.globalMatch(section("EXIT STATUS")); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            manCodes[m.captured(1).toInt()] = m.captured(2).simplified();
        }
        QList<int> tableCodes;
        QMap<int, QString> constantNames;  // 4 -> PERMISSION_DENIED
        for (const Ctl::ExitCodeSpec &exit : Ctl::ExitCodes) {
            tableCodes << exit.code;
            constantNames[exit.code] = QString::fromLatin1(exit.name).replace(QRegularExpression("(?<=[a-z])([A-Z])"), "_\\1").toUpper();
            // The meaning's first words, up to its first parenthesis or colon.
            const QString meaning = QString::fromLatin1(exit.meaning).section(QRegularExpression("[(:]"), 0, 0).trimmed();
            QVERIFY2(manCodes.value(exit.code).startsWith(meaning),
                     qPrintable(QStringLiteral("%1: %2").arg(exit.code).arg(manCodes.value(exit.code))));
            QVERIFY2(Ctl::exitCodeText().contains(QStringLiteral("  %1  %2").arg(exit.code).arg(meaning)),
                     qPrintable(Ctl::exitCodeText()));
        }
        QCOMPARE(manCodes.keys(), tableCodes);
        // The failure codes: the man page lists the table's, each with its meaning.
        QStringList manFailures, tableFailures;
        for (auto match = entry.globalMatch(section("ERROR CODES")); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            manFailures << m.captured(1).simplified() + ": " + m.captured(2).simplified();
        }
        for (const Ctl::FailureCode &failure : Ctl::FailureCodes)
            tableFailures << QString::fromLatin1(failure.word) + ": " + failure.meaning;
        QCOMPARE(manFailures, tableFailures);
        tableFailures.replaceInStrings(QRegularExpression(": .*"), QString());
        QCOMPARE(tableCodes, (QList<int>{Success, ReaderFailed, Usage, NoReader, Denied, Drift, Busy, 129, Interrupted, 141, 143}));

        // The README and each JSON Schema's exitCode list codes in prose ("0 success, 1 a reader
        // failed, ..."): the README every code, a schema the codes of its enum, all the table's.
        // (A line of the audit log or of apply --watch has no exit code.)
        const auto repoText = [](const QString &path) {
            QFile file(buildPath("KEYLON2_TEST_DATA", "/../../") + path);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const auto listed = [](const QString &prose) {
            QList<int> codes;
            for (auto m = QRegularExpression(QStringLiteral("(?:^|[:,] )(\\d+) ")).globalMatch(prose); m.hasNext();)
                codes << m.next().captured(1).toInt();
            std::sort(codes.begin(), codes.end());
            return codes;
        };
        const QString readme = repoText("README.md").simplified();
        const int from = readme.indexOf(QLatin1String("Exit codes: "));
        QCOMPARE(listed(readme.mid(from, readme.indexOf('.', from) - from)), constantNames.keys());
        int described = 0;
        for (const QString &name : QDir(buildPath("KEYLON2_TEST_DATA", "/../../data/schema")).entryList({"*.json"})) {
            const QJsonObject exitCode = QJsonDocument::fromJson(repoText("data/schema/" + name).toUtf8())
                                             .object()["properties"].toObject()["exitCode"].toObject();
            QList<int> codes;
            for (const QJsonValue &code : exitCode["enum"].toArray())
                codes << code.toInt();
            described += codes.isEmpty() ? 0 : 1;
            for (int code : codes)
                QVERIFY2(tableCodes.contains(code), qPrintable(QStringLiteral("%1: %2").arg(name).arg(code)));
            std::sort(codes.begin(), codes.end());
            QCOMPARE(listed(exitCode["description"].toString()), codes);
            // Each "error" has its "code" beside it, which lists the table's codes and what each means.
            int coded = 0;
            const std::function<void(const QJsonValue &)> checkCodes = [&](const QJsonValue &value) {
                const QJsonObject properties = value.toObject()["properties"].toObject();
                if (properties.contains("error")) {
                    const QJsonObject code = properties["code"].toObject();
                    QCOMPARE(code["enum"].toArray().toVariantList(), QVariant(tableFailures).toList());
                    for (const Ctl::FailureCode &failure : Ctl::FailureCodes) {
                        QVERIFY2(code["description"].toString().contains(QStringLiteral("%1: %2").arg(failure.word, failure.meaning)),
                                 qPrintable(name + ": " + failure.word));
                    }
                    ++coded;
                }
                for (const QJsonValue &inner : value.toObject())
                    checkCodes(inner);
            };
            checkCodes(QJsonDocument::fromJson(repoText("data/schema/" + name).toUtf8()).object());
            QVERIFY2(coded > 0 || name.contains("watch"), qPrintable(name));
        }
        QVERIFY(described >= 10);

        // The Ansible collection: its constants for keylon2ctl's exit codes (in module_utils, which
        // both modules import) are the table's, by name and number, and each "exit code N" of the
        // modules' documentation is one of its codes.
        const QString plugins = QStringLiteral("contrib/ansible_collections/keylon2/utility/plugins/");
        int constants = 0;
        for (const char *folder : {"modules/", "module_utils/"}) {
            for (const QString &name :
                 QDir(buildPath("KEYLON2_TEST_DATA", "/../../") + plugins + folder).entryList({"*.py"})) {
                const QString module = repoText(plugins + folder + name);
                for (const QString &line : module.section(QLatin1String("# keylon2ctl's exit codes\n"), 1).split('\n')) {
                    const QRegularExpressionMatch constant = QRegularExpression("^([A-Z_]+) = (\\d+)").match(line);
                    if (!constant.hasMatch())
                        break;
                    QCOMPARE(constant.captured(1), constantNames.value(constant.captured(2).toInt()));
                    ++constants;
                }
                for (auto m = QRegularExpression("exit code (\\d+)").globalMatch(module); m.hasNext();)
                    QVERIFY2(tableCodes.contains(m.next().captured(1).toInt()), qPrintable(name));
            }
        }
        QVERIFY(constants > 0);
    }

    // The man page's FILE FORMAT names every key of the settings table, and no other.
    void manPageListsEverySetting()
    {
        QFile page(buildPath("KEYLON2_TEST_DATA", "/../../docs/keylon2ctl.1"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString section = QString::fromUtf8(page.readAll()).section(".SH FILE FORMAT", 1).section("\n.SH ", 0, 0);
        QStringList manKeys, keys = ConfigKeys::Keys;
        for (auto match = QRegularExpression("\\.TP\n\\.B ([^\n]*)").globalMatch(section); match.hasNext();)
            manKeys << match.next().captured(1).split(", ");
        manKeys.sort();
        keys.sort();
        QCOMPARE(manKeys, keys);
    }

    // In each row one key differs from the base file: write must put it, and read must give
    // it back, under that key's name and no other.
    void writeAndReadCarryEachKeyUnderItsOwnName_data() { ConfigKeys::addRows(); }
    void writeAndReadCarryEachKeyUnderItsOwnName()
    {
        const ConfigKeys::Values values = ConfigKeys::ofRow();
        const Run write = ctl({"write", file(ConfigKeys::fileText(values))});
        QCOMPARE(write.exitCode, int(Success));
        QCOMPARE(describe(model().savedSettings()), describe(ConfigKeys::record(values)));
        // The file's interface is not applied: the reader stays where it is.
        QCOMPARE(model().currentInterface(), VirtualReader::Interface::UsbKeyboard);

        const Run read = ctl({"read"});
        QCOMPARE(read.exitCode, int(Success));
        ConfigKeys::Values held = values;
        held["Interface"] = "0";  // the reader is on USB HID
        QCOMPARE(ConfigKeys::lines(ConfigKeys::ofFileText(read.out.toUtf8())), ConfigKeys::lines(held));
    }

    // In each row the reader keeps one field otherwise than it was written: write fails and
    // names that field alone.
    // Each failure code, met as an operator meets it: the JSON's code and English error (in the
    // reader's entry when the command got that far), and the last line of standard error in
    // German, worded from the same message (a reader an interrupt came before has none). FILE,
    // DIR, CWD, PROGRAM and PID stand for what differs from run to run.
    void failureCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("german");
        const auto row = [](const char *code, const QStringList &arguments, const QByteArray &file, const char *setup,
                            const QString &error, const QString &german) {
            QTest::newRow(code) << arguments << file << QString(setup) << error << german;
        };
        const QByteArray whole = ConfigKeys::fileText(ConfigKeys::base());
        row("usage", {"list", "--bogus"}, {}, "", "Unknown option 'bogus'.", "Unbekannte Option „bogus“.");
        row("bad-file", {"apply", "FILE"}, "[KEYLON]\nPre=[0x5BAB[CR][LF]\n", "",
            "FILE: Pre=[0x5BAB[CR][LF]: the '[' of [0x5BAB is never closed; close the name, or write a '[' itself as [0x5B]. "
            "Nothing was sent.",
            "FILE: Pre=[0x5BAB[CR][LF]: das '[' von [0x5BAB wird nie geschlossen; schließen Sie den Namen oder schreiben "
            "Sie ein '[' selbst als [0x5B]. Es wurde nichts gesendet.");
        row("unknown-key", {"diff", "FILE"}, "[KEYLON]\nBuzer=1\n", "",
            "FILE: unknown key Buzer in [KEYLON]; did you mean Buzzer?. Nothing was sent.",
            "FILE: unbekannter Eintrag Buzer in [KEYLON]; meinten Sie Buzzer?. Es wurde nichts gesendet.");
        row("incomplete-file", {"write", "FILE"}, "[KEYLON]\nBuzzer=1\n", "",
            "FILE lacks PreEnable, Pre, PostEnable, Post, RemoveEnable, Remove, RemoveIDCode, AutoReport, OutputStart, "
            "OutputLength, KBCountry in [KEYLON]: write sends every setting and would reset those; add them, or change "
            "only what the file sets with --partial or apply. Nothing was sent.",
            "FILE fehlen PreEnable, Pre, PostEnable, Post, RemoveEnable, Remove, RemoveIDCode, AutoReport, OutputStart, "
            "OutputLength, KBCountry in [KEYLON]: write sendet jede Einstellung und würde diese zurücksetzen; ergänzen "
            "Sie sie oder ändern Sie mit --partial oder apply nur, was die Datei setzt. Es wurde nichts gesendet.");
        row("no-reader", {"read"}, {}, "absent",
            "no reader found",
            "kein Lesegerät gefunden");
        row("not-found", {"read", "--device", "sn:KLN2-999999"}, {}, "",
            "no reader at sn:KLN2-999999 (found: hid:/dev/virtual-hidraw1 (sn:KLN2-000001))",
            "kein Lesegerät an sn:KLN2-999999 (gefunden: hid:/dev/virtual-hidraw1 (sn:KLN2-000001))");
        row("ambiguous", {"read"}, {}, "two readers",
            "2 readers found, name one with --device: hid:/dev/virtual-hidraw1 (sn:KLN2-000001), "
            "hid:/dev/virtual-hidraw2 (sn:KLN2-000002)",
            "2 Lesegeräte gefunden, nennen Sie eines mit --device: hid:/dev/virtual-hidraw1 (sn:KLN2-000001), "
            "hid:/dev/virtual-hidraw2 (sn:KLN2-000002)");
        row("busy", {"read"}, {}, "held",
            "hid:/dev/virtual-hidraw1: busy: in use by PROGRAM (process PID); --wait SECONDS waits for it",
            "hid:/dev/virtual-hidraw1: belegt: in Gebrauch durch PROGRAM (Prozess PID); --wait SECONDS wartet darauf");
        row("no-lock", {"read"}, {}, "no lock directory",
            "hid:/dev/virtual-hidraw1: no lock can be had (the lock directory DIR/no-lock-directory is not there; cannot "
            "open /dev/virtual-hidraw1: No such file or directory); nothing was sent. Make the lock directory "
            "DIR/no-lock-directory writable for this user, or give --no-lock to go on without one",
            "hid:/dev/virtual-hidraw1: keine Sperre erhältlich (the lock directory DIR/no-lock-directory is not there; "
            "cannot open /dev/virtual-hidraw1: No such file or directory); es wurde nichts gesendet. Machen Sie das "
            "Sperrverzeichnis DIR/no-lock-directory für diesen Benutzer beschreibbar oder geben Sie --no-lock an, um "
            "ohne Sperre weiterzumachen");
        row("denied", {"read"}, {}, "refused",
            "The reader is attached, but this user may not open /dev/virtual-hidraw1. Install the udev rules "
            "(60-keylon2.rules, see the README), then unplug and plug the reader in again.",
            "Das Lesegerät ist angeschlossen, aber dieser Benutzer darf /dev/virtual-hidraw1 nicht öffnen. Installieren "
            "Sie die udev-Regeln (60-keylon2.rules, siehe README) und stecken Sie das Lesegerät dann aus und wieder ein.");
        row("open-failed", {"read"}, {}, "open fails",
            "cannot open hid:/dev/virtual-hidraw1: Failed to open a device with path '/dev/virtual-hidraw1': "
            "Input/output error",
            "hid:/dev/virtual-hidraw1 kann nicht geöffnet werden: Failed to open a device with path "
            "'/dev/virtual-hidraw1': Input/output error");
        row("frame-failed", {"write", "FILE"}, whole, "writes fail",
            "writing the options failed (write failed: broken pipe)",
            "hid:/dev/virtual-hidraw1: Schreiben fehlgeschlagen: Optionen (write failed: broken pipe)");
        row("no-answer", {"read"}, {}, "silent",
            "hid:/dev/virtual-hidraw1: no answer to the status read",
            "hid:/dev/virtual-hidraw1: keine Antwort beim Lesen: Status");
        row("bad-answer", {"read"}, {}, "bad checksum",
            "hid:/dev/virtual-hidraw1: bad answer to the preamble read",
            "hid:/dev/virtual-hidraw1: ungültige Antwort beim Lesen: Präambel");
        row("line-gone", {"read"}, {}, "gone",
            "hid:/dev/virtual-hidraw1: the reader is gone, at the status (read failed: input/output error)",
            "hid:/dev/virtual-hidraw1: das Lesegerät ist nicht mehr da, bei: Status (read failed: input/output "
            "error)");
        row("verify-mismatch", {"write", "FILE"}, whole, "stores wrong",
            "verify failed: OutputStart is 2, wrote 1",
            "hid:/dev/virtual-hidraw1: Prüfung fehlgeschlagen: OutputStart ist 2, geschrieben 1");
        row("interrupted", {"apply", "FILE"}, whole, "interrupted",
            "not started: interrupted",
            "");
        row("wrong-interface", {"monitor"}, {}, "",
            "hid:/dev/virtual-hidraw1: a reader on USB HID types its key ID codes as keystrokes; monitor needs a "
            "serial reader",
            "hid:/dev/virtual-hidraw1: ein Lesegerät an USB HID tippt seine ID-Codes als Tastendrücke; monitor "
            "braucht ein serielles Lesegerät");
        row("no-writer", {"firmware-update"}, {}, "no writer",
            "The firmware writer flashmate was not found in CWD; nothing was sent to the reader.",
            "Das Firmware-Schreibprogramm flashmate wurde in CWD nicht gefunden; es wurde nichts an das Lesegerät gesendet.");
        row("writer-failed", {"firmware-update"}, {}, "failing writer",
            "the firmware writer ended with exit code 3",
            "hid:/dev/virtual-hidraw1: das Firmware-Schreibprogramm endete mit Exit-Code 3");
        row("log-failed", {"write", "FILE", "--log", "DIR"}, whole, "",
            "cannot open the log DIR: Is a directory. Nothing was sent.",
            "das Protokoll DIR kann nicht geöffnet werden: Is a directory. Es wurde nichts gesendet.");
    }
    void failureCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(QString, setup);
        QFETCH(QString, error);
        QFETCH(QString, german);
        const QString name = QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".cfg");
        if (!file.isEmpty())
            arguments.replaceInStrings(QStringLiteral("FILE"), writeTestFile(dir.filePath(name), file));
        arguments.replaceInStrings(QStringLiteral("DIR"), dir.path());
        VirtualReader::Faults faults;
        faults.openRefused = setup == "refused";
        faults.openFails = setup == "open fails";
        faults.failAllWrites = setup == "writes fail";
        faults.noAnswer = setup == "silent";
        faults.badChecksum = setup == "bad checksum";
        faults.failReads = setup == "gone";
        faults.storesWrong = setup == "stores wrong" ? VirtualReader::Field::OutputStart : VirtualReader::Field::None;
        model().setFaults(faults);
        Model::setCount(setup == "absent" ? 0 : setup == "two readers" ? 2 : 1);
        ReaderLock held;
        if (setup == "held")
            held = ReaderLock::take(QString::fromLatin1(model().hidPath()));
        const QByteArray locks = qgetenv("KEYLON2_LOCK_DIR");
        if (setup == "no lock directory")
            qputenv("KEYLON2_LOCK_DIR", QFile::encodeName(dir.filePath("no-lock-directory")));
        if (setup == "no writer")
            QFile::rename(Platform::firmwareWriterProgram(), dir.filePath("writer"));
        if (setup == "failing writer") {
            QFile::remove(Platform::firmwareWriterProgram());
            QFile::rename(this->file("#!/bin/sh\nexit 3\n"), Platform::firmwareWriterProgram());
            QFile::setPermissions(Platform::firmwareWriterProgram(), QFile::Permissions(0x7755));
        }

        QTranslator texts;
        QVERIFY(texts.load(QStringLiteral("keylon2_de"), buildPath("KEYLON2_TRANSLATIONS_DIR")));
        QCoreApplication::installTranslator(&texts);
        const Run run = ctl(arguments << QStringLiteral("--json"), setup == "interrupted");
        QCoreApplication::removeTranslator(&texts);
        qputenv("KEYLON2_LOCK_DIR", locks);
        QFile::remove(Platform::firmwareWriterProgram());
        initTestCase();

        const auto filled = [&](QString text) {
            return text.replace(QLatin1String("FILE"), name)
                .replace(QLatin1String("DIR"), dir.path())
                .replace(QLatin1String("CWD"), QDir::currentPath())
                .replace(QLatin1String("PROGRAM"), QCoreApplication::applicationName().left(15))  // as /proc/PID/comm
                .replace(QLatin1String("PID"), QString::number(QCoreApplication::applicationPid()));
        };
        const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QJsonObject reader = document["readers"].toArray().first().toObject();
        const QJsonObject failed = reader.contains("code") ? reader : document;
        QCOMPARE(failed["code"].toString(), QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(failed["error"].toString(), filled(error));
        QCOMPARE(run.err.trimmed().split('\n').last(), filled(german));
    }

    void verifyNamesTheFieldTheReaderKeptOtherwise_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("optionsFlipped");
        QTest::addColumn<VirtualReader::Field>("field");
        using F = VirtualReader::Field;
        for (const Settings::Setting &option : Settings::all()) {
            if (option.kind == Settings::Kind::Switch && option.applied())
                QTest::newRow(option.key) << option.key << int(option.bit) << F::None;
        }
        const struct {
            const char *key;
            F field;
        } fields[] = {{"Pre", F::Pre},
                      {"Post", F::Post},
                      {"Remove", F::Remove},
                      {"OutputStart", F::OutputStart},
                      {"OutputLength", F::OutputLength},
                      {"KBCountry", F::KBCountry}};
        for (const auto &field : fields)
            QTest::newRow(field.key) << field.key << 0 << field.field;
    }
    void verifyNamesTheFieldTheReaderKeptOtherwise()
    {
        QFETCH(QString, key);
        QFETCH(int, optionsFlipped);
        QFETCH(VirtualReader::Field, field);
        VirtualReader::Faults faults;
        faults.storesOptionsFlipped = quint8(optionsFlipped);
        faults.storesWrong = field;
        model().setFaults(faults);
        const Run run = ctl({"write", file(ConfigKeys::fileText(ConfigKeys::base()))});
        QCOMPARE(run.exitCode, int(ReaderFailed));
        QCOMPARE(keysNamed(run.err), QStringList{key});
    }

    void jobsBoundTheReadersWorkedAtOnce_data()
    {
        QTest::addColumn<QStringList>("jobs");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("fewest");  // of the USB HID handles open at once
        QTest::addColumn<int>("most");
        QTest::newRow("--jobs 2") << QStringList{"--jobs", "2"} << int(Success) << 1 << 2;
        QTest::newRow("--jobs 1") << QStringList{"--jobs", "1"} << int(Success) << 1 << 1;
        QTest::newRow("no --jobs: all at once") << QStringList() << int(Success) << 3 << 8;
        QTest::newRow("--jobs 0: all at once") << QStringList{"--jobs", "0"} << int(Success) << 3 << 8;
        QTest::newRow("--jobs -1") << QStringList{"--jobs", "-1"} << int(Usage) << 0 << 0;
        QTest::newRow("--jobs x") << QStringList{"--jobs", "x"} << int(Usage) << 0 << 0;
    }
    void jobsBoundTheReadersWorkedAtOnce()
    {
        QFETCH(QStringList, jobs);
        QFETCH(int, exitCode);
        QFETCH(int, fewest);
        QFETCH(int, most);
        Model::setCount(8);
        Model::clearMostHidHandlesOpen();
        ConfigKeys::Values values = ConfigKeys::base();
        values["Pre"] = "XY";
        const Run run = ctl(QStringList{"write", file(ConfigKeys::fileText(values)), "--all"} + jobs);
        QCOMPARE(run.exitCode, exitCode);
        const int open = Model::mostHidHandlesOpen();
        QVERIFY2(open >= fewest && open <= most, qPrintable(QString::number(open)));
        for (int number = 1; number <= 8; ++number) {
            const Model *reader = Model::reader(number);
            if (exitCode == Success)
                QCOMPARE(reader->savedSettings().pre, QByteArray("XY"));
            else
                QVERIFY(reader->receivedFrames().isEmpty());
        }
    }

    // Each command against each way a reader can fail, with the exit code the man page gives.
    void exitCodeOfEachCommandForEachFailure_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("exitCode");
        const auto row = [](const char *command, Mode mode, const char *name, Exit code) {
            QTest::addRow("%s, %s", command, name) << QString(command) << mode << int(code);
        };
        for (const char *command : {"list", "read", "write", "set-interface", "monitor", "firmware-update"})
            row(command, HidAbsent, "no reader", NoReader);
        // Listing opens nothing: a reader that cannot be opened or is silent is listed.
        row("list", HidRefused, "refused", Success);
        row("list", HidOpenFails, "open fails", Success);
        row("list", HidSilent, "silent", Success);
        for (const char *command : {"read", "write", "set-interface", "firmware-update"}) {
            row(command, HidRefused, "refused", Denied);
            row(command, HidOpenFails, "open fails", ReaderFailed);
            row(command, HidWritesFail, "writes fail", ReaderFailed);
        }
        row("read", HidGoneMidWrite, "gone after one frame", ReaderFailed);
        row("write", HidGoneMidWrite, "gone after one frame", ReaderFailed);
        // Only what needs an answer fails on a silent reader.
        row("read", HidSilent, "silent", ReaderFailed);
        row("write", HidSilent, "silent", ReaderFailed);
        row("set-interface", HidSilent, "silent", Success);
        // An update reads the reader first: a silent one gets nothing, not even the ISP frame.
        row("firmware-update", HidSilent, "silent", ReaderFailed);
        row("monitor", HidSilent, "on USB HID", Usage);

        for (const char *command : {"read", "write", "set-interface", "monitor", "firmware-update"}) {
            row(command, SerialAbsent, "no such port", NoReader);
            row(command, SerialRefused, "port refused", Denied);
            row(command, SerialNotATty, "port does not open", ReaderFailed);
        }
        row("read", SerialGoneMidWrite, "serial gone after one frame", ReaderFailed);
        row("write", SerialGoneMidWrite, "serial gone after one frame", ReaderFailed);
        row("read", SerialSilent, "serial silent", ReaderFailed);
        row("write", SerialSilent, "serial silent", ReaderFailed);
        row("set-interface", SerialSilent, "serial silent", Success);
        row("monitor", SerialSilent, "serial silent", Success);
        row("firmware-update", SerialSilent, "serial silent", ReaderFailed);
        row("write", MalformedFile, "malformed line in the file", Usage);
        for (const char *command : {"read", "write", "set-interface", "firmware-update"})
            row(command, HidBusy, "held by another", Busy);
        for (const char *command : {"read", "write", "set-interface", "monitor", "firmware-update"})
            row(command, SerialBusy, "serial held by another", Busy);
        row("write", SerialGoneAmongOthers, "serial gone among others", ReaderFailed);
    }
    void exitCodeOfEachCommandForEachFailure()
    {
        QFETCH(QString, command);
        QFETCH(Mode, mode);
        QFETCH(int, exitCode);
        const bool serial = (mode >= SerialAbsent && mode <= SerialSilent) || mode == SerialBusy;
        VirtualReader::SerialEndpoint endpoint(model());
        QString node = QString::fromLatin1(model().hidPath());
        if (mode == SerialAbsent || mode == SerialGoneAmongOthers) {
            node = dir.filePath("no-such-port");
        } else if (mode == SerialNotATty) {
            node = file("not a terminal");
        } else if (serial) {
            QVERIFY(ReaderFixture::startSerialReader(endpoint));
            node = endpoint.portPath();
        }

        QStringList arguments{command};
        if (command == "write")
            arguments << file(ConfigKeys::fileText(ConfigKeys::base()) + (mode == MalformedFile ? "no key here\n" : ""));
        if (command == "set-interface")
            arguments << (serial ? "usb" : "serial");  // the other one: a frame must go out
        if (serial)
            arguments << "--device" << "serial:" + node;
        if (mode == SerialGoneAmongOthers) {
            Platform::setPortEnumerator([node] {
                return QList<Platform::PortRecord>{{"gone", "Keylon2 Key Reader", node, "Keylon", 0x0416, 0xF100}};
            });
            arguments << "--all";
        }

        VirtualReader::Faults faults;
        faults.openRefused = mode == HidRefused;
        faults.openFails = mode == HidOpenFails;
        faults.failAllWrites = mode == HidWritesFail;
        faults.vanishAfterWrites = mode == HidGoneMidWrite || mode == SerialGoneMidWrite ? 1 : -1;
        faults.noAnswer = mode == HidSilent || mode == SerialSilent;
        model().setFaults(faults);
        if (mode == HidAbsent)
            Model::setCount(0);
        // Another holder of the lock, as far as the command can tell: a second open of its file.
        ReaderLock held;
        if (mode == HidBusy || mode == SerialBusy) {
            held = ReaderLock::take(node);
            QVERIFY(held.held());
        }

        const Run run = mode == SerialRefused ? ctlDenied(arguments, node) : ctl(arguments, command == "monitor");
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == Success)
            return;
        QVERIFY(!run.err.isEmpty());
        // A reader that is there is named.
        if (mode != HidAbsent && mode != MalformedFile)
            QVERIFY2(run.err.contains(node), qPrintable(run.err));
        if (exitCode != ReaderFailed || mode == HidOpenFails || mode == SerialNotATty)
            QVERIFY(model().receivedFrames().isEmpty());
        if (exitCode == Busy) {
            const QString holder = QStringLiteral("(process %1)").arg(QCoreApplication::applicationPid());
            QVERIFY2(run.err.contains("busy") && run.err.contains(holder), qPrintable(run.err));
            // Said once on each stream, and each line names the reader once.
            QCOMPARE(run.err.count("busy"), 1);
            QVERIFY2(run.out.count("busy") <= 1, qPrintable(run.out));
            for (const QString &line : (run.out + run.err).split('\n'))
                QVERIFY2(line.count(node) <= 1, qPrintable(line));
        }
    }

    // Files as a person types them: each refused one names the key and how to write it, and
    // sends nothing; a taken one is applied as the window would have saved it.
    void handTypedFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("pre");   // taken: what the reader keeps as its preamble
        QTest::addColumn<QStringList>("said");  // refused: what the error names
        const QByteArray bom = "\xEF\xBB\xBF";
        const QByteArray keys = "[KEYLON]\nBuzzer=0\n";
        QTest::newRow("byte order mark") << bom + keys + "Pre=AB\n" << int(Success) << QByteArray("AB") << QStringList();
        QTest::newRow("';' in double quotes") << keys + "Pre=\"AB;CD\"\n" << int(Success) << QByteArray("AB;CD")
                                              << QStringList();
        QTest::newRow("comment line, CRLF") << QByteArray("; the site's file\r\n[KEYLON]\r\nPre=[HT]K[0x5B]\r\n")
                                            << int(Success)
                                            << QByteArray("\tK[") << QStringList();
        QTest::newRow("';' cuts the value") << keys + "Pre=AB;CD\n" << int(Usage) << QByteArray()
                                            << QStringList{"line 3: Pre=AB;CD", "reads as Pre=AB", "Pre=\"AB;CD\""};
        QTest::newRow("';' first in the value") << keys + "Pre=;AB\n" << int(Usage) << QByteArray()
                                                << QStringList{"line 3: Pre=;AB", "reads as Pre=;", "Pre=\";AB\""};
        QTest::newRow("comment after a value") << keys + "PreEnable=1 ; on\n" << int(Usage) << QByteArray()
                                               << QStringList{"PreEnable=1 ; on", "a line of its own"};
        QTest::newRow("key given twice") << keys + "Pre=A\nPre=B\n" << int(Usage) << QByteArray()
                                         << QStringList{"Pre is given twice", "lines 3 and 4"};
        QTest::newRow("byte order mark, key twice") << bom + keys + "Buzzer=1\n" << int(Usage) << QByteArray()
                                                    << QStringList{"Buzzer is given twice", "lines 2 and 3"};
        QTest::newRow("[TAB]") << keys + "Pre=K[TAB]\n" << int(Usage) << QByteArray()
                               << QStringList{"Pre=K[TAB]", "[TAB] is not a bracket name", "write [HT] (code 09)"};
        QTest::newRow("[cr]") << keys + "Post=ID[cr]\n" << int(Usage) << QByteArray()
                              << QStringList{"Post=ID[cr]", "write [CR] (code 0d)"};
        QTest::newRow("[Enter]") << keys + "Remove=[Enter]\n" << int(Usage) << QByteArray()
                                 << QStringList{"Remove=[Enter]", "write [CR]"};
        QTest::newRow("[0xa]") << keys + "Pre=[0xa]\n" << int(Usage) << QByteArray()
                               << QStringList{"Pre=[0xa]", "write [0x0A]"};
        QTest::newRow("[Foo]") << keys + "Pre=[Foo]\n" << int(Usage) << QByteArray()
                               << QStringList{"Pre=[Foo]", "[0xHH]"};
        QTest::newRow("unclosed [") << keys + "Pre=[0x5B\n" << int(Usage) << QByteArray()
                                    << QStringList{"Pre=[0x5B", "never closed", "[0x5B]"};
        // Little-endian, as Notepad saves "Unicode"; UTF-32 by its width alone.
        const auto wide = [](const QByteArray &text, int width) {
            QByteArray bytes;
            for (char c : text)
                bytes += c + QByteArray(width - 1, '\0');
            return bytes;
        };
        const QByteArray typed = keys + "Pre=AB\n";
        QTest::newRow("UTF-16, byte order mark") << "\xFF\xFE" + wide(typed, 2) << int(Usage) << QByteArray()
                                                 << QStringList{"saved as UTF-16", "save it as UTF-8"};
        QTest::newRow("UTF-16 without a mark") << wide(typed, 2) << int(Usage) << QByteArray()
                                               << QStringList{"saved as UTF-16", "save it as UTF-8"};
        QTest::newRow("UTF-32") << wide(typed, 4) << int(Usage) << QByteArray()
                                << QStringList{"saved as UTF-32", "save it as UTF-8"};
        QTest::newRow("[keylon]") << QByteArray("[keylon]\nBuzzer=0\n") << int(Usage) << QByteArray()
                                  << QStringList{"[keylon] is spelled [KEYLON]"};
        QTest::newRow("key in upper case") << keys + "BUZZER=1\n" << int(Usage) << QByteArray()
                                           << QStringList{"unknown key BUZZER", "spelled Buzzer"};
        QTest::newRow("key misspelled") << keys + "PreEnabel=1\n" << int(Usage) << QByteArray()
                                        << QStringList{"unknown key PreEnabel", "did you mean PreEnable?"};
        QTest::newRow("'#' in a value is text") << keys + "Pre=AB # note\n" << int(Success) << QByteArray("AB # note")
                                                << QStringList();
        QTest::newRow("'#' after a number") << keys + "OutputStart=3 # first\n" << int(Usage) << QByteArray()
                                            << QStringList{"is not a number", "'#' does not start a comment"};
    }
    void handTypedFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, pre);
        QFETCH(QStringList, said);
        const Run run = ctl({"apply", file(text)});
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == Success) {
            QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
            QCOMPARE(model().savedSettings().pre, pre);
            return;
        }
        for (const QString &part : said)
            QVERIFY2(run.err.contains(part), qPrintable(run.err));
        QVERIFY2(run.err.trimmed().endsWith("Nothing was sent."), qPrintable(run.err));
        QVERIFY(model().receivedFrames().isEmpty());
    }

    // The serial line can neither read nor write the keyboard country: a file that sets one is
    // applied once, and from then on the reader holds it as far as that line can tell.
    void applyOverSerialLeavesTheCountryOut()
    {
        VirtualReader::SerialEndpoint endpoint(model());
        QVERIFY(ReaderFixture::startSerialReader(endpoint));
        const QStringList site{file("[KEYLON]\nBuzzer=0\nKBCountry=3\n"), "--device", "serial:" + endpoint.portPath()};
        QCOMPARE(ctl(QStringList{"apply"} + site).exitCode, int(Success));
        const Run again = ctl(QStringList{"apply", "--json"} + site);
        QCOMPARE(again.exitCode, int(Success));
        const QJsonObject entry =
            QJsonDocument::fromJson(again.out.toUtf8()).object().value("readers").toArray().at(0).toObject();
        QCOMPARE(entry.value("result").toString(), QStringLiteral("unchanged"));
        QCOMPARE(ctl(QStringList{"diff"} + site).exitCode, int(Success));
    }

    // diff and apply --check: 0 when every reader matches, 5 when one differs, and a reader
    // that failed keeps its own code over another's drift.
    void driftHasItsOwnExitCode_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("first");   // the first reader: "matches", "differs" or "silent"
        QTest::addColumn<QString>("second");  // a second reader likewise; empty: none
        QTest::addColumn<int>("exitCode");
        for (const char *command : {"diff", "apply --check"}) {
            QTest::addRow("%s, matches", command) << command << "matches" << QString() << int(Success);
            QTest::addRow("%s, differs", command) << command << "differs" << QString() << int(Drift);
            QTest::addRow("%s, fails", command) << command << "silent" << QString() << int(ReaderFailed);
            QTest::addRow("%s, one matches, one differs", command) << command << "matches" << "differs" << int(Drift);
            QTest::addRow("%s, one differs, one fails", command) << command << "differs" << "silent"
                                                                 << int(ReaderFailed);
        }
    }
    void driftHasItsOwnExitCode()
    {
        QFETCH(QString, command);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, exitCode);
        const QString site = file("[KEYLON]\nBuzzer=0\nPreEnable=1\nPre=ID\n");
        Model::setCount(second.isEmpty() ? 1 : 2);
        const QStringList states{first, second};
        for (int n = 1; n <= states.size() && !states.at(n - 1).isEmpty(); ++n) {
            Model *reader = Model::reader(n);
            if (states.at(n - 1) == "matches") {
                Model::Stored held = reader->stored();
                held.saved.options = quint8((held.saved.options & ~OptionBits::Buzzer) | OptionBits::PreEnable);
                held.saved.pre = "ID";
                reader->powerUp(held);
            }
            VirtualReader::Faults faults;
            faults.noAnswer = states.at(n - 1) == "silent";
            reader->setFaults(faults);
        }
        const Run run = ctl(command.split(' ') + QStringList{site, "--all", "--json"});
        QCOMPARE(run.exitCode, exitCode);
        const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(document.value("exitCode").toInt(), exitCode);
        QCOMPARE(document.value("check").toBool(), true);
        for (int n = 1; n <= Model::count(); ++n)
            QVERIFY(!Model::reader(n)->receivedFrames().isEmpty());  // read, and only read
        for (int n = 1; n <= Model::count(); ++n)
            QCOMPARE(Model::reader(n)->savedSettings().pre, QByteArray(states.at(n - 1) == "matches" ? "ID" : ""));
    }
};

QTEST_GUILESS_MAIN(TestCtlContract)
#include "tst_ctl_contract.moc"
