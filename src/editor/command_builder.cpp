#include "editor/command_builder.h"

#include "exec/command_catalogue.h"

namespace orvel {

namespace {

const QString kMacroStarts = QStringLiteral("%^+<");

// The position of the brace that closes the one at `open`, inner braces counted; -1 when none.
qsizetype closing_brace(const QString& text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('{'))
            ++depth;
        else if (text[i] == QLatin1Char('}') && --depth == 0)
            return i;
    }
    return -1;
}

bool names_picture(const QString& value)
{
    const QString end = value.right(3).toUpper();
    return end == QLatin1String("BMP") || end == QLatin1String("GIF") || end == QLatin1String("JPG") ||
           end == QLatin1String("WMF");
}

}  // namespace

BuilderEntries::BuilderEntries(const std::vector<CatalogueMacro>& macros) : macros_(macros)
{
    for (int i = 0; i < kCommandCatalogueSize; ++i) {
        const QString caption = command_catalogue(i, 0);
        if (caption.isEmpty())
            continue;
        captions_ << caption;
        catalogue_index_.push_back(i);
    }
    for (const CatalogueMacro& m : macros_)
        captions_ << m.title;
}

int BuilderEntries::catalogue_index(int entry) const
{
    return entry >= 0 && entry < catalogue_count() ? catalogue_index_[size_t(entry)] : -1;
}

const CatalogueMacro* BuilderEntries::macro(int entry) const
{
    const int m = entry - catalogue_count();
    return entry >= 0 && m < int(macros_.size()) && m >= 0 ? &macros_[size_t(m)] : nullptr;
}

QString BuilderEntries::code(int entry) const
{
    if (const CatalogueMacro* m = macro(entry))
        return m->keys;
    return command_catalogue(catalogue_index(entry), 1);
}

QString BuilderEntries::parameter(int entry) const
{
    return command_catalogue(catalogue_index(entry), 2);
}

int BuilderEntries::entry_of_catalogue(int index) const
{
    for (size_t e = 0; e < catalogue_index_.size(); ++e)
        if (catalogue_index_[e] == index)
            return int(e);
    return -1;
}

FoundCode codi_trobar(const QString& command, const QString& following, const BuilderEntries& entries)
{
    if (!command.endsWith(QLatin1Char('}')))
        return {};
    for (int e = 0; e < entries.catalogue_count(); ++e) {
        if (entries.catalogue_index(e) == 0)
            continue;  // typed text is not a command
        const QString code = entries.code(e);
        const qsizetype at = code.indexOf(kValuePlaceholder);
        if (at >= 0) {
            // The value replaces the placeholder and the one character after it; the
            // rest of the template must follow the brace in the text.
            const QString before = code.left(at);
            const QString after = code.mid(at + kValuePlaceholder.size() + 1);
            if (!after.startsWith(QLatin1Char('}')) || !command.startsWith(before) ||
                command.size() < before.size() + 1)
                continue;
            const QString tail = after.mid(1);
            if (!following.startsWith(tail))
                continue;
            const QString value = command.mid(before.size(), command.size() - before.size() - 1);
            return {e, value, int(tail.size())};
        }
        if (!command.startsWith(code) || command.size() < code.size() + 1)
            continue;
        const QString value = command.mid(code.size(), command.size() - code.size() - 1);
        if (!value.isEmpty() && entries.parameter(e).isEmpty())
            continue;  // an entry without a value gives no value back
        return {e, value, 0};
    }
    return {};
}

OpenedRows rows_from_key_text(const QString& keys, const BuilderEntries& entries)
{
    OpenedRows opened;
    const int write = entries.entry_of_catalogue(0);
    QString collected;
    auto flush = [&] {
        if (!collected.isEmpty())
            opened.rows.push_back({write, collected});
        collected.clear();
    };
    const qsizetype n = keys.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = keys[i];
        if (kMacroStarts.contains(c)) {
            bool taken = false;
            for (size_t m = 0; m < entries.macros().size() && !taken; ++m) {
                const QString& macro_keys = entries.macros()[m].keys;
                if (macro_keys.isEmpty() || !QStringView(keys).mid(i).startsWith(macro_keys))
                    continue;
                flush();
                opened.rows.push_back({entries.catalogue_count() + int(m), QString()});
                i += macro_keys.size();
                taken = true;
            }
            if (taken)
                continue;
        }
        if (c == QLatin1Char('{') && i + 1 < n && keys[i + 1] == QLatin1Char('|')) {
            const qsizetype close = closing_brace(keys, i);
            if (close > 0) {
                const QString command = keys.mid(i, close - i + 1);
                const FoundCode found = codi_trobar(command, keys.mid(close + 1), entries);
                flush();
                opened.rows.push_back({found.entry, found.value});
                i = close + 1 + found.following_used;
                continue;
            }
        }
        collected += c;
        ++i;
    }
    flush();

    // What the rows cannot give back unchanged is kept whole in one row.
    bool complete = write >= 0;
    for (const BuilderRow& row : opened.rows)
        complete = complete && row.entry >= 0;
    if (!complete || confegir_codi(opened.rows, entries, QString()).keys != keys) {
        opened.rows = {{write, keys}};
        opened.raw = true;
    }
    return opened;
}

JoinedCode confegir_codi(const std::vector<BuilderRow>& rows, const BuilderEntries& entries,
                         const QString& program_folder)
{
    JoinedCode joined;
    for (const BuilderRow& row : rows) {
        const QString& v = row.value;
        if (row.entry < 0) {
            joined.keys += v;  // a row whose entry was never chosen keeps its text
            continue;
        }
        QString code = entries.code(row.entry);
        if (const CatalogueMacro* m = entries.macro(row.entry); m && !m->icon.isEmpty())
            joined.symbol = program_folder + QStringLiteral("/icones/") + m->icon;
        const qsizetype at = code.indexOf(kValuePlaceholder);
        if (at >= 0) {
            joined.keys += code.replace(at, kValuePlaceholder.size() + 1, v);
            continue;
        }
        code += v;
        const int index = entries.catalogue_index(row.entry);
        if (index > 0 && !code.isEmpty())
            code += QLatin1Char('}');
        if (!v.isEmpty() && names_picture(v))
            joined.symbol = v;
        joined.keys += code;
    }
    return joined;
}

void add_row(std::vector<BuilderRow>& rows, int& selected)
{
    rows.push_back(BuilderRow());
    selected = int(rows.size());
}

void remove_row(std::vector<BuilderRow>& rows, int& selected)
{
    if (selected < 1 || selected > int(rows.size()))
        return;
    rows.erase(rows.begin() + (selected - 1));
    if (selected > int(rows.size()))
        selected = int(rows.size());
}

void raise_row(std::vector<BuilderRow>& rows, int& selected)
{
    if (selected < 2 || selected > int(rows.size()))
        return;
    std::swap(rows[size_t(selected - 1)], rows[size_t(selected - 2)]);
    --selected;
}

QStringList list_items(const QString& value)
{
    const qsizetype open = value.indexOf(QLatin1Char('['));
    const qsizetype start = open + 1;
    qsizetype end = value.lastIndexOf(QLatin1Char(']'));
    if (end < start)
        end = value.size();
    const QString inner = value.mid(start, end - start);
    return inner.isEmpty() ? QStringList() : inner.split(QLatin1Char('#'));
}

QString list_value(const QStringList& items)
{
    QStringList kept;
    for (const QString& item : items)
        if (!item.isEmpty())
            kept << item;
    return QLatin1Char('[') + kept.join(QLatin1Char('#')) + QLatin1Char(']');
}

QStringList coordinates(const QString& value)
{
    const qsizetype blank = value.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {value, QString()};
    return {value.left(blank), value.mid(blank + 1)};
}

QString coordinates_value(const QString& x, const QString& y)
{
    return x + QLatin1Char(' ') + y;
}

SimValue split_sim(const QString& value)
{
    SimValue sim;
    const qsizetype first = value.indexOf(QLatin1Char('{'));
    if (first < 0) {
        sim.compared = value;
        return sim;
    }
    sim.compared = value.left(first);
    const qsizetype first_end = closing_brace(value, first);
    if (first_end < 0) {
        sim.when_true = value.mid(first + 1);
        return sim;
    }
    sim.when_true = value.mid(first + 1, first_end - first - 1);
    const qsizetype second = value.indexOf(QLatin1Char('{'), first_end + 1);
    if (second < 0)
        return sim;
    const qsizetype second_end = closing_brace(value, second);
    sim.when_false = second_end < 0 ? value.mid(second + 1) : value.mid(second + 1, second_end - second - 1);
    return sim;
}

QString sim_value(const SimValue& sim)
{
    return sim.compared + QLatin1Char('{') + sim.when_true + QStringLiteral("}{") + sim.when_false +
           QLatin1Char('}');
}

}  // namespace orvel
