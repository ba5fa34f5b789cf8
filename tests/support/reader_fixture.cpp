#include "reader_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "window/app/mainwindow.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace ReaderFixture {

namespace {

ConnectOutcome clickConnect(MainWindow &window)
{
    ModalCloser closer(QMessageBox::Yes);
    uiOf(window)->ConnectBut->click();
    ConnectOutcome outcome;
    outcome.connected = linkOf(window).connected != 0;
    outcome.boxes = closer.boxes();
    return outcome;
}

}  // namespace

Reader::Reader()
    : endpoint(VirtualReader::Model::instance())
{
}

bool Reader::connect(MainWindow &window, bool serial)
{
    if (serial && !startSerialReader(endpoint))
        return false;
    outcome = serial ? connectOverSerial(window, endpoint) : connectOverHid(window);
    return outcome.connected;
}

bool Reader::connectQuietly(MainWindow &window, bool serial)
{
    if (!connect(window, serial))
        return false;
    QTest::qWait(200);
    VirtualReader::Model::instance().clearReceived();
    return true;
}

ConnectOutcome connectOverHid(MainWindow &window)
{
    auto &model = VirtualReader::Model::instance();
    linkOf(window).hidVendorId = VirtualReader::VendorId;
    linkOf(window).hidProductId = model.hidProductId();
    uiOf(window)->USBKB_radcmd->setChecked(true);
    return clickConnect(window);
}

ConnectOutcome connectOverSerial(MainWindow &window, VirtualReader::SerialEndpoint &endpoint)
{
    uiOf(window)->Searal_radcmd->setChecked(true);
    uiOf(window)->SerialNameEdit->setEnabled(true);
    uiOf(window)->SerialNameEdit->setText(endpoint.portPath());
    return clickConnect(window);
}

QList<ModalCloser::Box> clickAnswering(MainWindow &window, const char *buttonName)
{
    auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(buttonName));
    if (!button)
        return {};
    ModalCloser closer(QMessageBox::Yes);
    button->click();
    return closer.boxes();
}

}  // namespace ReaderFixture
