// What a firmware update is checked by: the reader kept before, found back after its loader,
// compared, and the settings of before put back on that reader alone.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <hidapi.h>

#include "build_paths.h"
#include "core/reader/firmware_check.h"
#include "core/settings/config_mapping.h"
#include "core/settings/page_record.h"
#include "core_support.h"
#include "reader_bench.h"
#include "reader_model.h"
#include "serial_endpoint.h"

using VirtualReader::Model;
using namespace FirmwareCheck;

namespace {

enum class Loader {
    Updated,     // a newer version, factory settings
    Unchanged,   // back as it was
    Expected,    // a newer version, but not the one expected
    Lost,        // stays in its loader
    Another,     // another serial number where it was
    NewNode,     // updated, and back as reader 2 with its serial number
};

ReaderList::Reader listedOnly()
{
    const QList<ReaderList::Reader> readers = ReaderList::attached();
    return readers.size() == 1 ? readers.first() : ReaderList::Reader();
}

ReaderSession::SettingsRead readOf(const ReaderList::Reader &listed, std::unique_ptr<HeldReader> *held = nullptr)
{
    HeldReader::Opening opening = HeldReader::open(listed);
    ReaderSession::SettingsRead read;
    read.result = failure(SessionResult::Outcome::LineGone, SessionResult::Step::Status);
    if (!opening.ok())
        return read;
    read = opening.reader->readSettings();
    if (held)
        *held = std::move(opening.reader);
    return read;
}

}  // namespace

Q_DECLARE_METATYPE(Loader)
Q_DECLARE_METATYPE(FirmwareCheck::Return)
Q_DECLARE_METATYPE(FirmwareCheck::Outcome)

class TestFirmwareCheck : public QObject
{
    Q_OBJECT

    FastPauses pauses;

private slots:
    void initTestCase() { hid_init(); }

    void cleanup()
    {
        Model::setCount(1);
        Model::instance().reset();
    }

    void findsTheReaderBackAndComparesIt_data()
    {
        QTest::addColumn<Loader>("loader");
        QTest::addColumn<Return>("how");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("updated") << Loader::Updated << Return::Same << Outcome::Updated;
        QTest::newRow("unchanged") << Loader::Unchanged << Return::Same << Outcome::Unchanged;
        QTest::newRow("unexpected version") << Loader::Expected << Return::Same << Outcome::UnexpectedVersion;
        QTest::newRow("not back") << Loader::Lost << Return::NotBack << Outcome::NotBack;
        QTest::newRow("another reader") << Loader::Another << Return::Another << Outcome::AnotherReader;
        QTest::newRow("new node") << Loader::NewNode << Return::Same << Outcome::Updated;
    }

    void findsTheReaderBackAndComparesIt()
    {
        QFETCH(Loader, loader);
        QFETCH(Return, how);
        QFETCH(Outcome, outcome);
        Model &model = Model::instance();
        VirtualReader::Settings own;
        own.options = 0x1E;
        own.outputLength = 12;
        own.kbCountry = 3;
        own.pre = "\x04";
        model.powerUp({own, {}, VirtualReader::Interface::UsbKeyboard, QByteArray("1.20\0\0\0\0", 8)});

        const ReaderList::Reader listed = listedOnly();
        const ReaderSession::SettingsRead read = readOf(listed);
        QVERIFY(read.result.ok());
        // The window knows the reader it opened by its USB IDs by its node alone.
        ReaderList::Reader byNode;
        byNode.path = listed.path;
        const Backup before = keep(loader == Loader::NewNode ? byNode : listed, read);
        QCOMPARE(before.reader.serialNumber, QStringLiteral("KLN2-000001"));
        QCOMPARE(before.firmware(), QStringLiteral("1.20"));

        // The loader: the reader leaves its node, and comes back as the writer left it.
        model.pullOut();
        const Model::Stored factory{{}, {}, VirtualReader::Interface::UsbKeyboard, QByteArray("1.21\0\0\0\0", 8)};
        Model *back = &model;
        switch (loader) {
        case Loader::Lost: break;
        case Loader::Unchanged: model.powerUp(model.stored()); model.plugIn(); break;
        case Loader::Another: model.setSerialNumber(QStringLiteral("KLN2-900001")); Q_FALLTHROUGH();
        case Loader::Updated:
        case Loader::Expected: model.powerUp(factory); model.plugIn(); break;
        case Loader::NewNode:
            back = &Model::add();
            back->powerUp(factory);
            back->setSerialNumber(before.reader.serialNumber);
            break;
        }
        QElapsedTimer clock;
        clock.start();
        const Found found = awaitReturn(before.reader, 300);
        QCOMPARE(found.how, how);
        QVERIFY(clock.elapsed() < (how == Return::NotBack ? 1000 : 200));
        if (how == Return::NotBack)
            return;
        QCOMPARE(found.reader.path, QString::fromLatin1(back->hidPath()));
        std::unique_ptr<HeldReader> reader;
        const ReaderSession::SettingsRead after = readOf(found.reader, &reader);
        QVERIFY(after.result.ok());
        if (how == Return::Another) {
            // Nothing goes to another reader, whatever it holds.
            model.clearReceived();
            QVERIFY(restore(*reader, before, after).otherReader);
            QCOMPARE(model.hidWriteAttempts(), 0);
            return;
        }
        QCOMPARE(FirmwareCheck::outcome(before, after.record, loader == Loader::Expected ? "1.30" : QString()), outcome);
        const QStringList reset = keys(differing(before, after));
        QCOMPARE(reset, loader == Loader::Unchanged ? QStringList()
                                                    : QStringList({"PostEnable", "OutputLength", "KBCountry", "Pre"}));
        const Written restored = restore(*reader, before, after);
        QVERIFY(restored.ok());
        QCOMPARE(keys(restored.sent), reset);
        QCOMPARE(back->savedSettings().pre, own.pre);
        QCOMPARE(back->savedSettings().kbCountry, own.kbCountry);
        reader.reset();
        QVERIFY(differing(before, readOf(found.reader)).empty());
    }

    // The demo programs' own readers (no plug directory) go to their loader and come back
    // through the stand-in writer, in another process, over USB HID and the serial line alike.
    void demoReaderComesBackThroughFlashmate_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID") << false;
        QTest::newRow("serial") << true;
    }

    void demoReaderComesBackThroughFlashmate()
    {
        QFETCH(bool, serial);
        Model &model = Model::instance();
        VirtualReader::SerialEndpoint endpoint(model);
        ReaderList::Reader listed = listedOnly();
        if (serial) {
            model.setInterface(VirtualReader::Interface::Serial);
            QVERIFY(ReaderFixture::startSerialReader(endpoint));
            listed = Transports::serial().named(endpoint.portPath());
        }
        HeldReader::Opening opening = HeldReader::open(listed);
        QVERIFY(opening.ok());
        QVERIFY(opening.reader->enterIspMode(HeldReader::IspCheck::NotRefused).outcome != SessionResult::Outcome::FrameFailed);
        QTRY_VERIFY(model.inIspMode());
        opening.reader.reset();

        QProcess writer;
        writer.start(buildPath("KEYLON2_FLASHMATE"), {"RECONNKLN"});
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitCode(), 0);
        ReaderList::attached();  // the program's next look at its readers
        QVERIFY(!model.inIspMode());
        QCOMPARE(model.version(), QByteArray("1.21\0\0\0\0", 8));
        QCOMPARE(model.currentInterface(), serial ? VirtualReader::Interface::Serial : VirtualReader::Interface::UsbKeyboard);
    }

    // The backup is a configuration file that Import and apply take, and says whose it is.
    void backupIsAConfigurationFileWithItsReader()
    {
        Model::instance().powerUp({{0x1C, 2, 9, 3, "AB", {}, {}}, {}, VirtualReader::Interface::UsbKeyboard,
                                   QByteArray("1.20\0\0\0\0", 8)});
        const ReaderList::Reader listed = listedOnly();
        const Backup before = keep(listed, readOf(listed));
        QTemporaryDir dir;
        const QString path = dir.filePath("backups/KLN2-000001.cfg");
        QVERIFY(save(before, path));
        QVERIFY(ConfigFile::checkReadable(path).ok());
        const ConfigPage page = ConfigFile::read(path);
        QCOMPARE(page.pre, PageRecord::pageOfRecord(before.record, false).pre);
        QVERIFY(!page.pre.isEmpty());
        QCOMPARE(page.outputLength, QStringLiteral("9"));
        QCOMPARE(page.kbCountry, 3);
        QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.value("FW/Ver").toString(), QStringLiteral("1.20"));
        QCOMPARE(file.value("Reader/SerialNumber").toString(), QStringLiteral("KLN2-000001"));
        QCOMPARE(file.value("Reader/Device").toString(), listed.device());
        const QDateTime when(QDate(2026, 12, 9), QTime(15, 4, 5));
        QVERIFY(defaultPath(before, QString(), when).endsWith("/keylon2/firmware-backups/KLN2-000001-20261209-150405.cfg"));
        // A second update within the second keeps the first one's file.
        QVERIFY(save(before, defaultPath(before, dir.path(), when)));
        QCOMPARE(defaultPath(before, dir.path(), when), dir.filePath("KLN2-000001-20261209-150405-2.cfg"));
    }
};

QTEST_GUILESS_MAIN(TestFirmwareCheck)
#include "tst_firmware_check.moc"
