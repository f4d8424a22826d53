#pragma once

#include <string>

class QWidget;

namespace corrolab {

// Prints an HTML page on the printer the user picks in the print dialog over
// `owner`; false when the user cancels.
bool PrintWithDialog(QWidget* owner, const std::string& html);

} // namespace corrolab
