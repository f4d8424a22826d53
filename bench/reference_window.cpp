// The floor for start-up: a bare QMainWindow with a menu bar and 41 child widgets
// of the kinds the main window uses, placed by hand, with no logic behind them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>

namespace {

template <typename Widget, typename... Args> Widget* Place(QWidget* parent, int& y, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setGeometry(8 + (y / 400) * 160, y % 400, 150, 22);
    y += 26;
    return widget;
}

void BuildMenu(QMainWindow& window)
{
    QMenu* file = window.menuBar()->addMenu("File");
    for (const char* item : {"One", "Two", "Three", "Four", "Five", "Six"})
        file->addAction(item);
    file->addSeparator();
    file->addAction("Exit");
    window.menuBar()->addMenu("Options")->addAction("Settings");
    QMenu* edit = window.menuBar()->addMenu("Edit");
    edit->addAction("First file");
    edit->addAction("Second file");
    window.menuBar()->addAction("Help");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Reference");
    BuildMenu(window);
    auto* client = new QWidget(&window); // 1
    window.setCentralWidget(client);
    auto* area = new QWidget(client); // 2
    area->setGeometry(0, 0, 640, 420);
    auto* strip = new QWidget(client); // 3
    strip->setGeometry(0, 420, 640, 40);
    int y = 0;
    for (int i = 0; i < 8; ++i) // 11
        Place<QLabel>(area, y, "Label");
    for (int i = 0; i < 7; ++i) // 18
        Place<QLineEdit>(area, y, "1");
    Place<QPlainTextEdit>(area, y, "Text"); // 19
    for (int i = 0; i < 3; ++i) // 22
        Place<QListWidget>(area, y);
    for (int i = 0; i < 4; ++i) // 26
        Place<QPushButton>(area, y, "Button");
    Place<QCheckBox>(area, y, "Check"); // 27
    for (int i = 0; i < 4; ++i) // 31
        Place<QFrame>(area, y)->setFrameShape(QFrame::HLine);
    for (int i = 0; i < 2; ++i) // 33
        Place<QRadioButton>(strip, y, "Option");
    for (int i = 0; i < 3; ++i) // 36
        Place<QComboBox>(strip, y);
    auto* frame = new QGroupBox(area); // 37
    frame->setGeometry(480, 200, 150, 200);
    int inFrame = 20;
    for (int i = 0; i < 4; ++i) // 41
        Place<QLabel>(frame, inFrame, "In frame");
    window.resize(660, 500);
    window.show();
    if (std::getenv("CORROLAB_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
