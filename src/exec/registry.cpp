#include "exec/registry.h"

#include <QCoreApplication>
#include <optional>

#include "platform/message_boxes.h"
#include "platform/registry_store.h"

namespace orvel {

namespace {

std::optional<int> hex_number(const QString& digits)
{
    bool ok = false;
    const uint number = digits.toUInt(&ok, 16);
    // toUInt accepts a sign and a "0x" prefix; the text forms allow digits only.
    for (QChar c : digits)
        if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c))
            return std::nullopt;
    if (!ok)
        return std::nullopt;
    return int(number);
}

std::optional<QByteArray> bytes_from_list(const QString& list)
{
    QByteArray bytes;
    if (list.trimmed().isEmpty())
        return bytes;
    for (const QString& item : list.split(QLatin1Char(','))) {
        const QString digits = item.trimmed();
        const std::optional<int> byte = digits.size() <= 2 ? hex_number(digits) : std::nullopt;
        if (digits.isEmpty() || !byte)
            return std::nullopt;
        bytes.append(char(*byte));
    }
    return bytes;
}

std::optional<QByteArray> bytes_from_dword(const QString& digits)
{
    if (digits.size() != 8)
        return std::nullopt;
    QByteArray bytes;
    // DWORD:12345678 stores 78 56 34 12: the pairs from the last to the first.
    for (int pair = 3; pair >= 0; --pair) {
        const std::optional<int> byte = hex_number(digits.mid(pair * 2, 2));
        if (!byte)
            return std::nullopt;
        bytes.append(char(*byte));
    }
    return bytes;
}

std::optional<RegistryValue> value_from_text(const QString& text)
{
    if (!text.contains(QLatin1Char(':')))
        return RegistryValue{RegistryType::String, text.toUtf8()};
    const QString upper = text.toUpper();
    std::optional<QByteArray> bytes;
    if (upper.startsWith(QLatin1String("HEX:"))) {
        if ((bytes = bytes_from_list(text.mid(4))))
            return RegistryValue{RegistryType::Binary, *bytes};
    }
    else if (upper.startsWith(QLatin1String("DWORD:"))) {
        if ((bytes = bytes_from_dword(text.mid(6))))
            return RegistryValue{RegistryType::Dword, *bytes};
    }
    return std::nullopt;
}

QString two_digits(uchar byte) { return QStringLiteral("%1").arg(uint(byte), 2, 16, QLatin1Char('0')); }

QString text_from_value(const RegistryValue& value)
{
    switch (value.type) {
    case RegistryType::String:
        return QString::fromUtf8(value.data) + QChar(0);
    case RegistryType::Binary: {
        QStringList pairs;
        for (char byte : value.data)
            pairs << two_digits(uchar(byte));
        return QStringLiteral("hex:") + pairs.join(QLatin1Char(','));
    }
    case RegistryType::Dword: {
        if (value.data.size() != 4)
            return QString();
        QString digits;
        for (int i = 3; i >= 0; --i)
            digits += two_digits(uchar(value.data[i]));
        return QStringLiteral("dword:") + digits;
    }
    }
    return QString();
}

}  // namespace

bool reg_write(RegistryStore* store, const QString& root, const QString& key, const QString& name,
               const QString& value)
{
    const std::optional<RegistryValue> typed = value_from_text(value);
    if (!store || !typed)
        return false;
    if (!name.isEmpty())
        return store->set_value(root, key, name, *typed);
    // The default value is always a string; its key is made when missing. A crash
    // between the two steps leaves at most an empty key, never a partial value.
    return store->create_key(root, key)
        && store->set_value(root, key, QString(), RegistryValue{RegistryType::String, value.toUtf8()});
}

QString reg_read(RegistryStore* store, const QString& root, const QString& key, const QString& name)
{
    if (!store)
        return QString();
    const std::optional<RegistryValue> stored = store->value(root, key, name);
    return stored ? text_from_value(*stored) : QString();
}

QString reg_subkeys(RegistryStore* store, const QString& root, const QString& key)
{
    const std::optional<QStringList> names = store ? store->subkeys(root, key) : std::nullopt;
    QString text;
    if (names)
        for (const QString& subkey : *names)
            text += subkey + QLatin1Char('\r');
    return text;
}

QString progid_exe(RegistryStore* store, const QString& id)
{
    const QString hklm = QStringLiteral("HKEY_LOCAL_MACHINE");
    QString clsid = reg_read(store, hklm, QStringLiteral("SOFTWARE\\Classes\\") + id + QStringLiteral("\\CLSID"), QString());
    clsid.chop(1);  // the string's terminator, then the blanks it would have shielded
    clsid = clsid.trimmed();
    if (clsid.isEmpty())
        return QString();
    // The path keeps its letter case: on Linux /opt/Editor and /OPT/EDITOR are different files.
    QString server = reg_read(store, hklm,
                              QStringLiteral("SOFTWARE\\Classes\\CLSID\\") + clsid + QStringLiteral("\\LocalServer32"),
                              QString());
    if (server.isEmpty())
        return QString();
    server.chop(1);
    while (server.contains(QLatin1Char('"')))
        server = server.replace(QLatin1Char('"'), QLatin1Char(' ')).trimmed();
    const qsizetype exe = server.indexOf(QLatin1String(".EXE"), 0, Qt::CaseInsensitive);
    // A program registered without ".EXE" (a Linux path) is returned whole.
    return exe < 0 ? server : server.left(exe + 4);
}

void registry_command(ExecContext& ctx, const QString& argument)
{
    if (ctx.services.messages)
        ctx.services.messages->show(QStringLiteral("REG"));
    // [ROOT\key]name=value; the first character (the "[") is skipped unchecked.
    const qsizetype backslash = argument.indexOf(QLatin1Char('\\'));
    if (backslash < 0)
        return;
    const QString root = argument.mid(1, backslash - 1);
    const QString rest = argument.mid(backslash + 1);
    const qsizetype bracket = rest.indexOf(QLatin1Char(']'));
    if (bracket < 0)
        return;
    const QString key = rest.left(bracket);
    const QString remainder = rest.mid(bracket + 1);
    const qsizetype equals = remainder.indexOf(QLatin1Char('='));
    if (equals < 0)
        return;
    const QString name = remainder.left(equals);
    if (reg_write(ctx.services.registry, root, key, name, remainder.mid(equals + 1)) || !ctx.services.registry)
        return;
    // A value the store could not take is said, not dropped without a word.
    const QString problem = ctx.services.registry->last_write_problem();
    if (!problem.isEmpty() && ctx.services.messages)
        ctx.services.messages->show(QCoreApplication::translate("Orvel", "No s'ha desat el valor %1 al registre: %2.")
                                        .arg(name.isEmpty() ? key : name, problem),
                                    QStringLiteral("Orvel"), MessageIcon::Exclamation);
}

}  // namespace orvel
