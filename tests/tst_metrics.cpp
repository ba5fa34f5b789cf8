// The metrics file of --metrics: which readers it names as time goes by, how it spells what a
// reader says of itself, and how it reaches the disk.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <sys/stat.h>

#include "ctl/output/metrics.h"

using Ctl::Metrics;
using Result = Ctl::ReaderOutcome::Result;

namespace {

constexpr qint64 Start = 1'700'000'000'000;
constexpr qint64 Minute = 60 * 1000;

ReaderList::Reader reader(int number, const QString &serial = QString())
{
    ReaderList::Reader reader;
    reader.path = QStringLiteral("/dev/hidraw%1").arg(number);
    reader.serialNumber = serial.isEmpty() ? QStringLiteral("KLN2-%1").arg(number) : serial;
    reader.portPath = QStringLiteral("1-%1").arg(number);
    return reader;
}

Ctl::ReaderOutcome outcome(const ReaderList::Reader &reader, Result result)
{
    Ctl::ReaderOutcome outcome;
    outcome.reader = reader;
    outcome.result = result;
    outcome.firmware = QStringLiteral("1.20");
    return outcome;
}

// The value of the sample whose line starts with `series` (name and labels up to where the
// caller stops); empty when there is none.
QByteArray sample(const QByteArray &text, const QByteArray &series)
{
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith(series))
            return line.mid(line.lastIndexOf(' ') + 1);
    }
    return QByteArray();
}

}  // namespace

class TestMetrics : public QObject
{
    Q_OBJECT

private slots:
    // Steps at minutes from the start: "+N" reader N plugged in and done (changed), "-N" pulled
    // out, "N*" plugged in on node N as another reader (N's own was pulled out unseen),
    // "expire" drops what is due. Then: the readers named (by serial), attached or not, and
    // when the next one is due to leave.
    void pulledReadersLeaveInTime_data()
    {
        QTest::addColumn<QStringList>("steps");  // "MINUTE STEP"
        QTest::addColumn<QStringList>("named");  // "SERIAL=ATTACHED"
        QTest::addColumn<qint64>("nextExpiry");  // minutes; -1 none
        QTest::newRow("attached readers stay") << QStringList{"0 +1", "1 +2", "30 expire"}
                                               << QStringList{"KLN2-1=1", "KLN2-2=1"} << qint64(-1);
        QTest::newRow("pulled out: named, not attached, until its time")
            << QStringList{"0 +1", "1 +2", "2 -1", "11 expire"} << QStringList{"KLN2-1=0", "KLN2-2=1"} << qint64(12);
        QTest::newRow("pulled out: gone once its time came")
            << QStringList{"0 +1", "1 +2", "2 -1", "12 expire"} << QStringList{"KLN2-2=1"} << qint64(-1);
        QTest::newRow("plugged in again before its time: attached, stays")
            << QStringList{"0 +1", "2 -1", "5 +1", "20 expire"} << QStringList{"KLN2-1=1"} << qint64(-1);
        QTest::newRow("another reader on its node: the first counts as gone")
            << QStringList{"0 +1", "3 1*", "12 expire"} << QStringList{"KLN2-1=0", "KLN2-OTHER=1"} << qint64(13);
    }
    void pulledReadersLeaveInTime()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, named);
        QFETCH(qint64, nextExpiry);
        Metrics metrics(Metrics::Scope::Station, QStringLiteral("station.prom"), false, Start);
        for (const QString &step : steps) {
            const qint64 at = Start + step.section(' ', 0, 0).toLongLong() * Minute;
            const QString what = step.section(' ', 1);
            const int number = what.mid(what.startsWith('+') || what.startsWith('-') ? 1 : 0, 1).toInt();
            if (what == QLatin1String("expire")) {
                metrics.expire(at);
            } else if (what.startsWith('-')) {
                metrics.gone(reader(number), at);
            } else {
                const ReaderList::Reader plugged = what.endsWith('*') ? reader(number, QStringLiteral("KLN2-OTHER"))
                                                                      : reader(number);
                metrics.takenUp(plugged, at);
                metrics.done(outcome(plugged, Result::Changed), at);
            }
        }
        const QByteArray text = metrics.text();
        QStringList seen;
        for (const QByteArray &line : text.split('\n')) {
            if (!line.startsWith("keylon2_reader_attached{"))
                continue;
            const int start = line.indexOf("serial_number=\"") + 15;
            seen << QString::fromUtf8(line.mid(start, line.indexOf('"', start) - start)) + '='
                    + QString::fromUtf8(line.right(1));
        }
        QCOMPARE(seen, named);
        QCOMPARE(text.count("keylon2_reader_info{"), named.size());
        QCOMPARE(metrics.nextExpiry(), nextExpiry < 0 ? -1 : Start + nextExpiry * Minute);
    }

    // However many readers come and go, the gone ones named are at most MaxGoneReaders.
    void goneReadersAreBounded()
    {
        Metrics metrics(Metrics::Scope::Station, QStringLiteral("station.prom"), false, Start);
        const int plugs = Metrics::MaxGoneReaders + 50;
        for (int i = 0; i < plugs; ++i) {
            const ReaderList::Reader plugged = reader(1, QStringLiteral("SN-%1").arg(i));
            metrics.takenUp(plugged, Start + i);
            metrics.done(outcome(plugged, Result::Unchanged), Start + i);
            metrics.gone(plugged, Start + i);
        }
        const QByteArray text = metrics.text();
        QCOMPARE(text.count("keylon2_reader_info{"), Metrics::MaxGoneReaders);
        QVERIFY(!text.contains("\"SN-49\""));  // those gone longest left first
        QVERIFY(text.contains("\"SN-50\""));
        QCOMPARE(sample(text, "keylon2_readers_total{source=\"station\",result=\"unchanged\"}"),
                 QByteArray::number(plugs));
    }

    // What a reader says of itself goes between double quotes, escaped as the format wants;
    // a check counts a reader that would change as drift.
    void labelsAndDrift()
    {
        Metrics metrics(Metrics::Scope::Run, QStringLiteral("/x/check \"a\".prom"), true, Start);
        const ReaderList::Reader odd = reader(1, QStringLiteral("SN\"1\\2\n3"));
        metrics.takenUp(odd, Start);
        metrics.done(outcome(odd, Result::Changed), Start + 1500);
        metrics.runEnded(5, Start + 2000);
        const QByteArray text = metrics.text();
        QVERIFY2(text.contains("keylon2_reader_info{source=\"check \\\"a\\\"\",device=\"hid:/dev/hidraw1\","
                               "serial_number=\"SN\\\"1\\\\2\\n3\",port_path=\"1-1\",firmware=\"1.20\"} 1\n"),
                 text.constData());
        QCOMPARE(sample(text, "keylon2_drift_total{"), QByteArray("1"));
        QCOMPARE(sample(text, "keylon2_drifted_readers{"), QByteArray("1"));
        QCOMPARE(sample(text, "keylon2_run_exit_code{"), QByteArray("5"));
        QCOMPARE(sample(text, "keylon2_last_reader_timestamp_seconds{"), QByteArray("1700000001.500"));
        QVERIFY(!text.contains("keylon2_station_up"));
        QVERIFY(!text.contains("keylon2_last_failure_timestamp_seconds"));
    }

    // The file is replaced whole, readable by the collector's user whatever the umask, with
    // nothing left beside it; where it cannot be written, the error names it, once.
    void fileIsReplacedWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("station.prom"));
        Metrics metrics(Metrics::Scope::Station, path, false, Start);
        Message error;
        const mode_t umaskBefore = ::umask(027);
        const bool written = metrics.write(&error);
        ::umask(umaskBefore);
        QVERIFY2(written, qPrintable(error.english()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), metrics.text());
        QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::WriteGroup),
                 QFile::ReadOther);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"station.prom"});

        Metrics nowhere(Metrics::Scope::Run, dir.filePath(QStringLiteral("missing/x.prom")), false, Start);
        QVERIFY(!nowhere.write(&error));
        QVERIFY2(error.english().contains("No such file or directory"), qPrintable(error.english()));
        QString said;  // a station whose directory is missing says so once, not at every reader
        QTextStream err(&said);
        nowhere.writeOrSay(err);
        nowhere.writeOrSay(err);
        QCOMPARE(said, error.english() + '\n');
    }
};

QTEST_GUILESS_MAIN(TestMetrics)
#include "tst_metrics.moc"
