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

// A result, or the reason there is none.
template <typename T> using OrRefusal = std::variant<T, Refusal>;

} // namespace corrolab
