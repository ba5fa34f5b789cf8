#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "core/link/hid_transport.h"
#include "core/platform/platform.h"
#include "reader_model.h"
#include "test_support.h"
#include "core/text/name_tables.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

using Platform::PortRecord;
using VirtualReader::Model;

Q_DECLARE_METATYPE(QList<Platform::PortRecord>)

namespace {

PortRecord port(const QString &name, const QString &description)
{
    PortRecord record;
    record.portName = name;
    record.friendName = description;
    record.physName = "/dev/" + name;
    record.enumName = "USB";
    return record;
}

const PortRecord ReaderPort = port("ttyACM3", "Nuvoton Virtual Com Port");

// Notes the port field's text when the first event of a type reaches the watched object.
class ArrivalWatch : public QObject
{
public:
    ArrivalWatch(const QLineEdit *field, QEvent::Type type)
        : field_(field)
        , type_(type)
    {
    }
    QString seen;  // null until the event came

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type_ && seen.isNull())
            seen = field_->text();
        return false;
    }

private:
    const QLineEdit *field_;
    QEvent::Type type_;
};

QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

}  // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Model::instance().reset();
        Platform::setPortEnumerator([] { return QList<PortRecord>(); });
    }
    void cleanup()
    {
        Platform::resetSeams();
        Model::instance().reset();
    }

    // A reader that answers to both IDs is taken by the first one tried.
    void shouldProbe0xF100Before0xF108()
    {
        Model::instance().setHidProductId(0xF108);
        Model::instance().setAlsoAnswersTo(0xF100);
        quint16 vendorId = 0, productId = 0;
        QVERIFY(HidTransport::openByIds(vendorId, productId));
        QCOMPARE(productId, quint16(0xF100));
    }

    void shouldProbeForTheReaderAndPreselectItsTransport_data()
    {
        QTest::addColumn<int>("productId");     // what the reader answers to; 0 none
        QTest::addColumn<bool>("onSerial");     // the reader is on its serial interface
        QTest::addColumn<int>("foundProduct");
        QTest::newRow("reader as 0xF100") << 0xF100 << false << 0xF100;
        QTest::newRow("reader only as 0xF108") << 0xF108 << false << 0xF108;
        QTest::newRow("no reader") << 0 << false << 0;
        QTest::newRow("another product") << 0xF101 << false << 0;
        QTest::newRow("reader on its serial interface") << 0xF100 << true << 0;
    }
    void shouldProbeForTheReaderAndPreselectItsTransport()
    {
        QFETCH(int, productId);
        QFETCH(bool, onSerial);
        QFETCH(int, foundProduct);
        Model::instance().setHidProductId(quint16(productId));
        if (onSerial)
            Model::instance().setInterface(VirtualReader::Interface::Serial);

        MainWindow window;
        Ui::MainWindow *ui = uiOf(window);
        QCOMPARE(int(linkOf(window).hidVendorId), foundProduct ? 0x0416 : 0);
        QCOMPARE(int(linkOf(window).hidProductId), foundProduct);
        QCOMPARE(ui->USBKB_radcmd->isChecked(), foundProduct != 0);
        QCOMPARE(ui->Searal_radcmd->isChecked(), foundProduct == 0);
        QCOMPARE(ui->SerialNameEdit->isEnabled(), foundProduct == 0);
        QCOMPARE(ui->SerialNameEdit->text(), Platform::defaultPortName());
        // The probe only looks: no link stays open, and nothing was sent to the reader.
        QVERIFY(!linkOf(window).hidDevice);
        QCOMPARE(Model::instance().receivedFrames().size(), 0);
    }

    void shouldFindTheReaderPortByItsDescription_data()
    {
        QTest::addColumn<QList<PortRecord>>("ports");
        QTest::addColumn<bool>("reader");
        QTest::addColumn<QString>("portName");

        const QString driver = "Nuvoton Virtual Com Port", com6 = Platform::defaultPortName();
        const PortRecord modem = port("ttyS0", "16550A UART");
        const PortRecord first = port("ttyACM0", driver + " (COM3)");
        const PortRecord second = port("ttyACM1", driver);
        for (bool reader : {false, true}) {
            const char *with = reader ? "with reader" : "without reader";
            QTest::addRow("no ports, %s", with) << QList<PortRecord>() << reader << com6;
            QTest::addRow("other ports only, %s", with) << QList<PortRecord>{modem} << reader << com6;
            QTest::addRow("reader port after another, %s", with) << QList<PortRecord>{modem, first} << reader
                                                                 << first.portName;
            QTest::addRow("two reader ports, %s", with) << QList<PortRecord>{second, first} << reader
                                                        << second.portName;
        }
        QTest::newRow("prefix inside the description") << QList<PortRecord>{port("ttyUSB0", "USB " + driver)} << false
                                                       << com6;
        QTest::newRow("prefix in capitals") << QList<PortRecord>{port("ttyUSB0", driver.toUpper())} << false << com6;
        QTest::newRow("prefix in small letters") << QList<PortRecord>{port("ttyUSB0", driver.toLower())} << true << com6;
        // On Linux the description is the USB product string: the reader's vendor ID is the rule
        // after the description, and never wins over it.
        PortRecord onVendor = port("ttyACM2", "Keylon2 Key Reader");
        onVendor.vendorId = 0x0416;
        PortRecord otherVendor = port("ttyUSB1", "FT232R USB UART");
        otherVendor.vendorId = 0x0403;
        QTest::newRow("reader port by its vendor ID") << QList<PortRecord>{modem, otherVendor, onVendor} << false
                                                      << onVendor.portName;
        QTest::newRow("description before vendor ID") << QList<PortRecord>{onVendor, first} << false
                                                       << first.portName;
        QTest::newRow("another vendor only") << QList<PortRecord>{otherVendor} << false << com6;
        QTest::newRow("port named by its path") << QList<PortRecord>{port("/dev/pts/4", driver)} << false
                                                << QString("/dev/pts/4");
    }
    void shouldFindTheReaderPortByItsDescription()
    {
        QFETCH(QList<PortRecord>, ports);
        QFETCH(bool, reader);
        QFETCH(QString, portName);
        Model::instance().setHidProductId(reader ? 0xF100 : 0);
        int enumerations = 0;
        Platform::setPortEnumerator([&] {
            ++enumerations;
            return ports;
        });

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(enumerations, 1);
        QCOMPARE(uiOf(window)->SerialNameEdit->text(), portName);
        // The port is looked up either way; only the transport choice follows the probe.
        QCOMPARE(uiOf(window)->SerialNameEdit->isEnabled(), !reader);
        QCOMPARE(uiOf(window)->USBKB_radcmd->isChecked(), reader);
    }

    // Listing the ports walks every tty of the system and costs more than painting the window:
    // it comes once the first frame is painted.
    void shouldListThePortsAfterTheFirstPaint()
    {
        int enumerations = 0;
        Platform::setPortEnumerator([&] {
            ++enumerations;
            return QList<PortRecord>{ReaderPort};
        });
        MainWindow window;
        QCOMPARE(uiOf(window)->SerialNameEdit->text(), Platform::defaultPortName());
        ArrivalWatch paint(uiOf(window)->SerialNameEdit, QEvent::Paint);
        window.installEventFilter(&paint);
        window.show();
        QTRY_COMPARE(enumerations, 1);
        QCOMPARE(paint.seen, Platform::defaultPortName());
        QCOMPARE(uiOf(window)->SerialNameEdit->text(), ReaderPort.portName);
        QTest::qWait(50);
        QCOMPARE(enumerations, 1);
    }

    // What the operator did before the list came (a click or a key already queued when the
    // first frame was painted) finds the port field filled.
    void shouldFillThePortFieldBeforeTheFirstInput_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("type");
        QTest::newRow("click") << "FWLbl" << int(QEvent::MouseButtonPress);
        QTest::newRow("key in the port field") << "SerialNameEdit" << int(QEvent::KeyPress);
    }
    void shouldFillThePortFieldBeforeTheFirstInput()
    {
        QFETCH(QString, target);
        QFETCH(int, type);
        Platform::setPortEnumerator([] { return QList<PortRecord>{ReaderPort}; });
        MainWindow window;
        QWidget *receiver = window.findChild<QWidget *>(target);
        QVERIFY(receiver);
        ArrivalWatch input(uiOf(window)->SerialNameEdit, QEvent::Type(type));
        receiver->installEventFilter(&input);
        window.show();
        if (type == QEvent::KeyPress)
            QCoreApplication::postEvent(receiver, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
        else
            QCoreApplication::postEvent(receiver, new QMouseEvent(QEvent::MouseButtonPress, QPointF(2, 2),
                                                                  QPointF(receiver->mapToGlobal(QPoint(2, 2))),
                                                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QTRY_VERIFY(!input.seen.isNull());
        QCOMPARE(input.seen, ReaderPort.portName);
    }

    // A name given to the field before the list came stays.
    void shouldKeepANameSetBeforeTheList()
    {
        Platform::setPortEnumerator([] { return QList<PortRecord>{ReaderPort}; });
        MainWindow window;
        uiOf(window)->SerialNameEdit->setText("/dev/pts/7");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        QCOMPARE(uiOf(window)->SerialNameEdit->text(), QString("/dev/pts/7"));
    }

    void shouldLogTheCodePagesOnce()
    {
        Platform::setCodePages([] { return 1252u; }, [] { return 65001u; });
        DebugCapture debug;
        MainWindow window;
        QCOMPARE(debug.lines().filter(QStringLiteral("GetACP=")), QStringList{"GetACP=1252 GetOEMCP=65001"});
    }

    void shouldStartIdleOnTheSettingsPageWithTabZero()
    {
        MainWindow window;
        const LinkState &link = linkOf(window);
        // Showing the settings page reported index 1; the page index is reset afterwards.
        QCOMPARE(uiOf(window)->tabWidget->currentIndex(), 1);
        QCOMPARE(int(link.currentTab), 0);
        QCOMPARE(int(link.frameSequence), 1);
        QVERIFY(!link.connected && !link.serialActive && !link.hidActive);
        QVERIFY(!link.hidDevice && !link.pollTimer && !serialPortOf(window) && !WindowProbe::tickerThread(window));
    }

    void shouldFillThePickersWithoutTouchingTheAffixes()
    {
        MainWindow window;
        Ui::MainWindow *ui = uiOf(window);
        for (QComboBox *picker : {ui->Pre_cmb, ui->Post_cmb, ui->Remove_cmb}) {
            QCOMPARE(itemsOf(picker), ControlNames);
            QCOMPARE(picker->currentIndex(), 0);
        }
        QCOMPARE(itemsOf(ui->KB_cmb), CountryNames);
        QCOMPARE(ui->KB_cmb->currentIndex(), 0);
        const auto affixes = [ui] {
            return QStringList{ui->PreAmbleEdit->text(), ui->PostAmbleEdit->text(), ui->RemoveDataEdit->text()};
        };
        QCOMPARE(affixes(), QStringList({"", "", ""}));
        // From now on a pick goes into its own affix.
        ui->Post_cmb->setCurrentIndex(13);
        QCOMPARE(affixes(), QStringList({"", "[CR]", ""}));
    }

    void shouldSwitchThePortNameWithTheTransportButtons()
    {
        Model::instance().setHidProductId(0xF100);
        MainWindow window;
        Ui::MainWindow *ui = uiOf(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!ui->SerialNameEdit->isEnabled());
        QTest::mouseClick(ui->Searal_radcmd, Qt::LeftButton);
        QVERIFY(ui->Searal_radcmd->isChecked() && ui->SerialNameEdit->isEnabled());
        QTest::mouseClick(ui->USBKB_radcmd, Qt::LeftButton);
        QVERIFY(ui->USBKB_radcmd->isChecked() && !ui->SerialNameEdit->isEnabled());
        // Clicking the button that is already chosen keeps the state.
        QTest::mouseClick(ui->USBKB_radcmd, Qt::LeftButton);
        QVERIFY(!ui->SerialNameEdit->isEnabled());
        QCOMPARE(ui->SerialNameEdit->text(), Platform::defaultPortName());
    }

    // Ticking the ID code turns remove data off and keeps its text; unticking touches nothing.
    void shouldTurnRemoveDataOffOnlyWhenRemoveIdCodeIsTicked()
    {
        MainWindow window;
        Ui::MainWindow *ui = uiOf(window);
        window.EnableControls(true);
        for (bool tick : {true, false}) {
            ui->RemoveDataChk->setChecked(true);
            ui->RemoveDataEdit->setEnabled(true);
            ui->RemoveDataEdit->setText(QStringLiteral("[CR]"));
            ui->RemoveIDCodeChk->click();
            QCOMPARE(ui->RemoveIDCodeChk->isChecked(), tick);
            QCOMPARE(ui->RemoveDataChk->isChecked(), !tick);
            QCOMPARE(ui->RemoveDataEdit->isEnabled(), !tick);
            QCOMPARE(ui->RemoveDataEdit->text(), QStringLiteral("[CR]"));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
