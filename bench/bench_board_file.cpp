// Reading and writing a board of 32767 areas (the format's maximum), each with a
// 200-character key text and three file names, against baselines in the same run:
//  - read baseline: the same file read with std::ifstream and split into lines with
//    std::getline, each line kept in a std::string;
//  - write baseline: the same bytes written with std::ofstream.
// Goals: reading at most 3 times its baseline, writing at most 3 times its baseline.
//
// Memory: the program runs itself twice ("--memory-probe"), once loading an empty board
// and once the big one, and compares their peak resident memory (VmHWM). Goal: what the
// loaded board adds stays under 3 times the file's size.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "model/template_file.h"
#include "platform/message_boxes.h"

namespace {

class SilentMessages : public orvel::MessageBoxes {
public:
    void show(const QString&, const QString&, orvel::MessageIcon) override {}
    bool ask_yes_no(const QString&, const QString&) override { return false; }
};

orvel::Template big_board()
{
    orvel::Template t;
    t.description = QStringLiteral("Tauler de prova amb el màxim d'àrees");
    orvel::Area root;
    root.Xf = 640;
    root.Yf = 445;
    root.is_group = -1;
    orvel::add_area(t, root);
    const QString filler = QStringLiteral("Bon dia, com estàs? Avui fa sol i anirem a passejar pel parc amb els amics. ");
    for (int i = 2; i <= orvel::kMaxAreas; ++i) {
        orvel::Area a;
        a.Xi = static_cast<int16_t>(i % 600);
        a.Yi = static_cast<int16_t>(i % 400);
        a.Xf = static_cast<int16_t>(a.Xi + 40);
        a.Yf = static_cast<int16_t>(a.Yi + 40);
        a.parent = 1;
        const QString n = QString::number(i).rightJustified(5, QLatin1Char('0'));
        a.clip_file = QStringLiteral("clips/clip") + n + QStringLiteral(".txt");
        a.sound_file = QStringLiteral("sons/so") + n + QStringLiteral(".wav");
        a.icon_file = QStringLiteral("icones/icona") + n + QStringLiteral(".bmp");
        QString keys = QStringLiteral("{|LLEGIR ") + n + QStringLiteral("}");
        while (keys.size() < 200)
            keys += filler;
        keys.truncate(200);
        a.keys = keys;
        orvel::add_area(t, a);
    }
    // The root area too gets the same load, so every one of the 32767 areas is full size.
    t.area(1).keys = t.area(2).keys;
    t.area(1).clip_file = t.area(2).clip_file;
    t.area(1).sound_file = t.area(2).sound_file;
    t.area(1).icon_file = t.area(2).icon_file;
    return t;
}

struct Files {
    QTemporaryDir dir;
    QString board;
    QString empty;
    QByteArray bytes;
    Files()
    {
        board = dir.path() + QStringLiteral("/BIG.ORV");
        empty = dir.path() + QStringLiteral("/EMPTY.ORV");
        const orvel::Template t = big_board();
        bytes = orvel::template_bytes(t);
        orvel::write_template(t, board);
        orvel::write_template(orvel::Template{}, empty);
    }
};

Files& files()
{
    static Files f;
    return f;
}

void BM_ReadBoard(benchmark::State& state)
{
    const QString path = files().board;
    SilentMessages messages;
    for (auto _ : state) {
        orvel::Template t;
        orvel::load_template(t, path, messages);
        benchmark::DoNotOptimize(t.area_count);
        if (t.area_count != orvel::kMaxAreas)
            state.SkipWithError("board not read whole");
    }
    state.SetBytesProcessed(state.iterations() * files().bytes.size());
}
BENCHMARK(BM_ReadBoard)->Unit(benchmark::kMillisecond);

void BM_ReadBaselineGetline(benchmark::State& state)
{
    const std::string path = QFile::encodeName(files().board).toStdString();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * files().bytes.size());
}
BENCHMARK(BM_ReadBaselineGetline)->Unit(benchmark::kMillisecond);

void BM_WriteBoard(benchmark::State& state)
{
    const orvel::Template t = big_board();
    const QString path = files().dir.path() + QStringLiteral("/OUT.ORV");
    for (auto _ : state) {
        if (!orvel::write_template(t, path))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * files().bytes.size());
}
BENCHMARK(BM_WriteBoard)->Unit(benchmark::kMillisecond);

// The writer's own work without the file system: encoding the board to bytes.
void BM_WriteBoardBytesOnly(benchmark::State& state)
{
    const orvel::Template t = big_board();
    for (auto _ : state) {
        QByteArray bytes = orvel::template_bytes(t);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * files().bytes.size());
}
BENCHMARK(BM_WriteBoardBytesOnly)->Unit(benchmark::kMillisecond);

void BM_WriteBaselineOfstream(benchmark::State& state)
{
    const std::string path = QFile::encodeName(files().dir.path() + QStringLiteral("/BASE.ORV")).toStdString();
    const QByteArray& bytes = files().bytes;
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.constData(), bytes.size());
        out.close();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_WriteBaselineOfstream)->Unit(benchmark::kMillisecond);

// The same bytes written and flushed to disk (fsync), as the board writer does so that a
// crash never leaves half a board.
void BM_WriteBaselineOfstreamSynced(benchmark::State& state)
{
    const QByteArray name = QFile::encodeName(files().dir.path() + QStringLiteral("/BASE.ORV"));
    const QByteArray& bytes = files().bytes;
    for (auto _ : state) {
        std::FILE* f = std::fopen(name.constData(), "wb");
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), f);
        std::fflush(f);
        ::fsync(::fileno(f));
        std::fclose(f);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_WriteBaselineOfstreamSynced)->Unit(benchmark::kMillisecond);

long peak_resident_kb()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kb = std::strtol(line + 6, nullptr, 10);
    std::fclose(status);
    return kb;
}

// Child side: load one board, report the peak resident memory in kB on stdout.
int memory_probe(const char* path)
{
    SilentMessages messages;
    orvel::Template t;
    orvel::load_template(t, QString::fromLocal8Bit(path), messages);
    std::printf("%ld %d\n", peak_resident_kb(), static_cast<int>(t.area_count));
    return 0;
}

// Parent side: run the probe on a board, return its peak in kB (-1 on failure).
long run_probe(const QString& board, int* areas)
{
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipe_fds[1], STDOUT_FILENO);
        ::close(pipe_fds[0]);
        ::close(pipe_fds[1]);
        const QByteArray path = QFile::encodeName(board);
        ::execl("/proc/self/exe", "bench_board_file", "--memory-probe", path.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipe_fds[1]);
    char buffer[128] = {};
    const ssize_t n = ::read(pipe_fds[0], buffer, sizeof buffer - 1);
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (n <= 0)
        return -1;
    long kb = -1;
    std::sscanf(buffer, "%ld %d", &kb, areas);
    return kb;
}

void report_memory()
{
    int empty_areas = 0;
    int big_areas = 0;
    const long empty_kb = run_probe(files().empty, &empty_areas);
    const long big_kb = run_probe(files().board, &big_areas);
    const double file_mb = files().bytes.size() / (1024.0 * 1024.0);
    const double added_mb = (big_kb - empty_kb) / 1024.0;
    const double ratio = added_mb / file_mb;
    std::printf("board file: %d areas, %.2f MB\n", big_areas, file_mb);
    std::printf("peak resident memory: empty board %.1f MB, loaded board %.1f MB, added %.1f MB = %.2f x the file (goal < 3)\n",
                empty_kb / 1024.0, big_kb / 1024.0, added_mb, ratio);
    std::fflush(stdout);
    benchmark::AddCustomContext("board_file_mb", std::to_string(file_mb));
    benchmark::AddCustomContext("board_memory_added_mb", std::to_string(added_mb));
    benchmark::AddCustomContext("board_memory_ratio", std::to_string(ratio));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--memory-probe") == 0)
        return memory_probe(argv[2]);
    report_memory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
