// Placeholder until the board reader lands.
#include "cli.h"
#include <cstdio>
namespace orvel::cli {
int dump(const QStringList&) { std::fputs("orvel: --dump is not built yet\n", stderr); return kUsage; }
int resave(const QStringList&) { std::fputs("orvel: --resave is not built yet\n", stderr); return kUsage; }
int check(const QStringList&) { std::fputs("orvel: --check is not built yet\n", stderr); return kUsage; }
}  // namespace orvel::cli
