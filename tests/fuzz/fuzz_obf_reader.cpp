// Fuzzes the Open Board Format reader: any bytes as a board and as a manifest. A board
// that is read is converted too, and the board it gives must hold the model's
// invariants: for a board made elsewhere area 1 is the whole board, every other area
// lies inside it and has a group before it as parent; for one Orvel exported, every
// parent names an area of the board.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "interchange/board_import.h"
#include "interchange/obf_reader.h"
#include "interchange/orvel_extension.h"

namespace {

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "fuzz_obf_reader: %s\n", what);
    std::abort();
}

void check_invariants(const orvel::Template& t, bool restored)
{
    using namespace orvel;
    if (t.area_count < 1 || static_cast<int>(t.areas.size()) != t.area_count + 1)
        broken("no area 1, or a table that disagrees with its count");
    if (restored) {
        for (int n = 2; n <= t.area_count; ++n)
            if (t.area(n).parent < 0 || t.area(n).parent > t.area_count)
                broken("a parent that names no area");
        return;
    }
    const Area& root = t.area(1);
    if (root.Xi != 0 || root.Yi != 0 || root.Xf != obf::kBoardWidth || root.Yf != obf::kBoardHeight)
        broken("area 1 is not the whole board");
    for (int n = 2; n <= t.area_count; ++n) {
        const Area& a = t.area(n);
        if (a.Xi < root.Xi || a.Yi < root.Yi || a.Xf > root.Xf || a.Yf > root.Yf || a.Xi > a.Xf || a.Yi > a.Yf)
            broken("an area outside area 1");
        if (a.parent < 1 || a.parent >= n || t.area(a.parent).is_group == 0)
            broken("a parent that is no group before the area");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)orvel::obf::read_manifest(bytes);
    auto board = orvel::obf::read_board(bytes);
    if (const auto* b = std::get_if<orvel::obf::Board>(&board)) {
        orvel::obf::ImportLinks links;
        links.board_file = [](const orvel::obf::LoadBoard& l) { return l.id.isEmpty() ? QString() : l.id + ".ORV"; };
        orvel::obf::ExchangeReport report;
        const bool restored = orvel::obf::restore_board(*b, links, QStringLiteral("fuzz"), report).has_value();
        check_invariants(orvel::obf::convert_board(*b, links, QStringLiteral("fuzz"), report), restored);
    }
    return 0;
}
