#include "window/status_page/status_page.h"

#include <QTextEdit>

#include "window/status_page/char_thread.h"
#include "window/status_page/status_log.h"
#include "core/platform/platform.h"
#include "window/ui/ui_mainwindow.h"

StatusPage::StatusPage(Ui::MainWindow &ui)
    : ui_(ui)
{
}

void StatusPage::setUp()
{
    StatusLog::of(ui_.ScannerEdit);
}

void StatusPage::echo(const QByteArray &chunk)
{
    StatusLog::of(ui_.ScannerEdit).echo(chunk);
}

void StatusPage::listPorts()
{
    const QList<Platform::PortRecord> ports = Platform::enumeratePorts();
    qDebug("List of ports:\n");
    qDebug("%d", int(ports.size()));
    for (const Platform::PortRecord &port : ports) {
        for (const QString &field : {port.portName, port.friendName, port.physName, port.enumName})
            qDebug("%s", field.toLocal8Bit().constData());
        qDebug("===================================\n\n");
    }
}

void StatusPage::toggleTicker()
{
    if (ticker_)
        ticker_->togglePause();
}
