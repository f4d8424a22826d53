// The main window: start-up, modes, category and unit selection, Swap and Exit.
#include "app/ui/form2.h"

#include "alloys/ui/alloy_browser.h"
#include "base/ui/vb_controls.h"
#include "catalogue/unit_catalogue.h"
#include "corrosion/corrosion_rate_units.h"
#include "tools/ui/eqwt.h"
#include "tools/ui/eqwt_desktop.h"
#include "tools/ui/periodic_table_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

namespace corrolab {

namespace {

constexpr int kLoadHeightTwips = 4900;
constexpr int kClientHeightTwips = 4530;

} // namespace

Form2::Form2(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform)
{
    BuildControls();
    menu = BuildMainMenu(*this);
    ConnectControls();
    ConnectMenu();
    Form_Load();
    SetUpDesktop();
}

Form2::~Form2()
{
    // The tools window is a tool window of this one; the calculator, the periodic
    // table and the alloy browser are top-level windows of their own. All live as
    // long as the main window.
    delete periodicTable_;
    delete alloyBrowser_;
    delete polarization_;
    delete eqWt_;
    delete calculator_;
}

void Form2::ConnectControls()
{
    // User actions run the same handlers that code runs through SetListIndex,
    // SetComboIndex and direct presses.
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(List2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List2_Click();
    });
    connect(List4, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List4_Click();
    });
    connect(Combo5, &QComboBox::activated, this, [this] { Combo5_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(Qt::Key_Return); });
    for (QLineEdit* unitBox : {Text2, Text4}) {
        connect(unitBox, &QLineEdit::textEdited, this, [this] { UnitBoxEdited(); });
        connect(unitBox, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
    }
    for (QLineEdit* frameBox : {Text5, Text6})
        connect(frameBox, &QLineEdit::textEdited, this, [this] { FrameEdited(); });
}

void Form2::SetListIndex(QListWidget* list, int index)
{
    if (!SelectFromCode(list, index))
        return;
    if (list == List1)
        List1_Click();
    else if (list == List2)
        List2_Click();
    else if (list == List4)
        List4_Click();
}

void Form2::SetComboIndex(QComboBox* combo, int index)
{
    if (!SelectFromCode(combo, index))
        return;
    if (combo == Combo5)
        Combo5_Click();
    else if (combo == Combo1)
        Combo1_Click();
}

bool Form2::DictionaryMode() const
{
    return Option1[1]->isChecked();
}

// Holds back Form2's conversions while it lives; the last one asked for runs
// when it ends.
class DeferredCalculation
{
public:
    explicit DeferredCalculation(Form2& form)
        : form_(form)
    {
        ++form_.calculationsDeferred_;
    }
    ~DeferredCalculation()
    {
        if (--form_.calculationsDeferred_ == 0 && form_.calculationPending_) {
            form_.calculationPending_ = false;
            form_.Command1_Click();
        }
    }
    DeferredCalculation(const DeferredCalculation&) = delete;
    DeferredCalculation& operator=(const DeferredCalculation&) = delete;

private:
    Form2& form_;
};

void Form2::Form_Load()
{
    const DeferredCalculation once(*this);
    // 2. A calculation with the designed contents.
    Command1_Click();

    // 3. The window height.
    // The designed height counts the title bar and borders, which the window
    // system adds here; the client area keeps the rest, plus the menu bar and strip.
    resize(centralWidget()->width(),
        menuBar()->sizeHint().height() + TwipsToPixels(kLoadHeightTwips - kNonClientHeightTwips)
            + (centralWidget()->height() - TwipsToPixels(kClientHeightTwips)));

    // 1. Centred across, a fifth of the way down: placed once the window has its
    // designed size, so that the centring uses its real width.
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    move(screen.left() + (screen.width() - frameGeometry().width()) / 2,
        screen.top() + static_cast<int>(screen.height() * 0.2));

    // 4. The corrosion-rate units.
    LoadCorrosionRateUnits();

    // 5. The category choosers and the first items of the lists.
    Combo5->clear();
    Combo1->clear();
    for (const std::string& item : CategoryChooserItems()) {
        Combo5->addItem(QString::fromStdString(item));
        Combo1->addItem(QString::fromStdString(item));
    }
    SetListIndex(List1, 0);
    SetListIndex(List2, 0);
    SetListIndex(List4, 0);
}

void Form2::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    Form_Activate();
}

void Form2::Form_Activate()
{
    if (activated_)
        return;
    activated_ = true;
    {
        const DeferredCalculation once(*this);
        Option1[0]->setChecked(true);
        Option1_Click(0);
    }
    // Typing goes to the value from the start.
    Text1->setFocus();
    startingUp_ = false;
}

void Form2::SetBusyPointer(bool busy)
{
    if (!startingUp_)
        platform_.SetBusyPointer(busy);
}

void Form2::Option1_Click(int)
{
    if (Option1[0]->isChecked()) {
        List1->clear();
        for (int i = 1; i < Combo5->count(); ++i)
            List1->addItem(Combo5->itemText(i));
        for (QWidget* control : std::initializer_list<QWidget*> {
                 Check1, Combo5, Text2, Text4, List2, List4, Line1[2], Line1[3]})
            control->setVisible(true);
        Text3->setGeometry(Text4->x(), Text1->y(), Text4->width(), TwipsToPixels(315));
        Text1->setText("1");
        Text3->clear();
        Text3->resize(Text3->width(), Text1->height());
        Command1->setText("&Calculate");
        Combo1->setVisible(false);
        Text1->setVisible(true);
        Text3->setFont(DesignFont("MS Sans Serif", 8.25, true));
        Text3->setLineWrapMode(QPlainTextEdit::NoWrap);
        SetTextColour(Text3, QColor(128, 0, 0));
        Command5->setEnabled(true);
        Combo5->setFocus();
        Command1_Click();
    } else if (Option1[1]->isChecked()) {
        List1->clear();
        for (int i = 0; i < Combo1->count(); ++i)
            List1->addItem(Combo1->itemText(i));
        for (QWidget* control : std::initializer_list<QWidget*> {
                 Check1, Combo5, Text2, Text4, List2, List4, Line1[2], Line1[3]})
            control->setVisible(false);
        SetTextColour(Text3, QApplication::palette().color(QPalette::Text));
        Text3->setFont(DesignFont("Courier New", 9));
        // Definitions are long: the listing wraps them rather than cutting them off.
        Text3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        Command5->setEnabled(false);
        Text3->setGeometry(
            Text2->x(), Text3->y(), static_cast<int>(2.5 * Text2->width()), Text3->height());
        Text1->setText("Enter UNIT or SYMBOL");
        Text3->clear();
        Text1->setFocus();
        // The listing opens below the value box, which stays in use for the
        // search text, and ends above the buttons.
        const int listingTop = Text2->y();
        const int listingBottom = Line1[2]->y();
        Text3->setGeometry(Text3->x(), listingTop, Text3->width(),
            std::min(List1->height() - TwipsToPixels(300), listingBottom - listingTop));
        Command1->setText("&Define");
        Combo1->setVisible(true);
        // The value box stays in use: it takes the unit or symbol to look up.
        Text1->setVisible(true);
        Combo1->setFocus();
    }
}

void Form2::List1_Click()
{
    // 1. The category chooser of the mode follows the list.
    if (!DictionaryMode())
        SetComboIndex(Combo5, List1->currentRow() + 1);
    if (List2->isHidden())
        SetComboIndex(Combo1, List1->currentRow());

    // 2.-3. The corrosion-rate units in both lists.
    SetBusyPointer(true);
    List2->clear();
    List4->clear();
    listedEntries_.clear();
    LoadCorrosionRateUnits();
    for (int u = 1; u <= unitTable.unitCount; ++u)
        List2->addItem(QString::fromStdString(unitTable.Name(u, kCorrosionRateCategory)));

    // 4. Currencies come from the rates file. The "to" list then copies the
    // "from" list, so that both offer the same units.
    const QListWidgetItem* current = List1->currentItem();
    if (current && current->text() == QString::fromUtf8(kCurrencies.data(), kCurrencies.size())) {
        LoadCurrencyRates();
        ShowRatesCaption();
    } else {
        ShowLabel1({});
    }
    for (int i = 0; i < List2->count(); ++i)
        List4->addItem(List2->item(i)->text());

    // 5. The first units are chosen, which converts; the converter's chooser
    // names what the lists now hold.
    const bool corrosionUnits = List2->count() > 0
        && List2->item(0)->text().toStdString() == unitTable.Name(1, kCorrosionRateCategory);
    if (!DictionaryMode() && corrosionUnits) {
        const QSignalBlocker blocker(Combo5);
        Combo5->setCurrentIndex(Combo5->findText("Corrosion rate"));
    }
    if (DictionaryMode()) {
        // Calculate is Define here: the unit boxes follow the lists, but the
        // category's listing stays in the result box.
        SelectFirstUnitsQuietly();
    } else {
        SetListIndex(List2, 0);
        SetListIndex(List4, 0);
    }
    SetBusyPointer(false);
}

void Form2::SelectFirstUnitsQuietly()
{
    for (const auto& [list, box] : {std::pair {List2, Text2}, std::pair {List4, Text4}})
        if (SelectFromCode(list, 0))
            box->setText(list->item(0)->text());
}

void Form2::List2_Click()
{
    if (const QListWidgetItem* item = List2->currentItem())
        Text2->setText(item->text());
    Command1_Click();
}

void Form2::List4_Click()
{
    if (const QListWidgetItem* item = List4->currentItem())
        Text4->setText(item->text());
    Command1_Click();
}

void Form2::Command5_Click()
{
    const QString oldText3 = Text3->toPlainText();
    const int oldIndex2 = List2->currentRow();
    const int oldIndex4 = List4->currentRow();
    const QString oldText2 = Text2->text();
    const QString oldText4 = Text4->text();
    SetListIndex(List2, oldIndex4);
    SetListIndex(List4, oldIndex2);
    Text2->setText(oldText4);
    Text4->setText(oldText2);
    // Number formats: the result becomes the value, so the typed value comes back
    // as the result; with no result the typed value stays.
    if (Combo5->currentText() == QString::fromUtf8(kNumberFormats.data(), kNumberFormats.size())
        && !oldText3.isEmpty())
        Text1->setText(oldText3);
    Command1_Click();
}

void Form2::Command3_Click()
{
    close();
}

void Form2::Command6_Click()
{
    EqWt& tools = EnsureTools();
    tools.show();
    tools.raise();
    tools.activateWindow();
}

EqWt& Form2::EnsureTools(bool handBackStart)
{
    if (!eqWt_) {
        eqWt_ = new EqWt(platform_);
        TieToolsToThisWindow();
        SetUpToolsDesktop(*eqWt_);
        connect(eqWt_, &EqWt::materialChosen, this, &Form2::applyMaterial);
        const QSignalBlocker quiet(handBackStart ? nullptr : eqWt_);
        eqWt_->Form_Load();
        ShowHeldInTools();
        PlaceTools(*eqWt_);
    }
    return *eqWt_;
}

void Form2::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, the tools windows with it.
    if (eqWt_)
        eqWt_->hide();
    if (calculator_)
        calculator_->hide();
    HideBrowsers();
    event->accept();
    QApplication::quit();
}

} // namespace corrolab
