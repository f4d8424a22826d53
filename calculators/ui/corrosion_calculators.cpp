#include "calculators/ui/corrosion_calculators.h"

#include "app/program_info.h"
#include "base/ui/report_document.h"
#include "calculators/ui/atmosphere_page.h"
#include "calculators/ui/coupon_table_page.h"
#include "calculators/ui/life_page.h"
#include "calculators/ui/mass_loss_page.h"
#include "calculators/ui/polarization_page.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corrolab {

namespace {

// What a window manager's title bar and borders take, in logical pixels.
constexpr QSize kWindowFrameAllowance(16, 40);

} // namespace

CorrosionCalculators::CorrosionCalculators(
    Platform& platform, CalculatorPage::MaterialSource material, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , platform_(platform)
{
    setWindowTitle("Corrosion Calculators");
    // The pages scroll when the desktop is smaller than they need (960 x 540 at
    // scale 2): "Copy all" and the hand-over to the remaining life stay reachable.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll);
    pages = new QTabWidget(scroll);
    scroll->setWidget(pages);
    massLoss = new MassLossPage(material, this);
    couponTable = new CouponTablePage(material, this);
    polarization = new PolarizationPage(material, this);
    atmosphere = new AtmospherePage(this);
    life = new LifePage(platform, material, this);
    pages->addTab(massLoss, "Coupon mass loss");
    pages->addTab(couponTable, "Coupon table");
    pages->addTab(polarization, "Polarization resistance");
    pages->addTab(atmosphere, "Atmosphere");
    pages->addTab(life, "Remaining life");
    for (CalculatorPage* page :
        std::initializer_list<CalculatorPage*> {massLoss, couponTable, polarization, atmosphere})
        connect(page, &CalculatorPage::useRateForLife, this, [this](double rate) {
            life->UseRate(rate);
            pages->setCurrentWidget(life);
        });
    // The page shown, on paper or in a PDF an engineer can file.
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 4, 8, 8);
    buttons->addStretch(1);
    print = new QPushButton("P&rint\u2026", this);
    exportPdf = new QPushButton("Export P&DF\u2026", this);
    buttons->addWidget(print);
    buttons->addWidget(exportPdf);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] { Print(); });
    connect(exportPdf, &QPushButton::clicked, this, [this] { ExportPdf(); });
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, this, [this] { Print(); });
    // At most 900 x 640, and no more than the desktop leaves beside its panel and
    // the title bar.
    const QRect desktop = QApplication::primaryScreen()->availableGeometry();
    resize(std::min(900, desktop.width() - kWindowFrameAllowance.width()),
        std::min(640, desktop.height() - kWindowFrameAllowance.height()));
}

void CorrosionCalculators::LoadMaterial()
{
    for (CalculatorPage* page :
        std::initializer_list<CalculatorPage*> {massLoss, couponTable, polarization, life})
        page->LoadMaterial();
}

Report CorrosionCalculators::CurrentReport() const
{
    const auto* page = qobject_cast<const CalculatorPage*>(pages->currentWidget());
    return page ? page->PageReport() : Report {};
}

void CorrosionCalculators::Print()
{
    platform_.PrintDocument(this, ReportHtml(CurrentReport(), ReportFooter(platform_.Today())));
}

void CorrosionCalculators::ExportPdf()
{
    auto file = platform_.AskSaveFile(
        this, "Export PDF", "corrolab-calculation.pdf", "PDF files (*.pdf)");
    if (!file)
        return;
    if (file->extension().empty())
        file->replace_extension(".pdf");
    if (!WriteReportPdf(ReportHtml(CurrentReport(), ReportFooter(platform_.Today())), *file))
        platform_.Tell(this, "Export PDF",
            "The PDF could not be written to " + file->string() + ".", Platform::Icon::Warning);
}

} // namespace corrolab
