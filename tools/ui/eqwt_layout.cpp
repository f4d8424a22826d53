// Building the tools window's controls.
#include "tools/ui/eqwt.h"

#include "base/ui/vb_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corrolab {

namespace {

constexpr int kWindowWidth = 8760; // twips
constexpr int kRowHeight = 315;
constexpr int kFirstRowTop = 1900;

struct Column
{
    int left;
    int width;
};
constexpr Column kNumber {60, 375};
constexpr Column kSymbol {450, 975};
constexpr Column kPercentage {1470, 975};
constexpr Column kAtomicNumber {2490, 900};
constexpr Column kAtomicWeight {3435, 1100};
constexpr Column kValence {4580, 650};
constexpr Column kName {5375, 1350};
constexpr Column kDensity {6770, 1000};
constexpr Column kG102Valence {8050, 550};
constexpr int kMarkerWidth = 150;

QLineEdit* MakeCell(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    SelectAllOnFocus::Install(box);
    return box;
}

QLabel* MakeMarker(QWidget* parent, const char* caption)
{
    QLabel* marker = MakeLabel(parent, caption, {});
    SetTextColour(marker, Qt::red);
    QFont font = marker->font();
    font.setBold(true);
    marker->setFont(font);
    marker->hide();
    return marker;
}

} // namespace

void EqWt::BuildControls()
{
    setWindowTitle("Material Properties");
    setFixedWidth(TwipsToPixels(kWindowWidth));

    Option2[0] = new QRadioButton("Metal", this);
    Option2[0]->setGeometry(Twips(120, 120, 1000, 255));
    Option2[1] = new QRadioButton("Alloy", this);
    Option2[1]->setGeometry(Twips(1200, 120, 1000, 255));

    Label4[0]
        = MakeLabel(this, "Specify no. of components and composition", Twips(120, 510, 3300, 255));
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(Twips(3480, 480, 700, 315));
    Label5 = MakeLabel(this, "components", Twips(4260, 510, 1000, 255));
    Label4[1] = MakeLabel(this, "OR", Twips(120, 870, 400, 255));
    Label4[2] = MakeLabel(this, "Select alloy from built-in list", Twips(120, 1230, 2500, 255));
    Combo3 = new QComboBox(this);
    Combo3->setGeometry(Twips(2700, 1200, 1800, 315));
    Combo3->setMaxVisibleItems(20);
    Combo4 = new QComboBox(this);
    Combo4->setGeometry(Twips(4560, 1200, 3300, 315));
    Combo4->setMaxVisibleItems(20);

    const std::pair<int, Column> headings[] = {{0, kSymbol}, {1, kPercentage}, {2, kAtomicNumber},
        {3, kAtomicWeight}, {4, kValence}, {5, kName}, {7, kDensity}};
    const char* captions[] = {"Symbol", "Percentage", "Atomic no.", "Atomic wt. (g)", "Valency",
        "Name", "", "Density (g/cm^3)"};
    for (const auto& [index, column] : headings)
        Label2[static_cast<size_t>(index)]
            = MakeLabel(this, captions[index], Twips(column.left, 1650, column.width + 400, 225));

    for (int row = 0; row < kRows; ++row)
        BuildRow(row);

    Label2[10] = MakeLabel(this, "Total = ", {});
    Label2[10]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2[9] = MakeLabel(this, "100", {});
    Label1[0] = MakeMarker(this, "*");
    Label1[1] = MakeMarker(this, "*");
    Label1[3] = MakeMarker(this, "*");
    Label1[2] = MakeMarker(this, "Check Inputs !");
    Label1[0]->setToolTip("The percentages do not total 100");
    Label1[1]->setToolTip("An element has no valence");
    Label1[3]->setToolTip("An element has no density");

    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(Twips(120, 0, 7740, 900));
    Command1 = new QPushButton("Calculate", Frame1);
    Command1->setGeometry(Twips(120, 400, 1200, 375));
    MakeLabel(Frame1, "Eq. wt.", Twips(1500, 150, 1100, 225));
    Text6 = MakeCell(Frame1);
    Text6->setGeometry(Twips(1500, 420, 1100, 330));
    MakeLabel(Frame1, "g", Twips(2630, 465, 300, 225));
    MakeLabel(Frame1, "Density", Twips(3500, 150, 1100, 225));
    Text8 = MakeCell(Frame1);
    Text8->setGeometry(Twips(3500, 420, 1100, 330));
    MakeLabel(Frame1, "g/cm^3", Twips(4630, 465, 700, 225));
    MakeLabel(Frame1, "Eq. wt. / Density", Twips(5500, 150, 1500, 225));
    Text10 = MakeCell(Frame1);
    Text10->setGeometry(Twips(5500, 420, 1100, 330));
    MakeLabel(Frame1, "cm^3", Twips(6630, 465, 600, 225));

    // Outside the visible area: pressed by code.
    Command3 = new QPushButton("CLOSE", this);
    Command3->setGeometry(Twips(-3000, 0, 900, 375));
    Command2 = new QPushButton("Hide", this);
    Command2->setGeometry(Twips(-3000, 500, 900, 375));

    BuildG102Controls();
}

void EqWt::BuildRow(int row)
{
    sl[row] = MakeLabel(this, (std::to_string(row + 1) + ".").c_str(), {});
    sl[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Combo2[row] = new QComboBox(this);
    Text2[row] = MakeCell(this);
    Text3[row] = MakeCell(this);
    Text4[row] = MakeCell(this);
    Text5[row] = MakeCell(this);
    Text1[row] = MakeCell(this);
    Text7[row] = MakeCell(this);
    TextG102[row] = MakeCell(this);
    // Row 0 stands where it was designed; the load places the others below it.
    if (row == 0)
        PlaceRow(0, kFirstRowTop);
}

void EqWt::PlaceRow(int row, int top)
{
    const auto place = [top](QWidget* control, Column column) {
        control->setGeometry(Twips(column.left, top, column.width, kRowHeight));
    };
    place(sl[row], {kNumber.left, kNumber.width - 60});
    place(Combo2[row], kSymbol);
    place(Text2[row], kPercentage);
    place(Text3[row], kAtomicNumber);
    place(Text4[row], kAtomicWeight);
    place(Text5[row], kValence);
    place(Text1[row], kName);
    place(Text7[row], kDensity);
    place(TextG102[row], kG102Valence);
}

// The top of a row in twips, as the load and the component count place it.
int EqWtRowTop(int row)
{
    return kFirstRowTop + row * (kRowHeight + 25);
}

void EqWt::ShowMarkers(const MaterialCalculation& calculation)
{
    const auto beside = [](QLabel* marker, QWidget* cell) {
        const QRect box = cell->geometry();
        marker->setGeometry(box.right() + 3, box.top(), TwipsToPixels(kMarkerWidth), box.height());
    };
    if (calculation.valenceMarkerRow)
        beside(Label1[1], Text5[*calculation.valenceMarkerRow]);
    if (calculation.densityMarkerRow)
        beside(Label1[3], Text7[*calculation.densityMarkerRow]);
    Label1[1]->setVisible(calculation.valenceMarkerRow.has_value());
    Label1[3]->setVisible(calculation.densityMarkerRow.has_value());
}

} // namespace corrolab
