#include "menus/ui/main_menu.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

namespace corrolab {

MainMenu BuildMainMenu(QMainWindow& window)
{
    MainMenu menu;
    QMenuBar* bar = window.menuBar();

    menu.mnuFile = bar->addMenu("&File");
    menu.mnuUC = menu.mnuFile->addAction("&Units Converter and Dictionary");
    menu.mnuPT = menu.mnuFile->addAction("&Periodic Table of Elements");
    menu.mnuAC = menu.mnuFile->addAction("&Alloys and Compositions");
    menu.mnuEC = menu.mnuFile->addAction("&Expression Calculator");
    menu.mnuCC = menu.mnuFile->addAction("C&orrosion Calculators");
    menu.mnuPC = menu.mnuFile->addAction("Polari&zation Curve\u2026");
    menu.mnuNewCC = menu.mnuFile->addAction("&New Calculators Window");
    menu.mnuFile->addSeparator();
    menu.mnuPrint = menu.mnuFile->addAction("P&rint\u2026");
    menu.mnuPrint->setShortcut(QKeySequence::Print);
    menu.mnuExportPdf = menu.mnuFile->addAction("Export P&DF\u2026");
    menu.mnuFile->addSeparator();
    menu.mnuCW = menu.mnuFile->addAction("&Close Window");
    menu.mnuAT = menu.mnuFile->addAction("Always on &Top");
    menu.mnuAT->setCheckable(true);
    menu.mnuFile->addSeparator();
    menu.mnuExit = menu.mnuFile->addAction("E&xit");
    menu.mnuExit->setShortcut(QKeySequence::Quit);

    menu.mnuOptions = bar->addMenu("&Options");
    menu.mnuSettings = menu.mnuOptions->addAction("&Settings");

    menu.mnuEdit = bar->addMenu("&Edit");
    menu.mnuCurr = menu.mnuEdit->addAction("&Currencies.txt");
    menu.mnuUnitsList = menu.mnuEdit->addAction("&Units.txt");
    menu.mnuEdit->addSeparator();
    menu.mnuImportRates = menu.mnuEdit->addAction("&Import ECB rates…");
    menu.mnuUpdateRates = menu.mnuEdit->addAction("Update &rates now");

    menu.mnuHelpMenu = bar->addMenu("&Help");
    menu.mnuHelp = menu.mnuHelpMenu->addAction("&User Guide");
    menu.mnuHelp->setShortcut(QKeySequence::HelpContents);
    menu.mnuAbout = menu.mnuHelpMenu->addAction("&About Corrolab");
    return menu;
}

} // namespace corrolab
