#pragma once
// A board may name the application it is made for (Template.app_title); its
// areas then run only while that application is the one being typed into.
#include <QString>

#include "exec/exec_context.h"

namespace orvel {

// True when app_title is empty, or when the executable of the target window's
// process (after the fall-back through earlier targets), or else of the focused
// window's process, ends with app_title, compared without regard to case. A
// Windows name ("NOTEPAD.EXE") also matches without its ".EXE".
bool application_matches(ExecContext& ctx, const QString& app_title);

// The file name of a process's executable ("xterm"); empty when unknown.
QString process_executable_name(int64_t pid);

}  // namespace orvel
