#include "interchange/obf_reader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <algorithm>

namespace orvel::obf {

namespace {

// Ids are strings in the format, but numbers are common in files made by hand.
QString text_of(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return QString();
}

QString string_field(const QJsonObject& o, const char* name)
{
    return text_of(o.value(QLatin1String(name)));
}

void read_reference(const QJsonObject& o, Reference& r)
{
    r.id = string_field(o, "id");
    r.path = string_field(o, "path");
    r.data = string_field(o, "data");
    r.url = string_field(o, "url");
    r.content_type = string_field(o, "content_type");
}

std::optional<double> fraction(const QJsonObject& o, const char* name)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    // A little beyond the board is rounding; more is not a fraction of the board.
    if (!(d >= -0.01 && d <= 1.01))
        return std::nullopt;
    return std::clamp(d, 0.0, 1.0);
}

std::optional<Placement> placement_of(const QJsonObject& o)
{
    const auto left = fraction(o, "left"), top = fraction(o, "top");
    const auto width = fraction(o, "width"), height = fraction(o, "height");
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return Placement{*left, *top, *width, *height};
}

Button button_of(const QJsonObject& o)
{
    Button b;
    b.id = string_field(o, "id");
    b.label = string_field(o, "label");
    b.vocalization = string_field(o, "vocalization");
    b.image_id = string_field(o, "image_id");
    b.sound_id = string_field(o, "sound_id");
    b.background_color = string_field(o, "background_color");
    b.border_color = string_field(o, "border_color");
    b.hidden = o.value(QLatin1String("hidden")).toBool(false);
    const QString action = string_field(o, "action");
    if (!action.isEmpty())
        b.actions << action;
    for (const QJsonValue& v : o.value(QLatin1String("actions")).toArray())
        if (v.isString() && !v.toString().isEmpty() && !(v.toString() == action && b.actions.size() == 1))
            b.actions << v.toString();
    const QJsonValue load = o.value(QLatin1String("load_board"));
    if (load.isObject()) {
        const QJsonObject l = load.toObject();
        b.load_board = LoadBoard{string_field(l, "id"), string_field(l, "name"), string_field(l, "path"),
                                 string_field(l, "url"), string_field(l, "data_url")};
    }
    b.placement = placement_of(o);
    b.ext_orvel = o.value(QLatin1String("ext_orvel_area")).toObject();
    return b;
}

std::variant<QJsonObject, ReadError> parse_object(const QByteArray& json)
{
    if (json.size() > kMaxBoardBytes)
        return ReadError{QCoreApplication::translate("Orvel", "el fitxer és massa gran")};
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return ReadError{QCoreApplication::translate("Orvel", "el JSON no és vàlid (%1, posició %2)")
                             .arg(error.errorString())
                             .arg(error.offset)};
    if (!doc.isObject())
        return ReadError{QCoreApplication::translate("Orvel", "el JSON no és un objecte")};
    return doc.object();
}

std::vector<std::pair<QString, QString>> path_table(const QJsonObject& o)
{
    std::vector<std::pair<QString, QString>> table;
    for (auto it = o.begin(); it != o.end(); ++it)
        if (it.value().isString())
            table.emplace_back(it.key(), it.value().toString());
    return table;
}

}  // namespace

bool known_format(const QString& format)
{
    static const QRegularExpression pattern(QStringLiteral("^open-board-0\\.([01])$"));
    return format.isEmpty() || pattern.match(format).hasMatch();
}

const Button* Board::button(const QString& button_id) const
{
    for (const Button& b : buttons)
        if (b.id == button_id)
            return &b;
    return nullptr;
}

const Image* Board::image(const QString& image_id) const
{
    for (const Image& i : images)
        if (i.id == image_id)
            return &i;
    return nullptr;
}

const Sound* Board::sound(const QString& sound_id) const
{
    for (const Sound& s : sounds)
        if (s.id == sound_id)
            return &s;
    return nullptr;
}

std::variant<Board, ReadError> read_board(const QByteArray& json)
{
    auto parsed = parse_object(json);
    if (auto* error = std::get_if<ReadError>(&parsed))
        return *error;
    const QJsonObject o = std::get<QJsonObject>(parsed);
    Board board;
    board.format = string_field(o, "format");
    if (!known_format(board.format))
        return ReadError{QCoreApplication::translate("Orvel", "format desconegut «%1»").arg(board.format.left(40))};
    board.id = string_field(o, "id");
    board.locale = string_field(o, "locale");
    board.name = string_field(o, "name");
    board.description_html = string_field(o, "description_html");
    board.ext_orvel = o.value(QLatin1String("ext_orvel_board")).toObject();

    const QJsonArray buttons = o.value(QLatin1String("buttons")).toArray();
    if (buttons.size() > kMaxButtons)
        return ReadError{QCoreApplication::translate("Orvel", "té més de %1 botons").arg(kMaxButtons)};
    for (const QJsonValue& v : buttons)
        if (v.isObject())
            board.buttons.push_back(button_of(v.toObject()));

    const QJsonObject grid = o.value(QLatin1String("grid")).toObject();
    const int rows = grid.value(QLatin1String("rows")).toInt(0);
    const int columns = grid.value(QLatin1String("columns")).toInt(0);
    if (rows < 0 || columns < 0 || rows > kMaxGridSide || columns > kMaxGridSide)
        return ReadError{
            QCoreApplication::translate("Orvel", "la graella de %1 × %2 no és vàlida").arg(rows).arg(columns)};
    board.rows = rows;
    board.columns = columns;
    const QJsonArray order = grid.value(QLatin1String("order")).toArray();
    for (int r = 0; r < rows; ++r) {
        std::vector<QString> row(static_cast<size_t>(columns));
        const QJsonArray cells = order.at(r).toArray();
        for (int c = 0; c < columns && c < cells.size(); ++c)
            row[static_cast<size_t>(c)] = text_of(cells.at(c));
        board.order.push_back(std::move(row));
    }

    for (const QJsonValue& v : o.value(QLatin1String("images")).toArray()) {
        if (!v.isObject())
            continue;
        const QJsonObject io = v.toObject();
        Image image;
        read_reference(io, image);
        image.width = io.value(QLatin1String("width")).toInt(0);
        image.height = io.value(QLatin1String("height")).toInt(0);
        board.images.push_back(image);
    }
    for (const QJsonValue& v : o.value(QLatin1String("sounds")).toArray()) {
        if (!v.isObject())
            continue;
        Sound sound;
        read_reference(v.toObject(), sound);
        board.sounds.push_back(sound);
    }
    return board;
}

std::variant<Manifest, ReadError> read_manifest(const QByteArray& json)
{
    auto parsed = parse_object(json);
    if (auto* error = std::get_if<ReadError>(&parsed))
        return *error;
    const QJsonObject o = std::get<QJsonObject>(parsed);
    Manifest m;
    m.format = string_field(o, "format");
    if (!known_format(m.format))
        return ReadError{QCoreApplication::translate("Orvel", "format desconegut «%1»").arg(m.format.left(40))};
    m.root = string_field(o, "root");
    const QJsonObject paths = o.value(QLatin1String("paths")).toObject();
    m.boards = path_table(paths.value(QLatin1String("boards")).toObject());
    m.images = path_table(paths.value(QLatin1String("images")).toObject());
    m.sounds = path_table(paths.value(QLatin1String("sounds")).toObject());
    return m;
}

}  // namespace orvel::obf
