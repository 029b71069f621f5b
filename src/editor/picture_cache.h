#pragma once
// Visual symbols decoded once while a cover is drawn: a board often shows the same
// picture on many areas. Entries are keyed by the file and its time stamp, so a
// picture edited on disk is read again.
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

namespace orvel {

class PictureCache {
public:
    // The decoded picture at path, or a null image when it cannot be read. A picture
    // larger than `largest` is decoded at most that size (held in memory for the whole
    // generation, a photograph would cost tens of megabytes); an invalid size: whole.
    QImage picture(const QString& path, QSize largest = QSize());
    // How many files were decoded (not served from the cache) so far.
    int decoded() const { return decoded_; }

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        QSize largest;  // the bound it was decoded under
        QImage image;
    };
    QHash<QString, Entry> entries_;
    int decoded_ = 0;
};

}  // namespace orvel
