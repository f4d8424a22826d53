#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace corrolab {

// A fresh folder for one test, removed afterwards; stands in for the program folder.
class TempFolder
{
public:
    TempFolder()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path()
            / ("corrolab-" + std::string(test->test_suite_name()) + "-" + test->name() + "-"
                + std::to_string(::getpid()) + "-" + std::to_string(++count_));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::permissions(
            path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path_, error);
    }

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path Write(const std::string& name, const std::string& content) const
    {
        std::ofstream(path_ / name, std::ios::binary) << content;
        return path_ / name;
    }

private:
    static inline int count_ = 0;
    std::filesystem::path path_;
};

} // namespace corrolab
