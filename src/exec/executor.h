#pragma once
// The action executor: typing key texts into the target window, running the
// commands written inside them, starting the board's programs and keeping track
// of which window receives the keys.
#include <QString>

#include "exec/exec_context.h"
#include "platform/window_system.h"

namespace orvel {

// Key texts that run key texts (the register holding {|RM}, a clipboard holding
// {|RCW}, SIM branches and TRIA items) stop here: what lies deeper is dropped.
constexpr int kMaxKeyTextDepth = 16;
// Commands one outermost key text may run, counting those of the texts it runs
// and the values expanded in their arguments.
constexpr int kMaxCommandsPerKeyText = 1024;

// Shown in a message box when the target window can no longer be activated;
// apart from the key sender's own codes (platform/keys/key_notation.h).
constexpr int kActivationFailedCode = 20;

// Runs a key text: each run of keys is typed into the target window, each
// {|command} is interpreted, in the order they stand. The text is consumed up to
// its last command: on return it holds only what follows that command (and all
// that was not executed when execution stopped).
void execute_key_text(ExecContext& ctx, QString& text);

// Executes area i of the board as the run-mode tick does (without its beep).
void execute_area(ExecContext& ctx, int area);

// The target window's title, falling back through the stack of earlier targets
// when it has none; "|" when no target is left.
QString win_actiu_titol(ExecContext& ctx);

// Starts the program (resolved through the catalogue) and returns its new
// top-level window, or -1. A program that could not be started at all also
// gives -1, with the reason in *error when asked.
WindowId launch_program(ExecContext& ctx, const QString& program_text, QString* error = nullptr);

// The program text with a catalogued ".EXE" replaced by the catalogue's path.
QString resolve_program(const QString& program_text, const QString& program_lookup);

// What a key text would type, without key names, commands and modified keys.
QString printable_text(const QString& key_text);

// The board's start-up: clipboard file, programs, target placement, the
// half-second wait and the initial keys.
void run_startup_actions(ExecContext& ctx);

// EXECUTA: starts a program and makes its window the target.
void run_command(ExecContext& ctx, const QString& argument);

// Makes the window the target and puts it in front of the stack of targets.
void push_target(OrvelState& state, WindowId window);

}  // namespace orvel
