// With a dark palette (Fusion, light text on a dark ground) every caption, box
// and list of the windows still reads; every control the keyboard reaches has a
// name a screen reader can say.
#include "window_fixture.h"

#include "base/ui/vb_controls.h"
#include "tools/ui/eqwt.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

namespace corrolab {
namespace {

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

class DarkPaletteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        style_ = QApplication::style()->name();
        palette_ = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(DarkPalette());
        form = std::make_unique<Form2>(platform);
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        QApplication::setStyle(QStyleFactory::create(style_));
        QApplication::setPalette(palette_);
    }

    // Each shown caption, box and list of a window: the contrast of its text on its ground.
    static void ExpectReadable(QWidget* window, const char* when)
    {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window))
                continue;
            const bool area = qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
            if (!area && !qobject_cast<QLabel*>(widget) && !qobject_cast<QLineEdit*>(widget))
                continue;
            const QPalette& palette = widget->palette();
            const QColor ink = palette.color(
                area || qobject_cast<QLineEdit*>(widget) ? QPalette::Text : QPalette::WindowText);
            const QColor ground = palette.color(area ? QPalette::Base : widget->backgroundRole());
            EXPECT_GE(ContrastRatio(ink, ground), 3.0)
                << when << ": " << widget->metaObject()->className() << " '"
                << widget->objectName().toStdString() << "' "
                << widget->accessibleName().toStdString() << " " << ink.name().toStdString()
                << " on " << ground.name().toStdString();
        }
    }

    static void ExpectNamed(QWidget* window)
    {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window)
                || widget->focusProxy())
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
                << window->windowTitle().toStdString() << ": a "
                << widget->metaObject()->className() << " at " << widget->x() << "," << widget->y()
                << " has no name";
        }
    }

    FakePlatform platform;
    std::unique_ptr<Form2> form;

private:
    QString style_;
    QPalette palette_;
};

TEST_F(DarkPaletteTest, TheMainWindowReadsInBothModes)
{
    ExpectReadable(form.get(), "Converter");
    // The result keeps its documented red and bold.
    const QColor result = form->Text3->palette().color(QPalette::Text);
    EXPECT_TRUE(form->Text3->font().bold());
    EXPECT_GT(result.red(), 2 * std::max(result.green(), result.blue()))
        << result.name().toStdString();
    form->Option1[1]->click();
    ExpectReadable(form.get(), "Dictionary");
    form->Option1[0]->click();
    ExpectReadable(form.get(), "Converter again");
}

TEST_F(DarkPaletteTest, TheToolsWindowReads)
{
    ExpectReadable(&form->EnsureTools(), "Material Properties");
}

TEST_F(DarkPaletteTest, EveryFocusableControlHasAName)
{
    ExpectNamed(form.get());
    form->Option1[1]->click();
    ExpectNamed(form.get());
    ExpectNamed(&form->EnsureTools());
}

} // namespace
} // namespace corrolab
