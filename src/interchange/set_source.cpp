#include "interchange/set_source.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "interchange/obf_reader.h"

namespace orvel::obf {

namespace {

class ZipSource : public SetSource {
public:
    explicit ZipSource(const QString& path) : zip_(path) {}
    bool open(QString* why) const
    {
        if (!zip_.is_open())
            *why = zip_.error();
        return zip_.is_open();
    }
    std::optional<QByteArray> read(const QString& name, QString* why) override { return zip_.read(name, why); }
    std::vector<QString> board_names() const override
    {
        std::vector<QString> boards;
        for (const QString& name : zip_.names())
            if (name.endsWith(QLatin1String(".obf"), Qt::CaseInsensitive))
                boards.push_back(name);
        return boards;
    }

private:
    mutable ZipReader zip_;
};

class FolderSource : public SetSource {
public:
    explicit FolderSource(const QString& folder) : folder_(folder) {}
    std::optional<QByteArray> read(const QString& name, QString* why) override
    {
        if (!ZipReader::safe_entry_name(name)) {
            *why = QCoreApplication::translate("Orvel", "el camí «%1» surt de la carpeta del plafó").arg(name.left(80));
            return std::nullopt;
        }
        const QFileInfo info(folder_ + QLatin1Char('/') + name);
        // Neither the file nor a folder on its way may be a link out of the folder.
        if (!info.canonicalFilePath().startsWith(QFileInfo(folder_).canonicalFilePath() + QLatin1Char('/')) ||
            info.isSymLink()) {
            *why =
                QCoreApplication::translate("Orvel", "«%1» no és un fitxer de la carpeta del plafó").arg(name.left(80));
            return std::nullopt;
        }
        if (!info.isFile() || info.size() > kMaxFileBytes) {
            *why = info.isFile() ? QCoreApplication::translate("Orvel", "«%1» és massa gran").arg(name.left(80))
                                 : QCoreApplication::translate("Orvel", "«%1» no existeix").arg(name.left(80));
            return std::nullopt;
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            *why = QCoreApplication::translate("Orvel", "«%1» no es pot llegir").arg(name.left(80));
            return std::nullopt;
        }
        return file.readAll();
    }
    std::vector<QString> board_names() const override { return {}; }

private:
    static constexpr qint64 kMaxFileBytes = kMaxBoardBytes;
    QString folder_;
};

}  // namespace

QString normalized_name(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (n.startsWith(QLatin1String("./")))
        n.remove(0, 2);
    n.replace(QLatin1String("/./"), QLatin1String("/"));
    return n;
}

std::unique_ptr<SetSource> open_set(const QString& path, QString* first, QString* why)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        *why = QCoreApplication::translate("Orvel", "no es pot llegir el fitxer «%1»").arg(path);
        return nullptr;
    }
    const QByteArray magic = file.read(4);
    file.close();
    if (magic.startsWith("PK")) {
        auto zip = std::make_unique<ZipSource>(path);
        if (!zip->open(why))
            return nullptr;
        first->clear();
        return zip;
    }
    *first = info.fileName();
    return std::make_unique<FolderSource>(info.absolutePath());
}

}  // namespace orvel::obf
