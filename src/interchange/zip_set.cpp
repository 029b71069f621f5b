#include "interchange/zip_set.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <zip.h>

namespace orvel::obf {

namespace {

bool is_symbolic_link(zip* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && S_ISLNK(attributes >> 16);
}

}  // namespace

ZipReader::ZipReader(const QString& path, ZipLimits limits) : limits_(limits)
{
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive_) {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        error_ = QCoreApplication::translate("Orvel", "no és un arxiu zip que es pugui llegir (%1)")
                     .arg(QString::fromLocal8Bit(zip_error_strerror(&e)));
        zip_error_fini(&e);
        return;
    }
    if (zip_get_num_entries(archive_, 0) > limits_.max_entries) {
        error_ = QCoreApplication::translate("Orvel", "l'arxiu té més de %1 fitxers").arg(limits_.max_entries);
        zip_discard(archive_);
        archive_ = nullptr;
    }
}

ZipReader::~ZipReader()
{
    if (archive_)
        zip_discard(archive_);
}

bool ZipReader::safe_entry_name(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return false;
    for (const QString& part : name.split(QLatin1Char('/')))
        if (part == QLatin1String(".."))
            return false;
    return true;
}

std::vector<QString> ZipReader::names() const
{
    std::vector<QString> result;
    if (!archive_)
        return result;
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0))
            result.push_back(QString::fromUtf8(name));
    return result;
}

std::optional<QByteArray> ZipReader::read(const QString& name, QString* why)
{
    if (!archive_) {
        *why = error_;
        return std::nullopt;
    }
    if (!safe_entry_name(name)) {
        *why = QCoreApplication::translate("Orvel", "el camí «%1» surt del conjunt").arg(name.left(80));
        return std::nullopt;
    }
    const QByteArray encoded = name.toUtf8();
    const zip_int64_t index = zip_name_locate(archive_, encoded.constData(), 0);
    if (index < 0) {
        *why = QCoreApplication::translate("Orvel", "«%1» no és a l'arxiu").arg(name.left(80));
        return std::nullopt;
    }
    if (is_symbolic_link(archive_, static_cast<zip_uint64_t>(index))) {
        *why = QCoreApplication::translate("Orvel", "«%1» és un enllaç simbòlic").arg(name.left(80));
        return std::nullopt;
    }
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &st) != 0) {
        *why = QCoreApplication::translate("Orvel", "«%1» no es pot llegir").arg(name.left(80));
        return std::nullopt;
    }
    // The stated size may lie: reading stops at the limit whatever the header says.
    const qint64 limit = std::min(limits_.max_entry_bytes, limits_.max_total_bytes - total_read_);
    if ((st.valid & ZIP_STAT_SIZE) && static_cast<qint64>(st.size) > limit) {
        *why = static_cast<qint64>(st.size) > limits_.max_entry_bytes
                   ? QCoreApplication::translate("Orvel", "«%1» és massa gran (%2 MB)")
                         .arg(name.left(80))
                         .arg(st.size / (1024 * 1024))
                   : QCoreApplication::translate("Orvel", "el conjunt és massa gran un cop descomprimit");
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        *why = QCoreApplication::translate("Orvel", "«%1» no es pot llegir").arg(name.left(80));
        return std::nullopt;
    }
    QByteArray bytes;
    char buffer[65536];
    bool too_big = false, failed = false;
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0)
            break;
        if (bytes.size() + n > limit) {
            too_big = true;
            break;
        }
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    zip_fclose(file);
    total_read_ += bytes.size();
    if (too_big) {
        *why = QCoreApplication::translate("Orvel", "«%1» és massa gran un cop descomprimit").arg(name.left(80));
        return std::nullopt;
    }
    if (failed) {
        *why = QCoreApplication::translate("Orvel", "«%1» està malmès").arg(name.left(80));
        return std::nullopt;
    }
    return bytes;
}

void ZipWriter::add(const QString& name, const QByteArray& bytes)
{
    entries_.emplace_back(name, bytes);
}

QString ZipWriter::write(const QString& path) const
{
    // libzip writes its own temporary file beside the target and renames it at close.
    int code = 0;
    zip* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        const QString text = QString::fromLocal8Bit(zip_error_strerror(&e));
        zip_error_fini(&e);
        return text;
    }
    for (const auto& [name, bytes] : entries_) {
        zip_source_t* source =
            zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
        if (!source ||
            zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            if (source)
                zip_source_free(source);
            const QString text = QString::fromLocal8Bit(zip_strerror(archive));
            zip_discard(archive);
            return text;
        }
    }
    if (zip_close(archive) != 0) {
        const QString text = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        return text;
    }
    return QString();
}

}  // namespace orvel::obf
