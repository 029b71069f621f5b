#include "make_boards/board_maker.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <cstdio>
#include <algorithm>
#include <map>
#include <tuple>

#include "editor/cover_file.h"
#include "editor/cover_layout.h"
#include "editor/geometry_tools.h"
#include "editor/picture_cache.h"
#include "make_boards/rle_bitmap.h"
#include "model/template_file.h"

namespace orvel::boards {

namespace {

bool report(const WriteResult& result, const QString& path)
{
    if (!result)
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(result.error_text));
    return result.ok;
}

// A picture of few colours (flat cells, captions, symbols) loses nothing visible in 256.
QByteArray compressed(const QImage& picture)
{
    return rle8_bitmap(picture, most_used_colours(picture, 256));
}

}  // namespace

QString file_stem(const QString& caption)
{
    QString stem;
    for (const QChar c : caption.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            stem += c.toUpper();
        else if (c.category() == QChar::Mark_NonSpacing)
            continue;
        else if (!stem.isEmpty() && !stem.endsWith(QLatin1Char('_')))
            stem += QLatin1Char('_');
    }
    while (stem.endsWith(QLatin1Char('_')))
        stem.chop(1);
    return stem;
}

BoardMaker::BoardMaker(const QString& folder, const QString& file_name, int width, int height, int top)
    : folder_(folder), file_name_(file_name), pictures_folder_(QStringLiteral("imatges"))
{
    t_.directory = folder;
    t_.auto_cover = 1;  // the editor draws the cover again on every save
    t_.sound_active = -1;
    Area root;
    root.Yi = static_cast<int16_t>(top);
    root.Xf = static_cast<int16_t>(width);
    root.Yf = static_cast<int16_t>(top + height);
    add_area(t_, root);
}

BoardMaker::BoardMaker(const QString& folder, const QString& file_name, const Grid& grid, QList<int>* cells)
    : BoardMaker(folder, file_name, grid.columns * grid.cell_width, grid.rows * grid.cell_height, grid.top)
{
    QDir().mkpath(folder);
    *cells = subdivide(1, grid.rows, grid.columns);
}

QList<int> BoardMaker::subdivide(int n, int rows, int columns)
{
    const int first = t_.area_count + 1;
    t_.current_area = static_cast<int16_t>(n);
    subdivide_current_area(t_, rows, columns);
    QList<int> cells;
    for (int i = first; i <= t_.area_count; ++i)
        cells << i;
    return cells;
}

void BoardMaker::set_cell(int n, const QString& keys, const QString& spoken, const Tile& tile)
{
    Area& a = t_.area(n);
    a.keys = keys;
    a.sound_file = spoken;
    cells_.append({n, spoken, tile});
}

void BoardMaker::set_group_name(int n, const QString& spoken)
{
    t_.area(n).sound_file = spoken;
}

QString BoardMaker::picture_name(const Tile& tile, const QString& spoken)
{
    // Cells of one caption and look share a picture (also across the boards of a folder);
    // another look takes another name.
    static QHash<QString, Tile> written;
    QString stem = file_stem(spoken);
    if (stem.isEmpty())
        stem = QStringLiteral("CASELLA");
    for (int i = 1;; ++i) {
        const QString name = pictures_folder_ + QLatin1Char('/') + stem +
                             (i == 1 ? QString() : QLatin1Char('-') + QString::number(i)) + QStringLiteral(".BMP");
        const QString path = folder_ + QLatin1Char('/') + name;
        const auto it = written.constFind(path);
        if (it == written.cend()) {
            written.insert(path, tile);
            return name;
        }
        if (it->caption == tile.caption && it->background == tile.background && it->strong == tile.strong)
            return name;
    }
}

bool BoardMaker::save()
{
    QDir(folder_).mkpath(pictures_folder_);
    const Area& root = t_.area(1);
    // Captions of one kind in one group (a row of the communication board, or the whole
    // board) share one size: the largest at which all of them fit. Cells that lead
    // elsewhere share theirs across the board.
    auto kind = [&](int n, const Tile& tile) {
        return std::tuple{tile.strong ? int16_t(0) : t_.area(n).parent, tile.strong, tile.largest_pixels};
    };
    auto picture_size = [&](int n) {
        // The cover copies the picture without its last two rows and columns.
        return picture_rect(t_.area(n), root).size() + QSize(2, 2);
    };
    std::map<std::tuple<int16_t, bool, int>, int> pixels;
    for (const auto& [n, spoken, tile] : cells_) {
        const int fitting = fitting_pixels(tile, picture_size(n));
        const auto it = pixels.find(kind(n, tile));
        if (it == pixels.end() || fitting < it->second)
            pixels[kind(n, tile)] = fitting;
    }
    std::map<std::tuple<int16_t, bool, int>, int> lines;
    for (const auto& [n, spoken, tile] : cells_) {
        int& most = lines[kind(n, tile)];
        most = std::max(most, caption_height(tile, picture_size(n), pixels[kind(n, tile)]).value_or(0));
    }
    for (const auto& [n, spoken, tile] : cells_) {
        const QImage picture = render_tile(tile, picture_size(n), pixels[kind(n, tile)], lines[kind(n, tile)]);
        const QString name = picture_name(tile, spoken);
        t_.area(n).icon_file = name;
        const QString path = folder_ + QLatin1Char('/') + name;
        if (!report(write_file_atomically(path, compressed(picture)), path))
            return false;
    }
    const QString path = folder_ + QLatin1Char('/') + file_name_;
    t_.file_name = path;
    t_.cover_file = file_name_.left(file_name_.indexOf(QLatin1Char('.')) + 1) + QStringLiteral("BMP");
    t_.current_area = 0;
    if (!report(write_template(t_, path), path))
        return false;
    PictureCache pictures;
    if (!report(generate_cover(t_, pictures), t_.cover_file))
        return false;
    // The generator writes 24 bits; the same picture compressed is a tenth of the size.
    const QString cover = folder_ + QLatin1Char('/') + t_.cover_file;
    return report(write_file_atomically(cover, compressed(QImage(cover))), cover);
}

}  // namespace orvel::boards
