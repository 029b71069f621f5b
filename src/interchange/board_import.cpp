#include "interchange/board_import.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "interchange/orvel_extension.h"

namespace orvel::obf {

namespace {

int16_t rounded(double v)
{
    return static_cast<int16_t>(std::lrint(v));
}

struct Cell {
    const Button* button = nullptr;
    int16_t xi = 0, yi = 0, xf = 0, yf = 0;
};

using Row = std::vector<Cell>;

// Buttons in the order a person reads the board, by rows.
std::vector<Row> grid_rows(const Board& board, const QString& where, ExchangeReport& report)
{
    std::vector<Row> rows;
    if (board.rows <= 0 || board.columns <= 0)
        return rows;
    const double w = double(kBoardWidth) / board.columns, h = double(kBoardHeight) / board.rows;
    QSet<QString> placed;
    for (int r = 0; r < board.rows; ++r) {
        Row row;
        for (int c = 0; c < board.columns; ++c) {
            const QString& id = board.order[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (id.isEmpty())
                continue;
            const Button* b = board.button(id);
            if (!b) {
                report.add(where, QCoreApplication::translate("Orvel", "la graella nomena el botó «%1», que no hi és")
                                      .arg(id.left(40)));
                continue;
            }
            if (b->hidden || placed.contains(id))
                continue;
            placed.insert(id);
            row.push_back(Cell{b, rounded(c * w), rounded(r * h), rounded((c + 1) * w), rounded((r + 1) * h)});
        }
        if (!row.empty())
            rows.push_back(std::move(row));
    }
    return rows;
}

// Buttons placed by their own fractions of the board, gathered into rows by their top
// edge; empty when some visible button has no place.
std::vector<Row> placed_rows(const Board& board)
{
    std::vector<Cell> cells;
    for (const Button& b : board.buttons) {
        if (b.hidden)
            continue;
        if (!b.placement)
            return {};
        const Placement& p = *b.placement;
        cells.push_back(Cell{&b, rounded(p.left * kBoardWidth), rounded(p.top * kBoardHeight),
                             rounded(std::min(1.0, p.left + p.width) * kBoardWidth),
                             rounded(std::min(1.0, p.top + p.height) * kBoardHeight)});
    }
    std::stable_sort(cells.begin(), cells.end(),
                     [](const Cell& a, const Cell& b) { return a.yi != b.yi ? a.yi < b.yi : a.xi < b.xi; });
    std::vector<Row> rows;
    for (const Cell& c : cells) {
        if (rows.empty() || std::abs(rows.back().front().yi - c.yi) > 2)
            rows.emplace_back();
        rows.back().push_back(c);
    }
    return rows;
}

struct Bounds {
    int16_t xi, yi, xf, yf;
};

Bounds bounds_of(const Row& row)
{
    Bounds b{row.front().xi, row.front().yi, row.front().xf, row.front().yf};
    for (const Cell& c : row) {
        b.xi = std::min(b.xi, c.xi);
        b.yi = std::min(b.yi, c.yi);
        b.xf = std::max(b.xf, c.xf);
        b.yf = std::max(b.yf, c.yf);
    }
    return b;
}

// Rows become groups only when no two rows' bands overlap: a row area must hold its
// own buttons and no other row's.
bool rows_can_be_groups(const std::vector<Row>& rows)
{
    for (size_t i = 1; i < rows.size(); ++i)
        if (bounds_of(rows[i]).yi < bounds_of(rows[i - 1]).yf)
            return false;
    return true;
}

QString key_text(const Button& b, const ImportLinks& links, bool in_row, const QString& where, ExchangeReport& report)
{
    QString typed;
    bool home = false;
    for (const QString& action : b.actions) {
        if (action.startsWith(QLatin1Char('+')))
            typed += typed_text(action.mid(1));
        else if (action == QLatin1String(":space"))
            typed += QLatin1Char(' ');
        else if (action == QLatin1String(":backspace"))
            typed += QStringLiteral("{BACKSPACE}");
        else if (action == QLatin1String(":home"))
            home = true;
        else
            report.add(where,
                       QCoreApplication::translate("Orvel", "el botó «%1»: l'acció «%2» no té equivalent a Orvel")
                           .arg(b.label, action.left(40)));
    }
    QString target;
    if (b.load_board) {
        target = links.board_file ? links.board_file(*b.load_board) : QString();
        if (target.isEmpty())
            report.add(
                where,
                QCoreApplication::translate("Orvel", "el botó «%1» enllaça amb un plafó que no és al conjunt (%2)")
                    .arg(b.label, (b.load_board->path.isEmpty() ? b.load_board->id : b.load_board->path).left(80)));
        else if (target == links.own_file)
            report.add(
                where,
                QCoreApplication::translate("Orvel", "el botó «%1» torna a carregar el mateix plafó").arg(b.label));
    } else if (home && !links.root_file.isEmpty()) {
        target = links.root_file;
    }

    QString keys;
    const QString sound = links.sound_file ? links.sound_file(b) : QString();
    // What the button says: its own sound, else its vocalization, else (a button that
    // neither types nor opens a board) its label.
    const QString said = !b.vocalization.isEmpty()               ? b.vocalization
                         : (typed.isEmpty() && target.isEmpty()) ? b.label
                                                                 : QString();
    if (!sound.isEmpty())
        keys += QStringLiteral("{|SONA %1}").arg(sound);
    else if (!spoken_text(said).trimmed().isEmpty())
        keys += QStringLiteral("{|LLEGIR %1}").arg(spoken_text(said));
    if (in_row && target.isEmpty())
        keys += QStringLiteral("{|NIVELL 0}");  // back to the rows after a choice
    keys += typed;
    if (!target.isEmpty())
        keys += QStringLiteral("{|CARREGA %1}").arg(target);
    return keys;
}

}  // namespace

QString spoken_text(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('{'), QLatin1Char('(')).replace(QLatin1Char('}'), QLatin1Char(')'));
    out.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

QString typed_text(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (QStringLiteral("+^%~(){}[]").contains(c))
            out += QLatin1Char('{') + c + QLatin1Char('}');
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("{ENTER}");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out;
}

Template convert_board(const Board& board, const ImportLinks& links, const QString& where, ExchangeReport& report)
{
    if (auto restored = restore_board(board, links, where, report))
        return *restored;

    Template t;
    t.description = board.name;
    t.tts_language = board.locale.startsWith(QLatin1String("es"), Qt::CaseInsensitive) ? 1 : 0;
    t.auto_cover = 1;
    Area root;
    root.Xf = kBoardWidth;
    root.Yf = kBoardHeight;
    root.is_group = -1;
    add_area(t, root);

    std::vector<Row> rows = placed_rows(board);
    if (rows.empty())
        rows = grid_rows(board, where, report);
    for (const Button& b : board.buttons)
        if (b.hidden && b.ext_orvel.isEmpty())
            report.add(where,
                       QCoreApplication::translate("Orvel", "el botó amagat «%1» no s'ha importat").arg(b.label));
    const bool groups = rows_can_be_groups(rows);

    for (const Row& row : rows) {
        int16_t parent = 1;
        const bool in_row = groups && row.size() >= 2;
        if (in_row) {
            const Bounds b = bounds_of(row);
            Area group;
            group.Xi = b.xi;
            group.Yi = b.yi;
            group.Xf = b.xf;
            group.Yf = b.yf;
            group.parent = 1;
            group.is_group = -1;
            // Heard when scanning reaches the row: its first words.
            QStringList words;
            for (size_t i = 0; i < row.size() && i < 3; ++i)
                if (!row[i].button->label.trimmed().isEmpty())
                    words << spoken_text(row[i].button->label.trimmed());
            group.sound_file = words.join(QStringLiteral(", "));
            if (!add_area(t, group))
                break;
            parent = t.area_count;
        }
        for (const Cell& c : row) {
            Area a;
            a.Xi = c.xi;
            a.Yi = c.yi;
            a.Xf = c.xf;
            a.Yf = c.yf;
            a.parent = parent;
            a.keys = key_text(*c.button, links, in_row, where, report);
            a.sound_file = spoken_text(c.button->label.trimmed());
            if (links.picture_file)
                a.icon_file = links.picture_file(*c.button, QSize(c.xf - c.xi, c.yf - c.yi), true);
            if (!add_area(t, a))
                break;
        }
    }
    t.modified = 0;
    return t;
}

}  // namespace orvel::obf
