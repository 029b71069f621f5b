#pragma once
// The matches of a symbol search as a list model for the picker's grid. Pictures are
// drawn only when the view asks for them (the rows it shows), once each: the
// thumbnails are kept for the life of the model, so searching again reuses them.
#include <QAbstractListModel>
#include <QCache>
#include <QPixmap>
#include <memory>
#include <vector>

#include "editor/symbol_index.h"

namespace orvel {

class SymbolGridModel : public QAbstractListModel {
public:
    explicit SymbolGridModel(QSize thumbnail, QObject* parent = nullptr);

    // The library searched (null: none, the grid stays empty) and the matches shown.
    void set_index(std::shared_ptr<const SymbolIndex> index);
    void show_search(const QString& query);

    const SymbolIndex* library() const { return index_.get(); }
    const SymbolMatch* match(int row) const;
    // How many thumbnails were drawn so far (not served from the cache).
    int drawn() const { return drawn_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QSize thumbnail_;
    std::shared_ptr<const SymbolIndex> index_;
    std::vector<SymbolMatch> matches_;
    mutable QCache<int, QPixmap> thumbnails_;
    mutable int drawn_ = 0;
};

}  // namespace orvel
