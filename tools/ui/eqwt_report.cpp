// The Material Properties window as a report.
#include "tools/ui/eqwt.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace corrolab {

namespace {

std::string Shown(const QLineEdit* box)
{
    return box->text().trimmed().toStdString();
}

std::string Shown(const QLabel* label)
{
    return label->isVisibleTo(label->window()) ? label->text().simplified().toStdString()
                                               : std::string();
}

} // namespace

std::vector<ReportSection> EqWt::MaterialReport() const
{
    if (Shown(Text6).empty() && Shown(TextG102Weight).empty())
        return {};
    ReportSection grid {"Composition", {},
        {"Symbol", "Percentage", "Atomic wt. (g)", "Valency", "Name", "Density (g/cm^3)", "G102 n"},
        {}};
    for (int row = 0; row < components; ++row)
        grid.table.push_back(
            {Combo2[row]->currentText().toStdString(), Shown(Text2[row]), Shown(Text4[row]),
                Shown(Text5[row]), Shown(Text1[row]), Shown(Text7[row]), Shown(TextG102[row])});
    if (components > 1)
        grid.rows.push_back({"Total", Label2[9]->text().trimmed().toStdString(), "%"});

    ReportSection classic {"Classic (mass-fraction means)",
        {{"Equivalent weight", Shown(Text6), "g"}, {"Density", Shown(Text8), "g/cm^3"},
            {"Eq. wt. / density", Shown(Text10), "cm^3"}}};
    // The G102 density's caption names its source: "Density (handbook)".
    const std::string densityCaption = Shown(LabelG102Density);
    ReportSection g102 {"ASTM G102",
        {{"Equivalent weight", Shown(TextG102Weight), "g"},
            {densityCaption.empty() ? "Density" : densityCaption, Shown(TextG102Density), "g/cm^3"},
            {"Eq. wt. / density", Shown(TextG102Ratio), "cm^3"}}};
    for (const QLabel* note : {LabelLeftOut, LabelDifference})
        if (const std::string text = Shown(note); !text.empty())
            g102.rows.push_back({"Note", text, ""});

    ReportSection handBack {
        "Handed back", {{"Method", ComboMethod->currentText().toStdString(), ""}}};
    const std::pair<const char*, const QLabel*> notes[] = {
        {"Main window", LabelHeld}, {"Not handed back", LabelNotHandedBack}, {"Inputs", Label1[2]}};
    for (const auto& [what, note] : notes)
        if (const std::string text = Shown(note); !text.empty())
            handBack.rows.push_back({what, text, ""});
    return {grid, classic, g102, handBack};
}

} // namespace corrolab
