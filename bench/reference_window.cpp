// The floor for start-up: a bare QMainWindow with a menu bar and 41 child widgets
// of the kinds the main window uses, placed by hand, with no logic behind them.
// Built a second time with CORROLAB_REFERENCE_FONTS, it takes the main window's
// fonts as the main window does: the application font, Tahoma on the lists,
// Courier New on two boxes and the bold font on the text box.
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
#ifdef CORROLAB_REFERENCE_FONTS
#include "base/ui/vb_controls.h"
#endif

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
#ifdef CORROLAB_REFERENCE_FONTS
    corrolab::UseDesignFonts();
#endif
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
    QLineEdit* boxes[7];
    for (QLineEdit*& box : boxes) // 18
        box = Place<QLineEdit>(area, y, "1");
    auto* text = Place<QPlainTextEdit>(area, y, "Text"); // 19
    QListWidget* lists[3];
    for (QListWidget*& list : lists) // 22
        list = Place<QListWidget>(area, y);
#ifdef CORROLAB_REFERENCE_FONTS
    for (QListWidget* list : lists)
        list->setFont(corrolab::DesignFont("Tahoma", 8.25));
    for (QLineEdit* box : {boxes[1], boxes[3]})
        box->setFont(corrolab::DesignFont("Courier New", 9));
    text->setFont(corrolab::DesignFont("MS Sans Serif", 8.25, true));
    boxes[0]->setFont(corrolab::DesignFont("MS Sans Serif", 8.25, true));
#else
    (void)text;
#endif
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
