// Typing driver for bench/typing.sh: types a UTF-8 text file into the window that
// has the focus on $DISPLAY, then stays until the target has written what it got
// (the lent keycodes are given back when the program ends, so it must not end first).
//
//   bench_typing --type TEXT_FILE --until OUTPUT_FILE
//
// Run on its own (as `make bench` does with every bench_ program) it only says how it is used.
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_key_sender.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// The text as key notation: the notation's own characters go in braces.
QString as_notation(const QString& text)
{
    QString notation;
    for (QChar c : text) {
        if (QStringLiteral("+^%~(){}[]").contains(c))
            notation += u'{' + QString(c) + u'}';
        else
            notation += c;
    }
    return notation;
}

}  // namespace

int main(int argc, char** argv)
{
    QString text_file, output_file;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--type") == 0)
            text_file = QString::fromLocal8Bit(argv[i + 1]);
        else if (std::strcmp(argv[i], "--until") == 0)
            output_file = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (text_file.isEmpty()) {
        std::fprintf(stderr, "bench_typing is driven by bench/typing.sh\n");
        return 0;
    }
    QFile file(text_file);
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray bytes = file.readAll();
    orvel::X11Display display;
    if (!display.ok())
        return 3;
    orvel::X11KeySender sender(display);
    const int result = sender.send_keys(as_notation(QString::fromUtf8(bytes)));
    sender.wait_until_processed();
    if (result != 0) {
        std::fprintf(stderr, "send failed: %d\n", result);
        return 4;
    }
    // Wait until the output stops growing (or holds everything).
    qint64 last_size = -1;
    auto last_change = std::chrono::steady_clock::now();
    while (!output_file.isEmpty()) {
        const qint64 size = QFileInfo(output_file).size();
        if (size >= bytes.size())
            break;
        if (size != last_size) {
            last_size = size;
            last_change = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - last_change > std::chrono::seconds(2)) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}
