#include "currency/rates_command.h"

#include "base/today.h"
#include "currency/rates_file_writer.h"
#include "currency/rates_import.h"

#include <fstream>
#include <ostream>

namespace corrolab {

const char* const kRatesHelp
    = "Usage: corrolab rates import FILE\n"
      "       corrolab rates update [--url URL]\n"
      "\n"
      "Writes a new Currency.txt into the user's data folder ($XDG_DATA_HOME/corrolab\n"
      "or ~/.local/share/corrolab) from the European Central Bank's euro reference\n"
      "rates, converted to US Dollar = 1, and prints the currencies updated, kept\n"
      "(not published by the ECB) and added. The previous file there is kept as\n"
      "Currency.txt.bak.\n"
      "\n"
      "  import FILE   a saved ECB file: eurofxref-daily.xml, eurofxref-hist-90d.xml,\n"
      "                eurofxref.csv or eurofxref.zip (the newest day is taken)\n"
      "  update        downloads eurofxref-daily.xml from the ECB\n"
      "  --url URL     download from URL instead (a mirror)\n"
      "\n"
      "Exit status 1 when nothing was written; the rates file in use is then untouched.\n";

namespace {

struct ReadFailure
{
    std::string message;
};

std::variant<std::string, ReadFailure> ReadEcbFile(const std::filesystem::path& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return ReadFailure {"the file " + path.string() + " cannot be read: " + error.message()};
    if (size > kLargestEcbFile)
        return ReadFailure {"the file " + path.string() + " is too large for an ECB rates file"};
    std::ifstream in(path, std::ios::binary);
    std::string content(static_cast<size_t>(size), '\0');
    if (!in.read(content.data(), static_cast<std::streamsize>(size)))
        return ReadFailure {"the file " + path.string() + " cannot be read"};
    return content;
}

int Import(std::string_view ecbData, std::ostream& out, std::ostream& err,
    const RatesCommandSettings& settings)
{
    const std::filesystem::path userFolder = UserFolderOf(settings.folders);
    if (userFolder.empty()) {
        err << "corrolab: no user data folder (set HOME or XDG_DATA_HOME)\n";
        return 1;
    }
    RatesFile current;
    if (const auto inUse = FindDataFile(settings.folders, kRatesFileName))
        if (const auto content = ReadRatesFile(inUse->file))
            current = ParseRatesFile(*content);
    const auto import = ImportEcbData(ecbData, current, settings.today.value_or(LocalToday()));
    if (const auto* error = std::get_if<RatesImportError>(&import)) {
        err << "corrolab: " << error->message << '\n';
        return 1;
    }
    const RatesImport& done = std::get<RatesImport>(import);
    if (const auto problem = ReplaceRatesFile(userFolder, done.content)) {
        err << "corrolab: " << *problem << "; nothing was changed\n";
        return 1;
    }
    out << done.file.caption << " written to " << (userFolder / kRatesFileName).string() << '\n'
        << DescribeChanges(done.changes);
    return 0;
}

} // namespace

int RunRatesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
    const RatesCommandSettings& settings)
{
    if (args.size() == 2 && args[0] == "import") {
        const auto content = ReadEcbFile(args[1]);
        if (const auto* failure = std::get_if<ReadFailure>(&content)) {
            err << "corrolab: " << failure->message << '\n';
            return 1;
        }
        return Import(std::get<std::string>(content), out, err, settings);
    }
    const bool plainUpdate = args.size() == 1 && args[0] == "update";
    const bool mirrorUpdate = args.size() == 3 && args[0] == "update" && args[1] == "--url";
    if (plainUpdate || mirrorUpdate) {
        const std::string url = mirrorUpdate ? args[2] : kEcbDailyRatesUrl;
        auto body = HttpGet(settings.fetchProgram, url, settings.limits);
        if (const auto* failure = std::get_if<HttpFailure>(&body)) {
            err << "corrolab: the rates could not be downloaded from " << url << ": "
                << failure->message << "; nothing was changed\n";
            return 1;
        }
        return Import(std::get<std::string>(body), out, err, settings);
    }
    err << "corrolab rates: expected 'import FILE' or 'update [--url URL]'\n" << kRatesHelp;
    return 2;
}

} // namespace corrolab
