#pragma once
// The registry store kept in an SQLite database in the user's data folder.
//
// One table of keys (a tree under the four roots, children in creation order)
// and one table of values. The database runs in WAL mode with synchronous=NORMAL:
// every write is one committed transaction, so a crash of the program keeps
// either the whole value or none of it. A database that cannot be read is moved
// aside (never deleted), the user is told once, and the store starts empty. A database
// that can be read but not written is opened for reading only. A write waits
// at most a quarter of a second for another process that holds the database.
#include <QString>
#include <string>
#include <unordered_map>

#include "platform/registry_store.h"

struct sqlite3;
struct sqlite3_stmt;

namespace orvel {

class MessageBoxes;

class SqliteRegistryStore : public RegistryStore {
public:
    // Opens (or creates) the database file; messages may be null.
    SqliteRegistryStore(const QString& database_file, MessageBoxes* messages);
    ~SqliteRegistryStore() override;
    SqliteRegistryStore(const SqliteRegistryStore&) = delete;
    SqliteRegistryStore& operator=(const SqliteRegistryStore&) = delete;

    // The database file of the user's data folder.
    static QString default_file(const QString& data_folder);

    bool key_exists(const QString& root, const QString& key) override;
    bool create_key(const QString& root, const QString& key) override;
    bool set_value(const QString& root, const QString& key, const QString& name, const RegistryValue& value) override;
    std::optional<RegistryValue> value(const QString& root, const QString& key, const QString& name) override;
    std::optional<QStringList> subkeys(const QString& root, const QString& key) override;
    QString last_write_problem() const override { return last_write_problem_; }

    // Where a database that could not be read was moved; empty when none was.
    QString set_aside_file() const { return set_aside_; }
    // False when not even an empty database could be made (the store then refuses every write).
    bool is_open() const { return db_ != nullptr; }

private:
    // Opens the database and its tables. On failure, *problem says why and
    // *unreadable tells a damaged file from one that cannot be reached.
    bool open_file(const QString& file, QString* problem, bool* unreadable);
    // Opens an existing database for reading only; false when it cannot be read.
    bool open_read_only(const QString& file);
    // SQLITE_OK, or the code of the step that failed.
    int prepare_schema();
    void close();
    void set_aside_unreadable(const QString& file);
    std::optional<qint64> find_key(const QString& root, const QString& key);
    std::optional<qint64> make_key(const QString& root, const QString& key);
    // The statement for this SQL, prepared once per open database; null on failure.
    sqlite3_stmt* statement(const char* sql);

    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> statements_;
    QString set_aside_;
    QString last_write_problem_;
};

}  // namespace orvel
