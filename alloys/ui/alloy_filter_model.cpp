#include "alloys/ui/alloy_filter_model.h"

#include "alloys/ui/alloy_table_model.h"

namespace corrolab {

AlloyFilterModel::AlloyFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(AlloyTableModel::kSortRole);
}

void AlloyFilterModel::setText(const QString& text)
{
    text_ = text.toStdString();
    invalidateFilter();
}

QString AlloyFilterModel::setConditions(const QString& conditions)
{
    std::string problem;
    const auto parsed = ParseShareConditions(conditions.toStdString(), problem);
    if (!parsed)
        return QString::fromStdString(problem);
    conditions_ = *parsed;
    invalidateFilter();
    return {};
}

bool AlloyFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* alloys = qobject_cast<const AlloyTableModel*>(sourceModel());
    if (!alloys)
        return true;
    const AlloyFigures& alloy = alloys->alloy(sourceRow);
    return MatchesText(alloy, text_) && MeetsConditions(alloy.composition, conditions_);
}

} // namespace corrolab
