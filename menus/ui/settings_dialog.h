#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace corrolab {

class Form2;

// What the program can honestly offer as settings: always-on-top and where its
// files are, the settings file among them.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(Form2& owner);

    QCheckBox* Check1 = nullptr; // Always on Top
    QLabel* Label1 = nullptr; // files and folders

    void Refresh();

private:
    Form2& owner_;
};

} // namespace corrolab
