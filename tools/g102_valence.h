#pragma once

#include "tools/element_table.h"

#include <string>
#include <string_view>

namespace corrolab {

// The valence the ASTM G102 equivalent weight gives an element by default: the
// charge its atoms take when the metal corrodes (copper 2, iron 2, chromium 3).
// It is kept apart from the element table's Valency column, which the classic
// calculation uses. An element the corrosion table does not list takes the
// element table's valence text ("--" where there is none); an unknown symbol
// gives an empty text.
std::string G102DefaultValence(const ElementTable& table, std::string_view symbol);

} // namespace corrolab
