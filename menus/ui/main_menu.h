#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace corrolab {

// The main window's menus, created together in one place.
struct MainMenu
{
    QMenu* mnuFile = nullptr;
    QAction* mnuUC = nullptr; // Units Converter and Dictionary
    QAction* mnuPT = nullptr; // Periodic Table of Elements
    QAction* mnuAC = nullptr; // Alloys and Compositions
    QAction* mnuEC = nullptr; // Expression Calculator
    QAction* mnuCC = nullptr; // Corrosion Calculators
    QAction* mnuPC = nullptr; // Polarization Curve…
    QAction* mnuNewCC = nullptr; // New Calculators Window
    QAction* mnuPrint = nullptr; // Print…
    QAction* mnuExportPdf = nullptr; // Export PDF…
    QAction* mnuCW = nullptr; // Close Window
    QAction* mnuAT = nullptr; // Always on Top
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuSettings = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuCurr = nullptr; // Currencies.txt
    QAction* mnuUnitsList = nullptr; // Units.txt
    QAction* mnuImportRates = nullptr; // Import ECB rates…
    QAction* mnuUpdateRates = nullptr; // Update rates now
    QMenu* mnuHelpMenu = nullptr;
    QAction* mnuHelp = nullptr; // User Guide
    QAction* mnuAbout = nullptr; // About Corrolab
};

MainMenu BuildMainMenu(QMainWindow& window);

} // namespace corrolab
