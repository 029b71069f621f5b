#include "interchange/import_set.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <unistd.h>
#include <variant>

#include "editor/cover_file.h"
#include "editor/picture_cache.h"
#include "interchange/board_import.h"
#include "interchange/obf_reader.h"
#include "interchange/orvel_extension.h"
#include "interchange/picture_conversion.h"
#include "interchange/set_source.h"
#include "interchange/sound_conversion.h"
#include "model/template_file.h"

namespace orvel::obf {

namespace {

constexpr int kMaxBoards = 1000;
// Pictures are decoded no larger than the board itself.
const QSize kLargestPicture(kBoardWidth, kBoardHeight);

struct SetBoard {
    QString name;  // its file in the set
    Board board;
    QString file;  // BOARD.ORV in the output folder
};

// A file name of capitals, digits, "_" and "-" made from a board's name.
QString file_stem(const QString& wanted)
{
    const QString plain = wanted.normalized(QString::NormalizationForm_D);
    QString stem;
    for (const QChar c : plain) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            stem += c.toUpper();
        else if ((c == QLatin1Char(' ') || c == QLatin1Char('_') || c == QLatin1Char('-')) && !stem.isEmpty() &&
                 !stem.endsWith(QLatin1Char('_')))
            stem += QLatin1Char('_');
        if (stem.size() >= 32)
            break;
    }
    while (stem.endsWith(QLatin1Char('_')))
        stem.chop(1);
    return stem.isEmpty() ? QStringLiteral("PLAFO") : stem;
}

// Pictures and sounds made from the set are written straight, without the flush to disk
// that the boards get (an import writes thousands; importing again makes them again),
// and never through a symbolic link. Empty on success, else the reason.
QString write_plain_file(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC,
                          0666);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const QString error = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return error;
        }
        done += n;
    }
    return ::close(fd) == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

class Importer {
public:
    Importer(SetSource& source, const QString& out, ImportResult& result) : source_(source), out_(out), result_(result)
    {
    }

    void run(const QString& first)
    {
        discover(first);
        name_boards();
        for (SetBoard& b : boards_)
            convert(b);
    }

private:
    ExchangeReport& report() { return result_.report; }

    void discover(const QString& first)
    {
        std::deque<QString> queue;
        QString root = first;
        if (root.isEmpty()) {
            QString why;
            const auto manifest_bytes = source_.read(QStringLiteral("manifest.json"), &why);
            std::variant<Manifest, ReadError> manifest = ReadError{why};
            if (manifest_bytes)
                manifest = read_manifest(*manifest_bytes);
            if (const auto* m = std::get_if<Manifest>(&manifest)) {
                root = normalized_name(m->root);
                for (const auto& [id, path] : m->boards)
                    queue.push_back(normalized_name(path));
            } else {
                report().add(QStringLiteral("manifest.json"), std::get<ReadError>(manifest).text);
                for (const QString& name : source_.board_names())
                    queue.push_back(normalized_name(name));
            }
        }
        if (!root.isEmpty())
            queue.push_front(root);
        QSet<QString> seen;
        while (!queue.empty() && static_cast<int>(boards_.size()) < kMaxBoards) {
            const QString name = queue.front();
            queue.pop_front();
            if (name.isEmpty() || seen.contains(name))
                continue;
            seen.insert(name);
            QString why;
            const auto bytes = source_.read(name, &why);
            if (!bytes) {
                report().add(name, why);
                continue;
            }
            auto parsed = read_board(*bytes);
            if (const auto* error = std::get_if<ReadError>(&parsed)) {
                report().add(name, QCoreApplication::translate("Orvel", "no s'ha importat: %1").arg(error->text));
                continue;
            }
            SetBoard b{name, std::move(std::get<Board>(parsed)), QString()};
            // Boards a button opens are part of the set even when the manifest forgets them.
            for (const Button& button : b.board.buttons)
                if (button.load_board && !button.load_board->path.isEmpty())
                    queue.push_back(normalized_name(button.load_board->path));
            boards_.push_back(std::move(b));
        }
        if (!queue.empty())
            report().add(
                QCoreApplication::translate("Orvel", "conjunt"),
                QCoreApplication::translate("Orvel", "només s'han importat els primers %1 plafons").arg(kMaxBoards));
    }

    void name_boards()
    {
        QSet<QString> taken;
        for (SetBoard& b : boards_) {
            QString wanted = exported_file_name(b.board);
            if (wanted.endsWith(QLatin1String(".ORV"), Qt::CaseInsensitive))
                wanted.chop(4);
            if (wanted.isEmpty())
                wanted = !b.board.name.isEmpty() ? b.board.name : b.board.id;
            const QString stem = file_stem(wanted);
            QString file = stem + QStringLiteral(".ORV");
            for (int n = 2; taken.contains(file); ++n)
                file = stem + QStringLiteral("-%1.ORV").arg(n);
            taken.insert(file);
            b.file = file;
            if (!b.board.id.isEmpty() && !by_id_.contains(b.board.id))
                by_id_.insert(b.board.id, b.file);
            by_name_.insert(b.name, b.file);
            const QString exported = exported_file_name(b.board);
            if (!exported.isEmpty())
                by_exported_.insert(exported.toUpper(), b.file);
        }
    }

    // Writes a file of the output folder, never through a link that leads elsewhere.
    bool write_output(const QString& relative, const QByteArray& bytes, const QString& where)
    {
        const QString path = out_ + QLatin1Char('/') + relative;
        const QFileInfo info(path);
        QDir().mkpath(info.absolutePath());
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        if (info.isSymLink() || !(folder == canonical_out_ || folder.startsWith(canonical_out_ + QLatin1Char('/')))) {
            report().add(
                where,
                QCoreApplication::translate("Orvel", "no s'ha escrit «%1»: és un enllaç simbòlic").arg(relative));
            return false;
        }
        const QString error = write_plain_file(path, bytes);
        if (!error.isEmpty())
            report().add(where,
                         QCoreApplication::translate("Orvel", "no s'ha pogut escriure «%1»: %2").arg(relative, error));
        return error.isEmpty();
    }

    std::optional<QByteArray> media_bytes(const Reference& r, const QString& what, const QString& where)
    {
        QString why;
        if (!r.path.isEmpty()) {
            if (auto bytes = source_.read(normalized_name(r.path), &why))
                return bytes;
        } else if (!r.data.isEmpty()) {
            if (auto bytes = data_url_bytes(r.data))
                return bytes;
            why = QCoreApplication::translate("Orvel", "l'adreça «data:» no és vàlida");
        } else if (!r.url.isEmpty()) {
            why = QCoreApplication::translate("Orvel", "només és a la xarxa (%1)").arg(r.url.left(80));
        } else {
            why = QCoreApplication::translate("Orvel", "no té contingut");
        }
        report().add(where, QCoreApplication::translate("Orvel", "%1 «%2»: %3").arg(what, r.id, why));
        return std::nullopt;
    }

    QImage picture(const Board& board, const QString& image_id, const QString& where)
    {
        const Image* image = board.image(image_id);
        if (!image) {
            report().add(where, QCoreApplication::translate("Orvel", "la imatge «%1» no és al plafó").arg(image_id));
            return QImage();
        }
        // The same picture serves many buttons and boards: decoded once.
        const QString key = image->path.isEmpty() ? where + QLatin1Char('#') + image_id : normalized_name(image->path);
        if (auto it = pictures_.find(key); it != pictures_.end())
            return *it;
        QImage decoded;
        if (const auto bytes = media_bytes(*image, QCoreApplication::translate("Orvel", "la imatge"), where)) {
            QString why;
            decoded = decode_picture(*bytes, kLargestPicture, &why);
            if (decoded.isNull())
                report().add(where, QCoreApplication::translate("Orvel", "la imatge «%1»: %2").arg(image_id, why));
        }
        pictures_.insert(key, decoded);
        return decoded;
    }

    QString picture_file(SetBoard& b, const Button& button, QSize area, bool face)
    {
        QImage source;
        if (!button.image_id.isEmpty())
            source = picture(b.board, button.image_id, b.name);
        QImage written;
        if (face)
            written = button_face(source, button.label.trimmed(), css_color(button.background_color), area);
        else
            written = source;
        if (written.isNull() || area.isEmpty())
            return QString();
        const QString relative =
            QStringLiteral("IMATGES/%1-%2.BMP").arg(QFileInfo(b.file).completeBaseName()).arg(++pictures_written_);
        return write_output(relative, bmp_bytes(written), b.name) ? relative : QString();
    }

    QString sound_file(SetBoard& b, const Button& button)
    {
        if (button.sound_id.isEmpty())
            return QString();
        const Sound* sound = b.board.sound(button.sound_id);
        if (!sound) {
            report().add(b.name,
                         QCoreApplication::translate("Orvel", "el so «%1» no és al plafó").arg(button.sound_id));
            return QString();
        }
        const auto bytes = media_bytes(*sound, QCoreApplication::translate("Orvel", "el so"), b.name);
        if (!bytes)
            return QString();
        QString why;
        const auto wav = wav_from(*bytes, &why);
        if (!wav) {
            report().add(
                b.name,
                QCoreApplication::translate("Orvel", "el so «%1» (%2): %3").arg(sound->id, sound->content_type, why));
            return QString();
        }
        const QString relative =
            QStringLiteral("SONS/%1-%2.WAV").arg(QFileInfo(b.file).completeBaseName()).arg(++sounds_written_);
        return write_output(relative, *wav, b.name) ? relative : QString();
    }

    void convert(SetBoard& b)
    {
        pictures_written_ = sounds_written_ = 0;  // numbered per board: NAME-1.BMP ...
        ImportLinks links;
        links.own_file = b.file;
        links.root_file = boards_.empty() ? QString() : boards_.front().file;
        // By the path in the set, else by the board's id (boards made by hand often give
        // only one of the two, or a path from another layout of the set).
        links.board_file = [this](const LoadBoard& l) {
            const QString by_path = l.path.isEmpty() ? QString() : by_name_.value(normalized_name(l.path));
            return by_path.isEmpty() && !l.id.isEmpty() ? by_id_.value(l.id) : by_path;
        };
        links.renamed_board = [this](const QString& exported) { return by_exported_.value(exported.toUpper()); };
        links.picture_file = [this, &b](const Button& button, QSize area, bool face) {
            return picture_file(b, button, area, face);
        };
        links.sound_file = [this, &b](const Button& button) { return sound_file(b, button); };

        Template t = convert_board(b.board, links, b.name, report());
        t.directory = out_;
        t.file_name = out_ + QLatin1Char('/') + b.file;
        t.cover_file = QFileInfo(b.file).completeBaseName() + QStringLiteral(".BMP");
        if (QFileInfo(t.file_name).isSymLink() || QFileInfo(out_ + QLatin1Char('/') + t.cover_file).isSymLink()) {
            report().add(
                b.name, QCoreApplication::translate("Orvel", "no s'ha escrit «%1»: és un enllaç simbòlic").arg(b.file));
            return;
        }
        const WriteResult cover = generate_cover(t, covers_);
        if (!cover)
            report().add(
                b.name,
                QCoreApplication::translate("Orvel", "la caràtula no s'ha pogut escriure: %1").arg(cover.error_text));
        const WriteResult written = write_template(t, t.file_name);
        if (!written) {
            report().add(b.name, QCoreApplication::translate("Orvel", "no s'ha pogut escriure «%1»: %2")
                                     .arg(b.file, written.error_text));
            return;
        }
        if (written.unmappable > 0)
            report().add(b.file,
                         QCoreApplication::translate(
                             "Orvel", "%1 caràcters no caben en el joc de caràcters dels plafons i s'han escrit «?»")
                             .arg(written.unmappable));
        result_.boards << t.file_name;
    }

    SetSource& source_;
    QString out_;
    QString canonical_out_ = QFileInfo(out_).canonicalFilePath();
    ImportResult& result_;
    std::vector<SetBoard> boards_;
    QHash<QString, QString> by_id_, by_name_, by_exported_;
    QHash<QString, QImage> pictures_;
    PictureCache covers_;
    int pictures_written_ = 0;
    int sounds_written_ = 0;
};

}  // namespace

ImportResult import_set(const QString& source_path, const QString& out_folder)
{
    ImportResult result;
    QString first, why;
    const std::unique_ptr<SetSource> source = open_set(source_path, &first, &why);
    if (!source) {
        result.error = why;
        return result;
    }
    if (!QDir().mkpath(out_folder)) {
        result.error = QCoreApplication::translate("Orvel", "no es pot crear la carpeta «%1»").arg(out_folder);
        return result;
    }
    const QString out = QFileInfo(out_folder).absoluteFilePath();
    Importer(*source, out, result).run(first);
    if (result.boards.isEmpty() && result.error.isEmpty())
        result.error = QCoreApplication::translate("Orvel", "el conjunt no té cap plafó que es pugui importar");

    // The report stays beside the boards, for whoever opens the folder later.
    result.report_file = out + QLatin1Char('/') + kImportReportName;
    QByteArray text = QCoreApplication::translate("Orvel", "Importat de %1: %2 plafons.")
                          .arg(source_path)
                          .arg(result.boards.size())
                          .toUtf8() +
                      '\n';
    text += result.report.text();
    if (!QFileInfo(result.report_file).isSymLink())
        write_file_atomically(result.report_file, text);
    return result;
}

}  // namespace orvel::obf
