#pragma once

class QIcon;

namespace corrolab {

// The name the program is known by on the desktop: the class of its windows
// (WM_CLASS on X11, which the menu entry's StartupWMClass names), the folder of
// its settings and user data (~/.local/share/corrolab).
inline constexpr const char* kProgramName = "corrolab";
// Its menu entry, icon and AppStream id; the application id on Wayland.
inline constexpr const char* kDesktopId = "io.github.corrolab.Corrolab";

// The program's icon: the drawing built into the program, the one the package
// installs into the hicolor theme, so that an uninstalled build shows it too.
// Looking it up in the icon themes instead cost a sixth of the start-up.
QIcon ProgramIcon();

// Names the running application as above and gives every window the icon. Call
// once the QApplication exists.
void SetUpProgramIdentity();

} // namespace corrolab
