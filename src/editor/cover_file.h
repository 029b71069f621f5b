#pragma once
// Writing a board's cover (generate_cover) and choosing where "&Nova" writes it.
#include <QString>

#include "model/template.h"
#include "model/template_file.h"

namespace orvel {

class PictureCache;

// The cover name a generated bitmap is written under: the name itself when it ends in
// ".BMP" (any case), else the name with its last four characters replaced by ".BMP"
// ("CARA.GIF" gives "CARA.BMP").
QString bitmap_cover_name(const QString& cover_file);

// generate_cover: draws every area on a fresh cover and writes it as a 24-bit BMP
// named cover_file, relative names under `directory`, through a temporary file renamed
// over the old one. A name that is not a bitmap's is renamed as above, to a free
// "STEM-N.BMP" when another file has that name. On success cover_file holds the name
// written, cover_time the file's time and cover_outdated 0. Nothing is written for a board without
// a cover name or without a drawable area 1.
WriteResult generate_cover(Template& t, PictureCache& pictures);

// Where "&Nova" writes the cover, decided before anything is written.
struct NewCoverTarget {
    QString path;              // the file on disk
    bool ask_for_name = false; // the file was changed since it was generated: do not overwrite it
};
// The board's cover file under `directory`, or, without one, the board's folder and
// its name up to the first "." followed by "BMP". A file that exists with a time other
// than cover_time was edited outside: the user is asked for another name.
NewCoverTarget new_cover_target(const Template& t);

// The cover name kept after "&Nova" with the target above: the name chosen in the save
// dialog (its file part, written in `directory`) when one was asked for, otherwise
// cover_file or, when empty, the target relative to `directory`.
QString new_cover_name(const Template& t, const NewCoverTarget& target, const QString& chosen);

}  // namespace orvel
