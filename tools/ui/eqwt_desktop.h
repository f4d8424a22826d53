#pragma once

namespace corrolab {

class EqWt;

// The tools window on the desktop: Escape closes it as its close box does, the
// buttons pressed only by code take no focus, and the alloy list opens wide
// enough for the longest alloy name.
void SetUpToolsDesktop(EqWt& tools);

// The width the alloy list's popup needs for the longest name of the catalogue.
int AlloyPopupWidth(const EqWt& tools);

} // namespace corrolab
