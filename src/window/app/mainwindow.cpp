#include "app/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSerialPort>

#include <hidapi.h>

#include "app/status_log.h"
#include "link/hid_transport.h"
#include "link/port_choice.h"
#include "link/usb_probe.h"
#include "platform/platform.h"
#include "text/locale_codec.h"
#include "text/name_tables.h"
#include "ui/ui_mainwindow.h"
#include "ui/window_font.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    useLayoutFont(*this);
    StatusLog::of(ui->ScannerEdit);  // the Status page keeps up with a reader that sends all day

    setUpLocaleCodec(Platform::getACP(), Platform::getOEMCP());

    // Only learn which product ID the reader answers to and pre-select the transport; the
    // connect opens the reader again.
    const UsbProbe::Found probe = UsbProbe::openReader();
    if (probe.device) {
        link.hidVendorId = probe.vendorId;
        link.hidProductId = probe.productId;
        ui->USBKB_radcmd->setChecked(true);
        hid_device *probed = probe.device;
        closeHidLink(probed);
    } else {
        ui->Searal_radcmd->setChecked(true);
        ui->SerialNameEdit->setEnabled(true);
    }

    ui->SerialNameEdit->setText(PortChoice::readerPort(Platform::enumeratePorts()));

    link.frameSequence = 1;
    // Showing the settings page above ran tabChange(1); the page index starts from 0 anyway.
    link.currentTab = 0;

    ui->Pre_cmb->addItems(ControlNames);
    ui->Post_cmb->addItems(ControlNames);
    ui->Remove_cmb->addItems(ControlNames);
    ui->KB_cmb->addItems(CountryNames);

    // Connected only now, so that filling the pickers inserts nothing into the affixes.
    connect(ui->Pre_cmb, SIGNAL(currentIndexChanged(int)), this, SLOT(Pre_selectChanged(int)));
    connect(ui->Post_cmb, SIGNAL(currentIndexChanged(int)), this, SLOT(Post_selectChanged(int)));
    connect(ui->Remove_cmb, SIGNAL(currentIndexChanged(int)), this, SLOT(Remove_selectChanged(int)));
}

MainWindow::~MainWindow()
{
    if (link.hidDevice) {
        hid_close(link.hidDevice);
        hid_exit();
    }
    delete ui;
    // The port holds a lock file for the device; left open, the lock would outlive the window
    // and the next start would find the port taken.
    if (serialPort && serialPort->isOpen())
        serialPort->close();
    delete serialPort;
}

void MainWindow::threadStop() {}
void MainWindow::PowerPassClick() {}
void MainWindow::TriggerClick() {}

void MainWindow::on_Searal_radcmd_clicked()
{
    ui->SerialNameEdit->setEnabled(true);
}

void MainWindow::on_USBKB_radcmd_clicked()
{
    ui->SerialNameEdit->setEnabled(false);
}

void MainWindow::on_RemoveIDCodeChk_clicked()
{
    // The two removal options exclude each other: asking for the ID code turns the remove
    // data off. Unticking it leaves the remove data as it is.
    if (ui->RemoveIDCodeChk->isChecked()) {
        ui->RemoveDataEdit->setEnabled(false);
        ui->RemoveDataChk->setChecked(false);
    }
}
