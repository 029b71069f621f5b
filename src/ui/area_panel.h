#pragma once
// The area panel (`fitxa_area`) beside the canvas: the area counter, the four
// edges with their scrollbars, stepping and the area commands, the key text,
// the visual and auditory symbols, the clipboard file and "Repetició de
// lectures". It shows one area record and reports what the person changes; the
// editor face decides what is stored.
#include <QWidget>
#include <array>
#include <functional>

#include "editor/area_editing.h"
#include "model/template.h"

class QButtonGroup;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace orvel {

class AreaPanel : public QWidget {
    Q_OBJECT
public:
    explicit AreaPanel(QWidget* parent = nullptr);

    // Fills every control from `area` (null: the panel is cleared) and the counter.
    void show_record(const Area* area, int current, int count);
    // The area as the controls hold it: the rectangle from the scrollbars, the rest
    // from the fields; a change between "TXT" and "Gràfic" forgets the clipboard file.
    Area read_record(const Area& stored) const;
    // The key-text box ends above the clipboard-file controls, or covers them on
    // boards of format minor 0.
    void lay_out_for_format(int format_minor);

    // A control beside "Tecles:" that helps writing the key text.
    void add_key_text_aid(QWidget* aid);

    int edge_value(Edge edge) const;
    void set_edge_value(Edge edge, int value);
    QPlainTextEdit* key_text() const { return TxText_; }
    QLineEdit* visual_symbol() const { return Icona_text_; }
    QLineEdit* sound_symbol() const { return So_Text_; }
    QLineEdit* clipboard_file() const { return TxApp_; }
    // Holds change reports back while the panel is being filled.
    bool updating() const { return updating_; }

    // A field changed by the person: `icon` is set for the visual symbol.
    std::function<void(bool icon)> field_changed;
    std::function<void(Edge edge, int value)> edge_changed;
    std::function<void(Edge edge, bool gained)> edge_focus;
    std::function<void()> next_area, previous_area, add_area, delete_area;
    std::function<void()> choose_picture, view_picture, choose_sound, play_sound, view_clipboard_file;
    // "Símbols..." beside the visual symbol: a picture from the symbol library.
    std::function<void()> choose_symbol;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* button(const QString& caption, const char* name, std::function<void()>* action);

    QLabel* MsgArea_ = nullptr;
    std::array<QScrollBar*, 4> scrolls_{};  // ScrollX0, scrollx1, ScrollY0, ScrollY1
    std::array<QLineEdit*, 4> boxes_{};     // TxX0, TxX1, TxY0, TxY1
    QHBoxLayout* key_text_row_ = nullptr;
    QPlainTextEdit* TxText_ = nullptr;
    QLineEdit* Icona_text_ = nullptr;
    QLineEdit* So_Text_ = nullptr;
    QLabel* Label5_ = nullptr;
    QWidget* clipboard_controls_ = nullptr;
    QRadioButton* txt_option_ = nullptr;      // Option1(0) "TXT"
    QRadioButton* picture_option_ = nullptr;  // Option1(1) "Gràfic"
    QLineEdit* TxApp_ = nullptr;
    QCheckBox* ChRepe_ = nullptr;
    bool updating_ = false;
};

}  // namespace orvel
