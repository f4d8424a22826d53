// The periodic table and the alloy browser, driven as a user drives them.
#include "window_fixture.h"

#include "alloys/ui/alloy_browser.h"
#include "alloys/ui/alloy_filter_model.h"
#include "alloys/ui/alloy_table_model.h"
#include "base/ui/program_settings.h"
#include "base/ui/window_place.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/periodic_table_view.h"
#include "tools/ui/periodic_table_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <algorithm>

namespace corrolab {
namespace {

// The main window's material as the user reads it, and a conversion made with it.
struct Frame
{
    std::string equivalentWeight, density, ratio, name, converted;
    bool operator==(const Frame&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Frame& f)
    {
        return out << '"' << f.name << "\" EW \"" << f.equivalentWeight << "\" density \""
                   << f.density << "\" ratio \"" << f.ratio << "\" 1 uA/cm2 = \"" << f.converted
                   << "\" mpy";
    }
};

void Press(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class Browsers : public WindowTest
{
protected:
    Frame MainFrame()
    {
        Convert("1", "micro_amp/cm^2", "mpy");
        return {form->Text6->text().toStdString(), form->Text5->text().toStdString(),
            form->Text10->text().toStdString(), form->Label2[3]->text().toStdString(), Result()};
    }

    PeriodicTableWindow& Table()
    {
        form->menu.mnuPT->trigger();
        return *form->periodicTable();
    }

    AlloyBrowser& Alloys()
    {
        form->menu.mnuAC->trigger();
        return *form->alloyBrowser();
    }

    // Finds an element through the search box and uses it with Enter.
    void UseElement(const char* search)
    {
        PeriodicTableWindow& table = Table();
        table.search->setText(search);
        Press(table.view, Qt::Key_Return);
    }

    std::string Fact(int field) { return Table().factValues[field - 1]->text().toStdString(); }

    std::vector<std::string> ShownAlloys()
    {
        AlloyBrowser& browser = Alloys();
        std::vector<std::string> names;
        for (int row = 0; row < browser.shown()->rowCount(); ++row)
            names.push_back(browser.shown()
                                ->index(row, AlloyTableModel::kName)
                                .data()
                                .toString()
                                .toStdString());
        return names;
    }

    void DoubleClick(QTableView* view, int row)
    {
        const QRect cell = view->visualRect(view->model()->index(row, 0));
        ASSERT_TRUE(cell.isValid()) << row;
        const QPointF at = cell.center();
        QWidget* port = view->viewport();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                 QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, port->mapToGlobal(at), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(port, &event);
        }
    }
};

TEST_F(Browsers, MenusOpenTheWindowsOnlyWhenAsked)
{
    EXPECT_EQ(form->periodicTable(), nullptr);
    EXPECT_EQ(form->alloyBrowser(), nullptr);
    EXPECT_EQ(form->tools(), nullptr);
    EXPECT_TRUE(Table().isVisible());
    EXPECT_EQ(Table().windowTitle(), "Periodic Table of Elements");
    EXPECT_TRUE(Alloys().isVisible());
    EXPECT_EQ(Alloys().windowTitle(), "Alloys and Compositions");
    EXPECT_EQ(form->tools(), nullptr);
}

TEST_F(Browsers, SidePanelDescribesIron)
{
    const struct
    {
        int field;
        const char* text;
    } rows[] = {
        {1, "Iron"},
        {2, "Fe"},
        {3, "26"},
        {4, "55.847 g/mol"},
        {6, "2861 deg C"},
        {8, "7860 kg/m^3"},
        {15, "1.830 Pauling"},
        {16, "2"},
        {17, "27.92 g"},
        {18, "Body centered"},
        {20, "not known"}, // "--" in the record
        {21, "[Ar] 4s2 3d6"},
        {22, "Steel and cast iron"},
    };
    Table().view->setCurrent(29);
    Table().view->setCurrent(26);
    ASSERT_EQ(Table().shownElement(), 26);
    for (const auto& row : rows)
        EXPECT_EQ(Fact(row.field), row.text) << "field " << row.field;
    EXPECT_EQ(Table().factNames[7]->text(), "Density:");
}

TEST_F(Browsers, HoverShowsAnElementUntilThePointerLeaves)
{
    PeriodicTableView* view = Table().view;
    Table().resize(1000, 600);
    QApplication::processEvents();
    const QPointF copper = view->cellRect(29).center();
    QMouseEvent move(QEvent::MouseMove, copper, view->mapToGlobal(copper), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    EXPECT_EQ(Fact(1), "Copper");
    EXPECT_EQ(view->current(), 26); // hovering does not choose
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    EXPECT_EQ(Fact(1), "Iron");
}

TEST_F(Browsers, SearchFindsBySymbolNameOrNumber)
{
    const struct
    {
        const char* text;
        const char* symbol;
    } rows[] = {
        {"Mo", "Mo"},
        {"cu", "Cu"},
        {"gold", "Au"},
        {"74", "W"},
        {"wolf", "W"},
        {"Rutherfordium", "Unq"},
        {"seaborg", "Unh"},
        {"Meitnerium", "Une"},
    };
    for (const auto& row : rows) {
        Table().search->setText(row.text);
        EXPECT_EQ(Fact(2), row.symbol) << row.text;
        EXPECT_EQ(Table().status->text(), "") << row.text;
    }
    Table().search->setText("Xyz");
    EXPECT_EQ(Table().status->text(), "No element matches.");
    EXPECT_EQ(Fact(2), "Une"); // the last found stays chosen
}

TEST_F(Browsers, ArrowKeysMoveAcrossTheTable)
{
    const struct
    {
        int key;
        const char* symbol;
    } steps[] = {
        {Qt::Key_Right, "Co"}, {Qt::Key_Down, "Rh"}, {Qt::Key_Left, "Ru"}, {Qt::Key_Up, "Fe"},
        {Qt::Key_Up, "Fe"}, // period 3 has no group 8
        {Qt::Key_Down, "Ru"}, {Qt::Key_Down, "Os"}, {Qt::Key_Down, "Uno"},
        {Qt::Key_Down, "Sm"}, // into the lanthanides
    };
    Table().view->setCurrent(26);
    for (const auto& step : steps) {
        Press(Table().view, step.key);
        EXPECT_EQ(Fact(2), step.symbol) << "after key " << step.key;
    }
}

TEST_F(Browsers, UseInCompositionInTheMetalModeWaitsForCalculate)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    const Frame iron = MainFrame();
    UseElement("Cu");
    EXPECT_TRUE(tools->Option2[0]->isChecked());
    EXPECT_EQ(tools->Combo2[0]->currentText(), "Cu");
    EXPECT_EQ(tools->Text1[0]->text(), "Copper");
    EXPECT_EQ(tools->Text2[0]->text(), "100");
    EXPECT_EQ(tools->Text6->text(), ""); // iron's results no longer describe the grid
    EXPECT_EQ(MainFrame(), iron);
    EXPECT_NE(Table().status->text().indexOf("Cu"), -1);

    tools->Command1->click();
    const Frame used = MainFrame();
    EXPECT_EQ(used.name, "Copper");
    EXPECT_NE(used, iron);
    // The same as picking copper in the tools window itself.
    tools->SetComboIndex(tools->Combo2[0], tools->Combo2[0]->findText("Fe"));
    tools->SetComboIndex(tools->Combo2[0], tools->Combo2[0]->findText("Cu"));
    EXPECT_EQ(MainFrame(), used);
}

TEST_F(Browsers, UseInCompositionBeforeTheToolsWindowExists)
{
    const Frame start = MainFrame();
    UseElement("Ni");
    ASSERT_NE(form->tools(), nullptr);
    EXPECT_TRUE(form->tools()->isVisible());
    EXPECT_EQ(form->tools()->Text1[0]->text(), "Nickel");
    EXPECT_EQ(MainFrame(), start);
    form->tools()->Command1->click();
    EXPECT_EQ(MainFrame().name, "Nickel");
}

TEST_F(Browsers, UseInCompositionInTheAlloyModeFillsTheNextFreeRow)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    tools->showAlloys();
    tools->LoadComposition("70Cu 30Zn");
    const Frame brass = MainFrame();
    ASSERT_EQ(brass.name, "Cu/Zn alloy");

    UseElement("Ni");
    EXPECT_EQ(tools->components, 3);
    EXPECT_EQ(tools->Combo2[2]->currentText(), "Ni");
    EXPECT_EQ(tools->Text1[2]->text(), "Nickel");
    EXPECT_EQ(tools->Text2[2]->text(), "");
    EXPECT_EQ(tools->Combo2[0]->currentText(), "Cu"); // the rows before stay
    EXPECT_EQ(tools->Text2[1]->text(), "30");
    EXPECT_EQ(MainFrame(), brass);

    tools->Text2[0]->setText("60"); // typing a percentage calculates and hands back
    tools->Text2[2]->setText("10");
    EXPECT_EQ(MainFrame().name, "Cu/Zn/Ni alloy");
}

TEST_F(Browsers, UseInCompositionTakesAnEmptyRowBeforeAddingOne)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    tools->showAlloys();
    tools->SetComboIndex(tools->Combo1, 2); // three rows; rows 1 and 2 hold no symbol yet
    ASSERT_LT(tools->Combo2[1]->currentIndex(), 0);
    UseElement("Zn");
    EXPECT_EQ(tools->components, 3);
    EXPECT_EQ(tools->Combo2[1]->currentText(), "Zn");
    EXPECT_LT(tools->Combo2[2]->currentIndex(), 0);
}

TEST_F(Browsers, UseInCompositionRefusesAFullGridAndHighElements)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    tools->showAlloys();
    tools->LoadComposition("60Fe 10Ni 8Cr 6Mo 5Cu 4Mn 3Si 2Co 2Ti");
    const Frame full = MainFrame();
    const QString results = tools->Text6->text();
    UseElement("Al");
    EXPECT_NE(Table().status->text().indexOf("full"), -1);
    EXPECT_EQ(tools->components, 9);
    EXPECT_EQ(tools->Text6->text(), results);
    EXPECT_EQ(MainFrame(), full);

    Table().view->setCurrent(101);
    EXPECT_FALSE(Table().useButton->isEnabled());
    Table().useCurrentElement();
    EXPECT_NE(Table().status->text().indexOf("1 to 100"), -1);
    EXPECT_EQ(MainFrame(), full);
}

TEST_F(Browsers, ShareFilterListsAlloysWithEnoughMolybdenum)
{
    const size_t all = ShownAlloys().size();
    Alloys().shares->setText(QString::fromUtf8("Mo \xE2\x89\xA5 2"));
    const std::vector<std::string> withMo = ShownAlloys();
    const auto has = [&](const char* name) { return std::ranges::count(withMo, name) == 1; };
    EXPECT_TRUE(has("Stainless steel Type 316"));
    EXPECT_TRUE(has("Stainless steel Type 316L"));
    EXPECT_FALSE(has("Stainless steel Type 304 (18-8)"));
    EXPECT_FALSE(has("Stainless steel Type 440C")); // 0.7 % only
    EXPECT_LT(withMo.size(), all);
    EXPECT_EQ(Alloys().count->text(), QString("%1 of %2 alloys").arg(withMo.size()).arg(all));

    Alloys().findText->setText("stainless");
    // The lean duplexes (0.3 and 0.45 % Mo) and 304 stay out.
    std::vector<std::string> stainlessWithMo = ShownAlloys();
    std::ranges::sort(stainlessWithMo);
    const std::vector<std::string> expected {"Duplex stainless steel 2205 (S32205)",
        "Stainless steel Type 316", "Stainless steel Type 316L",
        "Super duplex stainless steel 2507 (S32750)",
        "Superaustenitic stainless steel 254 SMO (S31254)",
        "Superaustenitic stainless steel 904L (N08904)",
        "Superaustenitic stainless steel AL-6XN (N08367)"};
    EXPECT_EQ(stainlessWithMo, expected);

    // A filter that cannot be read says so and leaves the list as it was.
    Alloys().shares->setText("Xx >= 2");
    EXPECT_FALSE(Alloys().problem->text().isEmpty());
    EXPECT_EQ(ShownAlloys().size(), expected.size());
    Alloys().shares->clear();
    Alloys().findText->clear();
    EXPECT_TRUE(Alloys().problem->text().isEmpty());
    EXPECT_EQ(ShownAlloys().size(), all);
}

TEST_F(Browsers, SortsByEquivalentWeightAsNumbers)
{
    for (int column : {int(AlloyTableModel::kClassicEquivalentWeight),
             int(AlloyTableModel::kG102EquivalentWeight), int(AlloyTableModel::kRate)}) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            Alloys().table->sortByColumn(column, order);
            const QAbstractItemModel* shown = Alloys().table->model();
            std::vector<double> values;
            for (int row = 0; row < shown->rowCount(); ++row) {
                const QString text = shown->index(row, column).data().toString();
                if (text != "--")
                    values.push_back(text.toDouble());
            }
            ASSERT_GT(values.size(), 100u);
            if (order == Qt::DescendingOrder)
                std::ranges::reverse(values);
            EXPECT_TRUE(std::ranges::is_sorted(values)) << "column " << column;
            // Values of one and of two digits before the point: text order would differ.
            EXPECT_LT(values.front(), values.back()) << "column " << column;
        }
    }
}

TEST_F(Browsers, DoubleClickOrEnterLoadsTheAlloyAsTheChoosersDo)
{
    Alloys().resize(1000, 600);
    Alloys().findText->setText("Stainless steel Type 316");
    ASSERT_EQ(ShownAlloys().front(), "Stainless steel Type 316");
    DoubleClick(Alloys().table, 0);
    EqWt* tools = form->tools();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_TRUE(tools->Option2[1]->isChecked());
    EXPECT_EQ(tools->Combo3->currentText(), "Iron");
    EXPECT_EQ(tools->Combo4->currentText(), "Stainless steel Type 316");
    EXPECT_EQ(tools->components, 4);
    const Frame loaded = MainFrame();
    EXPECT_EQ(loaded.name, "Stainless steel Type 316");
    // Choosing it in the tools window's own choosers hands back the same.
    Choose(tools->Combo4, "Stainless steel Type 304 (18-8)");
    EXPECT_NE(MainFrame(), loaded);
    Choose(tools->Combo4, "Stainless steel Type 316");
    EXPECT_EQ(MainFrame(), loaded);

    // Enter on the current row of the table loads it too.
    Alloys().findText->setText("Inconel 625");
    Alloys().table->setCurrentIndex(Alloys().table->model()->index(0, 0));
    Press(Alloys().table, Qt::Key_Return);
    EXPECT_EQ(tools->Combo4->currentText(), "Inconel 625");
    EXPECT_EQ(MainFrame().name, "Inconel 625");
}

TEST_F(Browsers, WindowsRememberTheirPlaceAndOpenOnScreen)
{
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    const QSize size = Table().minimumSizeHint() + QSize(4, 6);
    ASSERT_LT(size.width() + 20, screen.width());
    Table().resize(size);
    Table().move(screen.left() + 20, screen.top() + 30);
    Table().hide();
    PeriodicTableWindow again;
    EXPECT_EQ(again.size(), size);
    EXPECT_EQ(again.pos(), QPoint(screen.left() + 20, screen.top() + 30));

    // A place on a screen that is no longer there.
    ProgramSettings()->setValue("AlloyBrowser/geometry", QRect(screen.right() + 500, 40, 500, 300));
    AlloyBrowser browser;
    EXPECT_TRUE(screen.contains(QRect(browser.pos(), browser.size())))
        << browser.x() << "," << browser.y();
    EXPECT_EQ(browser.size(), QSize(500, 300));
}

} // namespace
} // namespace corrolab
