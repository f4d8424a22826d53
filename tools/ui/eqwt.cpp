// The tools window's handlers: load, component count, modes, row fill, percentage
// cascade, Calculate and the hand-back to the main window.
#include "tools/ui/eqwt.h"

#include "alloys/alloy_catalogue.h"
#include "base/lenient_number.h"
#include "base/number_format.h"
#include "base/ui/qt_text.h"
#include "base/ui/vb_controls.h"
#include "base/ui/window_place.h"
#include "tools/composition.h"
#include "tools/grid_percentages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

namespace corrolab {

int EqWtRowTop(int row);

namespace {

constexpr const char* kTitle = "Material Properties";
constexpr int kIronItem = 30; // "Fe" in the sorted symbol list

// Runs a handler when a text box gets the focus.
class FocusHandler : public QObject
{
public:
    FocusHandler(QObject* parent, std::function<void()> handler)
        : QObject(parent)
        , handler_(std::move(handler))
    { }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            handler_();
        return false;
    }

private:
    std::function<void()> handler_;
};

// Marks the grid as being filled by code for the lifetime of the object.
class GridFill
{
public:
    explicit GridFill(bool& filling)
        : filling_(filling)
        , was_(filling)
    {
        filling_ = true;
    }
    ~GridFill() { filling_ = was_; }
    GridFill(const GridFill&) = delete;
    GridFill& operator=(const GridFill&) = delete;

private:
    bool& filling_;
    bool was_;
};

} // namespace

EqWt::EqWt(Platform& platform)
    : QWidget(nullptr, Qt::Window)
    , platform_(platform)
{
    BuildControls();
    NameControls();
    // The window opens describing a pure metal.
    Option2[0]->setChecked(true);
    ConnectControls();
}

void EqWt::NameControls()
{
    // Names a screen reader gives the boxes, which have only column headings.
    const std::pair<QWidget*, const char*> names[] = {{Combo1, "Number of components"},
        {Combo3, "Base metal"}, {Combo4, "Alloy"}, {Text6, "Equivalent weight (g)"},
        {Text8, "Density (g/cm^3)"}, {Text10, "Equivalent weight / density (cm^3)"},
        {ComboMethod, "Figures handed back"}, {TextG102Weight, "G102 equivalent weight (g)"},
        {TextG102Density, "G102 density (g/cm^3)"},
        {TextG102Ratio, "G102 equivalent weight / density (cm^3)"}};
    for (const auto& [control, name] : names)
        if (control)
            control->setAccessibleName(name);
    const std::pair<const std::array<QLineEdit*, kRows>*, const char*> columns[] = {
        {&Text2, "percentage"}, {&Text3, "atomic number"}, {&Text4, "atomic weight"},
        {&Text5, "valence"}, {&Text1, "name"}, {&Text7, "density"}, {&TextG102, "G102 valence"}};
    for (int row = 0; row < kRows; ++row) {
        const QString component = QString("Component %1 ").arg(row + 1);
        if (Combo2[row])
            Combo2[row]->setAccessibleName(component + "element");
        for (const auto& [column, name] : columns)
            if ((*column)[row])
                (*column)[row]->setAccessibleName(component + name);
    }
}

void EqWt::showMetals()
{
    if (!Option2[0]->isChecked()) {
        Option2[0]->setChecked(true);
        SetChoosersEnabled(false);
        Combo4->setCurrentIndex(-1);
        if (components == 1) {
            Calculate(); // shown, not handed back
        } else {
            // The Metal mode holds one element: the grid starts again at iron, and
            // nothing is calculated until the user picks or calculates.
            {
                const GridFill fill(fillingGrid_);
                SetComboIndex(Combo1, 0);
            }
            ClearResults();
        }
    }
    ShowWindow();
}

void EqWt::showAlloys()
{
    if (!Option2[1]->isChecked()) {
        Option2[1]->setChecked(true);
        Option2_Click(1);
    }
    ShowWindow();
}

void EqWt::SetChoosersEnabled(bool enabled)
{
    Combo1->setEnabled(enabled);
    Combo3->setEnabled(enabled);
    Combo4->setEnabled(enabled);
}

void EqWt::ClearResults()
{
    Text6->clear();
    Text8->clear();
    Text10->clear();
}

void EqWt::ShowWindow()
{
    show();
    raise();
    activateWindow();
}

void EqWt::ConnectControls()
{
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(Option2[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    for (int row = 0; row < kRows; ++row)
        ConnectRow(row);
    ConnectG102Controls();
}

void EqWt::ConnectRow(int row)
{
    connect(Combo2[row], &QComboBox::activated, this, [this, row] { Combo2_Click(row); });
    connect(Text2[row], &QLineEdit::textChanged, this, [this, row] { Text2_Change(row); });
    connect(Text4[row], &QLineEdit::textChanged, this, [this, row] { Text4_Change(row); });
    connect(Text5[row], &QLineEdit::textChanged, this, [this, row] { Text5_Change(row); });
    connect(Text7[row], &QLineEdit::textChanged, this, [this, row] { Text7_Change(row); });
    Text7[row]->installEventFilter(
        new FocusHandler(Text7[row], [this, row] { Text7_GotFocus(row); }));
}

void EqWt::SetComboIndex(QComboBox* combo, int index)
{
    if (!SelectFromCode(combo, index))
        return;
    if (combo == Combo1)
        Combo1_Click();
    else if (combo == Combo3)
        Combo3_Click();
    else if (combo == Combo4)
        Combo4_Click();
    else
        for (int row = 0; row < kRows; ++row)
            if (combo == Combo2[row])
                Combo2_Click(row);
}

bool EqWt::SymbolListsFilled() const
{
    return Combo2[0]->count() > kIronItem;
}

void EqWt::Form_Load()
{
    // 1. At the right edge of the screen, at the top.
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    move(screen.right() - frameGeometry().width() + 1, screen.top());
    // 2.-3. The count chooser and the rows below row 0, 25 twips apart.
    Combo1->clear();
    for (int row = 1; row < kRows; ++row) {
        PlaceRow(row, EqWtRowTop(row));
        sl[row]->setText(QString("%1.").arg(row + 1));
    }
    // 4.-5. The element table is loaded with the window; the lists start empty.
    for (QComboBox* combo : Combo2)
        combo->clear();
    for (int i = 1; i <= kGridRows; ++i)
        Combo1->addItem(QString::number(i));
    // 6. One component.
    platform_.SetBusyPointer(true);
    SetComboIndex(Combo1, 0);
    // 7. The symbol lists.
    QStringList symbols;
    for (const std::string& symbol : elements_.SortedSymbols())
        symbols << QString::fromStdString(symbol);
    for (QComboBox* combo : Combo2) {
        const QSignalBlocker blocker(combo);
        combo->addItems(symbols);
        combo->setCurrentIndex(-1);
    }
    // 8. The catalogue, iron at 100 % and its results.
    for (const BaseMetal& base : AlloyCatalogue())
        Combo3->addItem(Q(base.name));
    SetComboIndex(Combo3, 0);
    SetComboIndex(Combo1, 0);
    Text2[0]->setText("100");
    Text6->setText(" 27.9235");
    Text8->setText(" 7.8600");
    Text10->setText(" 3.5526");
    // The window opens in the Metal mode, whose choosers are off.
    SetChoosersEnabled(false);
    platform_.SetBusyPointer(false);
}

void EqWt::Combo1_Click()
{
    if (Combo1->currentText().isEmpty())
        return;
    GridEdited();
    // 1.-2. The rows in use.
    components = std::clamp(
        static_cast<int>(LenientValueOrZero(Combo1->currentText().toStdString())), 1, kGridRows);
    for (int row = 0; row < kRows; ++row)
        for (QWidget* control : std::initializer_list<QWidget*> {sl[row], Combo2[row], Text2[row],
                 Text3[row], Text4[row], Text5[row], Text1[row], Text7[row], TextG102[row]})
            control->setVisible(row < components);
    // 3. The total, the results and the window follow the last row.
    const int lastTop = EqWtRowTop(components - 1);
    const int totalTop = lastTop + 315 + 25;
    Label2[10]->setGeometry(Twips(450, totalTop, 975, 255));
    Label2[9]->setGeometry(Twips(1500, totalTop, 800, 255));
    Label1[0]->setGeometry(Twips(2330, totalTop, 150, 255));
    Label1[2]->setGeometry(Twips(2600, totalTop, 1600, 255));
    const int frameTop = lastTop + 315 + 250 + 255;
    Frame1->move(Frame1->x(), TwipsToPixels(frameTop));
    const int g102Height = PlaceG102Controls(frameTop + 900);
    setFixedHeight(TwipsToPixels(frameTop + 900 + g102Height + 750 - kNonClientHeightTwips));
    // Grown by its rows, the window stays whole on its screen.
    if (isVisible())
        KeepOnScreen(*this);
    // 4. One component is iron at 100 %.
    if (Combo1->currentIndex() == 0 && SymbolListsFilled()) {
        const GridFill fill(fillingGrid_);
        SetComboIndex(Combo2[0], kIronItem);
        Text2[0]->setText("100");
    }
    // 5. One calculation for the grid as it now stands.
    Command1_Click();
}

void EqWt::Option2_Click(int index)
{
    catalogueAlloy_.clear();
    if (index == 0 && Option2[0]->isChecked()) {
        SetChoosersEnabled(false);
        {
            const GridFill fill(fillingGrid_);
            SetComboIndex(Combo1, 0);
            SetComboIndex(Combo2[0], kIronItem);
            Text2[0]->setText("100");
        }
        Command1_Click();
    } else if (index == 1 && Option2[1]->isChecked()) {
        SetChoosersEnabled(true);
        ClearResults();
        ClearG102Line();
    }
}

void EqWt::Combo2_Click(int row)
{
    GridEdited();
    platform_.SetBusyPointer(true);
    {
        // The row is filled completely before anything is calculated.
        const GridFill fill(fillingGrid_);
        const ElementRow element
            = FillElementRow(elements_, Combo2[row]->currentText().toStdString());
        FillG102Valence(row);
        Text1[row]->setText(QString::fromStdString(element.name));
        Text3[row]->setText(QString::fromStdString(element.atomicNumber));
        Text4[row]->setText(QString::fromStdString(element.atomicWeight));
        Text5[row]->setText(QString::fromStdString(element.valence));
        Text7[row]->setText(QString::fromStdString(element.density));
    }
    platform_.SetBusyPointer(false);
    // One calculation for the complete row, in either mode.
    Command1_Click();
}

void EqWt::Text2_Change(int row)
{
    if (fillingGrid_)
        return;
    GridEdited();
    std::vector<std::string> percentages;
    for (int i = 0; i < components; ++i)
        percentages.push_back(S(Text2[i]));
    if (const auto last = LastRowPercentage(percentages, row)) {
        const GridFill fill(fillingGrid_);
        Text2[components - 1]->setText(QString::fromStdString(*last));
    }
    Command1_Click();
}

void EqWt::Text4_Change(int)
{
    GridEdited();
    Command1_Click();
}

void EqWt::Text5_Change(int)
{
    GridEdited();
    Command1_Click();
}

void EqWt::Text7_Change(int)
{
    GridEdited();
    Command1_Click();
}

void EqWt::Text7_GotFocus(int)
{
    Command1_Click();
}

bool EqWt::Calculate()
{
    Label1[2]->hide();
    const MaterialFigures figures = FiguresOfGrid(MaterialName(), Grid());
    const MaterialCalculation& calculation = figures.classic;
    ShowG102Line(figures);
    Label1[0]->setVisible(calculation.totalMarker);
    ShowMarkers(calculation);
    Label1[2]->setVisible(calculation.checkInputs);
    if (!calculation.results) {
        // No figure stays beside inputs that do not produce it.
        ClearResults();
        return false;
    }
    Label2[9]->setText(QString::fromStdString(calculation.results->totalText));
    Text6->setText(QString::fromStdString(calculation.results->equivalentWeightText));
    Text8->setText(QString::fromStdString(calculation.results->densityText));
    Text10->setText(QString::fromStdString(calculation.results->ratioText));
    return true;
}

void EqWt::Command1_Click()
{
    if (fillingGrid_)
        return;
    if (ChosenFiguresReady(Calculate()))
        Command3_Click();
}

void EqWt::Command3_Click()
{
    const std::optional<ChosenMaterial> material = ShownMaterial();
    if (material) {
        emit materialChosen(*material);
        return;
    }
    // Nothing calculated: the main window keeps its material either way.
    if (platform_.AskYesNo(this, kTitle,
            "Density and/or Equivalent Weight not calculated.\n\n"
            "Do you want to close this window?",
            Platform::Icon::Warning))
        hide();
}

std::optional<ChosenMaterial> EqWt::ShownMaterial() const
{
    if (handBackMethod() == HandBackMethod::G102)
        return ChooseMaterial(S(TextG102Weight), S(TextG102Density), S(TextG102Ratio),
            NameWithMethod(MaterialName(), HandBackMethod::G102));
    return ChooseMaterial(S(Text6), S(Text8), S(Text10), MaterialName());
}

std::string EqWt::MaterialName() const
{
    std::string name;
    if (Option2[0]->isChecked()) {
        name = S(Text1[0]);
    } else if (Option2[1]->isChecked()) {
        const int n = std::clamp(
            static_cast<int>(LenientValueOrZero(Combo1->currentText().toStdString())), 0, kRows);
        std::vector<std::string> symbols;
        for (int i = 0; i < n; ++i)
            symbols.push_back(Combo2[i]->currentText().toStdString());
        // A catalogue alloy is named as the catalogue names it.
        name = catalogueAlloy_.empty() ? AlloyName(symbols) : catalogueAlloy_;
    }
    return name;
}

void EqWt::Command2_Click()
{
    hide();
}

void EqWt::Combo3_Click()
{
    Combo4->clear();
    for (const Alloy& alloy : AlloysOf(Combo3->currentText().toStdString()))
        Combo4->addItem(Q(alloy.name));
    Combo4->setCurrentIndex(-1);
}

void EqWt::Combo4_Click()
{
    const std::string alloy = Combo4->currentText().toStdString();
    LoadComposition(std::string(CompositionOf(alloy)), alloy);
}

void EqWt::LoadComposition(const std::string& composition, const std::string& catalogueName)
{
    const std::vector<Component> components = SplitComposition(composition);
    const int count = static_cast<int>(components.size());
    if (count > kGridRows) {
        platform_.Tell(this, kTitle,
            "The composition \"" + composition + "\" has " + std::to_string(count)
                + " components; the grid holds at most " + std::to_string(kGridRows)
                + ". The grid is left unchanged.",
            Platform::Icon::Warning);
        return;
    }
    catalogueAlloy_ = catalogueName;
    // The rows are filled first and calculated once: a half-loaded grid must never
    // reach the main window as if it were the chosen material.
    {
        const GridFill fill(fillingGrid_);
        if (count > 1)
            SetComboIndex(Combo1, count - 1);
        for (int j = 0; j < count; ++j) {
            const int index = Combo2[j]->findText(QString::fromStdString(components[j].symbol));
            SetComboIndex(Combo2[j], index);
            if (index < 0)
                Combo2_Click(j); // an unknown symbol fills the row from the empty slot
            Text2[j]->setText(QString::fromStdString(components[j].percentage));
        }
    }
    Command1_Click();
}

void EqWt::Form_QueryUnload()
{
    // The close box hands back what the window shows, in the hand-back's form, and
    // never an empty or unreadable result.
    if (const std::optional<ChosenMaterial> material = ShownMaterial())
        emit materialChosen(*material);
}

void EqWt::closeEvent(QCloseEvent* event)
{
    // Closing only hides the window, which keeps its state for the next opening.
    Form_QueryUnload();
    event->ignore();
    hide();
}

} // namespace corrolab
