#include "menus/ui/settings_dialog.h"

#include "app/data_file_report.h"
#include "app/platform.h"
#include "base/ui/program_settings.h"
#include "base/ui/qt_text.h"
#include "currency/rates_reader.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace corrolab {

SettingsDialog::SettingsDialog(QWidget* parent, SettingsOwner& owner)
    : QDialog(parent)
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
    const std::vector<DataFolder> folders = platform.DataFolders();
    QString files;
    for (const DataFileInUse& file : DataFilesInUse(folders)) {
        files += QString::fromStdString(DataFileLine(file));
        if (file.found && file.name == kRatesFileName)
            if (const auto date = platform.FileDate(file.found->file))
                files += QString(", dated %1-%2-%3")
                             .arg(static_cast<int>(date->year()))
                             .arg(static_cast<unsigned>(date->month()), 2, 10, QChar('0'))
                             .arg(static_cast<unsigned>(date->day()), 2, 10, QChar('0'));
        files += '\n';
    }
    QString searched;
    for (const DataFolder& folder : folders)
        searched += QString("\n  %1 (%2)")
                        .arg(QPath(folder.path), QString::fromStdString(DescribeKind(folder.kind)));
    Label1->setText(
        QString("Files in use:\n%1Settings file: %4\n\nFolders searched, in order:%2\n\n"
                "The settings file keeps which figures the Material Properties window hands "
                "back (classic or ASTM G102) for the next start; Always on Top lasts until the "
                "program closes. Edit the rates with Edit > Currencies.txt; a rates file you "
                "cannot change is first copied to %3.")
            .arg(files, searched, QPath(UserFolderOf(folders)), SettingsFilePath()));
}

} // namespace corrolab
