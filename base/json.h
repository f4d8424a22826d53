#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corrolab {

// The one JSON writer of the command line's --json output.

// A JSON string: quotes and backslashes escaped, control characters (and DEL)
// as \uXXXX; other bytes, UTF-8 included, as they are.
std::string JsonString(std::string_view text);

// A JSON number in the shortest form that reads back as the same double,
// independent of the locale; null for no value, infinity or NaN.
std::string JsonNumber(std::optional<double> value);

// A JSON object written member by member, in the order added: {"a": 1, "b": "x"}.
class JsonObject
{
public:
    // A member whose value is JSON text already (a number, an array, an object).
    JsonObject& Raw(std::string_view name, std::string_view json);
    JsonObject& Text(std::string_view name, std::string_view text);
    JsonObject& Number(std::string_view name, std::optional<double> value);
    std::string str() const { return json_ + "}"; }

private:
    std::string json_ = "{";
};

} // namespace corrolab
