// The registry's text forms and the REG command over a real store in a
// temporary folder: what is written, what is refused, how values read back,
// and the lookups of subkeys and registered programs.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "exec/exec_context.h"
#include "exec/registry.h"
#include "platform/sqlite_registry_store.h"
#include "support/recording_messages.h"

namespace orvel {
namespace {

using testing::RecordingMessages;

const QString kUser = QStringLiteral("HKEY_CURRENT_USER");
const QString kMachine = QStringLiteral("HKEY_LOCAL_MACHINE");

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest()
    {
        services.registry = &store;
        services.messages = &messages;
        EXPECT_TRUE(store.create_key(kUser, QStringLiteral("Software\\X")));
    }

    QString read(const QString& name) { return reg_read(&store, kUser, QStringLiteral("Software\\X"), name); }
    bool write(const QString& name, const QString& value)
    {
        return reg_write(&store, kUser, QStringLiteral("Software\\X"), name, value);
    }

    QTemporaryDir folder;
    SqliteRegistryStore store{SqliteRegistryStore::default_file(folder.path()), nullptr};
    RecordingMessages messages;
    OrvelState state;
    Services services;
    RunModeHooks hooks;
    ExecContext ctx{state, services, hooks};
};

TEST_F(RegistryTest, ValuesReadBackInTheirTextForms)
{
    EXPECT_TRUE(write(QStringLiteral("Nom"), QStringLiteral("abc")));
    EXPECT_EQ(read(QStringLiteral("Nom")), QStringLiteral("abc") + QChar(0));
    EXPECT_EQ(read(QStringLiteral("NOM")), QStringLiteral("abc") + QChar(0));

    EXPECT_TRUE(write(QStringLiteral("Bytes"), QStringLiteral("HEX:01,A,ff, 7f")));
    EXPECT_EQ(read(QStringLiteral("Bytes")), QStringLiteral("hex:01,0a,ff,7f"));
    EXPECT_TRUE(write(QStringLiteral("Buit"), QStringLiteral("hex:")));
    EXPECT_EQ(read(QStringLiteral("Buit")), QStringLiteral("hex:"));

    EXPECT_TRUE(write(QStringLiteral("Numero"), QStringLiteral("DWORD:12345678")));
    const std::optional<RegistryValue> number = store.value(kUser, QStringLiteral("Software\\X"), QStringLiteral("Numero"));
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(number->type, RegistryType::Dword);
    EXPECT_EQ(number->data, QByteArray::fromHex("78563412"));
    EXPECT_EQ(read(QStringLiteral("Numero")), QStringLiteral("dword:12345678"));
    EXPECT_TRUE(write(QStringLiteral("Numero"), QStringLiteral("dword:00C0FFEE")));
    EXPECT_EQ(read(QStringLiteral("Numero")), QStringLiteral("dword:00c0ffee"));

    // A named value's type follows its latest write.
    EXPECT_TRUE(write(QStringLiteral("Numero"), QStringLiteral("text")));
    EXPECT_EQ(read(QStringLiteral("Numero")), QStringLiteral("text") + QChar(0));

    EXPECT_EQ(read(QStringLiteral("Falta")), QString());
    EXPECT_EQ(reg_read(&store, kUser, QStringLiteral("Software\\Y"), QStringLiteral("Nom")), QString());
    EXPECT_EQ(reg_read(nullptr, kUser, QStringLiteral("Software\\X"), QStringLiteral("Nom")), QString());
}

TEST_F(RegistryTest, MalformedValuesAndMissingKeysWriteNothing)
{
    const QStringList refused = {
        QStringLiteral("C:\\abc"),        QStringLiteral("http://x"),      QStringLiteral("HEX:1G"),
        QStringLiteral("HEX:123"),        QStringLiteral("HEX:01,,02"),    QStringLiteral("HEX:01,"),
        QStringLiteral("HEX:-1"),         QStringLiteral("DWORD:1234567"), QStringLiteral("DWORD:123456789"),
        QStringLiteral("DWORD:+1234567"), QStringLiteral("DWORD:0x123456"), QStringLiteral("DWORD: 1234567"),
        QStringLiteral("DWORD:"),
    };
    for (const QString& value : refused) {
        EXPECT_FALSE(write(QStringLiteral("Nom"), value)) << value.toStdString();
        EXPECT_FALSE(write(QString(), value)) << value.toStdString();
    }
    EXPECT_EQ(read(QStringLiteral("Nom")), QString());
    EXPECT_EQ(read(QString()), QString());

    // A named value needs its key; a root must be one of the four.
    EXPECT_FALSE(reg_write(&store, kUser, QStringLiteral("Software\\Nou"), QStringLiteral("Nom"), QStringLiteral("a")));
    EXPECT_FALSE(store.key_exists(kUser, QStringLiteral("Software\\Nou")));
    EXPECT_FALSE(reg_write(&store, QStringLiteral("HKEY_CLASSES_ROOT"), QStringLiteral("X"), QString(), QStringLiteral("a")));
    EXPECT_FALSE(reg_write(nullptr, kUser, QStringLiteral("Software\\X"), QStringLiteral("Nom"), QStringLiteral("a")));
}

TEST_F(RegistryTest, DefaultValueMakesItsKeyAndIsAlwaysAString)
{
    EXPECT_TRUE(reg_write(&store, kUser, QStringLiteral("Software\\Nou\\Fill"), QString(), QStringLiteral("valor")));
    EXPECT_TRUE(store.key_exists(kUser, QStringLiteral("software\\NOU")));
    EXPECT_EQ(reg_read(&store, kUser, QStringLiteral("Software\\Nou\\Fill"), QString()), QStringLiteral("valor") + QChar(0));

    EXPECT_TRUE(write(QString(), QStringLiteral("DWORD:00000001")));
    EXPECT_EQ(read(QString()), QStringLiteral("DWORD:00000001") + QChar(0));
}

TEST_F(RegistryTest, RegCommandParsesTheBracketedKey)
{
    registry_command(ctx, QStringLiteral("[HKEY_CURRENT_USER\\Software\\X]Nom=abc"));
    EXPECT_EQ(read(QStringLiteral("Nom")), QStringLiteral("abc") + QChar(0));
    registry_command(ctx, QStringLiteral("[hkey_current_user\\software\\x]Equacio=a=b"));
    EXPECT_EQ(read(QStringLiteral("Equacio")), QStringLiteral("a=b") + QChar(0));
    registry_command(ctx, QStringLiteral("[HKEY_CURRENT_USER\\Software\\X]=per defecte"));
    EXPECT_EQ(read(QString()), QStringLiteral("per defecte") + QChar(0));

    // Each of these shows "REG" and writes nothing.
    const QStringList unwritten = {
        QStringLiteral("[HKEY_CURRENT_USER\\Software\\X]Cami=C:\\abc"),
        QStringLiteral("[HKEY_CURRENT_USER]Sol=abc"),
        QStringLiteral("[HKEY_CURRENT_USER\\Software\\X Sol=abc"),
        QStringLiteral("[HKEY_CURRENT_USER\\Software\\X]Sol"),
        QString(),
    };
    for (const QString& argument : unwritten)
        registry_command(ctx, argument);
    EXPECT_EQ(messages.texts, QStringList(8, QStringLiteral("REG")));
    EXPECT_EQ(read(QStringLiteral("Cami")), QString());
    EXPECT_EQ(read(QStringLiteral("Sol")), QString());
    EXPECT_EQ(reg_subkeys(&store, kUser, QStringLiteral("Software\\X")), QString());
    EXPECT_EQ(reg_subkeys(&store, kUser, QString()), QStringLiteral("Software\r"));
}

TEST_F(RegistryTest, SubkeysComeInCreationOrderWhateverTheCase)
{
    for (const QString& name : {QStringLiteral("Zeta"), QStringLiteral("alfa"), QStringLiteral("Mig")})
        ASSERT_TRUE(store.create_key(kMachine, QStringLiteral("SOFTWARE\\UPC\\") + name));
    ASSERT_TRUE(store.create_key(kMachine, QStringLiteral("software\\upc\\ALFA\\dins")));

    EXPECT_EQ(reg_subkeys(&store, kMachine, QStringLiteral("SOFTWARE\\UPC\\")), QStringLiteral("Zeta\ralfa\rMig\r"));
    EXPECT_EQ(reg_subkeys(&store, QStringLiteral("hkey_local_machine"), QStringLiteral("Software\\Upc")),
              QStringLiteral("Zeta\ralfa\rMig\r"));
    EXPECT_EQ(reg_subkeys(&store, kMachine, QStringLiteral("SOFTWARE\\UPC\\Alfa")), QStringLiteral("dins\r"));
    EXPECT_EQ(reg_subkeys(&store, kMachine, QStringLiteral("SOFTWARE\\UPC\\Mig")), QString());
    EXPECT_EQ(reg_subkeys(&store, kMachine, QStringLiteral("SOFTWARE\\Falta")), QString());
    EXPECT_EQ(reg_subkeys(&store, QStringLiteral("HKEY_ALTRE"), QStringLiteral("SOFTWARE")), QString());
}

TEST_F(RegistryTest, ProgramIdentifiersLeadToTheRegisteredExecutable)
{
    const auto set_default = [&](const QString& key, const QString& text) {
        ASSERT_TRUE(store.create_key(kMachine, key));
        ASSERT_TRUE(store.set_value(kMachine, key, QString(), RegistryValue{RegistryType::String, text.toUtf8()}));
    };
    set_default(QStringLiteral("SOFTWARE\\Classes\\Word.Document\\CLSID"), QStringLiteral(" {00020906-0000} "));
    set_default(QStringLiteral("SOFTWARE\\Classes\\CLSID\\{00020906-0000}\\LocalServer32"),
                QStringLiteral("\"\"C:\\Program Files\\Office\\winword.exe\" /Automation\""));
    set_default(QStringLiteral("SOFTWARE\\Classes\\Editor.Linux\\CLSID"), QStringLiteral("{E1}"));
    set_default(QStringLiteral("SOFTWARE\\Classes\\CLSID\\{E1}\\LocalServer32"), QStringLiteral("/usr/bin/gedit"));
    set_default(QStringLiteral("SOFTWARE\\Classes\\Orfe.App\\CLSID"), QStringLiteral("{SENSE}"));

    EXPECT_EQ(progid_exe(&store, QStringLiteral("Word.Document")), QStringLiteral("C:\\PROGRAM FILES\\OFFICE\\WINWORD.EXE"));
    EXPECT_EQ(progid_exe(&store, QStringLiteral("word.document")), QStringLiteral("C:\\PROGRAM FILES\\OFFICE\\WINWORD.EXE"));
    EXPECT_EQ(progid_exe(&store, QStringLiteral("Editor.Linux")), QStringLiteral("/USR/BIN/GEDIT"));
    EXPECT_EQ(progid_exe(&store, QStringLiteral("Orfe.App")), QString());  // no server registered
    EXPECT_EQ(progid_exe(&store, QStringLiteral("Res.Enlloc")), QString());
    EXPECT_EQ(progid_exe(nullptr, QStringLiteral("Word.Document")), QString());
}

}  // namespace
}  // namespace orvel
