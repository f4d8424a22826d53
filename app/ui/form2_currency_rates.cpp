// Loading the exchange rates into the main window.
#include "app/ui/form2.h"

#include "app/editable_data_file.h"
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
    const std::vector<DataFolder> folders = platform_.DataFolders();
    const std::optional<FoundDataFile> found = FindDataFile(folders, kRatesFileName);
    if (!found)
        return;
    const std::filesystem::path& path = found->file;

    const std::optional<std::chrono::year_month_day> fileDate = platform_.FileDate(path);
    if (fileDate && !rates.warned) {
        const int age = AgeInDays(*fileDate, platform_.Today());
        if (age > kRatesAgeLimitDays) {
            rates.warned = true;
            if (platform_.AskYesNo(this, kTitle, OldRatesQuestion(age), Platform::Icon::Warning)) {
                if (!platform_.AskOkCancel(this, kTitle,
                        NewerRatesOffer(FolderForEdits(
                            *found, platform_.IsWritable(path), UserFolderOf(folders))),
                        Platform::Icon::Information))
                    return;
                if (!platform_.OpenDocument(std::string(kLatestRatesAddress)))
                    platform_.Tell(this, kTitle,
                        "The web address could not be opened:\n" + std::string(kLatestRatesAddress),
                        Platform::Icon::Warning);
            }
        }
    }

    const std::optional<std::string> content = ReadRatesFile(path);
    if (!content)
        return;
    const RatesFile file = ParseRatesFile(*content);
    rates.caption = file.caption;

    List2->clear();
    StoreCurrencies(unitTable, file);
    // The "to" list is left to the caller, which copies the "from" list into it.
    for (const CurrencyRate& currency : file.currencies)
        List2->addItem(QString::fromStdString(currency.name));
}

void Form2::ShowRatesCaption()
{
    std::string caption = rates.caption;
    if (caption.empty()) {
        const auto date = platform_.FileDate(platform_.ProgramFile());
        caption = date ? MonthRatesCaption(*date) : std::string("Rates");
    }
    ShowLabel1(QString::fromStdString(caption));
    Label1->setVisible(true);
}

} // namespace corrolab
