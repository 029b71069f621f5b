#pragma once
// The legend of the scan-cost colours over the editor's canvas: what the colours
// measure, the range from green to red and the board's mean.
#include <QWidget>

#include "editor/scan_cost_view.h"

class QLabel;

namespace orvel {

class ScanCostLegend : public QWidget {
    Q_OBJECT
public:
    explicit ScanCostLegend(QWidget* parent = nullptr);

    void show_view(const ScanCostView& view);

    QLabel* title() const { return title_; }
    QLabel* cheapest() const { return cheapest_; }
    QLabel* dearest() const { return dearest_; }
    QLabel* average() const { return average_; }

private:
    QString amount(double value) const;

    ScanKind kind_ = ScanKind::Automatic;
    QLabel* title_ = nullptr;
    QLabel* cheapest_ = nullptr;
    QLabel* dearest_ = nullptr;
    QLabel* average_ = nullptr;
};

}  // namespace orvel
