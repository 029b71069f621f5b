// Fuzzes the board file reader: any bytes, saved as a .ORV file, go through load_template.
// Beyond not crashing, what it reads must hold the model's invariants, and writing it
// must be stable: the bytes written read back to a board that writes the same bytes.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "model/board_check.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"

namespace {

class SilentMessages : public orvel::MessageBoxes {
public:
    void show(const QString&, const QString&, orvel::MessageIcon) override { ++shown; }
    bool ask_yes_no(const QString&, const QString&) override { return false; }
    int shown = 0;
};

const QString& board_path()
{
    static QTemporaryDir dir;
    static const QString path = dir.path() + QStringLiteral("/FUZZ.ORV");
    return path;
}

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "fuzz_orv_reader: %s\n", what);
    std::abort();
}

void check_invariants(const orvel::Template& t)
{
    if (t.area_count < 0 || t.area_count > orvel::kMaxAreas)
        broken("area_count out of range");
    if (t.areas.size() != static_cast<size_t>(t.area_count) + 1)
        broken("area table does not match area_count");
    if (!(t.areas[0] == orvel::Area{}))
        broken("record 0 is not blank");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(board_path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    SilentMessages messages;
    orvel::Template t;
    // Loading makes the board's folder the current one; libFuzzer reads its corpus by
    // relative names, so the current folder is put back.
    const QString cwd = QDir::currentPath();
    const orvel::LoadOutcome outcome = orvel::load_template(t, board_path(), messages);
    QDir::setCurrent(cwd);
    check_invariants(t);
    if (!orvel::board_was_read(outcome))
        return 0;

    // Written bytes read back to a board that writes the same bytes again.
    QByteArray first = orvel::template_bytes(t);
    QBuffer buffer(&first);
    buffer.open(QIODevice::ReadOnly);
    orvel::Template again;
    SilentMessages quiet;
    if (orvel::read_template(again, buffer, QStringLiteral("again"), quiet) != orvel::LoadOutcome::Read)
        broken("written board refused");
    check_invariants(again);
    if (quiet.shown != 0)
        broken("written board gives read errors");
    if (orvel::template_bytes(again) != first)
        broken("writing the read-back board changed its bytes");

    // The key-text walk of --check on every key text.
    for (const orvel::Area& a : t.areas)
        orvel::key_text_problems(a.keys, QString());
    return 0;
}
