#pragma once

#include "tools/hand_back_method.h"

#include <QString>

namespace corrolab {

// The tools window's choice of figures, kept between runs in the program's
// settings file (an INI file in the user's configuration folder).
HandBackMethod LoadHandBackMethod();
void SaveHandBackMethod(HandBackMethod method);

// The settings file in use.
QString SettingsFilePath();

// Points the settings at another file (tests use a temporary one); an empty
// path returns to the user's settings file.
void UseSettingsFile(const QString& path);

} // namespace corrolab
