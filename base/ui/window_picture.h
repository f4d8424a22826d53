#pragma once

class QString;
class QWidget;

namespace corrolab {

// Shows the window and writes what it draws, its menu bar included but not the
// title bar (which the window system draws), to a PNG; prints the file's path,
// or says on standard error that it could not be written.
bool SaveWindowPicture(QWidget& window, const QString& path);

} // namespace corrolab
