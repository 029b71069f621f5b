#include "interchange/obf_writer.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace orvel::obf {

namespace {

void put(QJsonObject& o, const char* name, const QString& value)
{
    if (!value.isEmpty())
        o.insert(QLatin1String(name), value);
}

QJsonObject reference_object(const Reference& r)
{
    QJsonObject o{{QStringLiteral("id"), r.id}};
    put(o, "path", r.path);
    put(o, "data", r.data);
    put(o, "url", r.url);
    put(o, "content_type", r.content_type);
    return o;
}

QJsonObject button_object(const Button& b)
{
    QJsonObject o{{QStringLiteral("id"), b.id}, {QStringLiteral("label"), b.label}};
    put(o, "vocalization", b.vocalization);
    put(o, "image_id", b.image_id);
    put(o, "sound_id", b.sound_id);
    put(o, "background_color", b.background_color);
    put(o, "border_color", b.border_color);
    if (b.hidden)
        o.insert(QStringLiteral("hidden"), true);
    if (b.actions.size() == 1)
        o.insert(QStringLiteral("action"), b.actions.front());
    else if (!b.actions.isEmpty())
        o.insert(QStringLiteral("actions"), QJsonArray::fromStringList(b.actions));
    if (b.load_board) {
        QJsonObject l;
        put(l, "id", b.load_board->id);
        put(l, "name", b.load_board->name);
        put(l, "path", b.load_board->path);
        put(l, "url", b.load_board->url);
        put(l, "data_url", b.load_board->data_url);
        o.insert(QStringLiteral("load_board"), l);
    }
    if (b.placement) {
        o.insert(QStringLiteral("left"), b.placement->left);
        o.insert(QStringLiteral("top"), b.placement->top);
        o.insert(QStringLiteral("width"), b.placement->width);
        o.insert(QStringLiteral("height"), b.placement->height);
    }
    if (!b.ext_orvel.isEmpty())
        o.insert(QStringLiteral("ext_orvel_area"), b.ext_orvel);
    return o;
}

QJsonObject path_table(const std::vector<std::pair<QString, QString>>& table)
{
    QJsonObject o;
    for (const auto& [id, path] : table)
        o.insert(id, path);
    return o;
}

}  // namespace

QByteArray board_json(const Board& board)
{
    QJsonObject o{{QStringLiteral("format"), board.format},
                  {QStringLiteral("id"), board.id},
                  {QStringLiteral("locale"), board.locale},
                  {QStringLiteral("name"), board.name}};
    put(o, "description_html", board.description_html);
    QJsonArray buttons;
    for (const Button& b : board.buttons)
        buttons.append(button_object(b));
    o.insert(QStringLiteral("buttons"), buttons);
    QJsonArray order;
    for (const auto& row : board.order) {
        QJsonArray cells;
        for (const QString& id : row)
            cells.append(id.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(id));
        order.append(cells);
    }
    o.insert(QStringLiteral("grid"), QJsonObject{{QStringLiteral("rows"), board.rows},
                                                 {QStringLiteral("columns"), board.columns},
                                                 {QStringLiteral("order"), order}});
    QJsonArray images;
    for (const Image& i : board.images) {
        QJsonObject io = reference_object(i);
        if (i.width > 0)
            io.insert(QStringLiteral("width"), i.width);
        if (i.height > 0)
            io.insert(QStringLiteral("height"), i.height);
        images.append(io);
    }
    o.insert(QStringLiteral("images"), images);
    QJsonArray sounds;
    for (const Sound& s : board.sounds)
        sounds.append(reference_object(s));
    o.insert(QStringLiteral("sounds"), sounds);
    if (!board.ext_orvel.isEmpty())
        o.insert(QStringLiteral("ext_orvel_board"), board.ext_orvel);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QByteArray manifest_json(const Manifest& m)
{
    QJsonObject paths{{QStringLiteral("boards"), path_table(m.boards)}};
    if (!m.images.empty())
        paths.insert(QStringLiteral("images"), path_table(m.images));
    if (!m.sounds.empty())
        paths.insert(QStringLiteral("sounds"), path_table(m.sounds));
    const QJsonObject o{
        {QStringLiteral("format"), m.format}, {QStringLiteral("root"), m.root}, {QStringLiteral("paths"), paths}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

}  // namespace orvel::obf
