#include "app/mainwindow.h"

bool MainWindow::hidExchange(const QByteArray &, QByteArray &, quint8) { return false; }
