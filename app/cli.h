#pragma once
// Headless command-line modes. Each returns the process's exit status.
#include <QStringList>
#include <memory>

class QGuiApplication;

namespace orvel::cli {

int dump(const QStringList& args);     // --dump BOARD.ORV
int resave(const QStringList& args);   // --resave IN.ORV OUT.ORV
int check(const QStringList& args);    // --check BOARD.ORV
int execute(const QStringList& args);  // --execute BOARD.ORV [N ...]
int cover(const QStringList& args);    // --cover BOARD.ORV OUT.BMP
int import_obf(const QStringList& args);  // --import SET.obz|BOARD.obf OUT_FOLDER
int export_obf(const QStringList& args);  // --export BOARD.ORV OUT.obz
int scan_cost(const QStringList& args);  // --scan-cost BOARD.ORV PROFILE.USR

// The application object of a headless mode that needs Qt's GUI part (fonts, pictures,
// the clipboard), on the given platform plugin ("offscreen", "xcb").
std::unique_ptr<QGuiApplication> gui_application(const char* platform);

// Exit statuses shared by the headless modes.
constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kNotTyped = 3;  // --execute: keys failed or were not read by the target in time

}  // namespace orvel::cli
