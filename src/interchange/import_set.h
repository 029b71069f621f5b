#pragma once
// Importing an Open Board Format set (.obz) or board (.obf) into a folder of Orvel
// boards: every board of the set that can be read becomes BOARD.ORV with its cover
// BOARD.BMP, its pictures under IMATGES/ and its sounds under SONS/. Nothing is written
// outside the folder; a board that cannot be read is reported and the others go on.
#include <QString>
#include <QStringList>

#include "interchange/exchange_report.h"

namespace orvel::obf {

struct ImportResult {
    QString error;          // the set could not be read at all (nothing written)
    QStringList boards;     // full paths of the boards written, the set's first one first
    ExchangeReport report;  // what could not be carried over
    QString report_file;    // full path of the report written in the folder
};

ImportResult import_set(const QString& source, const QString& out_folder);

}  // namespace orvel::obf
