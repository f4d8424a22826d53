#pragma once

#include "app/platform.h"
#include "app/ui/qt_platform.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace corrolab {

// A platform that records what the program asked of it and answers dialogs as
// the test says; it never shows a window of its own.
class FakePlatform final : public Platform
{
public:
    struct Dialog
    {
        std::string kind; // "YesNo", "OkCancel" or "Tell"
        std::string text;
        Icon icon;
    };

    std::deque<bool> answers; // next answers to questions; "No"/"Cancel" when empty
    std::vector<Dialog> dialogs;
    std::vector<std::string> openedDocuments;
    std::vector<std::filesystem::path> editedFiles;
    std::vector<bool> topmostCalls;
    bool applyTopmost = false; // also change the window's flags, as the program does
    std::vector<std::string> printed; // the HTML of each page sent to the print dialog
    bool printAccepted = true; // whether the print dialog's OK is pressed
    int busyDepth = 0;
    int busyCalls = 0;
    bool openSucceeds = true;
    bool editorStarts = true;
    std::filesystem::path folder = "/nonexistent-corrolab-folder";
    std::filesystem::path programFile = "/nonexistent-corrolab-folder/corrolab";
    std::filesystem::path userFolder = "/nonexistent-corrolab-user-folder";
    std::vector<DataFolder> sharedFolders; // searched after the program folder
    std::map<std::filesystem::path, std::chrono::year_month_day> fileDates;
    std::chrono::year_month_day today {
        std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)};
    std::deque<std::filesystem::path> chosenFiles; // next answers of open-file dialogs
    std::deque<DownloadResult> downloads; // next downloads; an off-line failure when empty
    std::vector<std::string> downloadedUrls;
    std::optional<std::filesystem::path> saveAnswer; // what a save dialog returns
    std::vector<std::string> saveRequests; // the suggested names asked for

    bool AskYesNo(QWidget*, const std::string&, const std::string& text, Icon icon) override
    {
        return Answer("YesNo", text, icon);
    }
    bool AskOkCancel(QWidget*, const std::string&, const std::string& text, Icon icon) override
    {
        return Answer("OkCancel", text, icon);
    }
    void Tell(QWidget*, const std::string&, const std::string& text, Icon icon) override
    {
        dialogs.push_back({"Tell", text, icon});
    }
    void SetBusyPointer(bool busy) override
    {
        busyCalls += busy ? 1 : 0;
        busyDepth = busy ? busyDepth + 1 : 0;
    }
    bool OpenDocument(const std::string& address) override
    {
        openedDocuments.push_back(address);
        return openSucceeds;
    }
    bool StartTextEditor(const std::filesystem::path& file) override
    {
        editedFiles.push_back(file);
        return editorStarts;
    }
    void SetTopmost(QWidget* window, bool topmost) override
    {
        topmostCalls.push_back(topmost);
        if (applyTopmost)
            ApplyStaysOnTop(window, topmost);
    }
    std::filesystem::path ProgramFolder() override { return folder; }
    std::filesystem::path ProgramFile() override { return programFile; }
    std::vector<DataFolder> DataFolders() override
    {
        std::vector<DataFolder> folders {
            {userFolder, DataFolderKind::User}, {folder, DataFolderKind::Program}};
        folders.insert(folders.end(), sharedFolders.begin(), sharedFolders.end());
        return folders;
    }
    // Answers from the permission bits, so that a read-only file reads as such even
    // for root.
    bool IsWritable(const std::filesystem::path& file) override
    {
        std::error_code error;
        const auto perms = std::filesystem::status(file, error).permissions();
        return !error
            && (perms & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
    }
    std::optional<std::chrono::year_month_day> FileDate(const std::filesystem::path& file) override
    {
        const auto found = fileDates.find(file);
        if (found != fileDates.end())
            return found->second;
        return std::nullopt;
    }
    std::chrono::year_month_day Today() override { return today; }
    std::optional<std::filesystem::path> ChooseFileToOpen(
        QWidget*, const std::string&, const std::string&) override
    {
        if (chosenFiles.empty())
            return std::nullopt;
        auto file = chosenFiles.front();
        chosenFiles.pop_front();
        return file;
    }
    DownloadResult Download(QWidget*, const std::string& url) override
    {
        downloadedUrls.push_back(url);
        if (downloads.empty())
            return {false, "", "Host not found (test double)"};
        DownloadResult result = downloads.front();
        downloads.pop_front();
        return result;
    }
    bool PrintDocument(QWidget*, const std::string& html) override
    {
        printed.push_back(html);
        return printAccepted;
    }
    std::optional<std::filesystem::path> AskSaveFile(
        QWidget*, const std::string&, const std::string& suggestedName, const std::string&) override
    {
        saveRequests.push_back(suggestedName);
        return saveAnswer;
    }

    size_t Count(const std::string& kind) const
    {
        size_t n = 0;
        for (const Dialog& dialog : dialogs)
            n += dialog.kind == kind ? 1 : 0;
        return n;
    }

private:
    bool Answer(const char* kind, const std::string& text, Icon icon)
    {
        dialogs.push_back({kind, text, icon});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace corrolab
