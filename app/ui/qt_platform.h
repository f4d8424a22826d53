#pragma once

#include "app/platform.h"

namespace corrolab {

// Makes a window stay above the others, or no longer, keeping it where it was
// on screen. A visible window gets a new native window for it.
void ApplyStaysOnTop(QWidget* window, bool topmost);

// The platform as the running program sees it, through Qt.
class QtPlatform final : public Platform
{
public:
    bool AskYesNo(
        QWidget* owner, const std::string& title, const std::string& text, Icon icon) override;
    bool AskOkCancel(
        QWidget* owner, const std::string& title, const std::string& text, Icon icon) override;
    void Tell(
        QWidget* owner, const std::string& title, const std::string& text, Icon icon) override;
    void SetBusyPointer(bool busy) override;
    bool OpenDocument(const std::string& address) override;
    bool StartTextEditor(const std::filesystem::path& file) override;
    void SetTopmost(QWidget* window, bool topmost) override;
    std::filesystem::path ProgramFolder() override;
    std::filesystem::path ProgramFile() override;
    std::vector<DataFolder> DataFolders() override;
    bool IsWritable(const std::filesystem::path& file) override;
    std::optional<std::chrono::year_month_day> FileDate(const std::filesystem::path& file) override;
    std::chrono::year_month_day Today() override;
    std::optional<std::filesystem::path> ChooseFileToOpen(
        QWidget* owner, const std::string& title, const std::string& filter) override;
    DownloadResult Download(QWidget* owner, const std::string& url) override;
    bool PrintDocument(QWidget* owner, const std::string& html) override;
    std::optional<std::filesystem::path> AskSaveFile(QWidget* owner, const std::string& title,
        const std::string& suggestedName, const std::string& filter) override;
};

} // namespace corrolab
