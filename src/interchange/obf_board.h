#pragma once
// An Open Board Format board as read from or written to JSON: only the fields Orvel
// uses or carries. Fields the reader does not know are dropped; "ext_orvel_" fields
// hold what Orvel needs to read its own boards back whole.
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orvel::obf {

// The only version there is; a board naming a later one is refused.
inline const QString kFormat = QStringLiteral("open-board-0.1");

// Where a button, image or sound points outside the board itself.
struct Reference {
    QString id;
    QString path;  // inside an .obz, or beside an .obf
    QString data;  // "data:" URL
    QString url;   // on the web: never fetched
    QString content_type;
};

struct Image : Reference {
    int width = 0;
    int height = 0;
};

using Sound = Reference;

struct LoadBoard {
    QString id;
    QString name;
    QString path;
    QString url;
    QString data_url;
};

// Absolute position: fractions of the board, 0 to 1.
struct Placement {
    double left = 0, top = 0, width = 0, height = 0;
};

struct Button {
    QString id;
    QString label;
    QString vocalization;
    QString image_id;
    QString sound_id;
    QString background_color;  // "rgb(r, g, b)" or "rgba(...)"
    QString border_color;
    bool hidden = false;
    QStringList actions;  // "action" and "actions" together, in order
    std::optional<LoadBoard> load_board;
    std::optional<Placement> placement;
    QJsonObject ext_orvel;  // "ext_orvel_area"
};

struct Board {
    QString format = kFormat;
    QString id;
    QString locale;
    QString name;
    QString description_html;
    std::vector<Button> buttons;
    int rows = 0;
    int columns = 0;
    std::vector<std::vector<QString>> order;  // button ids, "" for an empty cell
    std::vector<Image> images;
    std::vector<Sound> sounds;
    QJsonObject ext_orvel;  // "ext_orvel_board"

    const Button* button(const QString& button_id) const;
    const Image* image(const QString& image_id) const;
    const Sound* sound(const QString& sound_id) const;
};

// manifest.json of an .obz set.
struct Manifest {
    QString format = kFormat;
    QString root;                                     // path of the first board
    std::vector<std::pair<QString, QString>> boards;  // id, path
    std::vector<std::pair<QString, QString>> images;
    std::vector<std::pair<QString, QString>> sounds;
};

}  // namespace orvel::obf
