#pragma once

#include <QMainWindow>

#include "window/status_page/status_page.h"
#include "window/settings_page/config_files.h"
#include "window/connection/connection_panel.h"
#include "window/connection/reader_link.h"
#include "window/connection/reader_wait.h"
#include "window/maintenance/firmware_update.h"
#include "window/maintenance/interface_change.h"
#include "window/settings_page/settings_form.h"
#include "window/settings_page/settings_reader.h"
#include "window/settings_page/settings_writer.h"
#include "window/ui/ui_mainwindow.h"

// The utility's one window. It builds the widget tree, makes the rooms that do the work and
// wires them together; each slot hands its action to the room that owns it.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Switches the 17 controls that need a connected reader together.
    void EnableControls(bool on);

    // Parses one chunk of what the reader sent on the serial line: 0 when shown, -1 when dropped.
    int DisplayKLNValue(QByteArray chunk);

    // What the link is now, for a program that shows the window (the demo build).
    const LinkState &linkState() const { return link_.state(); }

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
    // The tests of each room look inside through tests/support/window_probe.h.
    friend struct WindowProbe;

    Ui::MainWindow ui;
    ReaderLink link_;
    SettingsForm form_;
    StatusPage status_;
    SettingsReader reader_;
    ConnectionPanel connection_;
    ReaderWait wait_;
};
