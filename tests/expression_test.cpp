#include "menus/expression.h"

#include <cmath>
#include <gtest/gtest.h>

namespace corrolab {
namespace {

TEST(EvaluateExpression, EvaluatesArithmetic)
{
    EXPECT_DOUBLE_EQ(std::get<double>(EvaluateExpression("2*(3+4)^2")), 98);
    EXPECT_DOUBLE_EQ(std::get<double>(EvaluateExpression("sqrt(2)/3")), std::sqrt(2.0) / 3);
    EXPECT_NEAR(std::get<double>(EvaluateExpression("cos(0) + ln(_e)")), 2, 1e-12);
    EXPECT_DOUBLE_EQ(std::get<double>(EvaluateExpression("max(3, 7, 5)")), 7);
    EXPECT_DOUBLE_EQ(std::get<double>(EvaluateExpression("1.5e3 + 0.25")), 1500.25);
}

TEST(EvaluateExpression, ExplainsWhatIsWrong)
{
    for (const char* text : {"", "2*(3+", "foo(1)", "1/0", "1,5"})
        EXPECT_TRUE(std::holds_alternative<std::string>(EvaluateExpression(text))) << text;
    EXPECT_FALSE(std::get<std::string>(EvaluateExpression("2*(3+")).empty());
}

} // namespace
} // namespace corrolab
