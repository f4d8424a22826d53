#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corrolab {

// A small window that evaluates arithmetic expressions.
class CalculatorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CalculatorWindow(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr; // the expression
    QPushButton* Command1 = nullptr; // "="
    QLabel* Label1 = nullptr; // the result or what is wrong

    void Command1_Click();
};

} // namespace corrolab
