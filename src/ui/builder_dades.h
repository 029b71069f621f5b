#pragma once
// The command builder's parameter window `Dades`: one value of a row, laid out
// for its kind: a text, a number, two coordinates or a list of items.
#include <QDialog>
#include <array>

#include "ui/builder_session.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace orvel {

class Dades : public QDialog {
    Q_OBJECT
public:
    Dades(BuilderSession& session, const QString& kind, const QString& value, QWidget* parent = nullptr);
    ~Dades() override;

    // The value as "Acceptar" gives it.
    QString value() const;

    void BUTO_SORTIR_Click(int index);
    void List1_Click(int row);
    void Text2_Enter();
    void mF_Click();
    void buto_codi_Click();

    QLineEdit* Text2(int i) const { return Text2_[size_t(i)]; }
    QPlainTextEdit* Text1() const { return Text1_; }
    QListWidget* List1() const { return List1_; }
    QComboBox* Fitxers() const { return Fitxers_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BuilderSession& session_;
    QString kind_;
    std::array<QLineEdit*, 2> Text2_{};
    QPlainTextEdit* Text1_ = nullptr;
    QListWidget* List1_ = nullptr;
    QComboBox* Fitxers_ = nullptr;
};

}  // namespace orvel
