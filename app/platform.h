#pragma once

#include "datafiles/data_folders.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace corrolab {

// The body of a web resource, or why there is none.
struct DownloadResult
{
    bool ok = false;
    std::string body;
    std::string error; // when not ok: "the server answered with status 404", "Cancelled"
};

// Everything the program touches outside itself goes through here, so that the
// windows can be driven by tests with a double that answers dialogs and fixes
// dates, and never opens a modal box or a browser.
class Platform
{
public:
    enum class Icon { Warning, Information };

    virtual ~Platform() = default;

    // Modal questions: true for Yes / OK.
    virtual bool AskYesNo(
        QWidget* owner, const std::string& title, const std::string& text, Icon icon)
        = 0;
    virtual bool AskOkCancel(
        QWidget* owner, const std::string& title, const std::string& text, Icon icon)
        = 0;
    // A plain message with an OK button.
    virtual void Tell(QWidget* owner, const std::string& title, const std::string& text, Icon icon)
        = 0;

    virtual void SetBusyPointer(bool busy) = 0;

    // Opens a document or web address with the desktop's handler; false on failure.
    virtual bool OpenDocument(const std::string& address) = 0;
    // Starts the system text editor on a file; false on failure.
    virtual bool StartTextEditor(const std::filesystem::path& file) = 0;

    virtual void SetTopmost(QWidget* window, bool topmost) = 0;

    // The folder the program runs from and its own executable file.
    virtual std::filesystem::path ProgramFolder() = 0;
    virtual std::filesystem::path ProgramFile() = 0;
    // The folders the data files are looked for in, in their order (DataSearchFolders
    // with the window system's own user data folder).
    virtual std::vector<DataFolder> DataFolders() = 0;
    // Whether the user may write a file (a copy is edited instead when not).
    virtual bool IsWritable(const std::filesystem::path& file) = 0;

    // A file's modification date (local calendar date) and today's date.
    virtual std::optional<std::chrono::year_month_day> FileDate(const std::filesystem::path& file)
        = 0;
    virtual std::chrono::year_month_day Today() = 0;

    // An open-file dialog; std::nullopt when the user cancels.
    virtual std::optional<std::filesystem::path> ChooseFileToOpen(
        QWidget* owner, const std::string& title, const std::string& filter)
        = 0;
    // Fetches a web address with a progress indication and a Cancel button.
    virtual DownloadResult Download(QWidget* owner, const std::string& url) = 0;
    // Asks where to save a file (a save dialog offering `suggestedName`, with a
    // filter such as "PNG images (*.png)"); std::nullopt when the user cancels.
    virtual std::optional<std::filesystem::path> AskSaveFile(QWidget* owner,
        const std::string& title, const std::string& suggestedName, const std::string& filter)
        = 0;
    // Prints an HTML page after the print dialog; false when the user cancels.
    virtual bool PrintDocument(QWidget* owner, const std::string& html) = 0;
};

} // namespace corrolab
