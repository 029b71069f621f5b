#include "interchange/exchange_report.h"

namespace orvel::obf {

QByteArray ExchangeReport::text() const
{
    QByteArray out;
    for (const QString& line : lines_)
        out += line.toUtf8() + '\n';
    return out;
}

}  // namespace orvel::obf
