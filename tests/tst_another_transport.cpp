// A transport that neither front end knows, added by this test alone: "loop", a link that hands
// the bytes straight to the virtual reader's serial side in this process and takes its answers
// back. keylon2ctl (list, read, diff, write) and the window's link (its read and write) reach the
// reader through it as through the built-in transports.
#include <QLineEdit>
#include <QtTest>

#include <utility>

#include "core/link/reader_list.h"
#include "core/link/transport.h"
#include "core/platform/platform.h"
#include "ctl_runs.h"
#include "reader_model.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

using VirtualReader::Model;

Model &model() { return Model::instance(); }

class LoopLink : public Transport
{
public:
    explicit LoopLink(Model *reader) : reader_(reader) {}
    QString name() const override { return QStringLiteral("loop:1"); }
    bool write(const QByteArray &bytes) override
    {
        if (!reader_)
            return false;
        for (const QByteArray &answer : reader_->serialReceive(bytes))
            arrived_ += answer;
        return true;
    }
    int receive(QByteArray &into, int) override
    {
        if (!reader_)
            return -1;
        into = std::exchange(arrived_, QByteArray());
        return into.size();
    }
    bool isOpen() const override { return reader_ != nullptr; }
    void close() override { reader_ = nullptr; }
    QString errorText() const override { return reader_ ? QString() : QStringLiteral("not open"); }
    bool lineGone() const override { return !reader_; }

private:
    Model *reader_;
    QByteArray arrived_;
};

// The reader's serial interface, reached another way: it answers as on the serial line.
const TransportDescriptor Loop{
    .word = QStringLiteral("loop"),
    .dialect = {Dialects::SerialInterface, Dialects::SerialLine},
    .list = [] { return QList<ReaderList::Reader>{ReaderList::Reader::at(Loop, QStringLiteral("reader-1"))}; },
    .open = [](const QString &, bool) { return LinkOpening{std::make_unique<LoopLink>(&model()), {}}; },
    .unopened = [] { return std::make_unique<LoopLink>(nullptr); },
    .labelKey = QStringLiteral("description"),
};

}  // namespace

class TestAnotherTransport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Transports::add(Loop);
        // The only reader: on its serial interface, so USB HID lists none, and no system port.
        Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); });
        model().setInterface(VirtualReader::Interface::Serial);
    }

    void keylon2ctlListsReadsDiffsAndWritesThroughIt()
    {
        FastPauses pauses;
        VirtualReader::Settings held;
        held.pre = "AB";
        model().setSettings(held);

        const CtlRun list = runCtlHere({"list", "--json"});
        QCOMPARE(list.exitCode, 0);
        QVERIFY2(list.out.contains("\"device\": \"loop:reader-1\"") && list.out.contains("\"transport\": \"loop\""),
                 qPrintable(list.out));

        const CtlRun read = runCtlHere({"read", "--device", "loop:reader-1"});
        QCOMPARE(read.exitCode, 0);
        // Read as over the serial line: the interface it answered on, and no keyboard country.
        QVERIFY2(read.out.contains("Interface=1\n") && read.out.contains("Pre=AB\n"), qPrintable(read.out));
        QVERIFY(!read.out.contains("KBCountry"));

        const QString file = writeTestFile("loop.cfg", read.out.toUtf8().replace("Pre=AB", "Pre=XY"));
        QCOMPARE(runCtlHere({"diff", file, "--device", "loop:reader-1"}).exitCode, 5);
        const CtlRun write = runCtlHere({"write", file, "--device", "loop:reader-1"});
        QVERIFY2(write.exitCode == 0, qPrintable(write.err));
        QCOMPARE(model().savedSettings().pre, QByteArray("XY"));
        QCOMPARE(runCtlHere({"diff", file, "--device", "loop:reader-1"}).exitCode, 0);

        // Help and a --device that names no transport offer it beside the others.
        QVERIFY(runCtlHere({"--help"}).out.simplified().contains("--device hid:PATH, serial:PORT, loop:PATH, sn:SERIAL"));
        QVERIFY(runCtlHere({"read", "--device", "pipe:x"}).err.contains("wants hid:PATH, serial:PORT, loop:PATH, sn:"));
    }

    void windowReadsAndWritesThroughItsLink()
    {
        FastPauses pauses;
        VirtualReader::Settings held;
        held.pre = "CD";
        model().setSettings(held);
        MainWindow w;
        ReaderLink &link = WindowProbe::readerLink(w);
        QCOMPARE(link.open(ReaderList::Reader::at(Loop, QStringLiteral("reader-1"))).failure, OpenFailure::None);
        link.markConnected();

        ModalCloser closer;
        w.GetKLNValueClick();
        QVERIFY(closer.waitForBoxes(1));
        QCOMPARE(closer.last().text, QString("Successfully obtained Keylon the set value"));
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("CD"));

        uiOf(w)->PreAmbleEdit->setText("EF");
        w.SetKLNValueClick();
        QVERIFY(closer.waitForBoxes(2));
        QCOMPARE(closer.last().text, QString("Successfully set Keylon set value"));
        QCOMPARE(model().savedSettings().pre, QByteArray("EF"));
        // The reader stays on its interface: the write asked for no change.
        QVERIFY(link.state().connected);
    }
};

QTEST_MAIN(TestAnotherTransport)
#include "tst_another_transport.moc"
