#pragma once
// The desktop clipboard through Qt (needs a QGuiApplication).
//
// Under X11 the clipboard is a selection owned by this process: other programs
// can paste what Orvel put there only while Orvel runs, unless a clipboard
// manager takes the content over when the process ends.
#include "platform/clipboard.h"

namespace orvel {

class QtClipboard : public Clipboard {
public:
    void clear() override;
    void set_text(const QString& text) override;
    void set_image(const QImage& image) override;
    QString text() override;
};

}  // namespace orvel
