// Loading the exchange rates into the main window.
#include "app/ui/form2.h"

#include "corrosion/rates_location.h"
#include "corrosion/rates_reader.h"

#include <QLabel>
#include <QListWidget>
#include <cmath>

namespace corrolab {

namespace {

constexpr const char* kTitle = "Corrolab";

} // namespace

void Form2::LoadCurrencyRates()
{
    rates.loaded = false;
    std::optional<std::filesystem::path> path
        = RatesFileInUse(platform_.UserDataFolder(), platform_.ProgramFolder());
    if (!path)
        return;
    std::optional<std::string> content = ReadRatesFile(*path);
    if (!content)
        return;
    RatesFile file = ParseRatesFile(*content);

    // The age of the rates: the date the caption names, else the file's date.
    const auto ratesDate = RatesDate(file.caption, platform_.FileDate(*path));
    if (ratesDate && !rates.warned) {
        const int age = AgeInDays(*ratesDate, platform_.Today());
        if (age > kRatesAgeLimitDays) {
            rates.warned = true;
            if (platform_.AskYesNo(this, kTitle, OldRatesQuestion(age), Platform::Icon::Warning)) {
                if (const auto failure = UpdateRatesNow(false)) {
                    if (!platform_.AskOkCancel(this, kTitle,
                            *failure + "\n\n" + NewerRatesOffer(path->parent_path()),
                            Platform::Icon::Information))
                        return;
                    if (!platform_.OpenDocument(std::string(kLatestRatesAddress)))
                        platform_.Tell(this, kTitle,
                            "The web address could not be opened:\n"
                                + std::string(kLatestRatesAddress),
                            Platform::Icon::Warning);
                } else {
                    // The update wrote a new file: read that one.
                    path = RatesFileInUse(platform_.UserDataFolder(), platform_.ProgramFolder());
                    content = path ? ReadRatesFile(*path) : std::nullopt;
                    if (!content)
                        return;
                    file = ParseRatesFile(*content);
                }
            }
        }
    }

    rates.caption = file.caption;
    rates.loaded = true;
    if (file.misalignedLine && !rates.misalignmentTold) {
        rates.misalignmentTold = true;
        platform_.Tell(this, kTitle, MisalignedRatesMessage(*path, *file.misalignedLine),
            Platform::Icon::Warning);
    }

    List2->clear();
    StoreCurrencies(unitTable, file);
    for (const CurrencyRate& currency : file.currencies) {
        const QString name = QString::fromStdString(currency.name);
        List2->addItem(name);
        List4->addItem(name);
    }
}

void Form2::ShowRatesCaption()
{
    std::string caption = rates.loaded ? rates.caption : std::string(kNoRatesFileCaption);
    if (caption.empty()) {
        const auto date = platform_.FileDate(platform_.ProgramFile());
        caption = date ? MonthRatesCaption(*date) : std::string("Rates");
    }
    ShowLabel1(QString::fromStdString(caption));
    Label1->setVisible(true);
}

} // namespace corrolab
