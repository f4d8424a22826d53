#include "menus/ui/calculator_window.h"

#include "base/number_format.h"
#include "menus/expression.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace corrolab {

CalculatorWindow::CalculatorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle("Expression Calculator");
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Expression (for example 2*(3+4)^2 or sqrt(2)/3):"), 0, 0, 1, 2);
    Text1 = new QLineEdit(this);
    Text1->setMinimumWidth(320);
    layout->addWidget(Text1, 1, 0);
    Command1 = new QPushButton("=", this);
    Command1->setDefault(true);
    layout->addWidget(Command1, 1, 1);
    Label1 = new QLabel(this);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setWordWrap(true);
    layout->addWidget(Label1, 2, 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Command1_Click(); });
}

void CalculatorWindow::Command1_Click()
{
    const auto result = EvaluateExpression(Text1->text().toStdString());
    if (const double* value = std::get_if<double>(&result)) {
        // Plain decimals for ordinary sizes, the scientific form beyond them.
        const double magnitude = std::abs(*value);
        const bool plain = *value == 0 || (magnitude >= 1e-6 && magnitude < 1e15);
        std::string text = plain ? NumberText(*value) : FormatScientific(*value);
        Label1->setText(QString::fromStdString("= " + text.substr(text.front() == ' ' ? 1 : 0)));
    } else {
        Label1->setText(QString::fromStdString(std::get<std::string>(result)));
    }
}

} // namespace corrolab
