#include "base/ui/report_document.h"

#include "base/ui/save_file.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace corrolab {

void PrintReportHtml(const std::string& html, QPagedPaintDevice& pages)
{
    QTextDocument document;
    document.setHtml(QString::fromStdString(html));
    document.print(&pages);
}

bool WriteReportPdf(const std::string& html, const std::filesystem::path& file)
{
    return WriteFileAtomically(file, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setCreator("Corrolab");
        PrintReportHtml(html, writer);
        return true;
    });
}

} // namespace corrolab
