#pragma once

#include "app/ui/form2.h"
#include "fake_platform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace corrolab {

// A main window after load and first activation, with a platform double.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<Form2>(platform);
        form->show();
    }
    void TearDown() override { form.reset(); }

    std::string Result() const { return form->Text3->toPlainText().toStdString(); }

    std::vector<std::string> Items(const QListWidget* list) const
    {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->item(i)->text().toStdString());
        return items;
    }

    // Picks a unit in a list as a user's click does.
    void Pick(QListWidget* list, const char* unit)
    {
        const auto found = list->findItems(unit, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << unit;
        list->setCurrentItem(found.front());
    }

    // Picks a category in a chooser as a user does.
    void Choose(QComboBox* combo, const char* category)
    {
        const int index = combo->findText(category);
        ASSERT_GE(index, 0) << category;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void Convert(const char* value, const char* from, const char* to)
    {
        form->Text1->setText(value);
        Pick(form->List2, from);
        Pick(form->List4, to);
        form->Command1->click();
    }

    FakePlatform platform;
    std::unique_ptr<Form2> form;
};

inline const std::vector<std::string> kCorrosionUnits = {"micro_amp/cm^2", "milli_amp/cm^2",
    "amp/cm^2", "g/cm^2-s", "mg/cm^2-s", "mg/dm^2-s", "mdd", "mm/year", "ipy", "mpy"};

} // namespace corrolab
