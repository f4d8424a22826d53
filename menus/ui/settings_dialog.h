#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace corrolab {

class Platform;

// What the settings dialog reads and switches: the main window gives it this.
class SettingsOwner
{
public:
    virtual bool alwaysOnTop() const = 0;
    virtual void setAlwaysOnTop(bool on) = 0;
    virtual Platform& platform() = 0;

protected:
    ~SettingsOwner() = default;
};

// What the program can honestly offer as settings: always-on-top and where its
// files are, the settings file among them.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    SettingsDialog(QWidget* parent, SettingsOwner& owner);

    QCheckBox* Check1 = nullptr; // Always on Top
    QLabel* Label1 = nullptr; // files and folders

    void Refresh();

private:
    SettingsOwner& owner_;
};

} // namespace corrolab
