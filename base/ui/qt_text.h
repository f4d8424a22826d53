#pragma once

// Text between the core code's UTF-8 strings and Qt's strings.

#include <QLineEdit>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace corrolab {

// UTF-8 text as a QString.
inline QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A path as Qt names the file.
inline QString QPath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// A box's text as UTF-8.
inline std::string S(const QLineEdit* box)
{
    return box->text().toStdString();
}

} // namespace corrolab
