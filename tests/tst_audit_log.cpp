// The audit log: one line per reader, valid against its schema, appended whole whoever else
// appends, and a log that cannot be had refused before anything else.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "build_paths.h"
#include "ctl/output/audit_log.h"

using Ctl::AuditEntry;
using Ctl::AuditLog;
using Ctl::AuditRun;

namespace {

const QString Schema = buildPath("KEYLON2_SOURCE_DIR", "/data/schema/keylon2ctl-audit.schema.json");
const QString Validator = buildPath("KEYLON2_SOURCE_DIR", "/tests/support/json_lines_valid.py");

QList<QByteArray> lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> result = file.readAll().split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

// The child process of the concurrent test: appends `count` long lines tagged `tag`.
int appendLines(const QString &path, const QString &tag, int count)
{
    Message error;
    auto log = AuditLog::open(path, {QStringLiteral("apply"), false, QStringLiteral("site.cfg"),
                                     AuditLog::sha256Hex("site")}, &error);
    if (!log)
        return 2;
    // Longer than a pipe's atomic write and than a stdio buffer: a line written in parts would
    // let the other process's lines in between.
    const QString padding(6000, QLatin1Char('x'));
    for (int i = 0; i < count; ++i) {
        AuditEntry entry{QStringLiteral("hid:/dev/virtual-hidraw1"), QStringLiteral("1-1"),
                         QStringLiteral("%1-%2").arg(tag).arg(i), QStringLiteral("1.20"), QStringLiteral("failed"),
                         {}, Message::plain(padding)};
        if (!log->append(entry))
            return 1;
    }
    return log->close() ? 0 : 1;
}

}  // namespace

Q_DECLARE_METATYPE(AuditRun)
Q_DECLARE_METATYPE(QList<AuditEntry>)

class TestAuditLog : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void shouldWriteOneValidLinePerReader_data()
    {
        QTest::addColumn<AuditRun>("run");
        QTest::addColumn<QList<AuditEntry>>("entries");
        QTest::addColumn<bool>("valid");
        const QString sha = AuditLog::sha256Hex("abc");
        QCOMPARE(sha, QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
        const AuditRun apply{"apply", false, "site.cfg", sha};
        const AuditEntry changed{"hid:/dev/hidraw3", "1-2.3", "KLN2-000001", "1.20", "changed", {"Buzzer", "Post"}, {}};
        const AuditEntry unchanged{"serial:/dev/ttyACM0", "", "", "QKR1.20", "unchanged", {}, {}};
        const AuditEntry failed{"hid:/dev/hidraw4", "1-2.4", "KLN2-000002", "", "failed", {}, Message::plain("device disconnected")};
        QTest::newRow("apply: changed and unchanged") << apply << QList<AuditEntry> {changed, unchanged} << true;
        QTest::newRow("apply --check") << AuditRun {"apply", true, "site.cfg", sha} << QList<AuditEntry> {changed}
                                       << true;
        QTest::newRow("write: a reader failed") << AuditRun {"write", false, "/tmp/a b.cfg", sha}
                                                << QList<AuditEntry> {failed} << true;
        QTest::newRow("set-interface: no file") << AuditRun {"set-interface", false, {}, {}}
                                                << QList<AuditEntry> {changed} << true;
        QTest::newRow("text that needs escaping")
            << AuditRun {"apply", false, "caf\u00e9 \"1\".cfg", sha}
            << QList<AuditEntry> {{"serial:/dev/pts/4", "", "KLN2-\"\u00fc\"\n", "1.20\t", "failed", {}, Message::plain("line\nbreak").coded("no-answer")}}
            << true;
        QTest::newRow("refused: failed without why") << apply
                                                     << QList<AuditEntry> {{"hid:/dev/hidraw4", "", "", "", "failed", {}, {}}}
                                                     << false;
        QTest::newRow("refused: not a command's result") << apply
                                                         << QList<AuditEntry> {{"hid:/dev/hidraw4", "", "", "", "done", {}, {}}}
                                                         << false;
    }
    // An earlier run's line stays; each reader adds exactly its line, whole and valid.
    void shouldWriteOneValidLinePerReader()
    {
        QFETCH(AuditRun, run);
        QFETCH(QList<AuditEntry>, entries);
        QFETCH(bool, valid);
        const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".log");
        Message error;
        {
            auto earlier = AuditLog::open(path, {"write", false, "old.cfg", AuditLog::sha256Hex("old")}, &error);
            QVERIFY2(earlier, qPrintable(error.english()));
            QVERIFY(earlier->append({"hid:/dev/hidraw1", "1-1", "KLN2-000009", "1.20", "written", {"Pre"}, {}}));
            QVERIFY(earlier->close(&error));
        }
        const QByteArray first = lines(path).value(0);
        const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1);
        auto log = AuditLog::open(path, run, &error);
        QVERIFY2(log, qPrintable(error.english()));
        for (const AuditEntry &entry : entries)
            QVERIFY(log->append(entry, &error));
        QVERIFY2(log->close(&error), qPrintable(error.english()));

        const QList<QByteArray> written = lines(path);
        QCOMPARE(written.size(), 1 + entries.size());
        QCOMPARE(written.first(), first);
        for (int i = 0; i < entries.size(); ++i) {
            const QJsonObject line = QJsonDocument::fromJson(written[i + 1]).object();
            const AuditEntry &entry = entries[i];
            QCOMPARE(line.value("command").toString(), run.command);
            QCOMPARE(line.value("check").toBool(), run.check);
            QCOMPARE(line.value("file").toString(), run.file);
            QCOMPARE(line.value("fileSha256").toString(), run.fileSha256);
            QCOMPARE(line.value("device").toString(), entry.device);
            QCOMPARE(line.value("serialNumber").toString(), entry.serialNumber);
            QCOMPARE(line.value("firmware").toString(), entry.firmware);
            QCOMPARE(line.value("result").toString(), entry.result);
            QCOMPARE(line.value("fields").toVariant().toStringList(), entry.fields);
            QCOMPARE(line.value("error").toString(), entry.error.english());
            QCOMPARE(line.value("code").toString(), entry.error.code());
            const QDateTime time = QDateTime::fromString(line.value("time").toString(), Qt::ISODateWithMs);
            QVERIFY2(time >= before && time <= QDateTime::currentDateTimeUtc(), qPrintable(line.value("time").toString()));
        }

        QProcess python;
        python.start(QStringLiteral(KEYLON2_PYTHON3), {Validator, Schema, path});
        QVERIFY(python.waitForFinished(30000));
        const QByteArray said = python.readAllStandardOutput() + python.readAllStandardError();
        QVERIFY2(python.exitCode() == (valid ? 0 : 1), said.constData());
    }

    void shouldRefuseALogItCannotHave_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("why");
        QTest::newRow("a directory") << dir.path() << "Is a directory";
        QTest::newRow("in a missing directory") << dir.filePath("missing/audit.log") << "No such file or directory";
        QTest::newRow("a device") << "/dev/null" << "not a regular file";
        QTest::newRow("a FIFO nobody reads") << dir.filePath("fifo") << "No such device or address";
        QTest::newRow("no name") << QString() << "--log wants a file name";
    }
    void shouldRefuseALogItCannotHave()
    {
        QFETCH(QString, path);
        QFETCH(QString, why);
        if (path.endsWith("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 || errno == EEXIST);
        Message error;
        QVERIFY(!AuditLog::open(path, {"apply", false, {}, {}}, &error));
        QVERIFY2(error.english().contains(why) && error.english().contains(path), qPrintable(error.english()));
    }

    // Two runs appending to one log at once leave whole lines only, every one of them.
    void shouldKeepLinesWholeWhenTwoRunsAppendAtOnce()
    {
        constexpr int Count = 300;
        const QString path = dir.filePath("shared.log");
        QProcess first;
        QProcess second;
        first.start(QCoreApplication::applicationFilePath(), {"--append", path, "A", QString::number(Count)});
        second.start(QCoreApplication::applicationFilePath(), {"--append", path, "B", QString::number(Count)});
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        const QList<QByteArray> written = lines(path);
        QCOMPARE(written.size(), 2 * Count);
        QSet<QString> seen;
        for (const QByteArray &line : written) {
            const QJsonDocument document = QJsonDocument::fromJson(line);
            QVERIFY2(document.isObject(), line.left(80).constData());
            seen.insert(document.object().value("serialNumber").toString());
        }
        QCOMPARE(seen.size(), 2 * Count);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 5 && QByteArray(argv[1]) == "--append")
        return appendLines(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]).toInt());
    QCoreApplication app(argc, argv);
    TestAuditLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_audit_log.moc"
