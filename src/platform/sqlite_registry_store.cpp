#include "platform/sqlite_registry_store.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "platform/message_boxes.h"

namespace orvel {

namespace {

// How long a write waits for another process that holds the database.
constexpr int kBusyWaitMs = 250;

const char* const kRoots[] = {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_CONFIG"};

// Names of roots, keys and values compare in capitals, as the boards expect.
QString folded(const QString& name) { return name.toUpper(); }

QStringList key_levels(const QString& key) { return key.split(QLatin1Char('\\'), Qt::SkipEmptyParts); }

bool is_known_root(const QString& root)
{
    for (const char* known : kRoots)
        if (folded(root) == QLatin1String(known))
            return true;
    return false;
}

// A use of a prepared statement of the store: reset and cleared when done.
class Query {
public:
    explicit Query(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~Query() { reset(); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    Query& bind(int i, qint64 v) { sqlite3_bind_int64(stmt_, i, v); return *this; }
    Query& bind(int i, const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(stmt_, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Query& bind_blob(int i, const QByteArray& data)
    {
        sqlite3_bind_blob(stmt_, i, data.isEmpty() ? "" : data.constData(), int(data.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() { return ok() ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    // Ready for new bindings and another step.
    void reset()
    {
        if (!stmt_)
            return;
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    qint64 int_column(int i) { return sqlite3_column_int64(stmt_, i); }
    QString text_column(int i)
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)),
                                 sqlite3_column_bytes(stmt_, i));
    }
    QByteArray blob_column(int i)
    {
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, i)), sqlite3_column_bytes(stmt_, i));
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

int exec_code(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
bool exec(sqlite3* db, const char* sql) { return exec_code(db, sql) == SQLITE_OK; }

// An explicit write transaction: committed by commit(), rolled back otherwise.
// code() is the result of the step that failed.
class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3* db) : db_(db), code_(exec_code(db, "BEGIN IMMEDIATE")), open_(code_ == SQLITE_OK) {}
    ~WriteTransaction()
    {
        if (open_)
            exec(db_, "ROLLBACK");
    }
    bool begun() const { return open_; }
    int code() const { return code_; }
    bool commit()
    {
        if (!open_ || (code_ = exec_code(db_, "COMMIT")) != SQLITE_OK)
            return false;
        open_ = false;
        return true;
    }

private:
    sqlite3* db_;
    int code_;
    bool open_;
};

// Why a write failed, in the words the user reads.
QString write_problem(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return QCoreApplication::translate("Orvel", "un altre programa té el registre ocupat");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: return QCoreApplication::translate("Orvel", "el registre és només de lectura");
    case SQLITE_FULL: return QCoreApplication::translate("Orvel", "el disc és ple");
    default: return QString::fromUtf8(sqlite3_errstr(code));
    }
}

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS registry_keys ("
    "  id INTEGER PRIMARY KEY,"
    "  parent INTEGER NOT NULL,"  // 0 for the roots
    "  name TEXT NOT NULL,"
    "  folded TEXT NOT NULL,"
    "  UNIQUE (parent, folded));"
    "CREATE TABLE IF NOT EXISTS registry_values ("
    "  key INTEGER NOT NULL REFERENCES registry_keys(id),"
    "  name TEXT NOT NULL,"       // empty for the key's default value
    "  folded TEXT NOT NULL,"
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  PRIMARY KEY (key, folded));";

bool is_unreadable_database(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace

QString SqliteRegistryStore::default_file(const QString& data_folder)
{
    return data_folder + QStringLiteral("/registry.sqlite");
}

SqliteRegistryStore::SqliteRegistryStore(const QString& database_file, MessageBoxes* messages)
{
    QDir().mkpath(QFileInfo(database_file).absolutePath());
    QString problem;
    bool unreadable = false;
    if (open_file(database_file, &problem, &unreadable))
        return;
    close();
    // A store the user may read but not change (a read-only file or folder): its values are
    // still read, and each write says that it could not be made and why.
    if (!unreadable && QFileInfo(database_file).isFile() && open_read_only(database_file))
        return;
    close();
    QString text;
    if (unreadable && QFileInfo::exists(database_file)) {
        set_aside_unreadable(database_file);
        QString again;
        if (!set_aside_.isEmpty() && open_file(database_file, &again, &unreadable))
            text = QCoreApplication::translate("Orvel", "El registre d'Orvel no es podia llegir (%1).\rS'ha apartat a %2 i se'n comença un de buit.")
                       .arg(problem, set_aside_);
        else
            close();
    }
    if (!db_) {
        // Keep the user's file as it is and work from memory for this session.
        if (text.isEmpty())
            text = QCoreApplication::translate("Orvel", "No es pot obrir el registre d'Orvel %1 (%2).\rEls valors d'aquesta sessió no es desaran.")
                       .arg(database_file, problem);
        QString memory_problem;
        if (!open_file(QStringLiteral(":memory:"), &memory_problem, &unreadable))
            close();
    }
    if (messages && !text.isEmpty())
        messages->show(text, QStringLiteral("Orvel"), MessageIcon::Exclamation);
}

SqliteRegistryStore::~SqliteRegistryStore() { close(); }

sqlite3_stmt* SqliteRegistryStore::statement(const char* sql)
{
    if (!db_)
        return nullptr;
    auto found = statements_.find(sql);
    if (found != statements_.end())
        return found->second;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    statements_.emplace(sql, stmt);
    return stmt;
}

void SqliteRegistryStore::close()
{
    for (auto& [sql, stmt] : statements_)
        sqlite3_finalize(stmt);
    statements_.clear();
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool SqliteRegistryStore::open_file(const QString& file, QString* problem, bool* unreadable)
{
    *unreadable = false;
    // The code of the step that failed, not whatever ran after it (a rollback would say
    // "not an error").
    const auto failed = [&](int code) {
        *problem = db_ ? QString::fromUtf8(sqlite3_errstr(code)) : QStringLiteral("out of memory");
        *unreadable = is_unreadable_database(code);
        return false;
    };
    const int opened = sqlite3_open_v2(file.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (opened != SQLITE_OK)
        return failed(opened);
    sqlite3_extended_result_codes(db_, 1);
    // Another Orvel (a headless --execute beside the board) may be writing: wait a
    // little, never long enough to hold up the board.
    sqlite3_busy_timeout(db_, kBusyWaitMs);
    // WAL with synchronous=NORMAL: a committed transaction survives a crash of the
    // program; only a power cut may lose the last few, never half of one.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"})
        if (const int code = exec_code(db_, pragma); code != SQLITE_OK)
            return failed(code);
    {
        Query check(statement("PRAGMA quick_check"));
        const int step = check.step();
        if (step != SQLITE_ROW)
            return failed(step);
        const QString verdict = check.text_column(0);
        if (verdict != QLatin1String("ok")) {
            *problem = verdict;
            *unreadable = true;
            return false;
        }
    }
    const int schema = prepare_schema();
    return schema == SQLITE_OK || failed(schema);
}

bool SqliteRegistryStore::open_read_only(const QString& file)
{
    // Immutable: nothing of the journal has to be made beside a file that cannot change.
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toEncoded() + "?immutable=1";
    if (sqlite3_open_v2(uri.constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK)
        return false;
    sqlite3_extended_result_codes(db_, 1);
    Query check(statement("SELECT count(*) FROM registry_keys WHERE parent = 0"));
    return check.step() == SQLITE_ROW && check.int_column(0) > 0;
}

int SqliteRegistryStore::prepare_schema()
{
    WriteTransaction transaction(db_);
    if (!transaction.begun())
        return transaction.code();
    if (const int code = exec_code(db_, kSchema); code != SQLITE_OK)
        return code;
    Query add_root(statement("INSERT OR IGNORE INTO registry_keys(parent, name, folded) VALUES (0, ?1, ?1)"));
    for (const char* root : kRoots) {
        if (const int step = add_root.bind(1, QString::fromLatin1(root)).step(); step != SQLITE_DONE)
            return step;
        add_root.reset();
    }
    return transaction.commit() ? SQLITE_OK : transaction.code();
}

void SqliteRegistryStore::set_aside_unreadable(const QString& file)
{
    const QString aside = file + QStringLiteral(".unreadable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(file, aside))
        return;
    // The journal files belong to the bad database; moved with it, never deleted.
    for (const char* suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(file + QLatin1String(suffix)))
            QFile::rename(file + QLatin1String(suffix), aside + QLatin1String(suffix));
    set_aside_ = aside;
}

std::optional<qint64> SqliteRegistryStore::find_key(const QString& root, const QString& key)
{
    if (!db_ || !is_known_root(root))
        return std::nullopt;
    Query child(statement("SELECT id FROM registry_keys WHERE parent = ?1 AND folded = ?2"));
    qint64 id = 0;
    const QStringList levels = QStringList{folded(root)} + key_levels(key);
    for (const QString& level : levels) {
        if (child.bind(1, id).bind(2, folded(level)).step() != SQLITE_ROW)
            return std::nullopt;
        id = child.int_column(0);
        child.reset();
    }
    return id;
}

bool SqliteRegistryStore::key_exists(const QString& root, const QString& key)
{
    return find_key(root, key).has_value();
}

std::optional<qint64> SqliteRegistryStore::make_key(const QString& root, const QString& key)
{
    last_write_problem_.clear();
    if (!db_ || !is_known_root(root))
        return std::nullopt;
    WriteTransaction transaction(db_);
    if (!transaction.begun()) {
        last_write_problem_ = write_problem(transaction.code());
        return std::nullopt;
    }
    std::optional<qint64> id = find_key(root, QString());
    for (const QString& level : key_levels(key)) {
        Query child(statement("SELECT id FROM registry_keys WHERE parent = ?1 AND folded = ?2"));
        if (child.bind(1, *id).bind(2, folded(level)).step() == SQLITE_ROW) {
            id = child.int_column(0);
            continue;
        }
        Query add(statement("INSERT INTO registry_keys(parent, name, folded) VALUES (?1, ?2, ?3)"));
        if (const int step = add.bind(1, *id).bind(2, level).bind(3, folded(level)).step(); step != SQLITE_DONE) {
            last_write_problem_ = write_problem(step);
            return std::nullopt;
        }
        id = sqlite3_last_insert_rowid(db_);
    }
    if (!transaction.commit()) {
        last_write_problem_ = write_problem(transaction.code());
        return std::nullopt;
    }
    return id;
}

bool SqliteRegistryStore::create_key(const QString& root, const QString& key)
{
    return make_key(root, key).has_value();
}

bool SqliteRegistryStore::set_value(const QString& root, const QString& key, const QString& name,
                                    const RegistryValue& value)
{
    last_write_problem_.clear();
    const std::optional<qint64> id = find_key(root, key);
    if (!id)
        return false;
    // One statement in autocommit mode: one committed transaction.
    Query write(statement(
        "INSERT INTO registry_values(key, name, folded, type, data) VALUES (?1, ?2, ?3, ?4, ?5) "
        "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data"));
    write.bind(1, *id).bind(2, name).bind(3, folded(name)).bind(4, qint64(value.type)).bind_blob(5, value.data);
    const int step = write.step();
    if (step != SQLITE_DONE)
        last_write_problem_ = write_problem(step);
    return step == SQLITE_DONE;
}

std::optional<RegistryValue> SqliteRegistryStore::value(const QString& root, const QString& key, const QString& name)
{
    const std::optional<qint64> id = find_key(root, key);
    if (!id)
        return std::nullopt;
    Query read(statement("SELECT type, data FROM registry_values WHERE key = ?1 AND folded = ?2"));
    if (read.bind(1, *id).bind(2, folded(name)).step() != SQLITE_ROW)
        return std::nullopt;
    const qint64 type = read.int_column(0);
    if (type < qint64(RegistryType::String) || type > qint64(RegistryType::Dword))
        return std::nullopt;
    return RegistryValue{RegistryType(type), read.blob_column(1)};
}

std::optional<QStringList> SqliteRegistryStore::subkeys(const QString& root, const QString& key)
{
    const std::optional<qint64> id = find_key(root, key);
    if (!id)
        return std::nullopt;
    Query children(statement("SELECT name FROM registry_keys WHERE parent = ?1 ORDER BY id"));
    children.bind(1, *id);
    QStringList names;
    while (children.step() == SQLITE_ROW)
        names << children.text_column(0);
    return names;
}

}  // namespace orvel
