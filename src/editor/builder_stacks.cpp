#include "editor/builder_stacks.h"

namespace orvel {

BuilderTarget builder_target(const QString& mode, const QString& program_name)
{
    if (mode == program_name)
        return BuilderTarget::AreaKeys;
    if (mode == kModeWhenTrue)
        return BuilderTarget::SimTrue;
    if (mode == kModeWhenFalse)
        return BuilderTarget::SimFalse;
    return BuilderTarget::ParentRowValue;
}

void BuilderStacks::reset(const QString& top_mode)
{
    depth_ = {};
    mode_ = top_mode;
    earlier_.clear();
}

void BuilderStacks::push(BuilderWindow kind, const QString& mode)
{
    // A "|" inside a mode would split it in two when it comes back.
    QString kept = mode_;
    kept.replace(QLatin1Char('|'), QLatin1Char('/'));
    earlier_ = open_windows() == 0 ? kept : earlier_ + QLatin1Char('|') + kept;
    ++depth_[size_t(kind)];
    mode_ = mode;
}

bool BuilderStacks::pop(BuilderWindow kind)
{
    if (depth_[size_t(kind)] == 0)
        return false;
    --depth_[size_t(kind)];
    const qsizetype bar = earlier_.lastIndexOf(QLatin1Char('|'));
    if (open_windows() == 0 || bar < 0) {
        mode_ = earlier_;
        earlier_ = QString();
    }
    else {
        mode_ = earlier_.mid(bar + 1);
        earlier_.truncate(bar);
    }
    return true;
}

int BuilderStacks::open_windows() const
{
    return depth_[0] + depth_[1] + depth_[2];
}

}  // namespace orvel
