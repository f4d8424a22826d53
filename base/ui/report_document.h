#pragma once

#include <filesystem>
#include <string>

class QPagedPaintDevice;

namespace corrolab {

// Lays out a report's HTML on the pages of a printer or a PDF writer.
void PrintReportHtml(const std::string& html, QPagedPaintDevice& pages);

// Writes the report as an A4 PDF file, atomically; false when it cannot be
// written.
bool WriteReportPdf(const std::string& html, const std::filesystem::path& file);

} // namespace corrolab
