#include "print/ui/print_dialog.h"

#include "base/ui/report_document.h"

#include <QPrintDialog>
#include <QPrinter>

namespace corrolab {

bool PrintWithDialog(QWidget* owner, const std::string& html)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintReportHtml(html, printer);
    return true;
}

} // namespace corrolab
