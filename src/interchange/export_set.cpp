#include "interchange/export_set.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <deque>

#include "editor/picture_cache.h"
#include "interchange/board_export.h"
#include "interchange/obf_writer.h"
#include "interchange/zip_set.h"
#include "model/file_names.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"

namespace orvel::obf {

namespace {

constexpr int kMaxBoards = 1000;

// The reader's messages become lines of the report.
class ReportedMessages : public MessageBoxes {
public:
    ReportedMessages(ExchangeReport& report, const QString& where) : report_(report), where_(where) {}
    void show(const QString& text, const QString&, MessageIcon) override
    {
        report_.add(where_, StderrMessageBoxes::as_one_line(text));
    }
    bool ask_yes_no(const QString&, const QString&) override { return false; }

private:
    ExchangeReport& report_;
    QString where_;
};

QString board_key(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

ExportResult export_set(const QString& board_path, const QString& out_obz)
{
    ExportResult result;
    const QString out = QFileInfo(out_obz).absoluteFilePath();  // loading changes the current folder
    // Boards are read first, so that every CARREGA knows its board's id.
    std::vector<Template> boards;
    QHash<QString, QString> ids;  // absolute path -> id
    std::deque<QString> queue{board_key(board_path)};
    while (!queue.empty() && static_cast<int>(boards.size()) < kMaxBoards) {
        const QString path = queue.front();
        queue.pop_front();
        if (ids.contains(path))
            continue;
        Template t;
        t.directory = QFileInfo(path).absolutePath();
        ReportedMessages messages(result.report, QFileInfo(path).fileName());
        if (!board_was_read(load_template(t, path, messages, LoadOptions{QString(), false}))) {
            if (boards.empty()) {
                result.error =
                    QCoreApplication::translate("Orvel", "no s'ha pogut llegir el plafó «%1»").arg(board_path);
                return result;
            }
            result.report.add(QFileInfo(path).fileName(),
                              QCoreApplication::translate("Orvel", "no s'ha exportat: no s'ha pogut llegir"));
            continue;
        }
        ids.insert(path, QString::number(boards.size() + 1));
        for (int n = 1; n <= t.area_count; ++n)
            for (const QString& argument : load_arguments(t.area(n).keys)) {
                const QString target = board_key(resolve_stored_name(argument, t.directory));
                if (existing_file(target) && ends_with_no_case(target, QStringLiteral(".ORV")))
                    queue.push_back(target);
            }
        result.boards << path;
        boards.push_back(std::move(t));
    }

    ZipWriter zip;
    Manifest manifest;
    PictureCache pictures;
    const auto path_of = [](const QString& id) { return QStringLiteral("boards/%1.obf").arg(id); };
    for (size_t i = 0; i < boards.size(); ++i) {
        const Template& t = boards[i];
        ExportLinks links;
        links.id = QString::number(i + 1);
        links.file = QFileInfo(result.boards[static_cast<qsizetype>(i)]).fileName();
        links.board_id = [&ids, &t](const QString& argument) {
            return ids.value(board_key(resolve_stored_name(argument, t.directory)));
        };
        links.board_path = path_of;
        ExportedBoard exported = export_board(t, links, pictures, result.report);
        for (auto& [name, bytes] : exported.files)
            zip.add(name, bytes);
        for (const Image& image : exported.board.images)
            manifest.images.emplace_back(links.id + QLatin1Char('-') + image.id, image.path);
        for (const Sound& sound : exported.board.sounds)
            manifest.sounds.emplace_back(links.id + QLatin1Char('-') + sound.id, sound.path);
        zip.add(path_of(links.id), board_json(exported.board));
        manifest.boards.emplace_back(links.id, path_of(links.id));
    }
    manifest.root = path_of(QStringLiteral("1"));
    zip.add(QStringLiteral("manifest.json"), manifest_json(manifest));
    const QString error = zip.write(out);
    if (!error.isEmpty())
        result.error = QCoreApplication::translate("Orvel", "no s'ha pogut escriure «%1»: %2").arg(out, error);
    return result;
}

}  // namespace orvel::obf
