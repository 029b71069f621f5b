#pragma once
// The desktop clipboard: text and pictures.
#include <QImage>
#include <QString>

namespace orvel {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void set_text(const QString& text) = 0;
    virtual void set_image(const QImage& image) = 0;
    // The clipboard's text; empty when it holds none.
    virtual QString text() = 0;
};

}  // namespace orvel
