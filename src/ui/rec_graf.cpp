#include "ui/rec_graf.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "model/messages.h"

namespace orvel {

namespace {

constexpr int kPreviewSide = 220;

void name_control(QWidget* w, const QString& object_name, const QString& accessible_name)
{
    w->setObjectName(object_name);
    w->setAccessibleName(accessible_name);
}

// The places offered as drives: the user's folder, the root, and removable media.
QStringList drive_roots()
{
    QStringList roots = {QDir::homePath(), QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool removable = root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/")) ||
                               root.startsWith(QLatin1String("/run/media/"));
        if (volume.isValid() && volume.isReady() && removable && !roots.contains(root))
            roots << root;
    }
    return roots;
}

}  // namespace

QStringList rec_graf::picture_patterns()
{
    return {QStringLiteral("*.bmp"), QStringLiteral("*.wmf"), QStringLiteral("*.GIF"), QStringLiteral("*.JPG")};
}

rec_graf::rec_graf(QString& result, QWidget* parent) : QDialog(parent), result_(result)
{
    setObjectName(QStringLiteral("rec_graf"));
    setModal(true);

    Drive1_ = new QComboBox;
    name_control(Drive1_, QStringLiteral("Drive1"), QStringLiteral("Unitat"));
    folder_label_ = new QLabel;
    name_control(folder_label_, QStringLiteral("Dir1_cami"), QStringLiteral("Carpeta actual"));
    Dir1_ = new QListWidget;
    name_control(Dir1_, QStringLiteral("Dir1"), QStringLiteral("Carpetes"));
    File1_ = new QListWidget;
    name_control(File1_, QStringLiteral("File1"), QStringLiteral("Fitxers"));
    constexpr int kListWidth = 200;
    Dir1_->setMinimumWidth(kListWidth);
    File1_->setMinimumWidth(kListWidth);
    Image1_ = new QLabel;
    name_control(Image1_, QStringLiteral("Image1"), QStringLiteral("Vista prèvia"));
    Image1_->setFixedSize(kPreviewSide, kPreviewSide);
    Image1_->setAlignment(Qt::AlignCenter);
    Image1_->setFrameShape(QFrame::Box);

    const char* const captions[] = {QT_TRANSLATE_NOOP("Orvel", "D'Acord"), QT_TRANSLATE_NOOP("Orvel", "Cancelar")};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(captions[i]));
        name_control(b, QStringLiteral("Command1_%1").arg(i), QString::fromUtf8(captions[i]));
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1_[static_cast<size_t>(i)] = b;
    }
    Command1_[0]->setDefault(true);
    symbols_ = new QPushButton(QCoreApplication::translate("Orvel", "Sí&mbols..."));
    name_control(symbols_, QStringLiteral("Command1_simbols"), QCoreApplication::translate("Orvel", "Símbols"));
    symbols_->setVisible(false);
    connect(symbols_, &QPushButton::clicked, this, [this] {
        const QString chosen = symbol_chooser_ ? symbol_chooser_() : QString();
        if (chosen.isEmpty())
            return;
        result_ = chosen;
        accept();
    });

    auto* lists = new QVBoxLayout;
    lists->addWidget(Drive1_);
    lists->addWidget(folder_label_);
    lists->addWidget(Dir1_);
    auto* files = new QVBoxLayout;
    files->addWidget(File1_);
    auto* preview = new QVBoxLayout;
    preview->addWidget(Image1_);
    preview->addStretch();
    preview->addWidget(symbols_);
    preview->addWidget(Command1_[0]);
    preview->addWidget(Command1_[1]);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 2);
    layout->addLayout(files, 3);
    layout->addLayout(preview);

    connect(Drive1_, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(Dir1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Dir1_Change(item->data(Qt::UserRole).toString()); });
    connect(File1_, &QListWidget::currentItemChanged, this, [this] { File1_Click(); });
    connect(File1_, &QListWidget::itemActivated, this, [this] { Command1_Click(0); });

    Form_Load();
}

void rec_graf::Form_Load()
{
    setWindowTitle(tr("Fitxers Gràfics"));
    for (QPushButton* b : Command1_)
        b->setText(translate_caption(b->text()));
    show_drives();
    set_folder(QDir::currentPath());
}

void rec_graf::show_drives()
{
    Drive1_->clear();
    for (const QString& root : drive_roots())
        Drive1_->addItem(root, root);
}

void rec_graf::show_drive_of_folder()
{
    // The drive shown is the deepest place the folder lies in.
    int best = -1;
    qsizetype best_length = -1;
    for (int i = 0; i < Drive1_->count(); ++i) {
        const QString root = Drive1_->itemData(i).toString();
        const bool inside = folder_ == root || folder_.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + u'/');
        if (inside && root.size() > best_length) {
            best = i;
            best_length = root.size();
        }
    }
    if (best >= 0)
        Drive1_->setCurrentIndex(best);
}

void rec_graf::set_symbol_chooser(std::function<QString()> chooser)
{
    symbol_chooser_ = std::move(chooser);
    symbols_->setVisible(static_cast<bool>(symbol_chooser_));
}

void rec_graf::set_folder(const QString& folder)
{
    Dir1_Change(folder);
}

void rec_graf::Drive1_Change()
{
    // A drive that cannot be read leaves the lists, and the drive shown, as they were.
    Dir1_Change(Drive1_->currentData().toString());
    show_drive_of_folder();
}

void rec_graf::Dir1_Change(const QString& folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists() || !dir.isReadable())
        return;
    folder_ = QDir::cleanPath(dir.absolutePath());
    folder_label_->setText(folder_);
    show_drive_of_folder();

    Dir1_->clear();
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), Dir1_);
        up->setData(Qt::UserRole, QFileInfo(folder_).path());
    }
    for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                  QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(sub.fileName(), Dir1_);
        item->setData(Qt::UserRole, sub.absoluteFilePath());
    }

    // QDir matches these patterns without regard to letter case.
    File1_->clear();
    File1_->addItems(dir.entryList(picture_patterns(), QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void rec_graf::File1_Click()
{
    const QListWidgetItem* item = File1_->currentItem();
    if (!item)
        return;
    QImageReader reader(folder_ + QLatin1Char('/') + item->text());
    reader.setDecideFormatFromContent(true);
    // A large photograph is decoded straight to the preview's size where the format allows.
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > Image1_->width() || full.height() > Image1_->height()))
        reader.setScaledSize(full.scaled(Image1_->size(), Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return;  // the preview keeps what it showed
    Image1_->setPixmap(QPixmap::fromImage(
        image.scaled(Image1_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void rec_graf::Command1_Click(int index)
{
    if (index != 0) {
        reject();
        return;
    }
    // With no file selected the result is the folder and a separator, as chosen.
    const QListWidgetItem* item = File1_->currentItem();
    const QString separator = folder_.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    result_ = folder_ + separator + (item ? item->text() : QString());
    accept();
}

}  // namespace orvel
