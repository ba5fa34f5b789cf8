// The reader object: each way of opening a reader ends in the reader or in one error of a
// closed set, with what a front end needs to word it.
#include <QtTest>

#include <hidapi.h>

#include "core/link/reader_list.h"
#include "core/reader/held_reader.h"
#include "reader_model.h"

using VirtualReader::Faults;
using VirtualReader::Model;
using Failure = HeldReader::Failure;

namespace {

enum class Way {
    Listed,  // a listed reader: its lock, then its path (keylon2ctl)
    ByIds,   // by the USB IDs, then the node's lock (the window)
};

enum class Setup {
    Nothing,
    NoReader,      // no reader on USB HID
    Refused,       // the node belongs to someone else
    OpenFails,     // the node does not open for another reason
    HeldHere,      // another holder of the lock (in this process)
    NoLockDir,     // neither the lock directory nor the node can be locked
};

ReaderList::Reader hidReader()
{
    ReaderList::Reader reader;
    reader.path = QString::fromLatin1(Model::instance().hidPath());
    return reader;
}

}  // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(HeldReader::Failure)

class TestReader : public QObject
{
    Q_OBJECT

    QByteArray lockDir;

private slots:
    void initTestCase()
    {
        hid_init();
        lockDir = qgetenv("KEYLON2_LOCK_DIR");
    }

    void cleanup()
    {
        Model::setCount(1);
        Model::instance().reset();
        qputenv("KEYLON2_LOCK_DIR", lockDir);
    }

    void openEndsInTheReaderOrOneError_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("port");  // a serial port instead of the USB HID reader
        QTest::addColumn<Failure>("failure");

        QTest::newRow("listed: opens") << Way::Listed << Setup::Nothing << QString() << Failure::None;
        QTest::newRow("by IDs: opens") << Way::ByIds << Setup::Nothing << QString() << Failure::None;
        QTest::newRow("port not there") << Way::Listed << Setup::Nothing << "/dev/keylon2-no-such-port"
                                        << Failure::NotFound;
        QTest::newRow("by IDs: none attached") << Way::ByIds << Setup::NoReader << QString() << Failure::NotFound;
        QTest::newRow("listed: denied") << Way::Listed << Setup::Refused << QString() << Failure::Denied;
        QTest::newRow("by IDs: denied") << Way::ByIds << Setup::Refused << QString() << Failure::Denied;
        QTest::newRow("listed: busy") << Way::Listed << Setup::HeldHere << QString() << Failure::Busy;
        QTest::newRow("by IDs: busy") << Way::ByIds << Setup::HeldHere << QString() << Failure::Busy;
        QTest::newRow("listed: no lock") << Way::Listed << Setup::NoLockDir << QString() << Failure::NoLock;
        QTest::newRow("by IDs: no lock") << Way::ByIds << Setup::NoLockDir << QString() << Failure::NoLock;
        QTest::newRow("listed: fails") << Way::Listed << Setup::OpenFails << QString() << Failure::Failed;
        QTest::newRow("port is no terminal") << Way::Listed << Setup::Nothing << "/dev/null" << Failure::Failed;
    }
    void openEndsInTheReaderOrOneError()
    {
        QFETCH(Way, way);
        QFETCH(Setup, setup);
        QFETCH(QString, port);
        QFETCH(Failure, failure);

        Faults faults;
        faults.openRefused = setup == Setup::Refused;
        faults.openFails = setup == Setup::OpenFails;
        Model::instance().setFaults(faults);
        if (setup == Setup::NoReader)
            Model::setCount(0);
        if (setup == Setup::NoLockDir)
            qputenv("KEYLON2_LOCK_DIR", lockDir + "/not-there");
        const QString node = QString::fromLatin1(Model::instance().hidPath());
        ReaderLock held;
        if (setup == Setup::HeldHere) {
            held = ReaderLock::take(node);
            QVERIFY(held.held());
        }

        ReaderList::Reader listed = port.isEmpty() ? hidReader() : Transports::serial().named(port);
        ReaderList::Reader byIds;
        const HeldReader::Opening opening =
            way == Way::ByIds ? HeldReader::openByIds(byIds) : HeldReader::open(listed);

        QCOMPARE(opening.error.failure, failure);
        QCOMPARE(opening.ok(), failure == Failure::None);
        switch (failure) {
        case Failure::None:
            QVERIFY(opening.reader->lock().held());
            QVERIFY(opening.reader->carriesCountry());
            break;
        case Failure::Denied:
            QCOMPARE(opening.error.access.finding, AccessCheck::Finding::Denied);
            QCOMPARE(opening.error.access.node, node);
            break;
        case Failure::Busy:
            QCOMPARE(opening.error.holder.pid, QCoreApplication::applicationPid());
            QCOMPARE(opening.error.node, node);
            break;
        case Failure::NoLock:
            QVERIFY2(opening.error.reason.contains("not-there"), qPrintable(opening.error.reason));
            break;
        case Failure::NotFound:
        case Failure::Failed:
            QCOMPARE(opening.error.reason.isEmpty(), way == Way::ByIds);
            break;
        }
    }

    // Told to go on without a lock, a reader that cannot have one opens and says so; one that
    // is busy is still refused.
    void withoutLockOpensOnlyWhatNoLockKeeps()
    {
        HeldReader::Wait wait;
        wait.withoutLock = true;
        qputenv("KEYLON2_LOCK_DIR", lockDir + "/not-there");
        const HeldReader::Opening lockless = HeldReader::open(hidReader(), wait);
        QVERIFY(lockless.ok());
        QVERIFY(lockless.reader->lockless());
        QVERIFY(lockless.reader->lockError().contains("not-there"));

        qputenv("KEYLON2_LOCK_DIR", lockDir);
        const ReaderLock held = ReaderLock::take(hidReader().path);
        QCOMPARE(HeldReader::open(hidReader(), wait).error.failure, Failure::Busy);
    }
};

QTEST_GUILESS_MAIN(TestReader)
#include "tst_reader.moc"
