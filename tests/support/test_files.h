#pragma once
// Files that tests lay out on disk and read back.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace orvel::testing {

// Writes the bytes to path, creating its folders; a failure fails the calling test.
inline void write_file(const QString& path, const QByteArray& bytes = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
}

// The file's bytes; empty when it cannot be read.
inline QByteArray read_file(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Points the user's config, state and data folders into `dir`, so a window under test
// reads and writes nothing of the real user's.
inline void use_private_user_folders(const QDir& dir)
{
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
        qputenv(var, dir.filePath(QString::fromLatin1(var)).toLocal8Bit());
}

}  // namespace orvel::testing
