#include "window/ui/screen_scaling.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImageReader>
#include <QTimer>
#include <QtGlobal>

#ifdef KEYLON2_HAVE_XCB
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef KEYLON2_HAVE_XCB
// Whether the application will run on X11: the platform asked for, or Qt's choice when none is.
bool onX11()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return platform.startsWith("xcb");
    return qEnvironmentVariableIsSet("DISPLAY") && qgetenv("XDG_SESSION_TYPE") != "wayland";
}

xcb_connection_t *probeConnection = nullptr;

// An X server that loses its last client starts over and refuses connections meanwhile (a
// virtual one with the window as its first client does): the probe's connection stays open
// until the application has its own, and is closed once its event loop runs.
void closeProbeConnectionLater()
{
    QTimer::singleShot(0, [] {
        xcb_disconnect(probeConnection);
        probeConnection = nullptr;
    });
}

// The X screen's DPI from its size in millimetres, when its resources hold no Xft.dpi; 0 when
// Xft.dpi is there or there is no X server to ask.
int physicalDpiWithoutXftDpi()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return 0;
    }
    int dpi = 0;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    const xcb_screen_t *screen = screens.rem > 0 ? screens.data : nullptr;
    if (screen && screen->width_in_millimeters > 0) {
        const xcb_get_property_cookie_t cookie = xcb_get_property(
            connection, 0, screen->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 1 << 16);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
        QByteArray resources;
        if (reply) {
            resources = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                                   xcb_get_property_value_length(reply));
            free(reply);
        }
        if (!('\n' + resources).contains("\nXft.dpi:"))
            dpi = qRound(25.4 * screen->width_in_pixels / screen->width_in_millimeters);
    }
    probeConnection = connection;
    qAddPreRoutine(closeProbeConnectionLater);
    return dpi;
}
#endif

}  // namespace

void enableScreenScaling()
{
    // The layout is fixed in pixels. Unscaled, point-size fonts grow with the screen's DPI while
    // the rooms they sit in do not, and texts are cut from 100 dpi up. Scaled, Qt reports 96 dpi
    // to the widgets and multiplies everything by the screen's factor, so a text keeps the room
    // it has at 96 dpi. On X11 the factor comes from Xft.dpi, or from the screen's size in
    // millimetres when Xft.dpi is not set. Qt 6 always scales so, and draws icons from their @2x
    // versions; Qt 5 has to be asked.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // Icons with an @2x version are drawn from it on a screen whose factor is above 1.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#elif defined(KEYLON2_HAVE_XCB)
    // Qt 6 on X11 takes the factor from Xft.dpi alone: a screen without it stays at 100 %,
    // however fine its pixels. Its size in millimetres then gives the DPI, handed to Qt as the
    // DPI it would take from Xft.dpi, so that such a screen scales as it does under Qt 5.
    if (onX11() && !qEnvironmentVariableIsSet("QT_FONT_DPI")) {
        const int dpi = physicalDpiWithoutXftDpi();
        if (dpi > 0)
            qputenv("QT_FONT_DPI", QByteArray::number(dpi));
    }
#endif
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    // The exact factor: rounded, a 150 % screen would show the window at 200 %, and a 125 % one
    // at 100 % with its fonts at 125 %. (Qt 6's default, set here all the same.)
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}

QIcon iconForScreens(const QString &path)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 picks an icon's image by its scale alone: at 125 % or 150 % it would enlarge the 1x
    // image. Given with their sizes, the images are picked by size as Qt 5 picks them: the 2x
    // image, made smaller, for any screen above 1x.
    QIcon icon;
    icon.addFile(path, QImageReader(path).size());
    if (qGuiApp->devicePixelRatio() > 1.0) {
        QString twice = path;
        twice.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        icon.addFile(twice, QImageReader(twice).size());
    }
    return icon;
#else
    return QIcon(path);
#endif
}
