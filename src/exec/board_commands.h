#pragma once
// The program's own performer of the commands that reach outside the board.
#include "exec/outside_commands.h"

namespace orvel {

struct ExecContext;

class BoardCommands : public OutsideCommands {
public:
    explicit BoardCommands(ExecContext& ctx) : ctx_(ctx) {}

    void read_text(const QString& text) override;
    void read_file(const QString& argument) override;
    void load_command(const QString& argument) override;
    void sound_command(const QString& argument) override;
    void paste_command(const QString& argument) override;
    void registry_command(const QString& argument) override;

private:
    ExecContext& ctx_;
};

}  // namespace orvel
