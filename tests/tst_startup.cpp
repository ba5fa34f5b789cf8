#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

#include "app/mainwindow.h"
#include "platform/platform.h"
#include "reader_model.h"
#include "test_support.h"
#include "text/name_tables.h"
#include "ui/ui_mainwindow.h"

using Platform::PortRecord;
using VirtualReader::Model;

Q_DECLARE_METATYPE(QList<Platform::PortRecord>)

namespace {

PortRecord port(const QString &name, const QString &description)
{
    PortRecord record;
    record.portName = name;
    record.friendName = description;
    record.physName = QStringLiteral("/dev/") + name;
    record.enumName = QStringLiteral("USB");
    return record;
}

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
    void init();
    void cleanup();

    void probeFindsReaderAndPreselectsTransport_data();
    void probeFindsReaderAndPreselectsTransport();
    void readerPortIsFoundByDescription_data();
    void readerPortIsFoundByDescription();
    void codePagesAreLoggedOnce();
    void linkStartsIdleOnSettingsPage();
    void pickersAreFilledWithoutTouchingTheAffixes();
    void transportButtonsSwitchThePortName();
    void removeIdCodeTurnsRemoveDataOff();
};

void StartupTest::init()
{
    Model::instance().reset();
    Platform::setPortEnumerator([] { return QList<PortRecord>(); });
}

void StartupTest::cleanup()
{
    Platform::resetSeams();
    Model::instance().reset();
}

void StartupTest::probeFindsReaderAndPreselectsTransport_data()
{
    QTest::addColumn<int>("productId");     // what the reader answers to; 0 none
    QTest::addColumn<bool>("onSerial");     // the reader is on its serial interface
    QTest::addColumn<int>("foundProduct");
    QTest::addColumn<bool>("usbChosen");

    QTest::newRow("reader as 0xF100") << 0xF100 << false << 0xF100 << true;
    QTest::newRow("reader only as 0xF108") << 0xF108 << false << 0xF108 << true;
    QTest::newRow("no reader") << 0 << false << 0 << false;
    QTest::newRow("another product") << 0xF101 << false << 0 << false;
    QTest::newRow("reader on its serial interface") << 0xF100 << true << 0 << false;
}

void StartupTest::probeFindsReaderAndPreselectsTransport()
{
    QFETCH(int, productId);
    QFETCH(bool, onSerial);
    QFETCH(int, foundProduct);
    QFETCH(bool, usbChosen);

    Model::instance().setHidProductId(quint16(productId));
    if (onSerial)
        Model::instance().setInterface(VirtualReader::Interface::Serial);

    auto window = std::make_unique<MainWindow>();
    Ui::MainWindow *ui = window->ui;
    QCOMPARE(int(window->link.hidVendorId), foundProduct ? 0x0416 : 0);
    QCOMPARE(int(window->link.hidProductId), foundProduct);
    QCOMPARE(ui->USBKB_radcmd->isChecked(), usbChosen);
    QCOMPARE(ui->Searal_radcmd->isChecked(), !usbChosen);
    QCOMPARE(ui->SerialNameEdit->isEnabled(), !usbChosen);
    QCOMPARE(ui->SerialNameEdit->text(), QStringLiteral("COM6"));
    // The probe only looks: no link stays open, and nothing was sent to the reader.
    QVERIFY(!window->link.hidDevice);
    QCOMPARE(Model::instance().receivedFrames().size(), 0);
}

void StartupTest::readerPortIsFoundByDescription_data()
{
    QTest::addColumn<QList<PortRecord>>("ports");
    QTest::addColumn<bool>("reader");
    QTest::addColumn<QString>("portName");

    const QString driver = QStringLiteral("Nuvoton Virtual Com Port");
    const PortRecord modem = port(QStringLiteral("ttyS0"), QStringLiteral("16550A UART"));
    const PortRecord first = port(QStringLiteral("ttyACM0"), driver + QStringLiteral(" (COM3)"));
    const PortRecord second = port(QStringLiteral("ttyACM1"), driver);

    for (bool reader : {false, true}) {
        const char *with = reader ? "with reader" : "without reader";
        QTest::addRow("no ports, %s", with) << QList<PortRecord>() << reader << QStringLiteral("COM6");
        QTest::addRow("other ports only, %s", with) << QList<PortRecord>{modem} << reader << QStringLiteral("COM6");
        QTest::addRow("reader port after another, %s", with)
            << QList<PortRecord>{modem, first} << reader << QStringLiteral("ttyACM0");
        QTest::addRow("two reader ports, %s", with)
            << QList<PortRecord>{second, first} << reader << QStringLiteral("ttyACM1");
    }
    QTest::newRow("description only contains the driver name")
        << QList<PortRecord>{port(QStringLiteral("ttyUSB0"), QStringLiteral("USB ") + driver)} << false
        << QStringLiteral("COM6");
    QTest::newRow("driver name in capitals")
        << QList<PortRecord>{port(QStringLiteral("ttyUSB0"), driver.toUpper())} << false << QStringLiteral("COM6");
    QTest::newRow("driver name in small letters")
        << QList<PortRecord>{port(QStringLiteral("ttyUSB0"), driver.toLower())} << true << QStringLiteral("COM6");
    QTest::newRow("port named by its path")
        << QList<PortRecord>{port(QStringLiteral("/dev/pts/4"), driver)} << false << QStringLiteral("/dev/pts/4");
}

void StartupTest::readerPortIsFoundByDescription()
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

    auto window = std::make_unique<MainWindow>();
    QCOMPARE(enumerations, 1);
    QCOMPARE(window->ui->SerialNameEdit->text(), portName);
    // The port is looked up either way; only the transport choice follows the probe.
    QCOMPARE(window->ui->SerialNameEdit->isEnabled(), !reader);
    QCOMPARE(window->ui->USBKB_radcmd->isChecked(), reader);
}

void StartupTest::codePagesAreLoggedOnce()
{
    Platform::setCodePages([] { return 1252u; }, [] { return 65001u; });
    DebugCapture debug;
    auto window = std::make_unique<MainWindow>();
    QCOMPARE(debug.count(QStringLiteral("GetACP=1252 GetOEMCP=65001")), 1);
    QCOMPARE(debug.lines().filter(QStringLiteral("GetACP=")).size(), 1);
}

void StartupTest::linkStartsIdleOnSettingsPage()
{
    auto window = std::make_unique<MainWindow>();
    const LinkState &link = window->link;
    // Showing the settings page reported index 1; the page index is reset afterwards.
    QCOMPARE(window->ui->tabWidget->currentIndex(), 1);
    QCOMPARE(int(link.currentTab), 0);
    QCOMPARE(int(link.frameSequence), 1);
    QCOMPARE(int(link.connected), 0);
    QCOMPARE(int(link.serialActive), 0);
    QCOMPARE(int(link.hidActive), 0);
    QVERIFY(!link.hidDevice);
    QVERIFY(!link.pollTimer);
    QVERIFY(!window->serialPort);
    QVERIFY(!window->tickerThread);
    QVERIFY(!window->ui->tabWidget->isEnabled());
}

void StartupTest::pickersAreFilledWithoutTouchingTheAffixes()
{
    auto window = std::make_unique<MainWindow>();
    Ui::MainWindow *ui = window->ui;
    QCOMPARE(ControlNames.size(), 32);
    QCOMPARE(CountryNames.size(), 5);
    for (QComboBox *picker : {ui->Pre_cmb, ui->Post_cmb, ui->Remove_cmb}) {
        QCOMPARE(itemsOf(picker), ControlNames);
        QCOMPARE(picker->currentIndex(), 0);
    }
    QCOMPARE(itemsOf(ui->KB_cmb), CountryNames);
    QCOMPARE(ui->KB_cmb->currentIndex(), 0);

    QCOMPARE(ui->PreAmbleEdit->text(), QString());
    QCOMPARE(ui->PostAmbleEdit->text(), QString());
    QCOMPARE(ui->RemoveDataEdit->text(), QString());

    // From now on a pick goes into its own affix.
    ui->Post_cmb->setCurrentIndex(13);
    QCOMPARE(ui->PreAmbleEdit->text(), QString());
    QCOMPARE(ui->PostAmbleEdit->text(), QStringLiteral("[CR]"));
    QCOMPARE(ui->RemoveDataEdit->text(), QString());
}

void StartupTest::transportButtonsSwitchThePortName()
{
    Model::instance().setHidProductId(0xF100);
    auto window = std::make_unique<MainWindow>();
    Ui::MainWindow *ui = window->ui;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!ui->SerialNameEdit->isEnabled());

    QTest::mouseClick(ui->Searal_radcmd, Qt::LeftButton);
    QVERIFY(ui->Searal_radcmd->isChecked());
    QVERIFY(ui->SerialNameEdit->isEnabled());

    QTest::mouseClick(ui->USBKB_radcmd, Qt::LeftButton);
    QVERIFY(ui->USBKB_radcmd->isChecked());
    QVERIFY(!ui->SerialNameEdit->isEnabled());

    // Clicking the button that is already chosen keeps the state.
    QTest::mouseClick(ui->USBKB_radcmd, Qt::LeftButton);
    QVERIFY(!ui->SerialNameEdit->isEnabled());
    QCOMPARE(ui->SerialNameEdit->text(), QStringLiteral("COM6"));
}

void StartupTest::removeIdCodeTurnsRemoveDataOff()
{
    auto window = std::make_unique<MainWindow>();
    Ui::MainWindow *ui = window->ui;
    // The controls are switched on by a connect; here by hand.
    for (QWidget *widget : {static_cast<QWidget *>(ui->tabWidget), static_cast<QWidget *>(ui->RemoveDataChk),
                            static_cast<QWidget *>(ui->RemoveIDCodeChk), static_cast<QWidget *>(ui->RemoveDataEdit)})
        widget->setEnabled(true);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    ui->RemoveDataChk->setChecked(true);
    ui->RemoveDataEdit->setText(QStringLiteral("[CR]"));
    QTest::mouseClick(ui->RemoveIDCodeChk, Qt::LeftButton);
    QVERIFY(ui->RemoveIDCodeChk->isChecked());
    QVERIFY(!ui->RemoveDataChk->isChecked());
    QVERIFY(!ui->RemoveDataEdit->isEnabled());
    QCOMPARE(ui->RemoveDataEdit->text(), QStringLiteral("[CR]"));

    // Unticking the ID code leaves the remove data as it finds it.
    ui->RemoveDataChk->setChecked(true);
    ui->RemoveDataEdit->setEnabled(true);
    QTest::mouseClick(ui->RemoveIDCodeChk, Qt::LeftButton);
    QVERIFY(!ui->RemoveIDCodeChk->isChecked());
    QVERIFY(ui->RemoveDataChk->isChecked());
    QVERIFY(ui->RemoveDataEdit->isEnabled());

}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
