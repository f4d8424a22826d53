#pragma once

#include "alloys/alloy_filter.h"

#include <QSortFilterProxyModel>

namespace corrolab {

// The alloys whose name, base metal or composition holds a text and whose
// composition meets the share conditions ("Mo >= 2").
class AlloyFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit AlloyFilterModel(QObject* parent = nullptr);

    void setText(const QString& text);
    // Reads the conditions; on a fault keeps the previous ones and returns the
    // fault in words, otherwise an empty text.
    QString setConditions(const QString& conditions);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::string text_;
    std::vector<ShareCondition> conditions_;
};

} // namespace corrolab
