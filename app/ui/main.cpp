// The windows of Corrolab. `corrolab` starts this program when it is run without
// a subcommand; the arguments are the window options.
#include "app/ui/form2.h"
#include "app/ui/program_identity.h"
#include "app/ui/qt_platform.h"
#include "app/ui/screenshots.h"

#include <QApplication>
#include <QFont>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool HasDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
#endif
}

void UseDesignFonts()
{
    // The windows were designed with Windows fonts; metric-compatible stand-ins
    // keep every caption inside its control where those fonts are missing.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Tahoma", "Liberation Sans");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

} // namespace

int main(int argc, char* argv[])
{
    std::string screenshotFolder;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshotFolder = argv[++i];
        } else {
            std::fprintf(
                stderr, "corrolab: unknown argument '%s' (try corrolab --help)\n", argv[i]);
            return 2;
        }
    }
    if (!screenshotFolder.empty())
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!HasDisplay()) {
        std::fputs("corrolab: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "Start it from a desktop session, or without a screen under a virtual one:\n"
                   "    xvfb-run -a ./build/corrolab\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    // One user data folder for the windows and the command line, whatever the
    // executable is called (~/.local/share/corrolab); the menu entry's icon and class.
    corrolab::SetUpProgramIdentity();
    UseDesignFonts();
    corrolab::QtPlatform platform;
    corrolab::Form2 window(platform);
    if (!screenshotFolder.empty())
        return corrolab::SaveScreenshots(window, screenshotFolder) ? 0 : 1;
    window.show();
    // For the start-up benchmark: leave as soon as the window has been shown.
    if (std::getenv("CORROLAB_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
