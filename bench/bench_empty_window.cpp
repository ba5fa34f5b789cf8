// The floor of the window's start-up: an empty QMainWindow, shown until its first frame is
// painted (see first_paint.h), with the screen scaling the utility has. Started by bench_startup.
#include <QApplication>
#include <QMainWindow>

#include "first_paint.h"
#include "window/ui/screen_scaling.h"

int main(int argc, char **argv)
{
    FirstPaint::markStart();
    enableScreenScaling();
    QApplication app(argc, argv);
    QMainWindow window;
    FirstPaint::show(window);
    return app.exec();
}
