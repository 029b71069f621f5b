#pragma once
// What the open command builder windows edit: a stack of open windows per
// kind, and the mode (what the newest row editor edits) with the modes it
// replaced, kept as one text joined with "|".
#include <QString>
#include <array>

namespace orvel {

enum class BuilderWindow { Fill, Dades, Sim };

// The modes a row editor is opened in, and where its result goes.
inline const QString kModeParameter = QStringLiteral("Parametre");
inline const QString kModeWhenTrue = QStringLiteral("Si memoria es cert");
inline const QString kModeWhenFalse = QStringLiteral("Si memoria es fals");

enum class BuilderTarget { AreaKeys, ParentRowValue, SimTrue, SimFalse };
// The program's name (the top level) delivers to the area; "Parametre", "Escriu",
// " Llegir un text" and any other mode to the row that opened the editor.
BuilderTarget builder_target(const QString& mode, const QString& program_name);

class BuilderStacks {
public:
    // The top-level builder opens: every stack empty, the mode the program's name.
    void reset(const QString& top_mode);
    // A window opens over the current one: the mode it replaces is kept.
    void push(BuilderWindow kind, const QString& mode);
    // The newest window of that kind closes: the mode it replaced comes back.
    // False (and nothing changes) when none of that kind is open.
    bool pop(BuilderWindow kind);

    int depth(BuilderWindow kind) const { return depth_[size_t(kind)]; }
    QString mode() const { return mode_; }
    QString earlier_modes() const { return earlier_; }
    int open_windows() const;  // nested over the top-level row editor

private:
    std::array<int, 3> depth_{};
    QString mode_;
    QString earlier_;  // oldest first, "|"-joined
};

}  // namespace orvel
