#include "interchange/board_export.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "editor/cover_layout.h"
#include "editor/picture_cache.h"
#include "exec/executor.h"
#include "interchange/orvel_extension.h"
#include "interchange/picture_conversion.h"
#include "model/file_names.h"

namespace orvel::obf {

namespace {

// Commands of a key text, word (in capitals) and argument.
std::vector<std::pair<QString, QString>> commands_of(const QString& keys)
{
    static const QRegularExpression command(QStringLiteral("\\{\\|\\s*(\\S+)\\s*([^{}]*)\\}"));
    std::vector<std::pair<QString, QString>> result;
    for (auto it = command.globalMatch(keys); it.hasNext();) {
        const auto m = it.next();
        result.emplace_back(m.captured(1).toUpper(), m.captured(2).trimmed());
    }
    return result;
}

QString first_reading(const QString& keys)
{
    for (const auto& [word, argument] : commands_of(keys))
        if (word == QLatin1String("LLEGIR") || word == QLatin1String("LEER"))
            return argument;
    return QString();
}

bool names_sound_file(const QString& sound_file)
{
    return sound_file.contains(QLatin1String(".WAV"), Qt::CaseInsensitive) ||
           sound_file.contains(QLatin1String(".MID"), Qt::CaseInsensitive);
}

// What a button shows as its label: the area's caption on the cover, else what it says.
QString label_of(const Area& a, int n)
{
    const QString caption = cover_content(a).caption.trimmed();
    if (!caption.isEmpty())
        return caption;
    const QString reading = first_reading(a.keys);
    if (!reading.isEmpty())
        return reading;
    if (!a.sound_file.trimmed().isEmpty() && !names_sound_file(a.sound_file))
        return a.sound_file.trimmed();
    if (!a.icon_file.isEmpty())
        return QFileInfo(file_name_part(a.icon_file)).completeBaseName();
    return QString::number(n);
}

std::optional<QByteArray> small_file(const QString& path)
{
    QFile file(path);
    if (!existing_file(path) || file.size() > 16 * 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Visible buttons in reading order, gathered into rows by their top edge.
void lay_out_grid(Board& board, const Template& t)
{
    std::vector<std::pair<const Area*, QString>> visible;
    for (size_t i = 0; i < board.buttons.size(); ++i)
        if (!board.buttons[i].hidden)
            visible.emplace_back(&t.area(board.buttons[i].ext_orvel.value(QStringLiteral("number")).toInt()),
                                 board.buttons[i].id);
    std::stable_sort(visible.begin(), visible.end(), [](const auto& a, const auto& b) {
        return a.first->Yi != b.first->Yi ? a.first->Yi < b.first->Yi : a.first->Xi < b.first->Xi;
    });
    std::vector<std::vector<QString>> rows;
    int row_top = 0;
    for (const auto& [area, id] : visible) {
        if (rows.empty() || std::abs(area->Yi - row_top) > 2) {
            rows.emplace_back();
            row_top = area->Yi;
        }
        rows.back().push_back(id);
    }
    size_t columns = 1;
    for (const auto& row : rows)
        columns = std::max(columns, row.size());
    if (rows.empty())
        rows.emplace_back();
    for (auto& row : rows)
        row.resize(columns);
    board.rows = static_cast<int>(rows.size());
    board.columns = static_cast<int>(columns);
    board.order = std::move(rows);
}

}  // namespace

QStringList load_arguments(const QString& keys)
{
    QStringList result;
    for (const auto& [word, argument] : commands_of(keys))
        if ((word == QLatin1String("CARREGA") || word == QLatin1String("CARGA")) && !argument.isEmpty())
            result << argument;
    return result;
}

ExportedBoard export_board(const Template& t, const ExportLinks& links, PictureCache& pictures, ExchangeReport& report)
{
    ExportedBoard out;
    Board& board = out.board;
    board.id = links.id;
    board.name = QFileInfo(links.file).completeBaseName();
    board.locale = t.tts_language == 1 ? QStringLiteral("es") : QStringLiteral("ca");
    board.description_html = t.description.toHtmlEscaped();
    board.ext_orvel = board_extension(t, links.file);
    if (t.area_count < 1)
        return out;

    const Area& root = t.area(1);
    const double width = std::max(1, root.Xf - root.Xi), height = std::max(1, root.Yf - root.Yi);
    const QSize root_size(root.Xf - root.Xi, root.Yf - root.Yi);
    // Areas without a picture of their own show their piece of the cover: the board's
    // cover file, or the cover drawn from the areas when it has none.
    QImage cover;
    const QString cover_path = resolve_stored_name(t.cover_file, t.directory);
    if (!t.cover_file.isEmpty() && existing_file(cover_path))
        cover = pictures.picture(cover_path);
    if (cover.isNull())
        cover = render_cover(t, pictures);
    const QString stem = links.id;

    for (int n = 2; n <= t.area_count; ++n) {
        const Area& a = t.area(n);
        const QString where = links.file + QStringLiteral(" àrea ") + QString::number(n);
        Button b;
        b.id = QString::number(n);
        b.label = label_of(a, n);
        b.vocalization = first_reading(a.keys);
        b.hidden = a.is_group != 0;  // a group is a region of the board, not a button
        b.placement = Placement{(a.Xi - root.Xi) / width, (a.Yi - root.Yi) / height, (a.Xf - a.Xi) / width,
                                (a.Yf - a.Yi) / height};
        b.ext_orvel = area_extension(t, n);
        const QString typed = printable_text(a.keys);
        if (!typed.trimmed().isEmpty())
            b.actions << QLatin1Char('+') + typed;
        for (const QString& argument : load_arguments(a.keys)) {
            const QString id = links.board_id ? links.board_id(argument) : QString();
            if (!id.isEmpty()) {
                b.load_board = LoadBoard{id, QString(), links.board_path(id), QString(), QString()};
                break;
            }
        }
        for (const auto& [word, argument] : commands_of(a.keys))
            if (word != QLatin1String("LLEGIR") && word != QLatin1String("LEER") && word != QLatin1String("CARREGA") &&
                word != QLatin1String("CARGA") && word != QLatin1String("NIVELL") && word != QLatin1String("NIVEL"))
                report.add(where, QCoreApplication::translate("Orvel", "l'ordre «%1» només la fa Orvel").arg(word));

        if (!b.hidden) {
            QImage picture;
            if (is_picture_symbol(a.icon_file))
                picture = pictures.picture(resolve_stored_name(a.icon_file, t.directory));
            if (picture.isNull())
                picture =
                    cut_from_cover(cover, root_size, QRect(a.Xi - root.Xi, a.Yi - root.Yi, a.Xf - a.Xi, a.Yf - a.Yi));
            if (!picture.isNull()) {
                Image image;
                image.id = b.id;
                image.path = QStringLiteral("images/%1-%2.png").arg(stem).arg(n);
                image.content_type = QStringLiteral("image/png");
                image.width = picture.width();
                image.height = picture.height();
                out.files.emplace_back(image.path, png_bytes(picture));
                board.images.push_back(image);
                b.image_id = image.id;
            }
        }
        if (names_sound_file(a.sound_file)) {
            const QString path = resolve_stored_name(a.sound_file, t.directory);
            if (const auto bytes = small_file(path)) {
                const bool midi = a.sound_file.contains(QLatin1String(".MID"), Qt::CaseInsensitive);
                Sound sound;
                sound.id = b.id;
                sound.path = QStringLiteral("sounds/%1-%2.%3").arg(stem).arg(n).arg(midi ? "mid" : "wav");
                sound.content_type = midi ? QStringLiteral("audio/midi") : QStringLiteral("audio/wav");
                out.files.emplace_back(sound.path, *bytes);
                board.sounds.push_back(sound);
                b.sound_id = sound.id;
            } else {
                report.add(where,
                           QCoreApplication::translate("Orvel", "el so «%1» no es pot llegir").arg(a.sound_file));
            }
        }
        board.buttons.push_back(std::move(b));
    }
    lay_out_grid(board, t);
    return out;
}

}  // namespace orvel::obf
