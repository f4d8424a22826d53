// Choosing a category in the main window, and the unit dictionary.
#include "app/ui/form2.h"

#include "catalogue/unit_catalogue.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace corrolab {

namespace {

bool Is(const QString& text, std::string_view name)
{
    return text == QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

void Form2::Combo5_Click()
{
    // Each step goes on whatever the one before it did.
    const QString selected = Combo5->currentText();
    List2->clear();
    listedEntries_ = EntriesForSelection(selected.toStdString());
    for (const CatalogueEntry& entry : listedEntries_)
        List2->addItem(QString::fromUtf8(
            entry.unit->name.data(), static_cast<qsizetype>(entry.unit->name.size())));
    if (Is(selected, kCurrencies))
        LoadCurrencyRates();
    SetListIndex(List2, 0);
    SetListIndex(List4, 0);
    if (Is(selected, kCurrencies))
        ShowRatesCaption();
    else
        ShowLabel1({});
    List4->clear();
    for (int i = 0; i < List2->count(); ++i)
        List4->addItem(List2->item(i)->text());
    // The copied list has no current row yet: the first unit is the "to" unit,
    // as the "from" list shows.
    SetListIndex(List4, 0);
}

void Form2::Combo1_Click()
{
    // Each unit beside its definition, the names padded to one column.
    const std::vector<CatalogueEntry> entries
        = EntriesForSelection(Combo1->currentText().toStdString());
    size_t width = 0;
    for (const CatalogueEntry& entry : entries)
        width = std::max(width, entry.unit->name.size());
    QStringList lines;
    for (const CatalogueEntry& entry : entries) {
        std::string line(entry.unit->name);
        line.resize(width + 2, ' ');
        lines << QString::fromStdString(line + DefinitionOf(entry));
    }
    Text3->setPlainText(lines.join('\n'));
}

void Form2::Define()
{
    const std::string wanted = Text1->text().trimmed().toStdString();
    const std::vector<UnitMatch> matches = CategoriesHoldingUnit(wanted);
    if (wanted.empty()) {
        Text3->setPlainText(
            "Type a unit name or symbol in the box on the left, then press Define.");
        return;
    }
    if (matches.empty()) {
        Text3->setPlainText(
            QString("No category holds \"%1\".").arg(QString::fromStdString(wanted)));
        return;
    }
    QStringList lines;
    lines << QString("\"%1\" is a unit of:").arg(QString::fromStdString(wanted));
    for (const UnitMatch& match : matches) {
        // "  Length: furlong, 660 ft = 201.168 m", and how the category writes
        // the name when only its letter case differs.
        QString line = "  "
            + QString::fromUtf8(
                match.category.data(), static_cast<qsizetype>(match.category.size()))
            + ": " + QString::fromStdString(DefinitionOf(match.entry));
        if (!match.exact)
            line += QString("  (as \"%1\")")
                        .arg(QString::fromUtf8(
                            match.unit.data(), static_cast<qsizetype>(match.unit.size())));
        lines << line;
    }
    Text3->setPlainText(lines.join('\n'));
}

} // namespace corrolab
