#pragma once
// What an import or export could not carry over, one line each ("BOARD: WHAT"), for
// the person to read: printed by the command line, shown by the dialog and, for an
// import, written into the output folder.
#include <QString>
#include <QStringList>

namespace orvel::obf {

// The file an import writes its report to, in the output folder.
inline const QString kImportReportName = QStringLiteral("INFORME-IMPORTACIO.TXT");

class ExchangeReport {
public:
    void add(const QString& where, const QString& what) { lines_ << where + QStringLiteral(": ") + what; }
    const QStringList& lines() const { return lines_; }
    bool empty() const { return lines_.isEmpty(); }
    // The report as UTF-8 text, one line each, ended by a line feed.
    QByteArray text() const;

private:
    QStringList lines_;
};

}  // namespace orvel::obf
