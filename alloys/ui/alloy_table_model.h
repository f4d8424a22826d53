#pragma once

#include "alloys/alloy_figures.h"

#include <QAbstractTableModel>
#include <vector>

namespace corrolab {

// Every catalogue alloy with its figures, one row each. Qt::DisplayRole gives
// the text shown, kSortRole the value the columns sort by (numbers for the
// figures, with the alloys that have none after all others).
class AlloyTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        kName,
        kBaseMetal,
        kComposition,
        kClassicEquivalentWeight,
        kG102EquivalentWeight,
        kDensity,
        kRate,
        kCouponDensity,
        kDensitySource,
        kColumnCount
    };
    static constexpr int kSortRole = Qt::UserRole;

    explicit AlloyTableModel(std::vector<AlloyFigures> alloys, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const AlloyFigures& alloy(int row) const { return alloys_[static_cast<size_t>(row)]; }

private:
    std::vector<AlloyFigures> alloys_;
};

} // namespace corrolab
