#pragma once

#include <QMainWindow>

#include <memory>

#include "app/link_state.h"

class Transport;

class QSerialPort;
class charThread;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The widget holder and the link state are open to the tests of each room.
    Ui::MainWindow *ui;
    LinkState link;
    QSerialPort *serialPort = nullptr;  // the latest serial port object; no Qt parent
    charThread *tickerThread = nullptr; // the character ticker; the window never creates one

    // Switches the 17 controls that need a connected reader together.
    void EnableControls(bool on);

    // Parses one chunk of what the reader sent on the serial line: 0 when shown, -1 when dropped.
    int DisplayKLNValue(QByteArray chunk);

    // The method table: slots 0 to 15 public, 16 to 25 private, in this order.
public slots:
    void GetKLNValueClick();
    void SetKLNValueClick();
    void threadStart();
    void threadPause();
    void threadStop();
    void ReadStatus();
    void ConnectClick();
    void PowerPassClick();
    void PreAmbleEnableClick();
    void PostAmbleEnableClick();
    void RemoveDataEnableClick();
    void TestButClick();
    void tabChange(int index);
    void TriggerClick();
    void ChangeModeClick();
    void FWUpdateClick();

private slots:
    void on_Searal_radcmd_clicked();
    void on_USBKB_radcmd_clicked();
    void onReadyRead();
    void Pre_selectChanged(int index);
    void Post_selectChanged(int index);
    void Remove_selectChanged(int index);
    void on_ImportBut_clicked();
    void on_ExportBut_clicked();
    void on_DefaultBut_clicked();
    void on_RemoveIDCodeChk_clicked();

private:
    // Helpers of the rooms that define the slots above; each is defined beside its slot.
    // (link/connection.cpp)
    void disconnectLink();
    // (link/connection.cpp) the serial port of the link reported that its device is gone.
    void serialLineGone(QSerialPort *port, const QString &portName);
    // (maintenance/interface_change.cpp) drops the link after an interface change, closes the window.
    void leaveForOtherInterface();
    // (link/connection.cpp) the link the window holds, for a reader session: the serial port
    // when serialActive, USB HID otherwise. It lends the handle; the window keeps it.
    std::unique_ptr<Transport> linkTransport() const;
};
