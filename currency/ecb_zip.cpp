// Reading the rates out of a zip such as the ECB's eurofxref.zip, with libzip.
#include "currency/ecb_rates.h"

#include <memory>
#include <zip.h>

namespace corrolab {

namespace {

struct ArchiveCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser
{
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

bool EndsWithIgnoringCase(std::string_view name, std::string_view tail)
{
    if (name.size() < tail.size())
        return false;
    for (size_t i = 0; i < tail.size(); ++i) {
        char c = name[name.size() - tail.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != tail[i])
            return false;
    }
    return true;
}

} // namespace

EcbResult ParseEcbZip(std::string_view zip)
{
    const EcbError damaged {"The zip file is empty, truncated or damaged."};
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(zip.data(), zip.size(), 0, &error);
    if (source == nullptr)
        return damaged;
    std::unique_ptr<zip_t, ArchiveCloser> archive(
        zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return damaged;
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0)
            return damaged;
        const std::string_view name = stat.name != nullptr ? stat.name : "";
        if (!EndsWithIgnoringCase(name, ".csv") && !EndsWithIgnoringCase(name, ".xml"))
            continue;
        if ((stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > kLargestEcbFile)
            return EcbError {"The file " + std::string(name) + " in the zip is too large."};
        std::unique_ptr<zip_file_t, EntryCloser> entry(
            zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0));
        if (!entry)
            return damaged;
        std::string content(static_cast<size_t>(stat.size), '\0');
        const zip_int64_t read = zip_fread(entry.get(), content.data(), content.size());
        char extra = 0;
        if (read != static_cast<zip_int64_t>(content.size())
            || zip_fread(entry.get(), &extra, 1) != 0)
            return damaged;
        if (EndsWithIgnoringCase(name, ".xml"))
            return ParseEcbXml(content);
        return ParseEcbCsv(content);
    }
    return EcbError {"The zip file holds no ECB rates file (.csv or .xml)."};
}

} // namespace corrolab
