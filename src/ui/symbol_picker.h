#pragma once
// The "Símbols" window: a search field and the matching pictures of the symbol
// library as a grid. It works with the keyboard alone: typing searches, the arrow
// keys move in the grid (also from the search field), Enter chooses, Escape cancels.
#include <QDialog>
#include <memory>
#include <optional>

#include "editor/symbol_index.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace orvel {

class SymbolGridModel;

class SymbolPicker : public QDialog {
    Q_OBJECT
public:
    // `index` null: the library could not be read; `problem` says why and the window
    // stays usable, with an empty grid. `query` is searched at once (selected, so
    // typing replaces it).
    SymbolPicker(std::shared_ptr<const SymbolIndex> index, const QString& problem, const QString& query,
                 QWidget* parent = nullptr);

    // The symbol chosen with "D'Acord", Enter or a double click.
    std::optional<SymbolMatch> chosen() const { return chosen_; }
    // Offers writing `caption` (the area's text) under the symbol, ticked at first;
    // an empty caption offers nothing.
    void offer_caption(const QString& caption);
    // The caption to write under the symbol: "" when none was offered or it was unticked.
    QString caption() const;

    QLineEdit* search_field() const { return search_; }
    QListView* grid() const { return grid_; }
    QLabel* status() const { return status_; }
    QCheckBox* caption_box() const { return caption_box_; }
    SymbolGridModel* model() const { return model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& text);
    void choose();

    SymbolGridModel* model_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListView* grid_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* accept_ = nullptr;
    QCheckBox* caption_box_ = nullptr;
    QString caption_;
    QString problem_;
    std::optional<SymbolMatch> chosen_;
};

}  // namespace orvel
