#pragma once
// The dialogs of the area tools: `Quadricula` ("Subdividir l'àrea": rows and
// columns, 1 to 10) and `RDM` ("Redimensionar ": horizontal and vertical percent).
#include <QDialog>

class QLineEdit;
class QScrollBar;

namespace orvel {

class Quadricula : public QDialog {
    Q_OBJECT
public:
    explicit Quadricula(QWidget* parent = nullptr);
    // The counts shown, maximum - position + 1 of each scrollbar.
    int rows() const;
    int columns() const;

private:
    QScrollBar* ScrollV_ = nullptr;
    QScrollBar* ScrollH_ = nullptr;
};

class RDM : public QDialog {
    Q_OBJECT
public:
    explicit RDM(QWidget* parent = nullptr);
    // The typed percentages, 100 for anything outside 1..100 (read once accepted).
    double horizontal() const;
    double vertical() const;

private:
    QLineEdit* Hor_ = nullptr;
    QLineEdit* ver_ = nullptr;
};

}  // namespace orvel
