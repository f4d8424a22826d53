// Window tests run offscreen; a modal dialog left open fails the test instead of
// hanging the run.
#include "app/ui/window_place.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

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

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(QuietOffscreenNotes);
    QApplication app(argc, argv);
    // Settings the windows keep between runs go to a test location, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    corrolab::ProgramSettings()->remove("PeriodicTable");
    corrolab::ProgramSettings()->remove("AlloyBrowser");
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
    return RUN_ALL_TESTS();
}
