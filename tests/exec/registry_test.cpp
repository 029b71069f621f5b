// The registry's text forms and the REG command over a real store in a
// temporary folder: what is written, what is refused, how values read back,
// and the lookups of subkeys and registered programs.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "exec/exec_context.h"
#include "exec/executor.h"
#include "exec/registry.h"
#include "model/catalogue.h"
#include "platform/qt_process_launcher.h"
#include "platform/sqlite_registry_store.h"
#include "support/recording_messages.h"
#include "support/test_files.h"

namespace orvel {
namespace {

const QString kUser = "HKEY_CURRENT_USER";
const QString kMachine = "HKEY_LOCAL_MACHINE";
const QString kKey = "Software\\X";

// A string value as it reads back: with its terminating zero.
QString sz(const QString& text) { return text + QChar(0); }

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest()
    {
        services.registry = &store;
        services.messages = &messages;
        EXPECT_TRUE(store.create_key(kUser, kKey));
    }

    QString read(const QString& name) { return reg_read(&store, kUser, kKey, name); }
    bool write(const QString& name, const QString& value) { return reg_write(&store, kUser, kKey, name, value); }

    QTemporaryDir folder;
    SqliteRegistryStore store{SqliteRegistryStore::default_file(folder.path()), nullptr};
    testing::RecordingMessages messages;
    OrvelState state;
    Services services;
    RunModeHooks hooks;
    ExecContext ctx{state, services, hooks};
};

TEST_F(RegistryTest, ValuesReadBackInTheirTextForms)
{
    // A value written to a name and read back; names are found in any case.
    const auto written = [this](const QString& name, const QString& value) {
        EXPECT_TRUE(write(name, value)) << value.toStdString();
        return read(name);
    };
    EXPECT_EQ(written("Nom", "abc"), sz("abc"));
    EXPECT_EQ(read("NOM"), sz("abc"));
    EXPECT_EQ(written("Bytes", "HEX:01,A,ff, 7f"), "hex:01,0a,ff,7f");
    EXPECT_EQ(written("Buit", "hex:"), "hex:");
    EXPECT_EQ(written("Numero", "DWORD:12345678"), "dword:12345678");
    const std::optional<RegistryValue> number = store.value(kUser, kKey, "Numero");
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(number->type, RegistryType::Dword);
    EXPECT_EQ(number->data, QByteArray::fromHex("78563412"));
    EXPECT_EQ(written("Numero", "dword:00C0FFEE"), "dword:00c0ffee");
    EXPECT_EQ(written("Numero", "text"), sz("text"));  // the type follows the latest write

    EXPECT_EQ(read("Falta"), QString());
    EXPECT_EQ(reg_read(&store, kUser, "Software\\Y", "Nom"), QString());
    EXPECT_EQ(reg_read(nullptr, kUser, kKey, "Nom"), QString());
}

TEST_F(RegistryTest, MalformedValuesAndMissingKeysWriteNothing)
{
    for (const char* value : {"C:\\abc", "http://x", "HEX:1G", "HEX:123", "HEX:01,,02", "HEX:01,", "HEX:-1",
                              "DWORD:1234567", "DWORD:123456789", "DWORD:+1234567", "DWORD:0x123456", "DWORD: 1234567",
                              "DWORD:"}) {
        EXPECT_FALSE(write("Nom", value)) << value;
        EXPECT_FALSE(write(QString(), value)) << value;
    }
    EXPECT_EQ(read("Nom"), QString());
    EXPECT_EQ(read(QString()), QString());
    // A named value needs its key; a root must be one of the four.
    EXPECT_FALSE(reg_write(&store, kUser, "Software\\Nou", "Nom", "a"));
    EXPECT_FALSE(store.key_exists(kUser, "Software\\Nou"));
    EXPECT_FALSE(reg_write(&store, "HKEY_CLASSES_ROOT", "X", QString(), "a"));
    EXPECT_FALSE(reg_write(nullptr, kUser, kKey, "Nom", "a"));
    // The default value makes its key and is always a string.
    EXPECT_TRUE(reg_write(&store, kUser, "Software\\Nou\\Fill", QString(), "valor"));
    EXPECT_TRUE(store.key_exists(kUser, "software\\NOU"));
    EXPECT_EQ(reg_read(&store, kUser, "Software\\Nou\\Fill", QString()), sz("valor"));
    EXPECT_TRUE(write(QString(), "DWORD:00000001"));
    EXPECT_EQ(read(QString()), sz("DWORD:00000001"));
}

TEST_F(RegistryTest, RegCommandParsesTheBracketedKey)
{
    registry_command(ctx, "[HKEY_CURRENT_USER\\Software\\X]Nom=abc");
    registry_command(ctx, "[hkey_current_user\\software\\x]Equacio=a=b");
    registry_command(ctx, "[HKEY_CURRENT_USER\\Software\\X]=per defecte");
    EXPECT_EQ(read("Nom"), sz("abc"));
    EXPECT_EQ(read("Equacio"), sz("a=b"));
    EXPECT_EQ(read(QString()), sz("per defecte"));
    EXPECT_EQ(messages.texts, QStringList(3, "REG"));
    // Each of these also shows "REG", and writes nothing.
    for (const char* argument : {"[HKEY_CURRENT_USER\\Software\\X]Cami=C:\\abc", "[HKEY_CURRENT_USER]Sol=abc",
                                 "[HKEY_CURRENT_USER\\Software\\X Sol=abc", "[HKEY_CURRENT_USER\\Software\\X]Sol", ""})
        registry_command(ctx, argument);
    EXPECT_EQ(messages.texts, QStringList(8, "REG"));
    EXPECT_EQ(read("Cami"), QString());
    EXPECT_EQ(read("Sol"), QString());
    EXPECT_EQ(reg_subkeys(&store, kUser, kKey), QString());
    EXPECT_EQ(reg_subkeys(&store, kUser, QString()), "Software\r");

    // Another process holds the store: the value is not written, and the person is told why.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(SqliteRegistryStore::default_file(folder.path()).toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    messages.texts.clear();
    registry_command(ctx, "[HKEY_CURRENT_USER\\Software\\X]Nom=nou");
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(messages.texts, QStringList({"REG", "No s'ha desat el valor Nom al registre: un altre programa té el "
                                                  "registre ocupat."}));
    EXPECT_EQ(read("Nom"), sz("abc"));
}

TEST_F(RegistryTest, SubkeysComeInCreationOrderWhateverTheCase)
{
    for (const char* name : {"Zeta", "alfa", "Mig"})
        ASSERT_TRUE(store.create_key(kMachine, QString("SOFTWARE\\UPC\\") + name));
    ASSERT_TRUE(store.create_key(kMachine, "software\\upc\\ALFA\\dins"));

    EXPECT_EQ(reg_subkeys(&store, kMachine, "SOFTWARE\\UPC\\"), "Zeta\ralfa\rMig\r");
    EXPECT_EQ(reg_subkeys(&store, "hkey_local_machine", "Software\\Upc"), "Zeta\ralfa\rMig\r");
    EXPECT_EQ(reg_subkeys(&store, kMachine, "SOFTWARE\\UPC\\Alfa"), "dins\r");
    EXPECT_EQ(reg_subkeys(&store, kMachine, "SOFTWARE\\UPC\\Mig"), QString());
    EXPECT_EQ(reg_subkeys(&store, kMachine, "SOFTWARE\\Falta"), QString());
    EXPECT_EQ(reg_subkeys(&store, "HKEY_ALTRE", "SOFTWARE"), QString());
}

TEST_F(RegistryTest, ProgramIdentifiersStartExactlyTheRegisteredExecutable)
{
    // A program registered under an identifier, with capitals in its path, and a program
    // of a similar name on PATH that must never be started in its place.
    const QString tools = folder.path() + "/Tools";
    const QString editor = tools + "/MyEditor.exe";
    const QString decoys = folder.path() + "/bin";
    for (const QString& program : {editor, decoys + "/myeditor"}) {
        orvel::testing::write_file(program);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    }
    const char* const defaults[][2] = {
        {"SOFTWARE\\Classes\\Word.Document\\CLSID", " {00020906-0000} "},
        {"SOFTWARE\\Classes\\CLSID\\{00020906-0000}\\LocalServer32",
         "\"\"C:\\Program Files\\Office\\winword.exe\" /Automation\""},
        {"SOFTWARE\\Classes\\My.Editor\\CLSID", "{E1}"},
        {"SOFTWARE\\Classes\\Orfe.App\\CLSID", "{SENSE}"},
    };
    for (const auto& [key, text] : defaults) {
        ASSERT_TRUE(store.create_key(kMachine, key));
        ASSERT_TRUE(store.set_value(kMachine, key, QString(), RegistryValue{RegistryType::String, QByteArray(text)}));
    }
    const QString server = "SOFTWARE\\Classes\\CLSID\\{E1}\\LocalServer32";
    ASSERT_TRUE(store.create_key(kMachine, server));
    ASSERT_TRUE(store.set_value(kMachine, server, QString(), RegistryValue{RegistryType::String, editor.toUtf8()}));

    EXPECT_EQ(progid_exe(&store, "word.document"), "C:\\Program Files\\Office\\winword.exe");
    EXPECT_EQ(progid_exe(&store, "Orfe.App"), QString());  // no server registered
    EXPECT_EQ(progid_exe(&store, "Res.Enlloc"), QString());
    EXPECT_EQ(progid_exe(nullptr, "Word.Document"), QString());

    // MACROS.INI names the program by its identifier; the board names it EDITOR.EXE.
    Folders folders;
    folders.program = folder.path();
    orvel::testing::write_file(folder.path() + "/MACROS.INI",
                               "[Inici]\r\nversio=MAC1\r\nN_Prog=1\r\n1PROG=Editor\r\n1cami=C:\\E\\EDITOR.EXE\r\n1REG=My.Editor\r\n");
    Catalogue catalogue;
    load_program_catalogue(catalogue, folders, folder.path(), [this](const QString& id) { return progid_exe(&store, id); });
    const QString command = resolve_program("MYEDITOR.EXE carta.txt", catalogue.program_lookup);
    EXPECT_EQ(command, editor + " carta.txt");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", decoys.toUtf8() + ":" + path);
    EXPECT_EQ(QtProcessLauncher::find_program(editor, QString()), editor);
    EXPECT_EQ(QtProcessLauncher::find_program(tools + "/MYEDITOR.EXE", QString()), QString());
    qputenv("PATH", path);
}

}  // namespace
}  // namespace orvel
