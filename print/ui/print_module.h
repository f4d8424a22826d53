#pragma once

#include <string>

class QWidget;

// The module corrolab-print: the print dialog, which the windows program opens
// on first use with the Qt Print Support library.
extern "C" {

// Prints an HTML page after the print dialog over `owner`; false when the user cancels.
bool corrolab_print_document(QWidget* owner, const std::string& html);

} // extern "C"
