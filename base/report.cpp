#include "base/report.h"

namespace corrolab {

namespace {

void AppendEscaped(std::string& html, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '\n':
        case '\r':
        case '\t':
            html += ' ';
            break;
        default:
            html += c;
        }
    }
}

void AppendElement(std::string& html, std::string_view tag, std::string_view text)
{
    html += '<';
    html += tag;
    html += '>';
    AppendEscaped(html, text);
    html += "</";
    html += tag.substr(0, tag.find(' '));
    html += '>';
}

} // namespace

std::string ReportHtml(const Report& report, std::string_view footer)
{
    std::string html = "<html><head><meta charset=\"utf-8\"><title>";
    AppendEscaped(html, report.title);
    html += "</title></head><body>";
    AppendElement(html, "h2", report.title);
    for (const ReportSection& section : report.sections) {
        if (section.rows.empty() && section.table.empty())
            continue;
        AppendElement(html, "h3", section.heading);
        html += "<table cellspacing=\"0\" cellpadding=\"3\">";
        if (!section.columns.empty()) {
            html += "<tr>";
            for (const std::string& column : section.columns)
                AppendElement(html, "th", column);
            html += "</tr>";
        }
        for (const std::vector<std::string>& line : section.table) {
            html += "<tr>";
            for (const std::string& cell : line)
                AppendElement(html, "td", cell);
            html += "</tr>";
        }
        for (const ReportRow& row : section.rows) {
            html += "<tr>";
            AppendElement(html, "td", row.label);
            AppendElement(html, "td align=\"right\"", row.value);
            AppendElement(html, "td", row.unit);
            html += "</tr>";
        }
        html += "</table>";
    }
    AppendElement(html, "p style=\"margin-top:18px\"", footer);
    html += "</body></html>";
    return html;
}

} // namespace corrolab
