#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace corrolab {

class AlloyFilterModel;
class AlloyTableModel;

// The "Alloys and Compositions" window: every catalogue alloy in one table with
// its equivalent weights, density and the rate of 1 micro_amp/cm^2, sortable by
// any column and filtered by a text and by element shares. Double click, Enter
// or the button loads the alloy into the Material Properties window.
class AlloyBrowser : public QWidget
{
    Q_OBJECT

public:
    AlloyBrowser();

    QLineEdit* findText = nullptr;
    QLineEdit* shares = nullptr; // "Mo >= 2, Cr >= 16"
    QLabel* problem = nullptr;
    QTableView* table = nullptr;
    QLabel* count = nullptr;
    QPushButton* loadButton = nullptr;

    AlloyTableModel* alloys() const { return model_; }
    AlloyFilterModel* shown() const { return filter_; }

    // Loads the alloy of a row of the table as shown (sorted and filtered).
    void loadRow(int shownRow);

signals:
    void alloyChosen(const QString& baseMetal, const QString& alloy);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildControls();
    void ShowCount();

    AlloyTableModel* model_ = nullptr;
    AlloyFilterModel* filter_ = nullptr;
};

} // namespace corrolab
