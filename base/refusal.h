#pragma once

#include <string>
#include <variant>

namespace corrolab {

// Why a conversion gives no result, as one short sentence for the status line
// and the command line.
struct Refusal
{
    std::string reason;
};

// A message joined from its pieces (texts, strings, string views), by appending.
template <typename... Pieces> std::string Message(const Pieces&... pieces)
{
    std::string text;
    (text += ... += pieces);
    return text;
}

// A result, or the reason there is none.
template <typename T> using OrRefusal = std::variant<T, Refusal>;

} // namespace corrolab
