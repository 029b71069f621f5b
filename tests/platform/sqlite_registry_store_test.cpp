// The registry store's database: names without regard to case, values that
// survive a crash of the program, and a database that cannot be read.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/sqlite_registry_store.h"
#include "support/recording_messages.h"

namespace orvel {
namespace {

using testing::RecordingMessages;

const QString kUser = QStringLiteral("HKEY_CURRENT_USER");
const QString kOrvel = QStringLiteral("Software\\Orvel");

RegistryValue text_value(const char* text) { return RegistryValue{RegistryType::String, QByteArray(text)}; }

TEST(SqliteRegistryStore, NamesCompareWithoutCaseAndKeepTheirFirstSpelling)
{
    QTemporaryDir folder;
    RecordingMessages messages;
    SqliteRegistryStore store(SqliteRegistryStore::default_file(folder.path()), &messages);
    EXPECT_TRUE(messages.texts.isEmpty());

    EXPECT_TRUE(store.key_exists(QStringLiteral("hkey_users"), QString()));
    EXPECT_FALSE(store.key_exists(QStringLiteral("HKEY_CLASSES_ROOT"), QString()));
    EXPECT_FALSE(store.create_key(QStringLiteral("HKEY_DYN_DATA"), QStringLiteral("A")));

    ASSERT_TRUE(store.create_key(kUser, kOrvel));
    ASSERT_TRUE(store.create_key(QStringLiteral("hkey_current_user"), QStringLiteral("SOFTWARE\\ORVEL\\\\Taulers\\")));
    EXPECT_EQ(store.subkeys(kUser, QString()), QStringList{QStringLiteral("Software")});
    EXPECT_EQ(store.subkeys(kUser, QStringLiteral("software\\orvel")), QStringList{QStringLiteral("Taulers")});
    EXPECT_EQ(store.subkeys(kUser, QStringLiteral("Software\\Orvel\\Taulers")), QStringList{});
    EXPECT_FALSE(store.subkeys(kUser, QStringLiteral("Software\\Altre")).has_value());

    EXPECT_TRUE(store.set_value(kUser, kOrvel, QStringLiteral("Darrer"), text_value("a")));
    EXPECT_TRUE(store.set_value(kUser, QStringLiteral("SOFTWARE\\orvel"), QStringLiteral("DARRER"), text_value("b")));
    const std::optional<RegistryValue> last = store.value(kUser, QStringLiteral("software\\ORVEL"), QStringLiteral("darrer"));
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->data, QByteArray("b"));
    // The default value and a named value are different values.
    EXPECT_FALSE(store.value(kUser, kOrvel, QString()).has_value());
    EXPECT_FALSE(store.set_value(kUser, QStringLiteral("Software\\Falta"), QStringLiteral("X"), text_value("c")));
    EXPECT_FALSE(store.key_exists(kUser, QStringLiteral("Software\\Falta")));

    // Empty data and bytes that are not text are kept exactly.
    const QByteArray bytes("\x00\xff\x10", 3);
    EXPECT_TRUE(store.set_value(kUser, kOrvel, QStringLiteral("B"), {RegistryType::Binary, bytes}));
    EXPECT_TRUE(store.set_value(kUser, kOrvel, QStringLiteral("E"), {RegistryType::String, {}}));
    EXPECT_EQ(store.value(kUser, kOrvel, QStringLiteral("B"))->data, bytes);
    EXPECT_EQ(store.value(kUser, kOrvel, QStringLiteral("E"))->data, QByteArray());
}

TEST(SqliteRegistryStore, CommittedWritesSurviveACrashOfTheProgram)
{
    QTemporaryDir folder;
    const QString file = SqliteRegistryStore::default_file(folder.path() + QStringLiteral("/nova"));

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Write, then die without closing anything.
        SqliteRegistryStore store(file, nullptr);
        const bool written = store.create_key(kUser, QStringLiteral("Software\\X"))
            && store.set_value(kUser, QStringLiteral("Software\\X"), QStringLiteral("Nom"), text_value("abc"));
        if (!written)
            _exit(3);
        kill(getpid(), SIGKILL);
        _exit(4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "child exit status " << WEXITSTATUS(status);

    RecordingMessages messages;
    SqliteRegistryStore reopened(file, &messages);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(QLatin1Char('|')).toStdString();
    const std::optional<RegistryValue> value = reopened.value(kUser, QStringLiteral("Software\\X"), QStringLiteral("Nom"));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data, QByteArray("abc"));
}

TEST(SqliteRegistryStore, AReadOnlyStoreSaysWhy)
{
    QTemporaryDir folder;
    const QString file = SqliteRegistryStore::default_file(folder.path());
    {
        SqliteRegistryStore store(file, nullptr);
        ASSERT_TRUE(store.create_key(kUser, QStringLiteral("Software\\X")));
    }
    // Read-only for anyone but root: the check runs as an ordinary user.
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    for (const char* suffix : {"", "-wal", "-shm"})
        ::chmod(QFile::encodeName(file + QLatin1String(suffix)).constData(), 0444);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        // Values are still read; a write says it could not be made, and why.
        RecordingMessages messages;
        SqliteRegistryStore store(file, &messages);
        const bool read = store.key_exists(kUser, QStringLiteral("Software\\X"));
        const bool written = store.set_value(kUser, QStringLiteral("Software\\X"), QStringLiteral("v"), text_value("1"));
        _exit(messages.texts.isEmpty() && read && !written &&
                      store.last_write_problem() == QStringLiteral("el registre és només de lectura")
                  ? 0
                  : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(SqliteRegistryStore, AnUnreadableOrDamagedDatabaseIsSetAsideAndTheStoreStartsEmpty)
{
    // Two ways to damage it: bytes that are no database at all, and a database whose
    // header stays valid while a page of the key table is overwritten.
    for (const bool whole_file : {true, false}) {
        SCOPED_TRACE(whole_file ? "garbage" : "damaged page");
        QTemporaryDir folder;
        const QString file = SqliteRegistryStore::default_file(folder.path());
        if (!whole_file) {
            SqliteRegistryStore store(file, nullptr);
            for (int i = 0; i < 200; ++i)
                ASSERT_TRUE(store.create_key(kUser, QStringLiteral("Software\\Clau%1").arg(i)));
        }
        QByteArray damaged;
        {
            QFile bad(file);
            ASSERT_TRUE(bad.open(QIODevice::ReadWrite));
            if (!whole_file) {
                ASSERT_GT(bad.size(), 3 * 4096);
            }
            bad.seek(whole_file ? 0 : 2 * 4096);
            bad.write(QByteArray(whole_file ? 8192 : 4096, whole_file ? '\x5a' : '\xff'));
            bad.seek(0);
            damaged = bad.readAll();
        }

        RecordingMessages messages;
        SqliteRegistryStore store(file, &messages);
        ASSERT_EQ(messages.texts.size(), 1);
        ASSERT_FALSE(store.set_aside_file().isEmpty());
        EXPECT_TRUE(messages.texts[0].contains(store.set_aside_file())) << messages.texts[0].toStdString();
        QFile kept(store.set_aside_file());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), damaged);

        EXPECT_EQ(store.subkeys(kUser, QString()), QStringList{});
        EXPECT_TRUE(store.create_key(kUser, QStringLiteral("Software\\X")));
        EXPECT_TRUE(store.set_value(kUser, QStringLiteral("Software\\X"), QString(), text_value("nou")));

        // The fresh database is the one found next time, without a message.
        RecordingMessages again;
        SqliteRegistryStore reopened(file, &again);
        EXPECT_TRUE(again.texts.isEmpty());
        EXPECT_EQ(reopened.value(kUser, QStringLiteral("Software\\X"), QString())->data, QByteArray("nou"));
    }
}

TEST(SqliteRegistryStore, AFolderThatCannotHoldTheDatabaseLeavesAWorkingStoreInMemory)
{
    QTemporaryDir folder;
    // The data folder's place is taken by a file.
    QFile blocker(folder.filePath(QStringLiteral("orvel")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();

    RecordingMessages messages;
    SqliteRegistryStore store(SqliteRegistryStore::default_file(blocker.fileName()), &messages);
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(store.is_open());
    EXPECT_TRUE(store.set_aside_file().isEmpty());
    EXPECT_TRUE(store.create_key(kUser, QStringLiteral("A")));
    EXPECT_TRUE(store.set_value(kUser, QStringLiteral("A"), QStringLiteral("v"), text_value("1")));
    EXPECT_EQ(store.value(kUser, QStringLiteral("A"), QStringLiteral("v"))->data, QByteArray("1"));
    QFile unchanged(blocker.fileName());
    ASSERT_TRUE(unchanged.open(QIODevice::ReadOnly));
    EXPECT_EQ(unchanged.readAll(), QByteArray("not a folder"));
}

}  // namespace
}  // namespace orvel
