#include "window/connection/connection_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

#include "core/link/access_check.h"
#include "core/link/port_choice.h"
#include "core/link/reader_lock.h"
#include "window/connection/port_field.h"
#include "window/connection/reader_link.h"
#include "core/platform/platform.h"
#include "window/ui/screen_scaling.h"
#include "window/ui/ui_mainwindow.h"
#include "window/ui/window_access.h"
#include "window/ui/window_tr.h"

namespace {

const QString IconNotConnected = QStringLiteral(":/image/connect_creating.png");
const QString IconConnected = QStringLiteral(":/image/connect_established.png");
const QString IconFailed = QStringLiteral(":/image/connect_no.png");

// Tells the operator, in one warning box, why the reader was not connected: another process
// holds it (a station, keylon2ctl, a second window), and who; no lock could be had for it, so
// another program could talk to it at the same time; or it is there but this user may not open
// it. Nothing for any other failure; nothing about access on Windows, where the driver grants
// the user the reader.
void warnRefused(const HeldReader::Error &refused)
{
    QString text;
    if (refused.failure == HeldReader::Failure::Busy) {
        const ReaderLock::Holder &holder = refused.holder;
        const QString command = holder.command.isEmpty() ? WindowText::tr("another program") : holder.command;
        const QString pid = holder.pid > 0 ? QString::number(holder.pid) : WindowText::tr("unknown");
        text = WindowText::tr("The reader %1 is in use by %2 (process %3). Connect again when it is free.")
                   .arg(refused.node, command, pid);
    } else if (refused.failure == HeldReader::Failure::NoLock) {
        text = WindowText::tr("No lock can be had for the reader %1 (%2), so another program could talk to it "
                              "at the same time. Make the lock directory %3 writable for this user, then "
                              "connect again.")
                   .arg(refused.node, refused.reason, ReaderLock::directory());
#ifndef Q_OS_WIN
    } else if (refused.access.finding == AccessCheck::Finding::Denied) {
        text = AccessCheck::deniedText(refused.access.node).human();
#endif
    }
    if (!text.isEmpty())
        QMessageBox::warning(nullptr, WindowText::tr("Connect Device"), text);
}

}  // namespace

ConnectionPanel::ConnectionPanel(Ui::MainWindow &ui, ReaderLink &link, std::function<void()> readSettings,
                                 std::function<void()> followSwitches)
    : ui_(ui)
    , link_(link)
    , readSettings_(std::move(readSettings))
    , followSwitches_(std::move(followSwitches))
{
}

ConnectionPanel::~ConnectionPanel() = default;

void ConnectionPanel::preselect(bool readerOnUsb, QWidget &window)
{
    if (readerOnUsb) {
        ui_.USBKB_radcmd->setChecked(true);
    } else {
        ui_.Searal_radcmd->setChecked(true);
        ui_.SerialNameEdit->setEnabled(true);
    }
    portFill_ = std::make_unique<PortFieldFill>(window, *ui_.SerialNameEdit);
}

void ConnectionPanel::useSerialPort(bool on)
{
    ui_.SerialNameEdit->setEnabled(on);
}

void ConnectionPanel::enableControls(bool on)
{
    // The settings' code lists and the country are the form's to enable: they follow what the
    // reader answered.
    for (QWidget *control : ui_.settingControls()) {
        if (!qobject_cast<QComboBox *>(control))
            control->setEnabled(on);
    }
    const std::initializer_list<QWidget *> others = {ui_.GetKLNStatusBut, ui_.SetKLNStatusBut, ui_.tabWidget,
                                                     ui_.ScannerEdit,     ui_.TrigBut,         ui_.ChangeModeBut};
    for (QWidget *control : others)
        control->setEnabled(on);
    // The Tab round depends on what is enabled: the same after a connect as after a read.
    if (on && followSwitches_)
        followSwitches_();
}

void ConnectionPanel::showNotConnected()
{
    ui_.ConnectBut->setIcon(iconForScreens(IconNotConnected));
    WindowAccess::showConnectState(ui_, false);
    // Onto the connect button before the controls go out of reach: a focused control that is
    // disabled hands the focus to whichever comes next, or to none, and a screen reader reads
    // that one or nothing. On the button it hears the new state.
    ui_.ConnectBut->setFocus(Qt::OtherFocusReason);
    enableControls(false);
}

void ConnectionPanel::tellLineGone(const QString &portName)
{
    QMessageBox::warning(nullptr, WindowText::tr("Connect Device"),
                         WindowText::tr("The serial port %1 is gone; the reader was disconnected.").arg(portName));
}

void ConnectionPanel::showFailedConnect(const char *debugLine)
{
    qDebug("%s", debugLine);
    ui_.ConnectBut->setIcon(iconForScreens(IconFailed));
    WindowAccess::showConnectState(ui_, false);
    enableControls(false);
    link_.markNotConnected();
}

bool ConnectionPanel::connectTo(const ReaderList::Reader &reader)
{
    if (link_.state().connected || link_.exchanging())
        return false;
    if (ui_.Searal_radcmd->isChecked())
        ui_.SerialNameEdit->setText(reader.path);
    connectReader(ui_.USBKB_radcmd->isChecked(), reader);
    return link_.state().connected;
}

void ConnectionPanel::connectOrDisconnect()
{
    if (link_.exchanging())
        return;
    // A connect the program asks for before the start-up list came (no click, which would have
    // brought the list already) still finds the port the list would have put in the field.
    if (portFill_)
        portFill_->fillNow();
    if (link_.state().connected) {
        link_.takeDown(ReaderLink::Teardown::Disconnect);
        return;
    }

    const bool usb = ui_.USBKB_radcmd->isChecked();
    // No reader port was found at start-up: the reader may have been plugged in since.
    if (ui_.Searal_radcmd->isChecked() && ui_.SerialNameEdit->text() == Platform::defaultPortName())
        ui_.SerialNameEdit->setText(PortChoice::readerPort(Platform::enumeratePorts()));
    connectReader(usb, usb ? ReaderList::Reader::at(Transports::usbHid(), QString())
                           : ReaderList::Reader::at(Transports::serial(), ui_.SerialNameEdit->text()));
}

// chosen: the reader on the transport of the radio buttons (a USB HID reader without a path
// is found by its IDs).
void ConnectionPanel::connectReader(bool usb, const ReaderList::Reader &chosen)
{
    if (usb || ui_.Searal_radcmd->isChecked()) {
        const HeldReader::Error refused = link_.open(chosen);
        if (refused.failure != HeldReader::Failure::None) {
            showFailedConnect(usb ? "unable to open USB HID device\n" : "unable to open com device\n");
            warnRefused(refused);
            return;
        }
        //: The interface-change button names the interface it switches to
        ui_.ChangeModeBut->setText(usb ? WindowText::tr("to Serial") : WindowText::tr("to USB KB"));
        ui_.CodeType_lbl->setText(WindowText::tr("ASCII Code"));
        readSettings_();
    }

    link_.markConnected();
    ui_.ConnectBut->setIcon(iconForScreens(IconConnected));
    WindowAccess::showConnectState(ui_, true);
    enableControls(true);
    ui_.ConnectBut->setFocus(Qt::OtherFocusReason);
}
