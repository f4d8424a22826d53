#include "menus/ui/guide_viewer.h"

#include "base/ui/qt_text.h"
#include "datafiles/program_files.h"

#include <QFontDatabase>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace corrolab {

namespace {
// The guide is a page or two of text; a larger file is shown up to here.
constexpr size_t kMaxGuideBytes = 4 * 1024 * 1024;
} // namespace

GuideViewer::GuideViewer(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setWindowTitle("Corrolab User Guide");
    text = new QTextBrowser(this);
    text->setAccessibleName("User guide");
    text->setOpenLinks(false);
    // The guide is laid out in columns of plain text.
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    resize(720, 560);
}

bool GuideViewer::Load(const std::filesystem::path& file)
{
    const std::optional<std::string> content = ReadFileUpTo(file, kMaxGuideBytes);
    if (!content)
        return false;
    text->setPlainText(QString::fromUtf8(content->data(), static_cast<qsizetype>(content->size())));
    setWindowTitle("Corrolab User Guide - " + QPath(file.filename()));
    return true;
}

} // namespace corrolab
