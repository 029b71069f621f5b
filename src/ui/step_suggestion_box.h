#pragma once
// The step time suggested from the person's own presses, shown in the switch dialog with
// a button that puts it into the step-time field ("Temps de presentació"). Nothing is
// stored until the dialog is accepted.
#include <QWidget>
#include <optional>

#include "runtime/step_suggestion.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvel {

class StepSuggestionBox : public QWidget {
    Q_OBJECT
public:
    // `step_field` takes the suggestion in tenths of a second; it outlives the box.
    StepSuggestionBox(const std::optional<StepSuggestion>& suggestion, int fewest_samples, QLineEdit* step_field,
                      QWidget* parent = nullptr);

    QLabel* text() const { return text_; }
    QPushButton* take() const { return take_; }

private:
    QLabel* text_ = nullptr;
    QPushButton* take_ = nullptr;
};

// Adds the box to a dialog whose layout is a vertical box, just above its buttons.
void add_step_suggestion(QWidget& dialog, const std::optional<StepSuggestion>& suggestion, int fewest_samples,
                         QLineEdit* step_field);

}  // namespace orvel
