#include "ui/scan_cost_legend.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

namespace orvel {

namespace {

// The green-to-red bar between the two ends of the range.
class TintBar : public QWidget {
public:
    TintBar()
    {
        setObjectName(QStringLiteral("cost_escaneig_barra"));
        setMinimumSize(120, 14);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), 0);
        for (double f : {0.0, 0.5, 1.0}) {
            QColor c = scan_cost_tint(f);
            c.setAlpha(255);
            g.setColorAt(f, c);
        }
        p.fillRect(rect(), g);
    }
};

}  // namespace

ScanCostLegend::ScanCostLegend(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cost_escaneig_llegenda"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 4, 0, 0);
    title_ = new QLabel;
    title_->setObjectName(QStringLiteral("cost_escaneig_titol"));
    auto* range = new QHBoxLayout;
    cheapest_ = new QLabel;
    cheapest_->setObjectName(QStringLiteral("cost_escaneig_minim"));
    dearest_ = new QLabel;
    dearest_->setObjectName(QStringLiteral("cost_escaneig_maxim"));
    range->addWidget(cheapest_);
    range->addWidget(new TintBar, 1);
    range->addWidget(dearest_);
    average_ = new QLabel;
    average_->setObjectName(QStringLiteral("cost_escaneig_mitjana"));
    average_->setWordWrap(true);
    column->addWidget(title_);
    column->addLayout(range);
    column->addWidget(average_);
}

QString ScanCostLegend::amount(double value) const
{
    if (kind_ == ScanKind::Manual)
        return tr("%1 pulsacions").arg(QLocale().toString(value, 'f', value == static_cast<int>(value) ? 0 : 1));
    return tr("%1 s").arg(QLocale().toString(value / 1000.0, 'f', 1));
}

void ScanCostLegend::show_view(const ScanCostView& view)
{
    kind_ = view.kind;
    title_->setText(view.kind == ScanKind::Manual
                        ? tr("Cost d'escaneig manual: pulsacions fins a cada àrea")
                        : tr("Cost d'escaneig automàtic: temps fins que cada àrea s'il·lumina"));
    cheapest_->setText(amount(view.cheapest));
    dearest_->setText(amount(view.dearest));
    QString text = view.average.weighted
                       ? tr("Mitjana ponderada per les seleccions: %1").arg(amount(view.kind == ScanKind::Manual
                                                                                  ? view.average.presses
                                                                                  : view.average.time_ms))
                       : tr("Mitjana de les %1 àrees: %2")
                             .arg(view.average.areas)
                             .arg(amount(view.kind == ScanKind::Manual ? view.average.presses
                                                                       : view.average.time_ms));
    if (view.unreachable > 0)
        text += QLatin1Char('\n') + tr("Àrees que l'escaneig no assoleix (en gris): %1").arg(view.unreachable);
    average_->setText(text);
}

}  // namespace orvel
