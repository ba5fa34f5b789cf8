// The utility's window as its main() makes it (on the virtual reader, like the demo build),
// shown until its first frame is painted (see first_paint.h). Started by bench_startup.
#include <QApplication>

#include "app/mainwindow.h"
#include "first_paint.h"

int main(int argc, char **argv)
{
    FirstPaint::markStart();
    QApplication app(argc, argv);
    MainWindow window;
    FirstPaint::show(window);
    return app.exec();
}
