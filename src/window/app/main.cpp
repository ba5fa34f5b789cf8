#include <QApplication>

#include "core/text/translations.h"
#include "window/app/mainwindow.h"
#include "window/ui/screen_scaling.h"

int main(int argc, char *argv[])
{
    enableScreenScaling();
    QApplication app(argc, argv);
    // Before the window exists: its texts, and the layout direction of a right-to-left language.
    Translations::installDesktopLanguage(app);
    // Under Wayland the window names itself by this, so the desktop finds its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.keylon2.Utility"));
    MainWindow window;
    window.show();
    return app.exec();
}
