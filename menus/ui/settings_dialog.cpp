#include "menus/ui/settings_dialog.h"

#include "app/ui/form2.h"
#include "corrosion/rates_reader.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace corrolab {

SettingsDialog::SettingsDialog(Form2& owner)
    : QDialog(&owner)
    , owner_(owner)
{
    setWindowTitle("Settings");
    auto* layout = new QVBoxLayout(this);
    Check1 = new QCheckBox("Always on Top", this);
    layout->addWidget(Check1);
    Label1 = new QLabel(this);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setWordWrap(true);
    layout->addWidget(Label1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(Check1, &QCheckBox::clicked, this, [this](bool on) {
        if (on != owner_.alwaysOnTop())
            owner_.setAlwaysOnTop(on);
    });
    Refresh();
}

void SettingsDialog::Refresh()
{
    Check1->setChecked(owner_.alwaysOnTop());
    Platform& platform = owner_.platform();
    const std::filesystem::path folder = platform.ProgramFolder();
    QString rates;
    if (const auto file = FindRatesFile(folder)) {
        rates = QString::fromStdString(file->string());
        if (const auto date = platform.FileDate(*file))
            rates += QString(" (dated %1-%2-%3)")
                         .arg(static_cast<int>(date->year()))
                         .arg(static_cast<unsigned>(date->month()), 2, 10, QChar('0'))
                         .arg(static_cast<unsigned>(date->day()), 2, 10, QChar('0'));
    } else {
        rates = QString("not found: place %1 in %2")
                    .arg(QString::fromUtf8(kRatesFileName.data(), kRatesFileName.size()),
                        QString::fromStdString(folder.string()));
    }
    Label1->setText(QString("Program folder: %1\nExchange rates file: %2\n\n"
                            "Corrolab keeps no configuration file: these settings last until the "
                            "program closes. Edit the rates with Edit > Currencies.txt.")
                        .arg(QString::fromStdString(folder.string()), rates));
}

} // namespace corrolab
