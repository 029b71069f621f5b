// Generating the cover of a 500-area board (25 x 20 over the 640 x 445 canvas): 450
// areas show one of 50 distinct 160 x 160 pictures (JPG and BMP), 50 show a caption.
//  - BM_GenerateCover: what a save costs: a fresh picture cache (every picture decoded
//    once), drawing, the 24-bit bitmap encoded and written by a rename. Goal: < 300 ms.
//  - BM_RenderCoverWarmCache: the drawing alone, pictures already decoded (a later save
//    of the same board in the editor keeps its cache).
//  - BM_DecodePicturesBaseline: the 50 pictures decoded with QImage and nothing else,
//    the floor any generation pays.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "editor/cover_file.h"
#include "editor/cover_layout.h"
#include "editor/picture_cache.h"
#include "model/template.h"

#include "lib/offscreen_gui_main.h"

namespace {

constexpr int kColumns = 25, kRows = 20, kPictures = 50;

struct Board {
    QTemporaryDir dir;
    orvel::Template t;
    QStringList files;

    Board()
    {
        t.directory = dir.path();
        orvel::Area root;
        root.Xf = 640, root.Yf = 445;
        orvel::add_area(t, root);
        for (int p = 0; p < kPictures; ++p) {
            QImage image(160, 160, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(p * 7 % 360, 200, 230));
            QPainter painter(&image);
            painter.setBrush(QColor::fromHsv((p * 53) % 360, 255, 120));
            painter.drawEllipse(20 + p % 40, 30, 100, 90 + p % 30);
            painter.end();
            const QString name = QStringLiteral("pic%1.%2").arg(p).arg(p % 2 ? "JPG" : "BMP");
            image.save(dir.filePath(name), p % 2 ? "JPG" : "BMP");
            files << dir.filePath(name);
        }
        int n = 0, shown = 0;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column, ++n) {
                orvel::Area a;
                a.Xi = int16_t(column * 640 / kColumns), a.Xf = int16_t((column + 1) * 640 / kColumns);
                a.Yi = int16_t(row * 445 / kRows), a.Yf = int16_t((row + 1) * 445 / kRows);
                a.parent = 1;
                if (n % 10 == 9)
                    a.keys = QStringLiteral("Paraula %1").arg(n);
                else {
                    const int p = shown++ % kPictures;
                    a.icon_file = QStringLiteral("PIC%1.%2").arg(p).arg(p % 2 ? "JPG" : "BMP");
                }
                orvel::add_area(t, a);
            }
        t.cover_file = QStringLiteral("COVER.BMP");
    }
};

Board& board()
{
    static Board b;
    return b;
}

void BM_GenerateCover(benchmark::State& state)
{
    Board& b = board();
    for (auto _ : state) {
        orvel::PictureCache pictures;
        const orvel::WriteResult written = orvel::generate_cover(b.t, pictures);
        if (!written || pictures.decoded() != kPictures)
            state.SkipWithError("cover not written, or pictures decoded more than once");
    }
}
BENCHMARK(BM_GenerateCover)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RenderCoverWarmCache(benchmark::State& state)
{
    Board& b = board();
    orvel::PictureCache pictures;
    orvel::render_cover(b.t, pictures);
    for (auto _ : state)
        benchmark::DoNotOptimize(orvel::render_cover(b.t, pictures));
}
BENCHMARK(BM_RenderCoverWarmCache)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DecodePicturesBaseline(benchmark::State& state)
{
    Board& b = board();
    for (auto _ : state)
        for (const QString& file : b.files)
            benchmark::DoNotOptimize(QImage(file));
}
BENCHMARK(BM_DecodePicturesBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    return orvel::bench::run_with_offscreen_gui(argc, argv);
}
