#pragma once
// The symbols of the shipped boards, found in Orvel's symbol library by the words a
// therapist would type into the "Símbols" picker.
#include <QString>
#include <memory>

namespace orvel {
class SymbolIndex;
}

namespace orvel::boards {

class SymbolFinder {
public:
    // The library in folder; problem() says why when it cannot be read.
    explicit SymbolFinder(const QString& folder);

    bool ready() const { return index_ != nullptr; }
    QString problem() const { return problem_; }

    // The picture (SVG file) of the best match for the words; "" (and a line on stderr)
    // when nothing matches.
    QString picture(const QString& words) const;

private:
    std::shared_ptr<const SymbolIndex> index_;
    QString problem_;
};

}  // namespace orvel::boards
