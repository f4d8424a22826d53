// The main window on the desktop: keyboard, focus, copy, the mode's controls and
// where the tools window opens.
#include "app/ui/form2.h"

#include "base/ui/vb_controls.h"
#include "base/window_placement.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/eqwt_desktop.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

namespace corrolab {

namespace {

// Lets the window's Copy reach the result when a text box has nothing selected:
// Ctrl+C in the value box right after a calculation copies the result.
class CopyWhenNothingSelected : public QObject
{
public:
    using QObject::QObject;
    static void Install(QWidget* box) { box->installEventFilter(new CopyWhenNothingSelected(box)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride
            || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        if (const auto* line = qobject_cast<QLineEdit*>(watched))
            return !line->hasSelectedText();
        if (const auto* text = qobject_cast<QPlainTextEdit*>(watched))
            return !text->textCursor().hasSelection();
        return false;
    }
};

Box BoxOf(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// A control's place on the desktop.
Box DesktopBox(const QWidget* control)
{
    return BoxOf(QRect(control->mapToGlobal(QPoint(0, 0)), control->size()));
}

} // namespace

void Form2::SetUpDesktop()
{
    // The controls sit at fixed places: the window keeps its size.
    setFixedSize(size());

    // The style's thin frame of a text area loses its top and left line at
    // fractional scales (1.5): the result box draws a plain frame of its own.
    Text3->setStyleSheet("QPlainTextEdit { border: 1px solid palette(mid); }");

    // Controls outside the visible area take no focus.
    List1->setFocusPolicy(Qt::NoFocus);
    Text3->setTabChangesFocus(true);
    // Tab follows the window from the value to the result, the units, the buttons
    // and the material, then the mode and the category.
    const QWidget* order[] = {Text1, Text3, Text2, Text4, List2, List4, Check1, Command5, Command3,
        Command1, Command6, Text6, Text5, Text10, Option1[0], Option1[1], Combo5, Combo1};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));

    // Names a screen reader gives the controls that have no caption of their own.
    const std::pair<QWidget*, const char*> names[]
        = {{Text1, "Value"}, {Text3, "Result"}, {Text2, "From unit"}, {Text4, "To unit"},
            {List2, "Units to convert from"}, {List4, "Units to convert to"}, {List1, "Dictionary"},
            {Combo5, "Category"}, {Combo1, "Dictionary category"}, {Text6, "Equivalent weight (g)"},
            {Text5, "Density (g/cm^3)"}, {Text10, "Equivalent weight / density (cm^3)"}};
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);

    // Ctrl+C copies the result, trimmed, unless a text box has a selection.
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { CopyResult(); });
    for (QWidget* box :
        std::initializer_list<QWidget*> {Text1, Text2, Text3, Text4, Text5, Text6, Text10})
        CopyWhenNothingSelected::Install(box);

    // F10 opens the menus, as elsewhere on the desktop.
    auto* menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this,
        [this] { menuBar()->setActiveAction(menu.mnuFile->menuAction()); });

    // The headings and Swap have no meaning for a dictionary look-up.
    connect(Option1[1], &QRadioButton::toggled, this, [this](bool dictionary) {
        for (QWidget* control : std::initializer_list<QWidget*> {Label2[2], Label2[4], Command5})
            control->setVisible(!dictionary);
    });
}

void Form2::CopyResult()
{
    // An empty result empties the clipboard: a paste must not bring back the
    // figure of an earlier conversion.
    const QString result = Text3->toPlainText().trimmed();
    if (result.isEmpty())
        QApplication::clipboard()->clear();
    else
        QApplication::clipboard()->setText(result);
}

namespace {

// Makes `window` a window of `owner` again (with `flags`), and puts it back where
// it was if it was shown.
void TieTo(QWidget* owner, QWidget* window, Qt::WindowFlags flags)
{
    const bool shown = window->isVisible();
    const QRect place = window->geometry();
    const QPoint framePlace = window->frameGeometry().topLeft();
    window->setParent(owner, flags);
    if (shown) {
        // A window mapped again at once under the same id can come back without
        // its frame: it gets a new one.
        if (QWindow* native = window->windowHandle())
            native->destroy();
        window->setGeometry(place);
        window->show();
        window->move(framePlace);
        window->raise();
    }
}

} // namespace

void Form2::TieToolsToThisWindow()
{
    if (!eqWt_)
        return;
    // A tool window of this one: the window system keeps it above the main
    // window, also when that stays on top. Making the main window stay on top
    // gives it a new native window, so the tie is made again, which hides the
    // tools window: it comes back where it was.
    TieTo(this, eqWt_, Qt::Tool);
}

void Form2::TieShownWindowsToThisWindow()
{
    TieToolsToThisWindow();
    // The other windows shown over this one (the settings, the calculators, the
    // browsers) lose their tie the same way and would drop behind it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != eqWt_ && child->isWindow() && child->isVisible())
            TieTo(this, child, child->windowFlags());
}

void Form2::PlaceTools(EqWt& tools)
{
    // The window system adds the same title bar and borders to both windows.
    const QMargins frame(geometry().left() - frameGeometry().left(),
        geometry().top() - frameGeometry().top(), frameGeometry().right() - geometry().right(),
        frameGeometry().bottom() - geometry().bottom());
    const QSize toolsSize = tools.size().grownBy(frame);
    const QScreen* shownOn = screen() ? screen() : QApplication::primaryScreen();
    const WindowPlaces places = PlaceBeside(BoxOf(shownOn->availableGeometry()),
        BoxOf(frameGeometry()), toolsSize.width(), toolsSize.height(),
        {DesktopBox(Text1), DesktopBox(Text3), DesktopBox(Command1)});
    if (places.main.left != frameGeometry().left() || places.main.top != frameGeometry().top())
        move(places.main.left, places.main.top);
    tools.move(places.second.left, places.second.top);
}

} // namespace corrolab
