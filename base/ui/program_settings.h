#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace corrolab {

// The program's settings file (~/.config/Corrolab/corrolab.ini, or the file
// tests point the settings at), whatever the executable is called. It keeps the
// windows' places and the tools window's choice of figures.
std::unique_ptr<QSettings> ProgramSettings();

// The settings file in use.
QString SettingsFilePath();

// Points the settings at another file (tests use a temporary one); an empty
// path returns to the user's settings file.
void UseSettingsFile(const QString& path);

} // namespace corrolab
