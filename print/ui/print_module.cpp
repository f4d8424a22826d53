#include "print/ui/print_module.h"

#include "print/ui/print_dialog.h"

bool corrolab_print_document(QWidget* owner, const std::string& html)
{
    return corrolab::PrintWithDialog(owner, html);
}
