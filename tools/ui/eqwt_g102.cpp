// The tools window's ASTM G102 figures: each row's G102 valence, the second result
// line, the rows left out, the line comparing the two methods, the choice of the
// figures handed back and the reason when nothing was handed back.
#include "tools/ui/eqwt.h"

#include "base/ui/qt_text.h"
#include "base/ui/vb_controls.h"
#include "tools/classic_fault.h"
#include "tools/composition.h"
#include "tools/g102_valence.h"
#include "tools/ui/hand_back_setting.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace corrolab {

namespace {

constexpr int kFrameHeight = 900; // twips
constexpr int kLineHeight = 255;
constexpr int kLineSpacing = 270;
constexpr int kFrameWidth = 7740;

QLineEdit* MakeResultBox(QWidget* parent, QRect geometry)
{
    auto* box = new QLineEdit(parent);
    box->setGeometry(geometry);
    SelectAllOnFocus::Install(box);
    return box;
}

} // namespace

void EqWt::BuildG102Controls()
{
    LabelG102Valence = MakeLabel(this, "G102 n", Twips(8050, 1650, 600, 225));
    LabelG102Valence->setToolTip(
        "Valence in the corrosion reaction for the ASTM G102 figures (copper 2)");
    for (QLineEdit* box : TextG102)
        box->setToolTip("ASTM G102 valence of this element; type another to override it");

    FrameG102 = new QGroupBox(this);
    FrameG102->setGeometry(Twips(120, 0, kFrameWidth, kFrameHeight));
    MakeLabel(FrameG102, "Hand back", Twips(120, 150, 1250, 225));
    ComboMethod = new QComboBox(FrameG102);
    ComboMethod->setGeometry(Twips(120, 420, 1250, 330));
    ComboMethod->addItems({"Classic", "ASTM G102"});
    ComboMethod->setToolTip("Which figures go to the main window; the choice is kept");
    {
        const QSignalBlocker blocker(ComboMethod);
        ComboMethod->setCurrentIndex(LoadHandBackMethod() == HandBackMethod::G102 ? 1 : 0);
    }
    MakeLabel(FrameG102, "G102 Eq. wt.", Twips(1500, 150, 1100, 225));
    TextG102Weight = MakeResultBox(FrameG102, Twips(1500, 420, 1100, 330));
    MakeLabel(FrameG102, "g", Twips(2630, 465, 300, 225));
    LabelG102Density = MakeLabel(FrameG102, "Density", Twips(3500, 150, 2150, 225));
    TextG102Density = MakeResultBox(FrameG102, Twips(3500, 420, 1100, 330));
    MakeLabel(FrameG102, "g/cm^3", Twips(4630, 465, 700, 225));
    MakeLabel(FrameG102, "Eq. wt. / Density", Twips(5700, 150, 1500, 225));
    TextG102Ratio = MakeResultBox(FrameG102, Twips(5700, 420, 1100, 330));
    MakeLabel(FrameG102, "cm^3", Twips(6830, 465, 600, 225));

    LabelLeftOut = MakeLabel(this, "", {});
    LabelDifference = MakeLabel(this, "", {});
    LabelNotHandedBack = MakeLabel(this, "", {});
    LabelHeld = MakeLabel(this, "", {});
    SetTextColour(LabelNotHandedBack, Qt::red);
}

void EqWt::ConnectG102Controls()
{
    for (QLineEdit* box : TextG102)
        connect(box, &QLineEdit::textChanged, this, [this] { Command1_Click(); });
    connect(ComboMethod, &QComboBox::activated, this, [this] {
        SaveHandBackMethod(handBackMethod());
        Command1_Click();
    });
}

int EqWt::PlaceG102Controls(int top)
{
    const int frameTop = top + 60;
    FrameG102->move(FrameG102->x(), TwipsToPixels(frameTop));
    int lineTop = frameTop + kFrameHeight + 30;
    for (QLabel* line : {LabelLeftOut, LabelDifference, LabelNotHandedBack, LabelHeld}) {
        line->setGeometry(Twips(120, lineTop, kFrameWidth, kLineHeight));
        lineTop += kLineSpacing;
    }
    return lineTop - top;
}

HandBackMethod EqWt::handBackMethod() const
{
    return ComboMethod->currentIndex() == 1 ? HandBackMethod::G102 : HandBackMethod::Classic;
}

void EqWt::FillG102Valence(int row)
{
    // Filled with the row, silently: the row's other columns decide whether it
    // recalculates, as they always have.
    const QSignalBlocker blocker(TextG102[row]);
    TextG102[row]->setText(
        Q(G102DefaultValence(elements_, Combo2[row]->currentText().toStdString())));
}

std::vector<ComponentTexts> EqWt::ClassicRows() const
{
    std::vector<ComponentTexts> rows;
    for (int i = 0; i < components; ++i)
        rows.push_back({S(Text2[i]), S(Text4[i]), S(Text5[i]), S(Text7[i])});
    return rows;
}

std::vector<G102Row> EqWt::G102Rows() const
{
    std::vector<G102Row> rows;
    for (int i = 0; i < components; ++i)
        rows.push_back({Combo2[i]->currentText().toStdString(), S(Text2[i]), S(Text4[i]),
            S(TextG102[i]), S(Text7[i])});
    return rows;
}

MaterialGrid EqWt::Grid() const
{
    // The catalogue's density holds while the grid still holds the alloy as picked.
    const bool alloy = Option2[1]->isChecked() && !Combo4->currentText().isEmpty();
    return {ClassicRows(), G102Rows(), alloy ? Combo4->currentText().toStdString() : std::string()};
}

void EqWt::ShowG102Line(const MaterialFigures& figures)
{
    const std::vector<G102Row>& rows = figures.grid.g102Rows;
    const MaterialCalculation& classic = figures.classic;
    g102_ = figures.g102;
    if (!g102_.results) {
        // No G102 figure stays beside inputs that do not produce it: the close box
        // would hand it back under the new material's name.
        ClearG102Line();
        return;
    }
    const G102Results& results = *g102_.results;
    TextG102Weight->setText(Q(results.equivalentWeightText));
    TextG102Density->setText(Q(results.densityText));
    TextG102Ratio->setText(Q(results.ratioText));
    LabelG102Density->setText(
        "Density (" + Q(std::string(DensitySourceWord(results.densitySource))) + ")");
    LabelLeftOut->setText(Q(LeftOutRowsText(rows, g102_.leftOutRows)));
    LabelDifference->setText(classic.results
            ? Q(MethodDifferenceText(classic.results->equivalentWeight, results.equivalentWeight))
            : QString());
}

void EqWt::ClearG102Line()
{
    TextG102Weight->clear();
    TextG102Density->clear();
    TextG102Ratio->clear();
    LabelG102Density->setText("Density");
    LabelLeftOut->clear();
    LabelDifference->clear();
}

void EqWt::ShowHeldMaterial(const ChosenMaterial& held)
{
    LabelHeld->setText(Q(HeldMaterialText(held)));
}

bool EqWt::ChosenFiguresReady(bool classicCalculated)
{
    const bool g102 = handBackMethod() == HandBackMethod::G102;
    if (g102 ? g102_.results.has_value() : classicCalculated) {
        LabelNotHandedBack->clear();
        return true;
    }
    std::optional<RowFault> fault = g102_.fault;
    if (!g102) {
        std::vector<std::string> symbols;
        for (int i = 0; i < components; ++i)
            symbols.push_back(Combo2[i]->currentText().toStdString());
        fault = FindClassicFault(ClassicRows(), symbols);
    }
    LabelNotHandedBack->setText(
        fault ? Q(NothingHandedBackText(*fault)) : QString("Nothing was handed back."));
    return false;
}

} // namespace corrolab
