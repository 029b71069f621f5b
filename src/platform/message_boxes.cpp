#include "platform/message_boxes.h"

#include <cstdio>

namespace orvel {

QString StderrMessageBoxes::as_one_line(const QString& text)
{
    QString line = text;
    line.remove(QLatin1Char('\r'));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

void StderrMessageBoxes::show(const QString& text, const QString&, MessageIcon)
{
    std::fprintf(stderr, "%s\n", as_one_line(text).toUtf8().constData());
    std::fflush(stderr);
}

bool StderrMessageBoxes::ask_yes_no(const QString& text, const QString& title)
{
    show(text, title, MessageIcon::Question);
    return false;
}

}  // namespace orvel
