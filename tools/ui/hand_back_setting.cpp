#include "tools/ui/hand_back_setting.h"

#include "base/ui/program_settings.h"

#include <QSettings>

namespace corrolab {

namespace {

constexpr const char* kKey = "MaterialProperties/handBack";

} // namespace

HandBackMethod LoadHandBackMethod()
{
    const QString word = ProgramSettings()->value(kKey).toString();
    return MethodFromWord(word.toStdString()).value_or(HandBackMethod::Classic);
}

void SaveHandBackMethod(HandBackMethod method)
{
    const std::string_view word = MethodWord(method);
    ProgramSettings()->setValue(
        kKey, QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
}

} // namespace corrolab
