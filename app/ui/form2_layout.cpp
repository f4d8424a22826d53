// Building the main window's controls as designed.
#include "app/ui/form2.h"

#include "base/ui/vb_controls.h"
#include "corrosion/material_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace corrolab {

namespace {

// The strip at the top that holds the mode options and the category chooser.
constexpr int kStripHeight = 32;
// The designed client area, in twips.
constexpr int kClientWidth = 7500;
constexpr int kClientHeight = 4530;

const QColor kDarkGreen(0, 128, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kLightGrey(224, 224, 224);
const QColor kLightBlue(192, 224, 255);
const QColor kGrey(128, 128, 128);

// A text box in its font: the font is given before the text, so that the text
// is laid out once, in the font it shows in.
QLineEdit* MakeTextBox(
    QWidget* parent, const char* text, QRect place, const std::optional<QFont>& font = {})
{
    auto* box = new QLineEdit(parent);
    if (font)
        box->setFont(*font);
    box->setText(text);
    box->setGeometry(place);
    SelectAllOnFocus::Install(box);
    return box;
}

QListWidget* MakeUnitList(QWidget* parent, QRect place)
{
    auto* list = new QListWidget(parent);
    list->setGeometry(place);
    list->setFont(DesignFont("Tahoma", 8.25));
    SetBackground(list, kLightGrey);
    return list;
}

QLineEdit* MakeMaterialBox(QWidget* parent, const char* text, QRect place)
{
    QLineEdit* box = MakeTextBox(parent, text, place, DesignFont("MS Sans Serif", 8.25, true));
    SetTextColour(box, kRed);
    return box;
}

} // namespace

void Form2::BuildControls()
{
    setWindowTitle("Corrolab");
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight) + kStripHeight);
    BuildStrip(client);

    // Everything below the strip sits at its designed place.
    auto* area = new QWidget(client);
    area->setGeometry(0, kStripHeight, TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    Label2[2] = MakeLabel(area, "Convert", Twips(120, 225, 675, 195));
    SetTextColour(Label2[2], kDarkGreen);
    Label2[4] = MakeLabel(area, "to", Twips(2565, 225, 180, 195));
    SetTextColour(Label2[4], kDarkGreen);

    Text1 = MakeTextBox(area, "1", Twips(120, 465, 2085, 315));
    Text3 = new QPlainTextEdit(area);
    Text3->setFont(DesignFont("MS Sans Serif", 8.25, true)); // before the text, as for the boxes
    Text3->setPlainText("122355");
    Text3->setGeometry(Twips(2520, 465, 2600, 315));
    Text3->setReadOnly(true);
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text3->document()->setDocumentMargin(2);
    SetTextColour(Text3, kDarkRed);
    SelectAllOnFocus::Install(Text3);

    Text2 = MakeTextBox(area, "Text2", Twips(120, 855, 2085, 345), DesignFont("Courier New", 9));
    Text4 = MakeTextBox(area, "Text4", Twips(2580, 855, 2565, 345), DesignFont("Courier New", 9));

    // The lists end just above the separator line, so that it never cuts their frame.
    List2 = MakeUnitList(area, Twips(150, 1275, 2085, 2520));
    List4 = MakeUnitList(area, Twips(2580, 1275, 2565, 2520));
    // The list that has the focus shows it with a frame in the highlight colour;
    // given while the lists are empty, the style lays out no items again.
    for (QListWidget* list : {List2, List4})
        MarkFocus(list);
    List1 = MakeUnitList(area, Twips(-2000, 405, 1965, 3630));
    List1->addItem("Corrosion Rate");

    Command5 = new QPushButton("&Swap", area);
    Command5->setGeometry(Twips(1890, 3960, 915, 400));
    Command3 = new QPushButton("Exit", area);
    Command3->setGeometry(Twips(2970, 3960, 800, 400));
    Command1 = new QPushButton("&Calculate", area);
    Command1->setGeometry(Twips(3930, 3960, 1200, 425));

    Check1 = new QCheckBox("Scientific notation", area);
    // Wide enough for its caption in the fonts of this system.
    Check1->setGeometry(Twips(135, 4005, 1740, 420));
    Check1->setToolTip("Scientific Format");

    // "Error !" or the rates date; it grows to the left to hold a longer caption.
    Label1 = MakeLabel(area, "Error !", Twips(6885, 90, 540, 195));
    Label1->setAlignment(Qt::AlignCenter);
    SetBackground(Label1, kLightBlue);

    for (int i : {2, 3}) {
        Line1[i] = new QFrame(area);
        Line1[i]->setFrameShape(QFrame::HLine);
        Line1[i]->setFrameShadow(QFrame::Sunken);
    }
    Line1[2]->setGeometry(Twips(120, 3840, 5025, 30));
    Line1[3]->setGeometry(Twips(5355, 3840, 1995, 30));

    BuildFrame(area);
}

void Form2::BuildStrip(QWidget* client)
{
    auto* strip = new QWidget(client);
    strip->setGeometry(0, 0, TwipsToPixels(kClientWidth), kStripHeight);
    SetBackground(strip, kGrey);

    const char* captions[] = {"Converter", "Dictionary"};
    const int lefts[] = {120, 1350};
    const int widths[] = {1215, 1245};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(captions[i], strip);
        Option1[i]->setGeometry(TwipsToPixels(lefts[i]), 8, TwipsToPixels(widths[i]), 17);
        // White captions on the grey strip; the round mark keeps the light field
        // and dark dot of the style, so that the chosen mode stays readable.
        QPalette palette = Option1[i]->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        Option1[i]->setPalette(palette);
    }

    const QRect chooser(TwipsToPixels(3600), 4, TwipsToPixels(3780), 24);
    Combo5 = new QComboBox(strip);
    Combo5->setGeometry(chooser);
    Combo5->setMaxVisibleItems(25);
    Combo1 = new QComboBox(strip);
    Combo1->setGeometry(chooser);
    Combo1->setMaxVisibleItems(25);
    Combo1->addItem("Combo1");
    Combo1->setVisible(false);

    auto* caption = new QLabel("Category", strip);
    caption->setGeometry(TwipsToPixels(2640), 8, TwipsToPixels(3600 - 2640) - 6, 17);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetTextColour(caption, Qt::white);
    caption->setBuddy(Combo5);
}

void Form2::BuildFrame(QWidget* area)
{
    // The frame takes the free column right of the units, from under the status
    // line down to the separator, so that the material's name, equivalent weight,
    // density and ratio all show with their units.
    Frame1 = new QGroupBox(area);
    Frame1->setGeometry(Twips(5355, 405, 1995, 3375));

    Command6 = new QPushButton("Material ...", Frame1);
    Command6->setGeometry(Twips(240, 240, 1500, 375));
    Label2[3] = MakeLabel(Frame1, "Iron", Twips(120, 690, 1800, 600));
    // An alloy's name ("Al/Cu/Mg/Mn alloy") may need a second and third line.
    Label2[3]->setWordWrap(true);
    Label2[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(Label2[3], kRed);
    const auto heading = [this](const char* caption, int top) {
        QLabel* label = MakeLabel(Frame1, caption, Twips(45, top, 1905, 195));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    Label2[1] = heading("Equivalent weight (g)", 1350);
    Text6 = MakeMaterialBox(
        Frame1, kStartFrame.equivalentWeight.c_str(), Twips(375, 1560, 1230, 330));
    Label2[0] = heading("Density (g/cm^3)", 1980);
    Text5 = MakeMaterialBox(Frame1, kStartFrame.density.c_str(), Twips(375, 2190, 1230, 330));
    heading("Eq. wt. / density (cm^3)", 2610);
    Text10 = MakeMaterialBox(Frame1, kStartFrame.ratio.c_str(), Twips(375, 2820, 1230, 330));
}

void Form2::ShowLabel1(const QString& text)
{
    // The label keeps its right edge and grows to the left to hold a longer caption.
    const int right = Label1->geometry().right();
    const int width
        = std::max(Label1->fontMetrics().horizontalAdvance(text) + 10, TwipsToPixels(540));
    Label1->setText(text);
    Label1->setGeometry(right - width + 1, Label1->y(), width, Label1->height());
    // An empty status line is not drawn as an empty coloured box.
    Label1->setAutoFillBackground(!text.isEmpty());
}

} // namespace corrolab
