#include "app/ui/qt_platform.h"

#include "app/ui/window_modules.h"
#include "base/ui/qt_text.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include <stdexcept>

namespace corrolab {

namespace {

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

QMessageBox::Icon ToQt(Platform::Icon icon)
{
    return icon == Platform::Icon::Warning ? QMessageBox::Warning : QMessageBox::Information;
}

QMessageBox::StandardButton Ask(QWidget* owner, const std::string& title, const std::string& text,
    Platform::Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(ToQt(icon), ToQt(title), ToQt(text), buttons, owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::chrono::year_month_day ToYmd(const QDate& date)
{
    return std::chrono::year_month_day {std::chrono::year(date.year()),
        std::chrono::month(unsigned(date.month())), std::chrono::day(unsigned(date.day()))};
}

} // namespace

bool QtPlatform::AskYesNo(
    QWidget* owner, const std::string& title, const std::string& text, Icon icon)
{
    return Ask(owner, title, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPlatform::AskOkCancel(
    QWidget* owner, const std::string& title, const std::string& text, Icon icon)
{
    return Ask(owner, title, text, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtPlatform::Tell(QWidget* owner, const std::string& title, const std::string& text, Icon icon)
{
    Ask(owner, title, text, icon, QMessageBox::Ok);
}

void QtPlatform::SetBusyPointer(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
}

bool QtPlatform::OpenDocument(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(ToQt(address)));
}

bool QtPlatform::StartTextEditor(const std::filesystem::path& file)
{
#ifdef Q_OS_WIN
    return QProcess::startDetached("notepad", {QString::fromStdWString(file.wstring())});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QPath(file)));
#endif
}

void QtPlatform::SetTopmost(QWidget* window, bool topmost)
{
    ApplyStaysOnTop(window, topmost);
}

void ApplyStaysOnTop(QWidget* window, bool topmost)
{
    const bool wasVisible = window->isVisible();
    const QPoint place = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible) {
        window->move(place);
        window->show();
    }
}

std::filesystem::path QtPlatform::ProgramFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

std::filesystem::path QtPlatform::ProgramFile()
{
    return QCoreApplication::applicationFilePath().toStdString();
}

std::vector<DataFolder> QtPlatform::DataFolders()
{
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return DataSearchFolders(user.toStdString(), ProgramFolder());
}

bool QtPlatform::IsWritable(const std::filesystem::path& file)
{
    return QFileInfo(QPath(file)).isWritable();
}

std::optional<std::chrono::year_month_day> QtPlatform::FileDate(const std::filesystem::path& file)
{
    const QFileInfo info(QPath(file));
    if (!info.exists())
        return std::nullopt;
    return ToYmd(info.lastModified().date());
}

std::chrono::year_month_day QtPlatform::Today()
{
    return ToYmd(QDate::currentDate());
}

std::optional<std::filesystem::path> QtPlatform::ChooseFileToOpen(
    QWidget* owner, const std::string& title, const std::string& filter)
{
    const QString file = QFileDialog::getOpenFileName(owner, ToQt(title), QString(), ToQt(filter));
    if (file.isEmpty())
        return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

DownloadResult QtPlatform::Download(QWidget* owner, const std::string& url)
{
    DownloadResult result;
    try {
        ModuleEntry<DownloadEntry>(ProgramFolder(), kDownloadModule, "corrolab_download")(
            owner, url, result);
    } catch (const std::runtime_error& error) {
        result = {false, {}, std::string("nothing can be downloaded: ") + error.what()};
    }
    return result;
}

std::optional<std::filesystem::path> QtPlatform::AskSaveFile(QWidget* owner,
    const std::string& title, const std::string& suggestedName, const std::string& filter)
{
    const QString file
        = QFileDialog::getSaveFileName(owner, ToQt(title), ToQt(suggestedName), ToQt(filter));
    if (file.isEmpty())
        return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

bool QtPlatform::PrintDocument(QWidget* owner, const std::string& html)
{
    try {
        return ModuleEntry<PrintDocumentEntry>(
            ProgramFolder(), kPrintModule, "corrolab_print_document")(owner, html);
    } catch (const std::runtime_error& error) {
        Tell(owner, "Print", std::string("Nothing can be printed: ") + error.what(), Icon::Warning);
        return false;
    }
}

} // namespace corrolab
