#pragma once
// Headless command-line modes. Each returns the process's exit status.
#include <QStringList>

namespace orvel::cli {

int dump(const QStringList& args);     // --dump BOARD.ORV
int resave(const QStringList& args);   // --resave IN.ORV OUT.ORV
int check(const QStringList& args);    // --check BOARD.ORV
int execute(const QStringList& args);  // --execute BOARD.ORV [N ...]

// Exit statuses shared by the headless modes.
constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kNotTyped = 3;  // --execute: keys failed or were not read by the target in time

}  // namespace orvel::cli
