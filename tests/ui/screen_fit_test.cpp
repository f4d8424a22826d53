// Every window on screens of every size: whole texts, and no window larger than
// a 1280 x 720 desktop's room; on a smaller desktop a window that cannot fit
// scrolls. Run at the scales 1, 1.5 and 2 on a 1920 x 1080 screen (see
// tests/CMakeLists.txt).
#include "window_fixture.h"

#include "alloys/ui/alloy_browser.h"
#include "base/ui/vb_controls.h"
#include "calculators/ui/corrosion_calculators.h"
#include "menus/ui/settings_dialog.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/periodic_table_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <functional>

namespace corrolab {
namespace {

// The most a window's content may take: a 1280 x 720 desktop less the title bar,
// the borders and a panel.
constexpr QSize kRoom(1280, 640);
// What a title bar and the borders take (the offscreen desktop has no panel:
// its available area is the whole screen).
constexpr QSize kFrame(16, 40);

struct Opened
{
    const char* name;
    std::function<QWidget*(Form2&)> open;
    // Laid out at fixed places: checked against the 1280 x 640 room only.
    bool fixedLayout = false;
};

const Opened kWindows[] = {
    {"main window", [](Form2& f) -> QWidget* { return &f; }},
    {"Material Properties, 9 rows",
        [](Form2& f) -> QWidget* {
            f.Command6->click();
            f.tools()->Option2[1]->click();
            f.tools()->LoadComposition("60Fe 10Ni 8Cr 6Mo 5Cu 4Mn 3Si 2Co 2Ti");
            return f.tools();
        },
        true},
    {"periodic table",
        [](Form2& f) -> QWidget* {
            f.menu.mnuPT->trigger();
            return f.periodicTable();
        }},
    {"periodic table, Iridium (a long discoverer)",
        [](Form2& f) -> QWidget* {
            f.menu.mnuPT->trigger();
            f.periodicTable()->search->setText("Iridium");
            return f.periodicTable();
        }},
    {"alloy browser",
        [](Form2& f) -> QWidget* {
            f.menu.mnuAC->trigger();
            return f.alloyBrowser();
        }},
    {"Corrosion Calculators",
        [](Form2& f) -> QWidget* {
            f.SwitchWindow(Form2::Target::CorrosionCalculators);
            return f.findChild<CorrosionCalculators*>();
        }},
    {"Settings",
        [](Form2& f) -> QWidget* {
            f.menu.mnuSettings->trigger();
            return f.findChild<SettingsDialog*>();
        }},
};

// A label shows its whole text: one line as wide as the text, or wrapped lines
// that all fit in its height.
std::string CutLabel(const QLabel* label)
{
    if (!label->isVisibleTo(label->window()) || label->text().isEmpty()
        || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
        return {};
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    QSize needs;
    if (label->wordWrap()) {
        needs = {room.width(), label->heightForWidth(label->width())};
    } else {
        QString widest;
        for (const QString& line : label->text().split('\n'))
            widest = metrics.horizontalAdvance(line) > metrics.horizontalAdvance(widest) ? line
                                                                                         : widest;
        const QString shown = QString(widest).remove('&');
        needs = {metrics.horizontalAdvance(shown), metrics.ascent()};
    }
    if (needs.width() <= room.width() && needs.height() <= label->height())
        return {};
    return "\"" + label->text().toStdString() + "\" " + std::to_string(room.width()) + "x"
        + std::to_string(label->height()) + ", needs " + std::to_string(needs.width()) + "x"
        + std::to_string(needs.height());
}

class ScreenFit : public WindowTest
{
protected:
    // The fonts the program runs with, as its start-up sets them.
    void SetUp() override
    {
        appFont_ = QApplication::font();
        UseDesignFonts();
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QApplication::setFont(appFont_);
    }

private:
    QFont appFont_;
};

TEST_F(ScreenFit, EveryWindowFitsTheRoomOfA1280x720Desktop)
{
    const QSize screen = QApplication::primaryScreen()->availableGeometry().size();
    const QSize usable = screen - kFrame;
    for (const Opened& window : kWindows) {
        QWidget* shown = window.open(*form);
        ASSERT_NE(shown, nullptr) << window.name;
        shown->show();
        QApplication::processEvents();
        const QSize size = shown->size();
        EXPECT_LE(size.width(), kRoom.width()) << window.name;
        EXPECT_LE(size.height(), kRoom.height()) << window.name;
        // On a smaller desktop the window shrinks to it: its least size fits.
        const QSize least = shown->minimumSize().expandedTo(shown->minimumSizeHint());
        if (!window.fixedLayout
            && (usable.width() < kRoom.width() || usable.height() < kRoom.height())) {
            EXPECT_LE(least.width(), usable.width()) << window.name;
            EXPECT_LE(least.height(), usable.height()) << window.name;
            EXPECT_LE(size.height(), usable.height()) << window.name;
        }
    }
}

// Opened low on the screen with one row, Material Properties grows with nine:
// it moves up to stay whole (or, taller than the screen, keeps its top on it).
TEST_F(ScreenFit, MaterialPropertiesGrownByItsRowsStaysOnTheScreen)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    ASSERT_NE(tools, nullptr);
    tools->show();
    QApplication::processEvents();
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    tools->move(screen.left(), screen.bottom() - tools->frameGeometry().height());
    QApplication::processEvents();
    tools->Option2[1]->click();
    tools->SetComboIndex(tools->Combo1, 8);
    QApplication::processEvents();
    ASSERT_EQ(tools->components, 9);
    const QRect frame = tools->frameGeometry();
    EXPECT_GE(frame.top(), screen.top());
    if (frame.height() <= screen.height()) {
        EXPECT_LE(frame.bottom(), screen.bottom());
    }
}

TEST_F(ScreenFit, EveryLabelShowsItsWholeText)
{
    for (const Opened& window : kWindows) {
        QWidget* shown = window.open(*form);
        ASSERT_NE(shown, nullptr) << window.name;
        shown->show();
        QApplication::processEvents();
        // The calculators' pages each in turn.
        auto* calculators = qobject_cast<CorrosionCalculators*>(shown);
        const int pages = calculators ? calculators->pages->count() : 1;
        for (int page = 0; page < pages; ++page) {
            if (calculators) {
                calculators->pages->setCurrentIndex(page);
                QApplication::processEvents();
            }
            for (const QLabel* label : shown->findChildren<QLabel*>()) {
                if (!calculators || calculators->pages->currentWidget()->isAncestorOf(label)) {
                    EXPECT_EQ(CutLabel(label), "") << window.name << " page " << page;
                }
            }
        }
    }
}

} // namespace
} // namespace corrolab
