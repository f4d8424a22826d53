#pragma once

#include "tools/element_facts.h"

#include <QWidget>
#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corrolab {

class PeriodicTableView;

// The "Periodic Table of Elements" window: the table, a search box, the field
// the cells show and their colouring, and beside them every field of the
// element under the pointer (or the current one). "Use in composition" asks
// for the current element in the Material Properties window's grid.
class PeriodicTableWindow : public QWidget
{
    Q_OBJECT

public:
    PeriodicTableWindow();

    PeriodicTableView* view = nullptr;
    QLineEdit* search = nullptr;
    QComboBox* cellField = nullptr; // the field each cell shows
    QComboBox* colouring = nullptr; // "Element family" or "Heat map"
    std::array<QLabel*, kRecordFields> factNames {};
    std::array<QLabel*, kRecordFields> factValues {};
    QPushButton* useButton = nullptr;
    QLabel* status = nullptr;

    // The element the side panel describes.
    int shownElement() const { return shown_; }
    // Uses the current element, as the button and Enter do.
    void useCurrentElement();
    // Tells the user what became of the last use: empty when it worked.
    void showUseOutcome(const std::string& problem);

signals:
    void elementUsed(const QString& symbol);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* BuildTop();
    QWidget* BuildPanel();
    void ShowFacts(int z);
    void Search(const QString& text);
    void ChooseColouring();

    int shown_ = 0;
};

} // namespace corrolab
