#pragma once

class QIcon;

namespace corrolab {

// The name the program is known by on the desktop: the class of its windows
// (WM_CLASS on X11, which the menu entry's StartupWMClass names), the folder of
// its settings and user data (~/.local/share/corrolab).
inline constexpr const char* kProgramName = "corrolab";
// Its menu entry, icon and AppStream id; the application id on Wayland.
inline constexpr const char* kDesktopId = "io.github.corrolab.Corrolab";

// The program's icon: the installed one of the icon theme (hicolor), else the
// drawing built into the program, so that an uninstalled build shows it too.
QIcon ProgramIcon();

// Names the running application as above and gives every window the icon. Call
// once the QApplication exists.
void SetUpProgramIdentity();

} // namespace corrolab
