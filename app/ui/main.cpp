// The windows of Corrolab. `corrolab` starts this program when it is run without
// a subcommand; the arguments are the window options.
#include "app/ui/form2.h"
#include "app/ui/program_identity.h"
#include "app/ui/qt_platform.h"
#include "app/ui/screenshots.h"
#include "base/text.h"
#include "base/ui/vb_controls.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
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

} // namespace

int main(int argc, char* argv[])
{
    // Qt's own options (-style Fusion, -platform offscreen, -reverse, with one
    // dash or two) are taken by QApplication; a look at them first tells whether
    // a window system is needed before QApplication would abort without one.
    QStringList typed;
    for (int i = 0; i < argc; ++i)
        typed << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser first;
    first.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    first.addOptions({{"screenshot", "", "DIR"}, {"platform", "", "NAME"}});
    first.parse(typed); // unknown options are refused below, once Qt took its own
    if (first.isSet("screenshot"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!first.isSet("platform") && !HasDisplay()) {
        std::fputs("corrolab: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "Start it from a desktop session, or without a screen under a virtual one:\n"
                   "    xvfb-run -a ./build/corrolab\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption screenshot(
        "screenshot", "Saves a PNG of each window in DIR, and quits.", "DIR");
    parser.addOption(screenshot);
    if (!parser.parse(QApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        // One line: the first word not taken, or what the parser missed.
        QString problem = parser.errorText();
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().front();
            problem = QString("unknown argument '%1'").arg((name.size() > 1 ? "--" : "-") + name);
        } else if (!parser.positionalArguments().isEmpty()) {
            problem = QString("unknown argument '%1'").arg(parser.positionalArguments().front());
        }
        if (problem.endsWith('.'))
            problem.chop(1);
        std::fprintf(stderr, "corrolab: %s (try corrolab --help)\n",
            corrolab::OneLine(problem.toStdString()).c_str());
        return 2;
    }
    const std::string screenshotFolder = parser.value(screenshot).toLocal8Bit().toStdString();
    // One user data folder for the windows and the command line, whatever the
    // executable is called (~/.local/share/corrolab); the menu entry's icon and class.
    corrolab::SetUpProgramIdentity();
    corrolab::UseDesignFonts();
    corrolab::QtPlatform platform;
    corrolab::Form2 window(platform);
    if (parser.isSet(screenshot))
        return corrolab::SaveScreenshots(window, screenshotFolder) ? 0 : 1;
    window.show();
    // For the start-up benchmark: leave as soon as the window has been shown.
    if (std::getenv("CORROLAB_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
