// Importing an Open Board Format set of 50 boards, 2000 buttons (8 x 5 each) and 500
// distinct 128 x 128 PNG pictures in the archive (each shown by four buttons), every
// board linking to the next: what `orvel --import` does, button faces, covers, the
// boards and the report written. Goal: under 5 s and under 200 MB of memory.
//  - BM_ImportSet: the whole import into a fresh folder; the counter peak_rss_mb is the
//    process's peak resident size after the runs (the set's own making included).
//  - BM_DecodePicturesBaseline: the 500 pictures decoded from the archive's bytes with
//    QImage and nothing else, the floor any import pays.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <sys/resource.h>

#include "interchange/import_set.h"
#include "interchange/zip_set.h"

#include "lib/offscreen_gui_main.h"

namespace {

constexpr int kBoards = 50, kRows = 5, kColumns = 8, kPictures = 500;

QByteArray picture(int p)
{
    QImage image(128, 128, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(p * 7 % 360, 60, 250));
    QPainter painter(&image);
    painter.setBrush(QColor::fromHsv((p * 53) % 360, 255, 160));
    painter.drawEllipse(10 + p % 30, 12, 90, 80 + p % 30);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct Set {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("set.obz"));
    std::vector<QByteArray> pictures;

    Set()
    {
        orvel::obf::ZipWriter zip;
        QJsonObject boards;
        for (int p = 0; p < kPictures; ++p) {
            pictures.push_back(picture(p));
            zip.add(QStringLiteral("images/%1.png").arg(p), pictures.back());
        }
        for (int b = 0; b < kBoards; ++b) {
            QJsonArray buttons, order, images;
            for (int i = 0; i < kPictures / kBoards; ++i) {
                const int p = b * (kPictures / kBoards) + i;
                images.append(QJsonObject{{"id", QString::number(p)},
                                          {"path", QStringLiteral("images/%1.png").arg(p)},
                                          {"content_type", "image/png"},
                                          {"width", 128},
                                          {"height", 128}});
            }
            for (int r = 0; r < kRows; ++r) {
                QJsonArray row;
                for (int c = 0; c < kColumns; ++c) {
                    const int n = r * kColumns + c;
                    const QString id = QString::number(n);
                    QJsonObject button{
                        {"id", id},
                        {"label", QStringLiteral("paraula %1").arg(n)},
                        {"image_id", QString::number(b * (kPictures / kBoards) + n % (kPictures / kBoards))},
                        {"background_color", "rgb(255, 236, 140)"}};
                    if (n == 0)
                        button["load_board"] =
                            QJsonObject{{"path", QStringLiteral("boards/%1.obf").arg((b + 1) % kBoards)}};
                    buttons.append(button);
                    row.append(id);
                }
                order.append(row);
            }
            const QJsonObject board{{"format", "open-board-0.1"},
                                    {"id", QString::number(b)},
                                    {"locale", "ca"},
                                    {"name", QStringLiteral("Plafó %1").arg(b)},
                                    {"buttons", buttons},
                                    {"grid", QJsonObject{{"rows", kRows}, {"columns", kColumns}, {"order", order}}},
                                    {"images", images},
                                    {"sounds", QJsonArray{}}};
            zip.add(QStringLiteral("boards/%1.obf").arg(b), QJsonDocument(board).toJson());
            boards.insert(QString::number(b), QStringLiteral("boards/%1.obf").arg(b));
        }
        zip.add("manifest.json", QJsonDocument(QJsonObject{{"format", "open-board-0.1"},
                                                           {"root", "boards/0.obf"},
                                                           {"paths", QJsonObject{{"boards", boards}}}})
                                     .toJson());
        if (!zip.write(path).isEmpty())
            std::abort();
    }
};

Set& the_set()
{
    static Set set;
    return set;
}

double peak_rss_mb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_ImportSet(benchmark::State& state)
{
    Set& set = the_set();
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString out = set.dir.filePath(QStringLiteral("out%1").arg(run++));
        state.ResumeTiming();
        const auto result = orvel::obf::import_set(set.path, out);
        if (result.boards.size() != kBoards)
            state.SkipWithError("not every board was imported");
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
    }
    state.counters["peak_rss_mb"] = peak_rss_mb();
}
BENCHMARK(BM_ImportSet)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DecodePicturesBaseline(benchmark::State& state)
{
    Set& set = the_set();
    for (auto _ : state)
        for (const QByteArray& bytes : set.pictures)
            benchmark::DoNotOptimize(QImage::fromData(bytes, "PNG"));
}
BENCHMARK(BM_DecodePicturesBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return orvel::bench::run_with_offscreen_gui(argc, argv);
}
