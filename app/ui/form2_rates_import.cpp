// Importing the ECB's euro reference rates into the rates file, from a saved
// file or from the ECB's web site.
#include "app/ui/form2.h"
#include "base/text.h"
#include "catalogue/unit_catalogue.h"
#include "currency/rates_command.h"
#include "currency/rates_file_writer.h"
#include "currency/rates_import.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>

namespace corrolab {

namespace {

constexpr const char* kTitle = "Corrolab";
constexpr const char* kUntouched = "The rates file in use is untouched.";

QString Q(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

std::optional<std::string> ReadChosenFile(const std::filesystem::path& path, std::string& content)
{
    QFile file(Q(path));
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
    if (problem)
        platform_.Tell(this, kTitle, *problem + "\n" + kUntouched, Platform::Icon::Warning);
}

void Form2::mnuUpdateRates_Click()
{
    if (const auto problem = UpdateRatesNow(true))
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
    const std::optional<RatesInUse> inUse = ReadRatesInUse(folders);
    const RatesFile current = inUse ? inUse->rates : RatesFile {};
    const auto import = ImportEcbData(ecbData, current, platform_.Today());
    if (const auto* error = std::get_if<RatesImportError>(&import))
        return error->message;
    const RatesImport& done = std::get<RatesImport>(import);
    if (const auto problem = ReplaceRatesFile(dataFolder, done.content))
        return "The rates file cannot be written: " + *problem + ".";
    if (reload)
        ReloadCurrencies();
    platform_.Tell(this, kTitle,
        done.file.caption + " are now in use (" + (dataFolder / kRatesFileName).string() + ").\n"
            + DescribeChanges(done.changes),
        Platform::Icon::Information);
    return std::nullopt;
}

void Form2::ReloadCurrencies()
{
    const QString currencies = QString::fromUtf8(kCurrencies.data(), kCurrencies.size());
    if (Combo5->currentText() == currencies)
        Combo5_Click();
    else if (List1->currentItem() && List1->currentItem()->text() == currencies)
        List1_Click();
}

} // namespace corrolab
