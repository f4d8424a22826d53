#include "base/json.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace corrolab {
namespace {

TEST(Json, EscapesStringsAndWritesNumbersReadBackExactly)
{
    const struct
    {
        std::string text;
        const char* json;
    } strings[] = {
        {"", "\"\""}, {"mm/year", "\"mm/year\""}, {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""}, {"tab\there", "\"tab\\u0009here\""},
        {"line\nbreak\r", "\"line\\u000abreak\\u000d\""}, {"\x1b[31m", "\"\\u001b[31m\""},
        {std::string("nul\0end", 7), "\"nul\\u0000end\""}, {"del\x7f", "\"del\\u007f\""},
        {"\u00b5A/cm\u00b2", "\"\u00b5A/cm\u00b2\""}, // UTF-8 kept
    };
    for (const auto& row : strings)
        EXPECT_EQ(JsonString(row.text), row.json) << row.json;

    const struct
    {
        std::optional<double> value;
        const char* json;
    } numbers[] = {
        {0.0, "0"},
        {39.37007874015748, "39.37007874015748"},
        {-1.5, "-1.5"},
        {1e-7, "1e-07"},
        {std::nullopt, "null"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& row : numbers)
        EXPECT_EQ(JsonNumber(row.value), row.json) << row.json;

    EXPECT_EQ(JsonObject().str(), "{}");
    EXPECT_EQ(JsonObject().Text("a\"", "x").Number("b", 2).Raw("c", "[1]").str(),
        "{\"a\\\"\": \"x\", \"b\": 2, \"c\": [1]}");
}

} // namespace
} // namespace corrolab
