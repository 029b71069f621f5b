#pragma once
// One Orvel board as an Open Board Format board: every area but area 1 a button at its
// absolute place, with a picture (its visual symbol, or its piece of the cover), its
// caption as label, its LLEGIR text as vocalization, its first CARREGA of a board of the
// set as load_board, and everything else in "ext_orvel_" fields.
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

#include "interchange/exchange_report.h"
#include "interchange/obf_board.h"
#include "model/template.h"

namespace orvel {
class PictureCache;
}

namespace orvel::obf {

struct ExportedBoard {
    Board board;
    std::vector<std::pair<QString, QByteArray>> files;  // pictures and sounds: name in the set, bytes
};

struct ExportLinks {
    QString id;    // the board's id in the set
    QString file;  // its file name ("HOME.ORV")
    // The id of the set board a CARREGA argument names; "" when it names none.
    std::function<QString(const QString& argument)> board_id;
    // The path of a set board in the archive, by id.
    std::function<QString(const QString& id)> board_path;
};

ExportedBoard export_board(const Template& t, const ExportLinks& links, PictureCache& pictures, ExchangeReport& report);

// The arguments of the CARREGA (CARGA) commands of a key text, in order.
QStringList load_arguments(const QString& keys);

}  // namespace orvel::obf
