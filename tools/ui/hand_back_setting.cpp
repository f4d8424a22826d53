#include "tools/ui/hand_back_setting.h"

#include <QSettings>
#include <memory>

namespace corrolab {

namespace {

constexpr const char* kKey = "MaterialProperties/handBack";

QString& OverridePath()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> OpenSettings()
{
    if (!OverridePath().isEmpty())
        return std::make_unique<QSettings>(OverridePath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, "Corrolab", "corrolab");
}

} // namespace

HandBackMethod LoadHandBackMethod()
{
    const QString word = OpenSettings()->value(kKey).toString();
    return MethodFromWord(word.toStdString()).value_or(HandBackMethod::Classic);
}

void SaveHandBackMethod(HandBackMethod method)
{
    const std::string_view word = MethodWord(method);
    OpenSettings()->setValue(
        kKey, QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
}

QString SettingsFilePath()
{
    return OpenSettings()->fileName();
}

void UseSettingsFile(const QString& path)
{
    OverridePath() = path;
}

} // namespace corrolab
