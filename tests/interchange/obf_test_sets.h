#pragma once
// Board sets laid out for the interchange tests: .obz archives built from files in
// memory or from a folder of the test data.
#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "interchange/zip_set.h"
#include "support/test_files.h"

namespace orvel::testing {

struct SetFile {
    QString name;
    QByteArray bytes;
};

inline QString write_obz(const QString& path, const std::vector<SetFile>& files)
{
    obf::ZipWriter zip;
    for (const SetFile& f : files)
        zip.add(f.name, f.bytes);
    return zip.write(path);
}

// Every file under folder, named relative to it.
inline std::vector<SetFile> folder_files(const QString& folder)
{
    std::vector<SetFile> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.push_back({QDir(folder).relativeFilePath(path), read_file(path)});
    }
    return files;
}

inline QByteArray json(const QJsonObject& o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// A board of one row of buttons, each {id, label, extra fields}.
inline QJsonObject grid_board(const QString& id, const QJsonArray& buttons)
{
    QJsonArray row;
    for (const auto& b : buttons)
        row.append(b.toObject().value(QStringLiteral("id")));
    return QJsonObject{{"format", "open-board-0.1"},
                       {"id", id},
                       {"locale", "en"},
                       {"name", id},
                       {"buttons", buttons},
                       {"grid", QJsonObject{{"rows", 1}, {"columns", row.size()}, {"order", QJsonArray{row}}}},
                       {"images", QJsonArray{}},
                       {"sounds", QJsonArray{}}};
}

inline QByteArray manifest(const QString& root, const QJsonObject& boards)
{
    return json(QJsonObject{{"format", "open-board-0.1"}, {"root", root}, {"paths", QJsonObject{{"boards", boards}}}});
}

}  // namespace orvel::testing
