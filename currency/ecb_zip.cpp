// Reading the rates out of a zip such as the ECB's eurofxref.zip, with libzip.
#include "currency/ecb_rates.h"

#include "base/shared_library.h"
#include "base/text.h"

#include <memory>
#include <stdexcept>
#include <vector>
#include <zip.h>

namespace corrolab {

namespace {

// libzip, opened the first time an archive is read.
struct ZipFunctions
{
    decltype(&zip_error_init) errorInit;
    decltype(&zip_error_fini) errorFini;
    decltype(&zip_source_buffer_create) sourceBufferCreate;
    decltype(&zip_source_free) sourceFree;
    decltype(&zip_open_from_source) openFromSource;
    decltype(&zip_discard) discard;
    decltype(&zip_get_num_entries) entries;
    decltype(&zip_stat_index) statIndex;
    decltype(&zip_fopen_index) fopenIndex;
    decltype(&zip_fread) fread;
    decltype(&zip_fclose) fclose;
};

const ZipFunctions& Zip()
{
    static const ZipFunctions functions = [] {
        const SharedLibrary& zip = SharedLibrary::Open(CORROLAB_SONAME_LIBZIP);
        return ZipFunctions {CORROLAB_LIBRARY_FUNCTION(zip, zip_error_init),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_error_fini),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_source_buffer_create),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_source_free),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_open_from_source),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_discard),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_get_num_entries),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_stat_index),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_fopen_index),
            CORROLAB_LIBRARY_FUNCTION(zip, zip_fread), CORROLAB_LIBRARY_FUNCTION(zip, zip_fclose)};
    }();
    return functions;
}

struct ArchiveCloser
{
    void operator()(zip_t* archive) const { Zip().discard(archive); }
};
struct EntryCloser
{
    void operator()(zip_file_t* entry) const { Zip().fclose(entry); }
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
    const ZipFunctions* library = nullptr;
    try {
        library = &Zip();
    } catch (const std::runtime_error& error) {
        return EcbError {std::string("No zip reader could be started: ") + error.what()};
    }
    const ZipFunctions& libzip = *library;
    const EcbError damaged {"The zip file is empty, truncated or damaged."};
    zip_error_t error;
    libzip.errorInit(&error);
    zip_source_t* source = libzip.sourceBufferCreate(zip.data(), zip.size(), 0, &error);
    if (source == nullptr)
        return damaged;
    std::unique_ptr<zip_t, ArchiveCloser> archive(
        libzip.openFromSource(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    libzip.errorFini(&error);
    if (!archive) {
        libzip.sourceFree(source);
        return damaged;
    }
    const zip_int64_t count = libzip.entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (libzip.statIndex(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0)
            return damaged;
        const std::string_view name = stat.name != nullptr ? stat.name : "";
        if (!EndsWithIgnoringCase(name, ".csv") && !EndsWithIgnoringCase(name, ".xml"))
            continue;
        if ((stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > kLargestEcbFile)
            return EcbError {"The file " + OneLine(name, 80) + " in the zip is too large."};
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE)
            return EcbError {"The file " + OneLine(name, 80)
                + " in the zip is encrypted; the ECB's zip never is."};
        std::unique_ptr<zip_file_t, EntryCloser> entry(
            libzip.fopenIndex(archive.get(), static_cast<zip_uint64_t>(i), 0));
        if (!entry)
            return damaged;
        // Read in pieces, so that only one day's rates are ever held.
        EcbStreamReader reader(EndsWithIgnoringCase(name, ".xml"));
        std::vector<char> piece(64 * 1024);
        zip_uint64_t total = 0;
        while (true) {
            const zip_int64_t read = libzip.fread(entry.get(), piece.data(), piece.size());
            if (read < 0)
                return damaged;
            if (read == 0)
                break;
            total += static_cast<zip_uint64_t>(read);
            if (total > stat.size)
                return damaged;
            reader.Feed(std::string_view(piece.data(), static_cast<size_t>(read)));
        }
        if (total != stat.size)
            return damaged;
        return reader.Finish();
    }
    return EcbError {"The zip file holds no ECB rates file (.csv or .xml)."};
}

} // namespace corrolab
