// Loading the exchange rates into the main window.
#include "app/ui/form2.h"

#include "base/text.h"
#include "currency/ecb_rates.h"
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
    if (!failure || failure->empty())
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
    std::optional<RatesInUse> inUse = ReadRatesInUse(folders);
    if (!inUse)
        return;
    // The rates file may be the ECB's own file, saved under its name from the
    // page the age question offers: it is imported, and kept as the backup.
    const std::optional<std::string> content = ReadRatesFile(inUse->found.file);
    if (content && std::holds_alternative<EcbRates>(ParseEcbData(*content))) {
        if (!ImportSavedEcbFile(inUse->found, folders))
            return;
        inUse = ReadRatesInUse(folders);
        if (!inUse)
            return;
    }

    // The age of the rates: the date the caption names, else the file's date.
    const auto ratesDate = RatesDate(inUse->rates.caption, platform_.FileDate(inUse->found.file));
    if (ratesDate && !rates.warned) {
        const int age = AgeInDays(*ratesDate, platform_.Today());
        if (age > kRatesAgeLimitDays) {
            rates.warned = true;
            if (platform_.AskYesNo(this, kTitle, OldRatesQuestion(age), Platform::Icon::Warning)) {
                if (!RenewOldRates(inUse->found, folders))
                    return;
                // An update or an import may have written a new file: read the one in use.
                inUse = ReadRatesInUse(platform_.DataFolders());
                if (!inUse)
                    return;
            }
        }
    }
    const RatesFile& file = inUse->rates;

    rates.caption = file.caption;
    rates.loaded = true;
    if (file.stop && !rates.misalignmentTold) {
        rates.misalignmentTold = true;
        platform_.Tell(
            this, kTitle, OneLine(RatesStopNote(inUse->found.file, file)), Platform::Icon::Warning);
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
