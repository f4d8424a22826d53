// File > Print… and Export PDF…: the main window's conversion on one page.
#include "app/ui/form2.h"

#include "app/program_info.h"
#include "base/ui/report_document.h"
#include "tools/ui/eqwt.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace corrolab {

namespace {

std::string Shown(const QLineEdit* box)
{
    return box->text().trimmed().toStdString();
}

} // namespace

Report Form2::ConversionReport() const
{
    const std::string category = Combo5->currentText().toStdString();
    const std::string result = Text3->toPlainText().trimmed().toStdString();
    if (DictionaryMode())
        return {"Corrolab dictionary",
            {{"Entry",
                {{"Category", Combo1->currentText().toStdString(), ""}, {"Unit", Shown(Text2), ""},
                    {"Definition", result, ""}}}}};
    Report report {"Corrolab conversion",
        {{"Conversion",
            {{"Category", category, ""}, {"Value", Shown(Text1), Shown(Text2)},
                {"Result", result, Shown(Text4)}}}}};
    if (!Label1->text().isEmpty())
        report.sections[0].rows.push_back({"Note", Label1->text().toStdString(), ""});
    if (category == "Corrosion rate")
        report.sections.push_back({"Material",
            {{"Name", Label2[3]->text().simplified().toStdString(), ""},
                {"Equivalent weight", Shown(Text6), "g"}, {"Density", Shown(Text5), "g/cm^3"},
                {"Eq. wt. / density", Shown(Text10), "cm^3"}}});
    if (eqWt_)
        for (ReportSection& section : eqWt_->MaterialReport()) {
            section.heading = "Material Properties: " + section.heading;
            report.sections.push_back(std::move(section));
        }
    return report;
}

void Form2::mnuPrint_Click()
{
    platform_.PrintDocument(this, ReportHtml(ConversionReport(), ReportFooter(platform_.Today())));
}

void Form2::mnuExportPdf_Click()
{
    auto file = platform_.AskSaveFile(this, "Export PDF", "corrolab.pdf", "PDF files (*.pdf)");
    if (!file)
        return;
    if (file->extension().empty())
        file->replace_extension(".pdf");
    if (!WriteReportPdf(ReportHtml(ConversionReport(), ReportFooter(platform_.Today())), *file))
        platform_.Tell(this, "Export PDF",
            "The PDF could not be written to " + file->string() + ".", Platform::Icon::Warning);
}

} // namespace corrolab
