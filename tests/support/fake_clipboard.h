#pragma once
// A clipboard in memory.
#include <QImage>
#include <QString>

#include "event_log.h"
#include "platform/clipboard.h"

namespace orvel::testing {

class FakeClipboard : public Clipboard {
public:
    void clear() override
    {
        ++clears;
        content.clear();
        image = QImage();
        log_event(log, QStringLiteral("clipboard-clear"));
    }
    void set_text(const QString& text) override
    {
        content = text;
        image = QImage();
        log_event(log, QStringLiteral("clipboard-text:%1").arg(text));
    }
    void set_image(const QImage& picture) override
    {
        image = picture;
        content.clear();
        log_event(log, QStringLiteral("clipboard-image"));
    }
    QString text() override { return content; }

    QString content;
    QImage image;
    int clears = 0;
    EventLog* log = nullptr;
};

}  // namespace orvel::testing
