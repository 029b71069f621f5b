#include "ui/voice_training_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/messages.h"
#include "runtime/voice/speech_recognition_engine.h"

namespace orvel {

VoiceTrainingWindow::VoiceTrainingWindow(SpeechRecognitionEngine& engine, QWidget* parent)
    : QDialog(parent), engine_(engine)
{
    setObjectName(QStringLiteral("entrenament"));
    setWindowTitle(tr("Entrenament"));
    auto* layout = new QVBoxLayout(this);
    words_ = new QListWidget;
    words_->setObjectName(QStringLiteral("paraules"));
    words_->setAccessibleName(QStringLiteral("paraules"));
    layout->addWidget(words_);
    prompt_ = new QLabel;
    prompt_->setObjectName(QStringLiteral("digueu"));
    prompt_->setAlignment(Qt::AlignCenter);
    QFont big = prompt_->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    prompt_->setFont(big);
    layout->addWidget(prompt_);
    auto* row = new QHBoxLayout;
    record_ = new QPushButton(tr("&Gravar"));
    record_->setObjectName(QStringLiteral("gravar"));
    auto* forget = new QPushButton(tr("&Esborrar"));
    forget->setObjectName(QStringLiteral("esborrar"));
    auto* close = new QPushButton(tr("&Tancar"));
    close->setObjectName(QStringLiteral("tancar"));
    row->addWidget(record_);
    row->addWidget(forget);
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);
    connect(record_, &QPushButton::clicked, this, [this] { record_Click(); });
    connect(forget, &QPushButton::clicked, this, [this] { forget_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(words_, &QListWidget::currentRowChanged, this, [this] {
        if (words_->currentItem())
            prompt_->setText(translate_caption(engine_.matcher().words()[static_cast<size_t>(words_->currentRow())].word));
    });
    show_words();
    words_->setCurrentRow(0);
}

VoiceTrainingWindow::~VoiceTrainingWindow()
{
    engine_.cancel_recording();
}

void VoiceTrainingWindow::show_words()
{
    const int row = words_->currentRow();
    words_->clear();
    for (const WordModel& w : engine_.matcher().words())
        words_->addItem(QStringLiteral("%1 (%2)").arg(translate_caption(w.word)).arg(w.examples.size()));
    if (row >= 0 && row < words_->count())
        words_->setCurrentRow(row);
}

void VoiceTrainingWindow::record_Click()
{
    const int row = words_->currentRow();
    if (row < 0)
        return;
    const QString word = engine_.matcher().words()[static_cast<size_t>(row)].word;
    prompt_->setText(tr("Digueu: %1").arg(translate_caption(word)));
    record_->setEnabled(false);
    engine_.record_example(row + 1, [this, word](bool taken) {
        record_->setEnabled(true);
        prompt_->setText(taken ? translate_caption(word) : tr("No s'ha sentit bé: %1").arg(translate_caption(word)));
        show_words();
        // On to the next word that still has fewer examples than the rest.
        if (taken && words_->currentRow() + 1 < words_->count())
            words_->setCurrentRow(words_->currentRow() + 1);
    });
}

void VoiceTrainingWindow::forget_Click()
{
    const int row = words_->currentRow();
    if (row >= 0)
        engine_.forget_examples(row + 1);
    show_words();
}

}  // namespace orvel
