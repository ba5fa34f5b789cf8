// The utility's window as its main() makes it (on the virtual reader, like the demo build),
// shown until its first frame is painted (see first_paint.h). Started by bench_startup.
//
// With KEYLON2_BENCH_NO_PORTS set, the serial port list the window takes at start-up is
// replaced by an empty one, to show what listing the ports costs. The desktop's language is
// loaded as the utility loads it, from the translations this build made.
#include <QApplication>

#include <cstdlib>

#include "window/app/mainwindow.h"
#include "first_paint.h"
#include "core/platform/platform.h"
#include "core/text/translations.h"
#include "window/ui/screen_scaling.h"

int main(int argc, char **argv)
{
    FirstPaint::markStart();
    if (std::getenv("KEYLON2_BENCH_NO_PORTS"))
        Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); });
    enableScreenScaling();
    QApplication app(argc, argv);
    // The translations this build made, beside the bench's folder: nothing of the checkout's
    // place is compiled in.
    const QStringList translations{QCoreApplication::applicationDirPath() + QStringLiteral("/../translations")};
    const auto environment = [](const char *name) { return QString::fromLocal8Bit(qgetenv(name)); };
    Translations::install(app, Translations::chooseLanguage(environment, Translations::shipped(translations)),
                          translations);
    MainWindow window;
    FirstPaint::show(window);
    return app.exec();
}
