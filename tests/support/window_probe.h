#pragma once

#include <QByteArray>
#include <QSerialPort>

#include "window/app/mainwindow.h"

class charThread;

// The window's private parts, for the tests that look inside a room: the widget holder, the
// link state as the link holds it, the latest serial port object, the ticker reference and the
// firmware version the settings page keeps.
struct WindowProbe
{
    static Ui::MainWindow *ui(MainWindow &window) { return &window.ui; }
    static const Ui::MainWindow *ui(const MainWindow &window) { return &window.ui; }
    static LinkState &link(MainWindow &window) { return window.link_.state_; }
    static ReaderLink &readerLink(MainWindow &window) { return window.link_; }
    static QSerialPort *serialPort(MainWindow &window)
    {
        return qobject_cast<QSerialPort *>(window.link_.reader().transport().threadBound());
    }
    static charThread *&tickerThread(MainWindow &window) { return window.status_.ticker_; }
    static SettingsForm &form(MainWindow &window) { return window.form_; }
    // An exchange with the reader runs on the worker.
    static bool exchanging(MainWindow &window) { return window.link_.exchanging(); }
    static ExchangeRunner &runner(MainWindow &window) { return window.link_.runner(); }
    // The whole serial receive path with one chunk, as a poll that found it would take it.
    static void receiveChunk(MainWindow &window, const QByteArray &chunk) { window.reader_.receiveChunk(chunk); }
};

inline Ui::MainWindow *uiOf(MainWindow &window) { return WindowProbe::ui(window); }
inline const Ui::MainWindow *uiOf(const MainWindow &window) { return WindowProbe::ui(window); }
inline LinkState &linkOf(MainWindow &window) { return WindowProbe::link(window); }
inline QSerialPort *serialPortOf(MainWindow &window) { return WindowProbe::serialPort(window); }
