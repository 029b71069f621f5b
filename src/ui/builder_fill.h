#pragma once
// The command builder's row editor `Fill` ("Assistent tecles"): a key text as
// rows, one command, macro or piece of typed text each, joined back on
// "Acceptar". Values that are key texts themselves open further row editors.
#include <QDialog>
#include <functional>
#include <vector>

#include "ui/builder_session.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace orvel {

class Fill : public QDialog {
    Q_OBJECT
public:
    // `mode` says what is edited; the program's name makes this the top level,
    // which starts the session's stacks afresh.
    Fill(BuilderSession& session, const QString& text, const QString& mode, QWidget* parent = nullptr);
    ~Fill() override;

    // "Acceptar": the joined key text and the visual symbol it gives the area.
    std::function<void(const JoinedCode&)> delivered;

    const std::vector<BuilderRow>& rows() const { return rows_; }
    int selected() const { return selected_; }
    bool opened_raw() const { return raw_; }

    void codi_Click(int index);  // 0 "+ Codi", 1 "- Codi", 2 "^ Codi"
    void Option1_Click(int row);
    void Ordres_Click(int row, int entry);
    void param2_Click(int row);
    void BUTO_SORTIR_Click(int index);

    QRadioButton* Option1(int row) const;
    QComboBox* Ordres(int row) const;
    QPushButton* param2(int row) const;
    QLineEdit* n_items() const { return n_items_; }

private:
    struct RowWidgets {
        QRadioButton* Option1;
        QComboBox* Ordres;
        QPushButton* param1;
        QPushButton* param2;
    };
    void show_rows();
    void write_captions();

    BuilderSession& session_;
    bool top_level_;
    bool raw_ = false;
    std::vector<BuilderRow> rows_;
    std::vector<BuilderRow> opened_rows_;
    int selected_ = 0;
    std::vector<RowWidgets> widgets_;
    QVBoxLayout* rows_layout_ = nullptr;
    QLineEdit* n_items_ = nullptr;
    std::vector<QPushButton*> buttons_;  // codi 0..2, then BUTO_SORTIR 0..1
};

}  // namespace orvel
