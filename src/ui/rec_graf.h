#pragma once
// The picture file browser `rec_graf` ("Fitxers Gràfics"): a drive list, a
// folder list, the pictures of the folder and a preview. "D'Acord" writes the
// chosen file's full path into the result text the caller gave; "Cancelar"
// leaves it as it was.
#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace orvel {

class rec_graf : public QDialog {
    Q_OBJECT
public:
    // `result` is the program's one picture choice; it outlives the dialog.
    explicit rec_graf(QString& result, QWidget* parent = nullptr);

    // The folder the lists show; one that cannot be read leaves them as they were.
    void set_folder(const QString& folder);
    QString folder() const { return folder_; }
    // Shows "Símbols...": a library symbol chosen through `chooser` (its file's full
    // path, "" when none) is the browser's choice, as "D'Acord" on a file would be.
    void set_symbol_chooser(std::function<QString()> chooser);

    QComboBox* Drive1() const { return Drive1_; }
    QListWidget* Dir1() const { return Dir1_; }
    QListWidget* File1() const { return File1_; }
    QLabel* Image1() const { return Image1_; }
    QPushButton* Command1(int index) const { return Command1_[static_cast<size_t>(index)]; }

    // Shown in the file list: the pictures the program reads.
    static QStringList picture_patterns();

private:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change(const QString& folder);
    void File1_Click();
    void Command1_Click(int index);
    void show_drives();
    void show_drive_of_folder();

    QString& result_;
    QString folder_;
    QComboBox* Drive1_ = nullptr;
    QLabel* folder_label_ = nullptr;
    QListWidget* Dir1_ = nullptr;
    QListWidget* File1_ = nullptr;
    QLabel* Image1_ = nullptr;
    std::array<QPushButton*, 2> Command1_{};
    QPushButton* symbols_ = nullptr;
    std::function<QString()> symbol_chooser_;
};

}  // namespace orvel
