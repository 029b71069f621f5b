#pragma once
// The command language inside key texts: {|KEYWORD arguments}.
#include <QString>

#include "exec/exec_context.h"

namespace orvel {

// Performs one command, given from "{|" up to, not including, its closing brace.
void interpret_command(ExecContext& ctx, const QString& command);

// {|SIM value {true} {false}}: runs the branch that the memory register selects.
void evaluate_conditional(ExecContext& ctx, const QString& command);

// Replaces the last command embedded in s by its value ({|RM}, {|RCW}, {|TRIA [...]}
// or the keyword itself).
QString valor_f(ExecContext& ctx, const QString& s);

// TRIA's choice from "[item#item#...]" or "[low#high]"; empty when there is no "#".
QString choose_random(ExecContext& ctx, const QString& list);

// The number formed by the text's leading sign, digits and decimal point; 0 when none.
double numeric_value(const QString& text);
// True when the whole text (blanks around it aside) is a decimal number.
bool is_number(const QString& text);
// The shortest decimal form of a number: "5", "2.5", "-0.1".
QString number_text(double value);

// ESPERA counts above this wait this many times: a slip of the pen must not hold
// the board for hours.
constexpr int kMaxWaitCount = 1000;
// Embedded commands expanded in the arguments of one command: a register that
// holds {|RM} would otherwise expand for ever. Each expansion also counts as a
// command of the key text being run (kMaxCommandsPerKeyText).
constexpr int kMaxValueExpansions = 64;
// The register and a command's expanded arguments never grow beyond this many
// characters: "{|M+ {|RM}{|RM}}" doubles the register each time it runs.
constexpr qsizetype kMaxCommandText = 1 << 16;

}  // namespace orvel
