// The tools window's grid, the command line and the composition reader agree on
// how many components a composition may have.
#include "window_fixture.h"

#include "cli/command_line.h"
#include "tools/component_row.h"
#include "tools/ui/eqwt.h"

#include <QComboBox>
#include <QRadioButton>
#include <sstream>

namespace corrolab {
namespace {

// A composition of `count` components, each a different metal.
std::string Composition(int count)
{
    static const char* const kMetals[]
        = {"Fe", "Ni", "Cr", "Mo", "Cu", "Al", "Zn", "Sn", "Pb", "Ag", "Co", "Ti"};
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? " " : "") + std::string("5") + kMetals[i];
    return text;
}

class GridSize : public WindowTest
{
};

TEST_F(GridSize, NineComponentsFitEverywhereAndTenNowhere)
{
    form->Command6->click();
    EqWt* tools = form->tools();
    ASSERT_NE(tools, nullptr);
    tools->Option2[1]->click();
    const ElementTable elements;
    for (const int count : {1, 8, 9, 10, 12}) {
        const std::string composition = Composition(count);
        const bool fits = count <= 9;
        SCOPED_TRACE(composition);

        const auto rows = CompositionRows(elements, composition);
        EXPECT_EQ(rows.has_value(), fits);
        if (rows) {
            EXPECT_EQ(rows->size(), static_cast<size_t>(count));
        }

        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status
            = RunCommandLine({"material", "--composition", composition}, in, out, err, "/none");
        EXPECT_EQ(err.str().find("components") == std::string::npos, fits) << err.str();
        if (!fits) {
            EXPECT_EQ(status, 1);
        }

        tools->LoadComposition("50Fe 50Ni"); // two rows in use before each load
        const size_t tells = platform.Count("Tell");
        tools->LoadComposition(composition);
        EXPECT_EQ(platform.Count("Tell") == tells, fits);
        EXPECT_EQ(tools->components, fits ? std::max(count, 2) : 2);
        if (fits) {
            EXPECT_EQ(tools->Combo2[count - 1]->currentText().toStdString(),
                composition.substr(composition.rfind('5') + 1));
        }
    }
}

} // namespace
} // namespace corrolab
