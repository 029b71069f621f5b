// Typing driver for bench/typing.sh and bench/typing_editors.sh: types UTF-8 text
// files into the window that has the focus on $DISPLAY, one run of keys each,
// waiting after each run until the target has read it (as a board's areas do),
// then gives back the keycodes it lent once the target has read everything.
//
//   bench_typing --type TEXT_FILE [--type TEXT_FILE ...] [--until OUTPUT_FILE]
//   bench_typing --wait-read      (returns once the focused window has read its queue)
//
// --until also waits for a terminal's `cat` to have written as many bytes as were typed.
// Exit status 5 when the target did not read its keys in time.
// Run on its own (as `make bench` does with every bench_ program) it only says how it is used.
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_key_sender.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// After Qt: Xlib's macros would spoil its headers.
#include "platform/x11/x11_target_reading.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// The text as key notation: the notation's own characters go in braces, a line end is Enter.
QString as_notation(const QString& text)
{
    QString notation;
    for (QChar c : text) {
        if (c == u'\n')
            notation += u'~';
        else if (QStringLiteral("+^%~(){}[]").contains(c))
            notation += u'{' + QString(c) + u'}';
        else
            notation += c;
    }
    return notation;
}

void wait_for_output(const QString& output_file, qint64 bytes)
{
    qint64 last_size = -1;
    auto last_change = std::chrono::steady_clock::now();
    while (!output_file.isEmpty()) {
        const qint64 size = QFileInfo(output_file).size();
        if (size >= bytes)
            break;
        if (size != last_size) {
            last_size = size;
            last_change = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - last_change > std::chrono::seconds(2)) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList text_files;
    QString output_file;
    bool wait_read = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--wait-read") == 0)
            wait_read = true;
        else if (i + 1 < argc && std::strcmp(argv[i], "--type") == 0)
            text_files << QString::fromLocal8Bit(argv[++i]);
        else if (i + 1 < argc && std::strcmp(argv[i], "--until") == 0)
            output_file = QString::fromLocal8Bit(argv[++i]);
    }
    if (text_files.isEmpty() && !wait_read) {
        std::fprintf(stderr, "bench_typing is driven by bench/typing.sh and bench/typing_editors.sh\n");
        return 0;
    }
    orvel::X11Display display;
    if (!display.ok())
        return 3;
    if (wait_read) {
        orvel::X11TargetReading reading(display.get());
        reading.typing(1);
        return reading.wait_until_read() ? 0 : 5;
    }
    orvel::X11KeySender sender(display);
    qint64 bytes = 0;
    bool read = true;
    for (const QString& text_file : text_files) {
        QFile file(text_file);
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        const QByteArray text = file.readAll();
        bytes += text.size();
        const int result = sender.send_keys(as_notation(QString::fromUtf8(text)));
        read = sender.wait_until_processed() && read;
        if (result != 0) {
            std::fprintf(stderr, "send failed: %d\n", result);
            return 4;
        }
    }
    wait_for_output(output_file, bytes);
    read = sender.finish() && read;
    return read ? 0 : 5;
}
