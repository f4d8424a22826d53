// Importing the ECB's euro reference rates into the rates file, from a saved
// file or from the ECB's web site.
#include "app/ui/form2.h"

#include "base/text.h"
#include "base/ui/qt_text.h"
#include "catalogue/unit_catalogue.h"
#include "currency/rates_command.h"
#include "currency/rates_file_writer.h"
#include "currency/rates_import.h"
#include "datafiles/editable_data_file.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>

namespace corrolab {

namespace {

constexpr const char* kTitle = "Corrolab";
constexpr const char* kUntouched = "The rates file in use is untouched.";

std::optional<std::string> ReadChosenFile(const std::filesystem::path& path, std::string& content)
{
    QFile file(QPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return "The file " + OneLine(path.string())
            + " cannot be read: " + OneLine(file.errorString().toStdString());
    if (file.size() > static_cast<qint64>(kLargestEcbFile))
        return "The file " + path.string() + " is too large for an ECB rates file.";
    const QByteArray bytes = file.read(static_cast<qint64>(kLargestEcbFile) + 1);
    if (bytes.size() > static_cast<qsizetype>(kLargestEcbFile))
        return "The file " + path.string() + " is too large for an ECB rates file.";
    content = bytes.toStdString();
    return std::nullopt;
}

} // namespace

void Form2::mnuImportRates_Click()
{
    ImportChosenRatesFile(true);
}

void Form2::ImportChosenRatesFile(bool reload)
{
    const auto path = platform_.ChooseFileToOpen(
        this, "Import ECB rates", "ECB rates (*.xml *.csv *.zip);;All files (*)");
    if (!path)
        return;
    std::string content;
    std::optional<std::string> problem = ReadChosenFile(*path, content);
    if (!problem)
        problem = ImportRatesData(content, reload);
    if (problem && !problem->empty())
        platform_.Tell(this, kTitle, *problem + "\n" + kUntouched, Platform::Icon::Warning);
}

void Form2::mnuUpdateRates_Click()
{
    if (const auto problem = UpdateRatesNow(true); problem && !problem->empty())
        platform_.Tell(this, kTitle, *problem + "\n" + kUntouched, Platform::Icon::Warning);
}

std::optional<std::string> Form2::UpdateRatesNow(bool reload)
{
    const DownloadResult download = platform_.Download(this, kEcbDailyRatesUrl);
    if (!download.ok)
        return std::string("The rates could not be downloaded from ") + kEcbDailyRatesUrl + ": "
            + OneLine(download.error) + ".";
    return ImportRatesData(download.body, reload);
}

std::optional<std::string> Form2::ImportRatesData(std::string_view ecbData, bool reload)
{
    const std::vector<DataFolder> folders = platform_.DataFolders();
    const std::filesystem::path dataFolder = UserFolderOf(folders);
    if (dataFolder.empty())
        return std::string("There is no user data folder to write the rates file to.");
    RatesFile current;
    std::optional<std::chrono::year_month_day> inUseDate;
    if (const std::optional<RatesInUse> inUse = ReadRatesInUse(folders)) {
        current = inUse->rates;
        inUseDate = RatesDate(current.caption, platform_.FileDate(inUse->found.file));
    }
    return WriteImportedRates(ecbData, current, inUseDate, dataFolder, reload);
}

std::optional<std::string> Form2::WriteImportedRates(std::string_view ecbData,
    const RatesFile& current, std::optional<std::chrono::year_month_day> inUseDate,
    const std::filesystem::path& folder, bool reload)
{
    const auto import = ImportEcbData(ecbData, current, platform_.Today());
    if (const auto* error = std::get_if<RatesImportError>(&import))
        return error->message;
    const RatesImport& done = std::get<RatesImport>(import);
    const auto importedDate = CaptionDate(done.file.caption);
    if (importedDate && inUseDate && *importedDate < *inUseDate
        && !platform_.AskYesNo(
            this, kTitle, OlderRatesQuestion(*importedDate, *inUseDate), Platform::Icon::Warning))
        return std::string(); // the user keeps the newer rates
    if (const auto problem = ReplaceRatesFile(folder, done.content))
        return "The rates file cannot be written: " + *problem + ".";
    // The user has just taken these rates and the message names their day: the
    // age question does not come up for them in this run.
    rates.warned = true;
    if (reload)
        ReloadCurrencies();
    platform_.Tell(this, kTitle,
        done.file.caption + " are now in use (" + (folder / kRatesFileName).string() + ").\n"
            + DescribeChanges(done.changes),
        Platform::Icon::Information);
    return std::nullopt;
}

bool Form2::ImportSavedEcbFile(const FoundDataFile& found, const std::vector<DataFolder>& folders)
{
    // The rates file of a later folder (the one the program ships) gives the
    // currencies the ECB does not publish.
    RatesFile base;
    bool past = false;
    for (const DataFolder& folder : folders) {
        const auto file = FindRatesFile(folder.path);
        if (!file)
            continue;
        if (*file == found.file) {
            past = true;
            continue;
        }
        const auto content = past ? ReadRatesFile(*file) : std::nullopt;
        if (content && std::holds_alternative<EcbError>(ParseEcbData(*content))) {
            base = ParseRatesFile(*content);
            break;
        }
    }
    std::string ecbData;
    if (const auto problem = ReadChosenFile(found.file, ecbData)) {
        platform_.Tell(this, kTitle, *problem, Platform::Icon::Warning);
        return false;
    }
    const std::filesystem::path folder
        = FolderForEdits(found, platform_.IsWritable(found.file), UserFolderOf(folders));
    const auto problem = WriteImportedRates(ecbData, base, std::nullopt, folder, false);
    if (problem && !problem->empty())
        platform_.Tell(this, kTitle,
            "The file " + found.file.string() + " holds ECB rates that cannot be used: " + *problem,
            Platform::Icon::Warning);
    return !problem;
}

void Form2::ReloadCurrencies()
{
    const QString currencies = QString::fromUtf8(kCurrencies.data(), kCurrencies.size());
    // The pair the user chose stays chosen when the new file still lists it.
    const QString from = List2->currentItem() ? List2->currentItem()->text() : QString();
    const QString to = List4->currentItem() ? List4->currentItem()->text() : QString();
    if (Combo5->currentText() == currencies)
        Combo5_Click();
    else if (List1->currentItem() && List1->currentItem()->text() == currencies)
        List1_Click();
    else
        return;
    for (const auto& [list, name] : {std::pair {List2, from}, std::pair {List4, to}}) {
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty() && list->currentRow() != list->row(found.front()))
            SetListIndex(list, list->row(found.front()));
    }
}

} // namespace corrolab
