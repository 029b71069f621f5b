#include "ui/symbol_grid_model.h"

#include "editor/symbol_bitmap.h"

namespace orvel {

namespace {
// Every thumbnail of the library fits (about 2,500 at 64 × 64: some 40 MB at most).
constexpr int kThumbnailsKept = 4000;
}  // namespace

SymbolGridModel::SymbolGridModel(QSize thumbnail, QObject* parent)
    : QAbstractListModel(parent), thumbnail_(thumbnail), thumbnails_(kThumbnailsKept)
{
}

void SymbolGridModel::set_index(std::shared_ptr<const SymbolIndex> index)
{
    beginResetModel();
    index_ = std::move(index);
    matches_.clear();
    thumbnails_.clear();
    endResetModel();
}

void SymbolGridModel::show_search(const QString& query)
{
    beginResetModel();
    matches_ = index_ ? index_->search(query) : std::vector<SymbolMatch>();
    endResetModel();
}

const SymbolMatch* SymbolGridModel::match(int row) const
{
    return row >= 0 && row < static_cast<int>(matches_.size()) ? &matches_[static_cast<size_t>(row)] : nullptr;
}

int SymbolGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(matches_.size());
}

QVariant SymbolGridModel::data(const QModelIndex& index, int role) const
{
    const SymbolMatch* m = match(index.row());
    if (!m || !index_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return m->name;
    case Qt::DecorationRole: {
        if (QPixmap* kept = thumbnails_.object(m->symbol))
            return *kept;
        const QImage image = render_symbol(index_->picture_path(m->symbol), thumbnail_);
        ++drawn_;
        auto* pixmap = new QPixmap(image.isNull() ? QPixmap(thumbnail_) : QPixmap::fromImage(image));
        if (image.isNull())
            pixmap->fill(Qt::white);
        thumbnails_.insert(m->symbol, pixmap);
        return *pixmap;
    }
    default:
        return {};
    }
}

}  // namespace orvel
