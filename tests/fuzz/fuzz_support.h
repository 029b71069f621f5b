// Helpers shared by the fuzz targets.
#pragma once

#include <QDir>
#include <QString>

#include <unistd.h>

#include <cstdlib>

namespace orvel::fuzz {

// A file in the temporary folder named orvel-fuzz-NAME-PID plus SUFFIX, so
// fuzzers running side by side do not share it.
inline QString scratch_file(const QString& name, const QString& suffix)
{
    return QDir::tempPath() + QStringLiteral("/orvel-fuzz-") + name + QLatin1Char('-') + QString::number(::getpid()) +
           suffix;
}

// Stops the run (a finding for the fuzzer) when a condition does not hold.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace orvel::fuzz
