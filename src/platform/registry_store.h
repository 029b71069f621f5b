#pragma once
// A key-value store with the registry's roots, keys, named values and value types.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace orvel {

enum class RegistryType { String, Binary, Dword };

struct RegistryValue {
    RegistryType type = RegistryType::String;
    QByteArray data;  // String: UTF-8 text; Binary: the bytes; Dword: four bytes, little-endian
};

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // Root names as the board writes them ("HKEY_CURRENT_USER" ...); keys use "\" between levels.
    // Names of roots, keys and values compare without regard to letter case.
    virtual bool key_exists(const QString& root, const QString& key) = 0;
    virtual bool create_key(const QString& root, const QString& key) = 0;
    // name empty = the key's default value. Each write is one committed transaction.
    virtual bool set_value(const QString& root, const QString& key, const QString& name, const RegistryValue& value) = 0;
    virtual std::optional<RegistryValue> value(const QString& root, const QString& key, const QString& name) = 0;
    // Direct subkeys in creation order; nullopt when the key does not exist.
    virtual std::optional<QStringList> subkeys(const QString& root, const QString& key) = 0;
    // Why the last create_key or set_value failed when the store itself could not write
    // (held by another process, read-only, disk full); empty after a success, or when the
    // request could not be met (an unknown root, a missing key).
    virtual QString last_write_problem() const { return QString(); }
};

}  // namespace orvel
