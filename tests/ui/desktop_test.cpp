// The windows on the desktop: keyboard, focus, copy, sizes and places.
#include "window_fixture.h"

#include "alloys/alloy_catalogue.h"
#include "menus/ui/main_menu.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/eqwt_desktop.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <set>

namespace corrolab {
namespace {

class Desktop : public WindowTest
{
protected:
    // Makes a window the active one, as a click on it would.
    static void Activate(QWidget* window)
    {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }

    static QWidget* Focused() { return QApplication::focusWidget(); }

    // Presses Tab until the focus comes back to where it started, listing every stop.
    static std::vector<QWidget*> TabStops(QWidget* start, int most = 60)
    {
        start->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> stops {Focused()};
        for (int i = 0; i < most; ++i) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            if (Focused() == stops.front())
                break;
            stops.push_back(Focused());
        }
        return stops;
    }

    // A stop the user can see: shown, and inside its window's area.
    static bool Seen(const QWidget* control)
    {
        const QWidget* window = control->window();
        const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
        return control->isVisible() && window->rect().contains(place);
    }

    static std::string Name(const QWidget* control)
    {
        return control
            ? control->metaObject()->className() + (" " + control->objectName()).toStdString()
            : "nothing";
    }
};

TEST_F(Desktop, TheValueBoxHasTheFocusAtStart)
{
    Activate(form.get());
    EXPECT_EQ(Focused(), form->Text1) << Name(Focused());
    // Typing replaces the start value.
    QApplication::processEvents();
    QTest::keyClicks(form->Text1, "25");
    EXPECT_EQ(form->Text1->text(), "25");
}

TEST_F(Desktop, TabVisitsTheMainWindowsControlsInOrderAndOnlyVisibleOnes)
{
    Activate(form.get());
    const std::vector<QWidget*> expected {form->Text1, form->Text3, form->Text2, form->Text4,
        form->List2, form->List4, form->Check1, form->Command5, form->Command3, form->Command1,
        form->Command6, form->Text6, form->Text5, form->Text10, form->Option1[0], form->Combo5};
    const std::vector<QWidget*> stops = TabStops(form->Text1);
    ASSERT_EQ(stops.size(), expected.size());
    for (size_t i = 0; i < stops.size(); ++i) {
        EXPECT_EQ(stops[i], expected[i]) << "stop " << i << ": " << Name(stops[i]);
        EXPECT_TRUE(Seen(stops[i])) << "stop " << i << ": " << Name(stops[i]);
    }
}

TEST_F(Desktop, InDictionaryModeEveryTabStopIsVisible)
{
    Activate(form.get());
    form->Option1[1]->click();
    const std::vector<QWidget*> stops = TabStops(form->Text1);
    EXPECT_GE(stops.size(), 8u);
    for (size_t i = 0; i < stops.size(); ++i)
        EXPECT_TRUE(Seen(stops[i])) << "stop " << i << ": " << Name(stops[i]);
    EXPECT_NE(std::find(stops.begin(), stops.end(), form->Combo1), stops.end());
}

TEST_F(Desktop, TabInTheToolsWindowNeverReachesTheButtonsPressedByCode)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    Activate(tools);
    tools->Option2[1]->click();
    Choose(tools->Combo1, "3");
    const std::vector<QWidget*> stops = TabStops(tools->Option2[1]);
    EXPECT_GE(stops.size(), 3u * 7u);
    for (size_t i = 0; i < stops.size(); ++i) {
        EXPECT_TRUE(Seen(stops[i])) << "stop " << i << ": " << Name(stops[i]);
        EXPECT_NE(stops[i], tools->Command2) << i;
        EXPECT_NE(stops[i], tools->Command3) << i;
    }
}

TEST_F(Desktop, EscapeHidesTheToolsWindowAndItKeepsItsState)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    Activate(tools);
    tools->Option2[1]->click();
    Choose(tools->Combo3, "Copper");
    QTest::keyClick(Focused(), Qt::Key_Escape);
    EXPECT_FALSE(tools->isVisible());
    form->Command6->click();
    EXPECT_TRUE(tools->isVisible());
    EXPECT_TRUE(tools->Option2[1]->isChecked());
    EXPECT_EQ(tools->Combo3->currentText(), "Copper");
}

struct CopyCase
{
    const char* name;
    QWidget* (*box)(Form2&);
    bool selectInBox; // the box has its whole text selected
    const char* expected; // empty: the result, trimmed
};

TEST_F(Desktop, CtrlCCopiesTheTrimmedResultUnlessTextIsSelected)
{
    const CopyCase cases[] = {
        {"value box, nothing selected", [](Form2& f) -> QWidget* { return f.Text1; }, false, ""},
        {"value box, its text selected", [](Form2& f) -> QWidget* { return f.Text1; }, true, "3"},
        {"a unit list", [](Form2& f) -> QWidget* { return f.List2; }, false, ""},
        {"the result box", [](Form2& f) -> QWidget* { return f.Text3; }, false, ""},
        {"Calculate", [](Form2& f) -> QWidget* { return f.Command1; }, false, ""},
    };
    Activate(form.get());
    Convert("3", "amp/cm^2", "mm/year");
    const QString result = form->Text3->toPlainText();
    ASSERT_TRUE(result.startsWith(' ')) << result.toStdString();
    for (const CopyCase& c : cases) {
        QApplication::clipboard()->setText("before");
        QWidget* box = c.box(*form);
        box->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(box))
            c.selectInBox ? line->selectAll() : line->deselect();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        const QString expected = *c.expected ? QString(c.expected) : result.trimmed();
        EXPECT_EQ(QApplication::clipboard()->text(), expected) << c.name;
    }
}

TEST_F(Desktop, AVeryLargeResultShowsZerosPastTheSeventeenthDigit)
{
    Convert("1e30", "micro_amp/cm^2", "micro_amp/cm^2");
    EXPECT_EQ(Result(), " 1000000000000000000000000000000.000");
}

struct StatusCase
{
    const char* value;
    const char* status;
};

TEST_F(Desktop, TheStatusLineSaysWhichNumberWasReadWhenTextFollowsIt)
{
    const StatusCase cases[] = {
        {"70,5", "read as 70"}, {"12abc", "read as 12"}, {"2.5 mA", "read as 2.5"}, {"70.5", ""},
        {" 70 ", ""}, {"abc", "read as 0"}, {"70,5", "read as 70"},
        {"1", ""}, // a sound value again clears the note
    };
    for (const StatusCase& c : cases) {
        Convert(c.value, "amp/cm^2", "mm/year");
        EXPECT_FALSE(Result().empty()) << c.value;
        EXPECT_EQ(form->Label1->text().toStdString(), c.status) << "value \"" << c.value << "\"";
    }
    // Number formats read their own digits: "FF" is not read as 0.
    Choose(form->Combo5, "Number formats");
    Convert("FF", "Hexadecimal", "Decimal");
    EXPECT_EQ(Result(), "255");
    EXPECT_EQ(form->Label1->text().toStdString(), "");
    Choose(form->Combo5, "Corrosion rate");
    // A refused conversion keeps saying why, whatever the value.
    Convert("70,5", "amp/cm^2", "mm/year");
    form->Text4->setText("no such unit");
    form->Command1->click();
    EXPECT_TRUE(Result().empty());
    EXPECT_EQ(form->Label1->text().toStdString().find("read as"), std::string::npos);
}

struct MenuCase
{
    QMenu* MainMenu::*menu;
    const char* title;
};

TEST_F(Desktop, EveryMenuAndItemHasItsOwnMnemonic)
{
    const MenuCase menus[] = {{&MainMenu::mnuFile, "&File"}, {&MainMenu::mnuOptions, "&Options"},
        {&MainMenu::mnuEdit, "&Edit"}, {&MainMenu::mnuHelpMenu, "&Help"}};
    for (const MenuCase& c : menus) {
        QMenu* menu = form->menu.*c.menu;
        EXPECT_EQ(menu->title(), c.title);
        std::set<QChar> letters;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const QString text = item->text();
            const qsizetype mark = text.indexOf('&');
            ASSERT_GE(mark, 0) << text.toStdString();
            EXPECT_TRUE(letters.insert(text[mark + 1].toLower()).second)
                << "repeated mnemonic in " << text.toStdString();
        }
    }
    EXPECT_EQ(form->menu.mnuHelp->text(), "&User Guide");
    EXPECT_EQ(form->menu.mnuExit->shortcut(), QKeySequence(QKeySequence::Quit));
    EXPECT_EQ(form->menu.mnuHelp->shortcut(), QKeySequence(QKeySequence::HelpContents));
}

TEST_F(Desktop, TheMainWindowKeepsItsSize)
{
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->size(), form->minimumSize());
    // Its designed controls all lie inside it.
    for (QWidget* control : std::initializer_list<QWidget*> {
             form->Text3, form->Command1, form->Command6, form->Frame1, form->Check1, form->Combo5})
        EXPECT_TRUE(Seen(control)) << Name(control);
}

TEST_F(Desktop, TheMaterialFrameShowsEveryFigureWithItsUnit)
{
    const QRect frame = form->Frame1->rect();
    for (QWidget* control : std::initializer_list<QWidget*> {form->Command6, form->Label2[3],
             form->Label2[1], form->Text6, form->Label2[0], form->Text5, form->Text10}) {
        EXPECT_TRUE(control->isVisible()) << Name(control);
        EXPECT_TRUE(frame.contains(control->geometry())) << Name(control);
    }
    QStringList captions;
    for (const QLabel* label : form->Frame1->findChildren<QLabel*>())
        captions << label->text();
    for (const char* unit : {"(g)", "(g/cm^3)", "(cm^3)"})
        EXPECT_TRUE(captions.join('|').contains(unit)) << unit;
    // No two of them overlap.
    const std::vector<QWidget*> parts {
        form->Command6, form->Label2[1], form->Text6, form->Label2[0], form->Text5, form->Text10};
    for (size_t i = 0; i < parts.size(); ++i)
        for (size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                << Name(parts[i]) << " and " << Name(parts[j]);
}

struct ModeCase
{
    int option;
    bool headingsAndSwapShown;
};

TEST_F(Desktop, DictionaryModeHidesTheHeadingsAndSwap)
{
    const ModeCase cases[] = {{1, false}, {0, true}, {1, false}};
    for (const ModeCase& c : cases) {
        form->Option1[c.option]->click();
        for (QWidget* control :
            std::initializer_list<QWidget*> {form->Label2[2], form->Label2[4], form->Command5})
            EXPECT_EQ(control->isVisible(), c.headingsAndSwapShown)
                << Name(control) << " in mode " << c.option;
    }
}

TEST_F(Desktop, TheToolsWindowIsAToolWindowOfTheMainWindowAndOpensOnScreen)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    EXPECT_EQ(tools->parentWidget(), form.get());
    EXPECT_EQ(tools->windowType(), Qt::Tool);
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(tools->frameGeometry()));
    EXPECT_TRUE(screen.contains(form->frameGeometry()));
    // The result stays visible.
    const QRect result(form->Text3->mapToGlobal(QPoint(0, 0)), form->Text3->size());
    EXPECT_FALSE(tools->frameGeometry().intersects(result));
}

TEST_F(Desktop, AlwaysOnTopKeepsTheToolsWindowTiedAndWhereItWas)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    tools->move(tools->pos() + QPoint(13, 7));
    const QPoint place = tools->pos();
    for (bool on : {true, false}) {
        form->setAlwaysOnTop(on);
        EXPECT_TRUE(tools->isVisible()) << on;
        EXPECT_EQ(tools->parentWidget(), form.get()) << on;
        EXPECT_EQ(tools->windowType(), Qt::Tool) << on;
        EXPECT_EQ(tools->pos(), place) << on;
    }
    // A hidden tools window stays hidden.
    tools->hide();
    form->setAlwaysOnTop(true);
    EXPECT_FALSE(tools->isVisible());
}

TEST_F(Desktop, TheModeOptionsShowTheirMarkOnALightField)
{
    for (const QRadioButton* option : form->Option1) {
        const QColor field = option->palette().color(QPalette::Base);
        const QColor strip = option->parentWidget()->palette().color(QPalette::Window);
        EXPECT_GT(std::abs(field.lightness() - strip.lightness()), 100) << Name(option);
        EXPECT_GT(
            std::abs(field.lightness() - option->palette().color(QPalette::Text).lightness()), 150)
            << Name(option);
    }
}

TEST_F(Desktop, TheAlloyListOpensWideEnoughForTheLongestName)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    const QFontMetrics metrics(tools->Combo4->view()->font());
    int widest = 0;
    for (const BaseMetal& base : AlloyCatalogue())
        for (const Alloy& alloy : base.alloys)
            widest = std::max(widest,
                metrics.horizontalAdvance(QString::fromUtf8(
                    alloy.name.data(), static_cast<qsizetype>(alloy.name.size()))));
    EXPECT_GT(widest, tools->Combo4->width() / 2);
    EXPECT_GE(tools->Combo4->view()->minimumWidth(), widest);
}

} // namespace
} // namespace corrolab
