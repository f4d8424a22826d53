#pragma once

#include <string_view>
#include <vector>

namespace corrolab {

// The elements of the records (1 to the last recorded) that a search text
// names, best match first: the atomic number, then the symbol, then the whole
// name, then names that begin with the text, then names that hold it. Letter
// case does not matter; surrounding blanks are ignored. Empty for an empty text.
std::vector<int> SearchElements(std::string_view text);

} // namespace corrolab
