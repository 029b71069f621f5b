#include "ui/voice_level_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "runtime/voice/speech_recognition_engine.h"

namespace orvel {

namespace {
constexpr int kFloorDb = -80;  // the bar's empty end
constexpr int kRefreshMs = 50;
}  // namespace

VoiceLevelWindow::VoiceLevelWindow(SpeechRecognitionEngine& engine, QWidget* parent)
    : QDialog(parent), engine_(engine)
{
    setObjectName(QStringLiteral("nivell_so"));
    setWindowTitle(tr("Control del volum"));
    auto* layout = new QVBoxLayout(this);
    level_ = new QProgressBar;
    level_->setObjectName(QStringLiteral("nivell"));
    level_->setAccessibleName(QStringLiteral("nivell"));
    level_->setRange(kFloorDb, 0);
    level_->setFormat(QStringLiteral("%v dB"));
    level_->setMinimumWidth(320);
    layout->addWidget(level_);
    noise_ = new QLabel;
    noise_->setObjectName(QStringLiteral("soroll"));
    layout->addWidget(noise_);
    auto* close = new QPushButton(tr("&Tancar"));
    close->setObjectName(QStringLiteral("tancar"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close);
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(); });
    timer_.start();
    refresh();
}

void VoiceLevelWindow::refresh()
{
    const auto db = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), kFloorDb, 0); };
    level_->setValue(db(engine_.level_db()));
    noise_->setText(engine_.microphone_open()
                        ? tr("Soroll de fons: %1 dB").arg(db(engine_.noise_db()))
                        : tr("No hi ha cap micròfon obert"));
}

}  // namespace orvel
