#include "ui/step_suggestion_box.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace orvel {

StepSuggestionBox::StepSuggestionBox(const std::optional<StepSuggestion>& suggestion, int fewest_samples,
                                     QLineEdit* step_field, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("temps_suggerit"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    text_ = new QLabel;
    text_->setObjectName(QStringLiteral("temps_suggerit_text"));
    text_->setWordWrap(true);
    take_ = new QPushButton(tr("Aplica"));
    take_->setObjectName(QStringLiteral("temps_suggerit_aplica"));
    take_->setAccessibleName(tr("Aplica el temps suggerit"));
    row->addWidget(text_, 1);
    row->addWidget(take_);
    if (!suggestion) {
        text_->setText(tr("Encara no hi ha prou pulsacions per suggerir un temps de presentació (en calen %1).")
                           .arg(fewest_samples));
        take_->setEnabled(false);
        return;
    }
    const QString seconds = QLocale().toString(suggestion->temps / 10.0, 'f', 1);
    text_->setText(tr("Temps de presentació suggerit: %1 s (%2 dècimes), a partir de %3 pulsacions vostres.")
                       .arg(seconds)
                       .arg(suggestion->temps)
                       .arg(suggestion->samples));
    const QString tenths = QString::number(suggestion->temps);
    connect(take_, &QPushButton::clicked, this, [step_field, tenths] {
        if (step_field)
            step_field->setText(tenths);
    });
}

void add_step_suggestion(QWidget& dialog, const std::optional<StepSuggestion>& suggestion, int fewest_samples,
                         QLineEdit* step_field)
{
    auto* layout = qobject_cast<QBoxLayout*>(dialog.layout());
    if (!layout)
        return;
    auto* box = new StepSuggestionBox(suggestion, fewest_samples, step_field, &dialog);
    layout->insertWidget(std::max(0, layout->count() - 1), box);
}

}  // namespace orvel
