#include "alloys/ui/alloy_table_model.h"

#include "base/number_format.h"
#include "base/text.h"

#include <limits>

namespace corrolab {

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// Four decimals, as the tools window shows its results; "--" for none.
QString Figure(const std::optional<double>& value)
{
    if (!value)
        return "--";
    double shown = *value;
    return Text(std::string(Trimmed(FormatFixed(shown, 1, 4))));
}

// Alloys without the figure sort after all that have one.
QVariant SortValue(const std::optional<double>& value)
{
    return value ? *value : std::numeric_limits<double>::max();
}

} // namespace

AlloyTableModel::AlloyTableModel(std::vector<AlloyFigures> alloys, QObject* parent)
    : QAbstractTableModel(parent)
    , alloys_(std::move(alloys))
{ }

int AlloyTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(alloys_.size());
}

int AlloyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant AlloyTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const AlloyFigures& a = alloy(index.row());
    if (role == Qt::TextAlignmentRole && index.column() >= kClassicEquivalentWeight
        && index.column() != kDensitySource)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != kSortRole && role != Qt::ToolTipRole)
        return {};
    const bool sorting = role == kSortRole;
    switch (index.column()) {
    case kName:
        return sorting ? QVariant(Text(a.name).toLower()) : QVariant(Text(a.name));
    case kBaseMetal:
        return Text(a.baseMetal);
    case kComposition:
        return Text(a.composition);
    case kClassicEquivalentWeight:
        return sorting ? SortValue(a.classicEquivalentWeight) : Figure(a.classicEquivalentWeight);
    case kG102EquivalentWeight:
        return sorting ? SortValue(a.g102EquivalentWeight) : Figure(a.g102EquivalentWeight);
    case kDensity:
        return sorting ? SortValue(a.density) : Figure(a.density);
    case kRate:
        return sorting ? SortValue(a.rate) : QVariant(a.rate ? Text(a.rateText) : QString("--"));
    case kCouponDensity:
        return sorting ? SortValue(a.couponDensity) : Figure(a.couponDensity);
    case kDensitySource:
        return Text(a.densitySource.empty() ? std::string("--") : a.densitySource);
    }
    return {};
}

QVariant AlloyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case kName:
        return "Alloy";
    case kBaseMetal:
        return "Base metal";
    case kComposition:
        return "Composition";
    case kClassicEquivalentWeight:
        return "Eq. wt. (g)";
    case kG102EquivalentWeight:
        return "G102 eq. wt. (g)";
    case kDensity:
        return "Density, mass mean (g/cm^3)";
    case kRate:
        return QString::fromUtf8("mm/y at 1 \xC2\xB5"
                                 "A/cm^2 (classic)");
    case kCouponDensity:
        return "Coupon density (g/cm^3)";
    case kDensitySource:
        return "Density source";
    }
    return {};
}

} // namespace corrolab
