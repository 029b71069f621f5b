#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orvel {

namespace {

// Null without a QGuiApplication (a headless QCoreApplication): nothing to paste into.
QClipboard* desktop_clipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

void QtClipboard::clear()
{
    if (QClipboard* clipboard = desktop_clipboard())
        clipboard->clear(QClipboard::Clipboard);
}

void QtClipboard::set_text(const QString& text)
{
    if (QClipboard* clipboard = desktop_clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

void QtClipboard::set_image(const QImage& image)
{
    if (QClipboard* clipboard = desktop_clipboard())
        clipboard->setImage(image, QClipboard::Clipboard);
}

QString QtClipboard::text()
{
    QClipboard* clipboard = desktop_clipboard();
    return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
}

}  // namespace orvel
