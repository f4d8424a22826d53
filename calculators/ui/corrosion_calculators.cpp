#include "calculators/ui/corrosion_calculators.h"

#include "calculators/ui/atmosphere_page.h"
#include "calculators/ui/coupon_table_page.h"
#include "calculators/ui/life_page.h"
#include "calculators/ui/mass_loss_page.h"
#include "calculators/ui/polarization_page.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace corrolab {

CorrosionCalculators::CorrosionCalculators(
    Platform& platform, CalculatorPage::MaterialSource material, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle("Corrosion Calculators");
    auto* layout = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    layout->addWidget(pages);
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
    resize(900, 640);
}

void CorrosionCalculators::LoadMaterial()
{
    for (CalculatorPage* page :
        std::initializer_list<CalculatorPage*> {massLoss, couponTable, polarization, life})
        page->LoadMaterial();
}

} // namespace corrolab
