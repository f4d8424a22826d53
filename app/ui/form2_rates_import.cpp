// Importing the ECB's euro reference rates into the rates file, from a saved
// file or from the ECB's web site.
#include "app/ui/form2.h"
#include "catalogue/unit_catalogue.h"
#include "currency/rates_command.h"
#include "currency/rates_file_writer.h"
#include "currency/rates_import.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSaveFile>

namespace corrolab {

namespace {

constexpr const char* kTitle = "Corrolab";
constexpr const char* kUntouched = "The rates file in use is untouched.";

QString Q(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// Writes the rates file of a folder through a temporary file that replaces it
// only when complete; the previous file is kept as Currency.txt.bak.
std::optional<std::string> SaveRatesFile(
    const std::filesystem::path& folder, const std::string& content)
{
    if (!QDir().mkpath(Q(folder)))
        return "The folder " + folder.string() + " cannot be created.";
    const std::filesystem::path target
        = FindRatesFile(folder).value_or(folder / std::string(kRatesFileName));
    if (QFile::exists(Q(target))) {
        const QString backup = Q(target) + ".bak";
        if (QFile::exists(backup) && !QFile::remove(backup))
            return "The old backup " + backup.toStdString() + " cannot be replaced.";
        if (!QFile::copy(Q(target), backup))
            return "The rates file cannot be kept as " + backup.toStdString() + ".";
    }
    QSaveFile file(Q(target));
    if (!file.open(QIODevice::WriteOnly))
        return "The rates file " + target.string()
            + " cannot be written: " + file.errorString().toStdString();
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size || !file.commit()) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return "The rates file " + target.string() + " cannot be written: " + reason;
    }
    return std::nullopt;
}

std::optional<std::string> ReadChosenFile(const std::filesystem::path& path, std::string& content)
{
    QFile file(Q(path));
    if (!file.open(QIODevice::ReadOnly))
        return "The file " + path.string() + " cannot be read: " + file.errorString().toStdString();
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
            + download.error + ".";
    return ImportRatesData(download.body, reload);
}

std::optional<std::string> Form2::ImportRatesData(std::string_view ecbData, bool reload)
{
    const std::vector<DataFolder> folders = platform_.DataFolders();
    const std::filesystem::path dataFolder = UserFolderOf(folders);
    if (dataFolder.empty())
        return std::string("There is no user data folder to write the rates file to.");
    RatesFile current;
    if (const auto inUse = FindDataFile(folders, kRatesFileName))
        if (const auto content = ReadRatesFile(inUse->file))
            current = ParseRatesFile(*content);
    const auto import = ImportEcbData(ecbData, current, platform_.Today());
    if (const auto* error = std::get_if<RatesImportError>(&import))
        return error->message;
    const RatesImport& done = std::get<RatesImport>(import);
    if (const auto problem = SaveRatesFile(dataFolder, done.content))
        return *problem;
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
