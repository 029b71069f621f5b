#include "editor/picture_cache.h"

#include <QFileInfo>

#include "runtime/cover_picture.h"

namespace orvel {

QImage PictureCache::picture(const QString& path, QSize largest)
{
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const qint64 size = info.size();
    auto found = entries_.find(path);
    if (found != entries_.end() && found->modified == modified && found->size == size &&
        (!found->largest.isValid() ||
         (largest.isValid() && largest.boundedTo(found->largest) == largest)))
        return found->image;
    Entry entry{modified, size, largest, info.isFile() ? read_picture(path, nullptr, largest) : QImage()};
    ++decoded_;
    return entries_.insert(path, std::move(entry))->image;
}

}  // namespace orvel
