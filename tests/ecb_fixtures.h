#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <zip.h>

namespace corrolab {

// The ECB-shaped files of tests/ecb: the rates of 22 January 2025 (dollars per
// euro 1.0412, yen per euro 162.63, ...).
inline std::filesystem::path EcbFixture(const std::string& name)
{
    return std::filesystem::path(CORROLAB_DATA_DIR) / ".." / "tests" / "ecb" / name;
}

inline std::string ReadWhole(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string EcbFixtureText(const std::string& name)
{
    return ReadWhole(EcbFixture(name));
}

// A zip archive holding the given files, as its bytes; made with libzip in a
// scratch file beside the system's temporary files.
inline std::string ZipOf(const std::vector<std::pair<std::string, std::string>>& files)
{
    const auto path = std::filesystem::temp_directory_path()
        / ("corrolab-test-" + std::to_string(::getpid()) + ".zip");
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    EXPECT_NE(archive, nullptr);
    if (archive == nullptr)
        return {};
    for (const auto& [name, content] : files) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        EXPECT_GE(zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE), 0) << name;
    }
    EXPECT_EQ(zip_close(archive), 0);
    std::string bytes = ReadWhole(path);
    std::filesystem::remove(path);
    return bytes;
}

} // namespace corrolab
