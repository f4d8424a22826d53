#include "base/ui/program_settings.h"

#include <QSettings>

namespace corrolab {

namespace {

QString& OverridePath()
{
    static QString path;
    return path;
}

} // namespace

std::unique_ptr<QSettings> ProgramSettings()
{
    if (!OverridePath().isEmpty())
        return std::make_unique<QSettings>(OverridePath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, "Corrolab", "corrolab");
}

QString SettingsFilePath()
{
    return ProgramSettings()->fileName();
}

void UseSettingsFile(const QString& path)
{
    OverridePath() = path;
}

} // namespace corrolab
