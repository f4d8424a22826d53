#include "base/ui/save_file.h"

#include "base/ui/qt_text.h"

#include <QSaveFile>
#include <QString>

namespace corrolab {

bool WriteFileAtomically(
    const std::filesystem::path& file, const std::function<bool(QIODevice&)>& write)
{
    std::error_code error;
    if (std::filesystem::is_symlink(file, error))
        return false;
    QSaveFile out(QPath(file));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!write(out)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace corrolab
