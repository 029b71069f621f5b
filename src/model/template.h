#pragma once
// The one open board ("template") and its numbered areas.
// Field names are the board file's own; flags keep the -1/0 or 1/0 convention
// the file stores for them.
#include <QString>
#include <cstdint>
#include <vector>

namespace orvel {

struct Area {
    int16_t Xi = 0;
    int16_t Yi = 0;
    int16_t Xf = 0;
    int16_t Yf = 0;
    int16_t parent = 0;
    int16_t origin = 0;          // editor's join bookkeeping; never stored
    int16_t clip_type = 0;       // 0 text, 1 picture
    QString clip_file;
    QString sound_file;          // auditory symbol: a .WAV file or a text to speak
    QString keys;                // key text
    QString icon_file;           // visual symbol
    int16_t repeat_reading = 0;  // 1/0
    int16_t is_group = 0;        // -1/0

    bool operator==(const Area&) const = default;
};

inline const QString kUnnamedTemplate = QStringLiteral("(Sense Nom)");

struct Template {
    QString file_name = kUnnamedTemplate;
    QString directory;
    QString file_time;
    int16_t format_major = 2;
    int16_t format_minor = 1;
    QString cover_file;
    QString cover_time;
    int16_t area_count = 0;
    std::vector<Area> areas = std::vector<Area>(1);  // index 0 is the blank record
    int16_t current_area = 0;
    QString program;
    int16_t clip_type = 0;
    QString clip_file;
    QString initial_keys;
    QString doc_file;
    QString app_title;
    QString description;
    int16_t global_data_on_new = 1;
    int16_t sound_active = -1;   // -1/0
    int16_t auto_cover = 0;      // 1/0
    int16_t tts_language = 0;    // 0 Catalan, 1 Spanish
    int16_t tts_voice = 0;       // 0 "Home", 1 "Dona"
    int16_t tts_speed = 100;
    int16_t modified = 0;        // -1/0
    int16_t cover_outdated = 0;  // -1/0

    bool operator==(const Template&) const = default;

    Area& area(int n) { return areas.at(static_cast<size_t>(n)); }
    const Area& area(int n) const { return areas.at(static_cast<size_t>(n)); }
};

// Empties the template to its "new" state, keeping the fields a new board inherits.
void reset_template(Template& t);
// Appends a copy of the record as area area_count + 1. Refused (returns false) when
// the board already holds the 32767 areas the format allows.
bool add_area(Template& t, const Area& record);
// Removes area n, shifting later areas down; clears is_group of a group left empty.
void delete_area(Template& t, int n);

constexpr int kMaxAreas = 32767;

}  // namespace orvel
