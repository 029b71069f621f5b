// The REG command and the registry's value texts on arbitrary input: never a
// crash, and a value that is accepted reads back as what was written.
#include <cstdint>

#include <QString>

#include "exec/exec_context.h"
#include "exec/registry.h"
#include "fuzz_support.h"
#include "platform/message_boxes.h"
#include "platform/sqlite_registry_store.h"

namespace {

class SilentMessages : public orvel::MessageBoxes {
public:
    void show(const QString&, const QString&, orvel::MessageIcon) override {}
    bool ask_yes_no(const QString&, const QString&) override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using orvel::fuzz::check;
    if (size > 4096)
        return 0;
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString root = QStringLiteral("HKEY_CURRENT_USER");
    const QString key = QStringLiteral("Software\\X");

    SilentMessages messages;
    orvel::SqliteRegistryStore store(QStringLiteral(":memory:"), &messages);
    check(store.create_key(root, key));

    // A named value: accepted exactly when it is a string or a well-formed typed value.
    if (orvel::reg_write(&store, root, key, QStringLiteral("F"), input)) {
        const QString read = orvel::reg_read(&store, root, key, QStringLiteral("F"));
        if (!input.contains(QLatin1Char(':'))) {
            check(read == input + QChar(0));
        }
        else {
            // The read form, written again, stores the same bytes.
            const std::optional<orvel::RegistryValue> first = store.value(root, key, QStringLiteral("F"));
            check(first.has_value());
            check(orvel::reg_write(&store, root, key, QStringLiteral("G"), read));
            const std::optional<orvel::RegistryValue> again = store.value(root, key, QStringLiteral("G"));
            check(again.has_value() && again->type == first->type && again->data == first->data);
        }
    }
    else {
        check(input.contains(QLatin1Char(':')));
        check(orvel::reg_read(&store, root, key, QStringLiteral("F")).isEmpty());
    }

    // The whole command, parsed from the input.
    orvel::OrvelState state;
    orvel::Services services;
    services.messages = &messages;
    services.registry = &store;
    orvel::RunModeHooks hooks;
    orvel::ExecContext ctx{state, services, hooks};
    orvel::registry_command(ctx, input);
    orvel::reg_subkeys(&store, root, QString());
    return 0;
}
