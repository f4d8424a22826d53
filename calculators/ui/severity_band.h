#pragma once

#include "calculators/severity.h"

#include <QWidget>
#include <optional>

namespace corrolab {

// The four severity categories as a coloured band with the rate marked on it.
class SeverityBand : public QWidget
{
    Q_OBJECT

public:
    explicit SeverityBand(Attack attack, QWidget* parent = nullptr);

    // The rate in mm/year, or none (no marker).
    void SetRate(std::optional<double> millimetresPerYear);
    std::optional<double> Rate() const { return rate_; }
    Attack attack() const { return attack_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Attack attack_;
    std::optional<double> rate_;
};

} // namespace corrolab
