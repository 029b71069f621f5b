// Placeholder until the executor lands.
#include "cli.h"
#include <cstdio>
namespace orvel::cli {
int execute(const QStringList&) { std::fputs("orvel: --execute is not built yet\n", stderr); return kUsage; }
}  // namespace orvel::cli
