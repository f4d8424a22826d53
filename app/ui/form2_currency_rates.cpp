// Loading the exchange rates into the main window.
#include "app/ui/form2.h"

#include "currency/rates_reader.h"
#include "datafiles/editable_data_file.h"

#include <QLabel>
#include <QListWidget>
#include <cmath>

namespace corrolab {

namespace {

constexpr const char* kTitle = "Corrolab";

} // namespace

bool Form2::RenewOldRates(const FoundDataFile& found, const std::vector<DataFolder>& folders)
{
    const auto failure = UpdateRatesNow(false);
    if (!failure)
        return true;
    if (!platform_.AskOkCancel(this, kTitle,
            *failure + "\n\n"
                + NewerRatesOffer(
                    FolderForEdits(found, platform_.IsWritable(found.file), UserFolderOf(folders))),
            Platform::Icon::Information))
        return false;
    if (!platform_.OpenDocument(std::string(kLatestRatesAddress))) {
        platform_.Tell(this, kTitle,
            "The web address could not be opened:\n" + std::string(kLatestRatesAddress),
            Platform::Icon::Warning);
        return true;
    }
    if (platform_.AskYesNo(
            this, kTitle, std::string(kImportSavedRatesQuestion), Platform::Icon::Information))
        ImportChosenRatesFile(false);
    return true;
}

void Form2::LoadCurrencyRates()
{
    rates.loaded = false;
    const std::vector<DataFolder> folders = platform_.DataFolders();
    std::optional<FoundDataFile> found = FindDataFile(folders, kRatesFileName);
    if (!found)
        return;
    std::optional<std::string> content = ReadRatesFile(found->file);
    if (!content)
        return;
    RatesFile file = ParseRatesFile(*content);

    // The age of the rates: the date the caption names, else the file's date.
    const auto ratesDate = RatesDate(file.caption, platform_.FileDate(found->file));
    if (ratesDate && !rates.warned) {
        const int age = AgeInDays(*ratesDate, platform_.Today());
        if (age > kRatesAgeLimitDays) {
            rates.warned = true;
            if (platform_.AskYesNo(this, kTitle, OldRatesQuestion(age), Platform::Icon::Warning)) {
                if (!RenewOldRates(*found, folders))
                    return;
                // An update or an import may have written a new file: read the one in use.
                found = FindDataFile(platform_.DataFolders(), kRatesFileName);
                content = found ? ReadRatesFile(found->file) : std::nullopt;
                if (!content)
                    return;
                file = ParseRatesFile(*content);
            }
        }
    }

    rates.caption = file.caption;
    rates.loaded = true;
    if (file.misalignedLine && !rates.misalignmentTold) {
        rates.misalignmentTold = true;
        platform_.Tell(this, kTitle, MisalignedRatesMessage(found->file, *file.misalignedLine),
            Platform::Icon::Warning);
    }

    List2->clear();
    StoreCurrencies(unitTable, file);
    // The "to" list is left to the caller, which copies the "from" list into it.
    for (const CurrencyRate& currency : file.currencies)
        List2->addItem(QString::fromStdString(currency.name));
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
