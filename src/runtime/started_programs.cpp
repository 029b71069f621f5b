#include "runtime/started_programs.h"

#include <QSet>

#include "exec/executor.h"
#include "platform/window_system.h"

namespace orvel {

int close_started_programs(ExecContext& ctx)
{
    WindowSystem* windows = ctx.services.windows;
    int asked = 0;
    // The stack holds the current target too, and a window asked to close may
    // keep its title for a moment: each one is asked once.
    QSet<WindowId> asked_already;
    // win_actiu_titol moves down the stack past windows without a title and
    // answers "|" when no target is left; each pass drops the current target.
    for (QString title = win_actiu_titol(ctx); title != QLatin1String("|"); title = win_actiu_titol(ctx)) {
        const WindowId window = ctx.state.target_window;
        if (windows && window != 0 && !asked_already.contains(window) && !title.contains(QLatin1String("ORVEL"))) {
            asked_already.insert(window);
            windows->close(window);
            ++asked;
        }
        ctx.state.target_window = 0;
    }
    ctx.state.target_window = 0;
    ctx.state.target_stack.clear();
    return asked;
}

}  // namespace orvel
