#pragma once

#include "tools/hand_back_method.h"

namespace corrolab {

// The tools window's choice of figures, kept between runs in the program's
// settings file (an INI file in the user's configuration folder).
HandBackMethod LoadHandBackMethod();
void SaveHandBackMethod(HandBackMethod method);

} // namespace corrolab
