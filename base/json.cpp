#include "base/json.h"

#include <charconv>
#include <cmath>

namespace corrolab {

std::string JsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string JsonNumber(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return "null";
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, *value).ptr;
    return std::string(text, end);
}

JsonObject& JsonObject::Raw(std::string_view name, std::string_view json)
{
    if (json_.size() > 1)
        json_ += ", ";
    json_ += JsonString(name);
    json_ += ": ";
    json_ += json;
    return *this;
}

JsonObject& JsonObject::Text(std::string_view name, std::string_view text)
{
    return Raw(name, JsonString(text));
}

JsonObject& JsonObject::Number(std::string_view name, std::optional<double> value)
{
    return Raw(name, JsonNumber(value));
}

} // namespace corrolab
