#pragma once
// Exporting an Orvel board and every board it reaches through CARREGA as an Open Board
// Format set (.obz): one board each under boards/, their pictures as PNG under images/,
// their sounds under sounds/, and manifest.json naming the first board as the root.
#include <QString>
#include <QStringList>

#include "interchange/exchange_report.h"

namespace orvel::obf {

struct ExportResult {
    QString error;          // nothing was written
    QStringList boards;     // the boards exported, the first one first
    ExchangeReport report;  // what only Orvel can do, and files that could not be read
};

ExportResult export_set(const QString& board_path, const QString& out_obz);

}  // namespace orvel::obf
