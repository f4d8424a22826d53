// Window tests run offscreen; a modal dialog left open fails the test instead of
// hanging the run.

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

class NoModalDialogs : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        QApplication::processEvents();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog && dialog->isVisible() && dialog->isModal()) {
                ADD_FAILURE() << "a modal dialog was left open: "
                              << dialog->windowTitle().toStdString();
                dialog->reject();
            }
        }
    }
};

// The offscreen platform reports every size hint and raise it cannot honour.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith("This plugin does not support"))
        return;
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

namespace corrolab {
void ProvideLinkedModules(); // linked_modules.cpp
}

// A home folder of this test process's own: settings and data the windows keep
// between runs never touch the user's, and test processes running side by side
// never see each other's window places or choices.
std::filesystem::path PrivateHome()
{
    std::string pattern
        = (std::filesystem::temp_directory_path() / "corrolab-home-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return {};
    setenv("HOME", pattern.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
    return pattern;
}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::filesystem::path home = PrivateHome();
    qInstallMessageHandler(QuietOffscreenNotes);
    QApplication app(argc, argv);
    corrolab::ProvideLinkedModules();
    // Settings the windows keep between runs go to a test location, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    // A dialog that somehow runs its own event loop is closed at once.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal dialog was opened: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(200);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new NoModalDialogs);
    const int status = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return status;
}
