#pragma once

// Text between the core code's UTF-8 strings and Qt's strings.

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace corrolab {

// UTF-8 text as a QString.
inline QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A box's text as UTF-8.
inline std::string S(const QLineEdit* box)
{
    return box->text().toStdString();
}

} // namespace corrolab
