#pragma once
// {|MOUSE operations}: moving the pointer and pressing its buttons from a board.
#include <QPoint>
#include <QString>

#include "exec/exec_context.h"

namespace orvel {

// Performs the operations of one MOUSE command in order ("R 10 CD", "M 100 50 2CD").
void mouse_command(ExecContext& ctx, const QString& operations);

// The input of one operation ("M", "CD", "CE", "2CD", "2CE", "PD", "PE", "AD", "AE")
// at screen pixel p. Other operations generate nothing.
void mouse_action(ExecContext& ctx, QPoint p, const QString& operation);

}  // namespace orvel
