#pragma once

#include <QWidget>
#include <filesystem>

class QTextBrowser;

namespace corrolab {

// The user guide in a window of the program's own, for a desktop where no text
// editor can be started: the text read-only, to scroll, select and copy.
class GuideViewer : public QWidget
{
public:
    explicit GuideViewer(QWidget* owner);

    // Shows the text of `file`; false (and the viewer left as it was) when it
    // cannot be read.
    bool Load(const std::filesystem::path& file);

    QTextBrowser* text = nullptr;
};

} // namespace corrolab
