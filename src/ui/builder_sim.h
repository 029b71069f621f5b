#pragma once
// The command builder's memory test window `sim`: the value compared with the
// memory register and the key texts run when it matches and when it does not.
#include <QDialog>
#include <array>

#include "ui/builder_session.h"

class QLineEdit;
class QPushButton;

namespace orvel {

class sim : public QDialog {
    Q_OBJECT
public:
    sim(BuilderSession& session, const QString& value, QWidget* parent = nullptr);
    ~sim() override;

    QString value() const { return sim_value(value_with_compared()); }

    // "Cert" (0) and "Fals" (1): a row editor on that branch.
    void buto_codi_Click(int index);
    void BUTO_SORTIR_Click(int index);

    QLineEdit* Text2() const { return Text2_; }
    QPushButton* param2(int i) const { return param2_[size_t(i)]; }

private:
    SimValue value_with_compared() const;
    void show_branches();

    BuilderSession& session_;
    SimValue value_;
    QLineEdit* Text2_ = nullptr;
    std::array<QPushButton*, 2> param2_{};
};

}  // namespace orvel
