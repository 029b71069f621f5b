#include "ui/voice_distances_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "runtime/voice/speech_recognition_engine.h"

namespace orvel {

VoiceDistancesWindow::VoiceDistancesWindow(SpeechRecognitionEngine& engine, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("grafiques"));
    setWindowTitle(tr("Millorar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr(
        "Distància entre les paraules entrenades: les marcades es poden confondre; torneu-ne a entrenar una.")));
    const auto& words = engine.matcher().words();
    const auto distances = engine.matcher().word_distances();
    const int n = static_cast<int>(words.size());
    table_ = new QTableWidget(n, n);
    table_->setObjectName(QStringLiteral("distancies"));
    table_->setAccessibleName(QStringLiteral("distancies"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList names;
    for (const WordModel& w : words)
        names << w.word;
    table_->setHorizontalHeaderLabels(names);
    table_->setVerticalHeaderLabels(names);
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            if (a == b || words[size_t(a)].examples.empty() || words[size_t(b)].examples.empty())
                continue;
            const double d = distances[size_t(a)][size_t(b)];
            auto* item = new QTableWidgetItem(QString::number(d, 'f', 1));
            if (d < kTooClose) {
                item->setBackground(QColor(255, 190, 190));
                item->setText(item->text() + QStringLiteral(" !"));
            }
            table_->setItem(a, b, item);
        }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_);
    auto* close = new QPushButton(tr("&Tancar"));
    close->setObjectName(QStringLiteral("tancar"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close);
    resize(600, 300);
}

}  // namespace orvel
