// The reader watcher on the virtual readers: USB HID readers plugged in and pulled out through
// the stand-in's plug directory, serial readers through the platform's port list.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/link/reader_watcher.h"
#include "core/platform/platform.h"
#include "plug_dir.h"
#include "reader_bench.h"
#include "reader_model.h"

namespace {

Platform::PortRecord serialReader(const QString &name)
{
    const QString path = QStringLiteral("/dev/ttyACM") + name.section(QLatin1Char('-'), 1);
    return {path.mid(5), QStringLiteral("Keylon2 Key Reader"), path, QStringLiteral("Keylon"), 0x0416, 0xF100,
            QStringLiteral("KLN2-S") + name.section(QLatin1Char('-'), 1)};
}

}  // namespace

class TestReaderWatcher : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QList<Platform::PortRecord> ports;
    QStringList events;
    QSet<QString> attached;
    int listings = 0;

    // "+hid-2" plugs USB HID reader 2 in, "-serial-5" pulls serial reader 5 out, "~hid-2"
    // rewrites reader 2's file.
    void step(const QString &what)
    {
        const QString name = what.mid(1);
        const bool in = what.startsWith(QLatin1Char('+'));
        if (in)
            attached.insert(name);
        else
            attached.remove(name);
        if (what.startsWith(QLatin1Char('~'))) {  // rewritten whole, as the stand-in keeps a reader's settings
            QVERIFY(VirtualReader::PlugDir::replaceIfPresent(dir.filePath(name), "buzzer=1\n"));
            return;
        }
        if (!name.startsWith(QLatin1String("serial"))) {  // the stand-in's hid-N, or a file of no reader
            QFile file(dir.filePath(name));
            QVERIFY(in ? file.open(QIODevice::WriteOnly) : file.remove());
            return;
        }
        const Platform::PortRecord port = serialReader(name);
        if (in)
            ports.append(port);
        else
            ports.erase(std::remove_if(ports.begin(), ports.end(),
                                       [&port](const Platform::PortRecord &p) { return p.physName == port.physName; }),
                        ports.end());
    }

    std::unique_ptr<ReaderWatcher> watcher(int listIntervalMs, const QList<ReaderWatcher::DeviceDirectory> &directories = {},
                                           int settleMs = 50)
    {
        ReaderWatcher::Options options;
        options.directories = directories;
        options.list = [this] {
            ++listings;
            return ReaderList::attached();
        };
        options.listIntervalMs = listIntervalMs;
        options.settleMs = settleMs;
        options.listingOnly = directories.isEmpty();
        auto made = std::make_unique<ReaderWatcher>(options);
        connect(made.get(), &ReaderWatcher::appeared, this,
                [this](const ReaderList::Reader &r) { events << "appeared " + r.device(); });
        connect(made.get(), &ReaderWatcher::vanished, this,
                [this](const ReaderList::Reader &r) { events << "vanished " + r.device(); });
        return made;
    }

    // The plug directory as the stand-in's /dev, as the demo builds watch it: hid-N is the
    // node /dev/virtual-hidrawN.
    ReaderWatcher::DeviceDirectory plugDirectory() const
    {
        const QString path = dir.path();
        return {path, {QStringLiteral("hid-*")},
                [path](const QString &name) { return VirtualReader::PlugDir::nodeOfFile(path, name); }};
    }

    // Until the watcher has listed `more` more times.
    bool listed(int more)
    {
        const int until = listings + more;
        return ReaderFixture::waitUntil([&] { return listings >= until; });
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(name));
        ports.clear();
        attached.clear();
        events.clear();
        listings = 0;
        Platform::setPortEnumerator([this] { return ports; });
        VirtualReader::PlugDir::followUsbHid(dir.path());
    }
    void cleanup()
    {
        VirtualReader::PlugDir::followUsbHid(QString());
        VirtualReader::Model::setCount(1);
        VirtualReader::Model::instance().reset();
        Platform::resetSeams();
    }

    void shouldReportEachPlugOnce_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one after another") << QStringList() << QStringList {"+hid-1", "+hid-3", "+serial-5"}
                                           << QStringList {"appeared hid:/dev/virtual-hidraw1",
                                                           "appeared hid:/dev/virtual-hidraw3",
                                                           "appeared serial:/dev/ttyACM5"};
        QTest::newRow("there at the start, then pulled out")
            << QStringList {"+hid-2", "+serial-6"} << QStringList {"-hid-2", "-serial-6"}
            << QStringList {"appeared hid:/dev/virtual-hidraw2", "appeared serial:/dev/ttyACM6",
                            "vanished hid:/dev/virtual-hidraw2", "vanished serial:/dev/ttyACM6"};
        QTest::newRow("usb hid: pulled out and plugged in again")
            << QStringList() << QStringList {"+hid-2", "-hid-2", "+hid-2"}
            << QStringList {"appeared hid:/dev/virtual-hidraw2", "vanished hid:/dev/virtual-hidraw2",
                            "appeared hid:/dev/virtual-hidraw2"};
        QTest::newRow("serial: pulled out and plugged in again")
            << QStringList() << QStringList {"+serial-5", "-serial-5", "+serial-5"}
            << QStringList {"appeared serial:/dev/ttyACM5", "vanished serial:/dev/ttyACM5",
                            "appeared serial:/dev/ttyACM5"};
    }
    // Listing mode: every change shows once, at the next listing, however many listings follow.
    void shouldReportEachPlugOnce()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        for (const QString &what : before)
            step(what);
        auto w = watcher(10);
        w->start();
        QCOMPARE(w->mode(), ReaderWatcher::Mode::Listing);
        for (const QString &what : steps) {
            step(what);
            QVERIFY(listed(3));
        }
        QCOMPARE(events, expected);
        QCOMPARE(w->readers().size(), attached.size());
        w->stop();
        const int stoppedAt = listings;
        QTest::qWait(50);
        QCOMPARE(listings, stoppedAt);
    }

    void shouldListOnceTheDeviceEventsSettle_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("change");  // made between start and the events
        QTest::addColumn<QStringList>("udevEvents");
        QTest::addColumn<QStringList>("expected");
        const QString node = QStringLiteral("/dev/virtual-hidraw2");
        QTest::newRow("one plug, several events") << QStringList() << "+hid-2"
                                                  << QStringList {"add " + node, "change " + node, "add " + node}
                                                  << QStringList {"appeared hid:" + node};
        QTest::newRow("pulled out and back between two listings")
            << QStringList {"+hid-2"} << QString() << QStringList {"remove " + node, "add " + node}
            << QStringList {"appeared hid:" + node, "vanished hid:" + node, "appeared hid:" + node};
        QTest::newRow("another device comes and goes") << QStringList {"+hid-2"} << QString()
                                                       << QStringList {"remove /dev/hidraw9", "add /dev/hidraw9"}
                                                       << QStringList {"appeared hid:" + node};
    }
    // What udev's monitor reports is played through deviceEvent: one listing per burst.
    void shouldListOnceTheDeviceEventsSettle()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, change);
        QFETCH(QStringList, udevEvents);
        QFETCH(QStringList, expected);
        for (const QString &what : before)
            step(what);
        auto w = watcher(3600 * 1000);
        w->start();
        QCOMPARE(listings, 1);
        if (!change.isEmpty())
            step(change);
        for (const QString &event : udevEvents)
            w->deviceEvent(event.section(QLatin1Char(' '), 0, 0), event.section(QLatin1Char(' '), 1));
        QVERIFY(listed(1));
        QTest::qWait(150);
        QCOMPARE(listings, 2);
        QCOMPARE(events, expected);
    }

    void shouldListOnlyWhenTheDeviceDirectoryChanges_data()
    {
        // "+hid-N", "-hid-N", "+other-1", "~hid-N" (as step()); "0hid-N" makes the node without
        // rights, "^hid-N" gives them; "." waits for a listing
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("listings");       // after the one at start
        const QString node = QStringLiteral("hid:/dev/virtual-hidraw");
        QTest::newRow("plugged in, then pulled out")
            << QStringList {"+hid-1", ".", "-hid-1", "."} << QStringList {"appeared " + node + "1", "vanished " + node + "1"}
            << 2;
        QTest::newRow("three plugged in at once: one listing")
            << QStringList {"+hid-1", "+hid-2", "+hid-3", "."}
            << QStringList {"appeared " + node + "1", "appeared " + node + "2", "appeared " + node + "3"} << 1;
        QTest::newRow("pulled out and plugged in again before a listing")
            << QStringList {"+hid-2", ".", "-hid-2", "+hid-2", "."}
            << QStringList {"appeared " + node + "2", "vanished " + node + "2", "appeared " + node + "2"} << 2;
        QTest::newRow("a reader's file rewritten whole: no plug")
            << QStringList {"+hid-2", ".", "~hid-2", "."} << QStringList {"appeared " + node + "2"} << 2;
        // As udev does it: the node first, its group and mode a moment later.
        QTest::newRow("rights given after the node: listed again")
            << QStringList {"0hid-1", ".", "^hid-1", "."} << QStringList {"appeared " + node + "1"} << 2;
        QTest::newRow("a file that is no reader's node: no listing") << QStringList {"+other-1"} << QStringList() << 0;
        QTest::newRow("nothing happens: no listing") << QStringList() << QStringList() << 0;
    }
    // Without udev the device directory says what changed; nothing else makes a listing.
    void shouldListOnlyWhenTheDeviceDirectoryChanges()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        QFETCH(int, listings);
        auto w = watcher(3600 * 1000, {plugDirectory()});
        w->start();
        QCOMPARE(w->mode(), ReaderWatcher::Mode::DeviceDirectory);
        QCOMPARE(w->watchedPaths(), QStringList {dir.path()});
        for (const QString &what : steps) {
            const QByteArray path = QFile::encodeName(dir.filePath(what.mid(1)));
            if (what == QLatin1String("."))
                QVERIFY(listed(1));
            else if (what.startsWith(QLatin1Char('0')))
                QVERIFY(::close(::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0)) == 0);
            else if (what.startsWith(QLatin1Char('^')))
                QVERIFY(::chmod(path.constData(), 0660) == 0);
            else
                step(what);
        }
        QTest::qWait(200);
        QCOMPARE(this->listings - 1, listings);
        QCOMPARE(events, expected);
    }

    // A reader out for 50 ms and back (a device reset looks like that) is a new plug every
    // time, also when it is back before the events have settled.
    void shouldTakeUpEveryQuickReplug()
    {
        step("+hid-2");
        auto w = watcher(3600 * 1000, {plugDirectory()}, 60);  // the 50 ms out fall inside it
        w->start();
        QDir(dir.path()).mkdir(QStringLiteral("away"));
        const QString node = QStringLiteral("hid:/dev/virtual-hidraw2");
        const QString in = dir.filePath("hid-2");
        const QString away = dir.filePath("away/hid-2");
        constexpr int Cycles = 200;
        for (int cycle = 1; cycle <= Cycles; ++cycle) {
            QVERIFY(QFile::rename(in, away));
            QTest::qWait(50);
            QVERIFY(QFile::rename(away, in));
            QVERIFY2(ReaderFixture::waitUntil([&] { return events.count("appeared " + node) == cycle + 1; }),
                     qPrintable(QStringLiteral("cycle %1: %2").arg(cycle).arg(events.join(", ").right(200))));
        }
        QCOMPARE(events.count("vanished " + node), Cycles);
    }

    // A watched directory that goes away leaves listing as the way to learn of readers.
    void shouldListOnceASecondWhenTheDeviceDirectoryGoes()
    {
        auto gone = std::make_unique<QTemporaryDir>();
        QVERIFY(gone->isValid());
        auto w = watcher(20, {{gone->path(), {QStringLiteral("hid-*")}, {}}});
        w->start();
        QCOMPARE(w->mode(), ReaderWatcher::Mode::DeviceDirectory);
        gone.reset();
        QVERIFY(ReaderFixture::waitUntil([&] { return w->mode() == ReaderWatcher::Mode::Listing; }));
        step("+hid-4");
        QVERIFY(ReaderFixture::waitUntil([&] { return events == QStringList {"appeared hid:/dev/virtual-hidraw4"}; }));
    }
};

QTEST_GUILESS_MAIN(TestReaderWatcher)
#include "tst_reader_watcher.moc"
