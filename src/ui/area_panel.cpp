#include "ui/area_panel.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace orvel {

namespace {
constexpr std::array<Edge, 4> kEdges{Edge::Xi, Edge::Xf, Edge::Yi, Edge::Yf};
constexpr std::array<const char*, 4> kScrollNames{"ScrollX0", "scrollx1", "ScrollY0", "ScrollY1"};
constexpr std::array<const char*, 4> kBoxNames{"TxX0", "TxX1", "TxY0", "TxY1"};
constexpr std::array<const char*, 4> kEdgeLabels{"Xi:", "Xf:", "Yi:", "Yf:"};

int16_t edge_of(const Area& a, Edge e)
{
    switch (e) {
    case Edge::Xi: return a.Xi;
    case Edge::Xf: return a.Xf;
    case Edge::Yi: return a.Yi;
    case Edge::Yf: return a.Yf;
    }
    return 0;
}

QLineEdit* named_line(const char* name, const QString& accessible)
{
    auto* line = new QLineEdit;
    line->setObjectName(QLatin1String(name));
    line->setAccessibleName(accessible);
    return line;
}
}  // namespace

QPushButton* AreaPanel::button(const QString& caption, const char* name, std::function<void()>* action)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(QString(caption).remove(QLatin1Char('&')) + QStringLiteral(" ") + QLatin1String(name));
    connect(b, &QPushButton::clicked, this, [action] {
        if (*action)
            (*action)();
    });
    return b;
}

AreaPanel::AreaPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fitxa_area"));
    auto* column = new QVBoxLayout(this);

    auto* steps = new QHBoxLayout;
    steps->addWidget(button(QStringLiteral("<"), "PrevArea", &previous_area));
    MsgArea_ = new QLabel(tr("0/0 àrees"));
    MsgArea_->setObjectName(QStringLiteral("MsgArea"));
    MsgArea_->setAlignment(Qt::AlignCenter);
    steps->addWidget(MsgArea_, 1);
    steps->addWidget(button(QStringLiteral(">"), "NextArea", &next_area));
    column->addLayout(steps);
    auto* commands = new QHBoxLayout;
    commands->addWidget(button(tr("&Afegir àrea"), "AfegirArea", &add_area));
    commands->addWidget(button(tr("&Eliminar àrea"), "EliminarArea", &delete_area));
    column->addLayout(commands);

    auto* edges = new QGridLayout;
    for (size_t i = 0; i < 4; ++i) {
        auto* scroll = new QScrollBar(Qt::Horizontal);
        scroll->setObjectName(QLatin1String(kScrollNames[i]));
        scroll->setAccessibleName(QLatin1String(kScrollNames[i]));
        scroll->setRange(0, kCanvasWidth);
        scroll->setFocusPolicy(Qt::StrongFocus);
        scroll->installEventFilter(this);
        const Edge edge = kEdges[i];
        connect(scroll, &QScrollBar::valueChanged, this, [this, edge](int value) {
            if (!updating_ && edge_changed)
                edge_changed(edge, value);
        });
        auto* box = named_line(kBoxNames[i], QLatin1String(kBoxNames[i]));
        box->setMaximumWidth(60);
        // A typed coordinate is not taken: the box shows the stored edge again.
        connect(box, &QLineEdit::editingFinished, this, [this, box, scroll] {
            if (!updating_)
                box->setText(QString::number(scroll->value()));
        });
        scrolls_[i] = scroll;
        boxes_[i] = box;
        const int row = static_cast<int>(i);
        edges->addWidget(new QLabel(QLatin1String(kEdgeLabels[i])), row, 0);
        edges->addWidget(box, row, 1);
        edges->addWidget(scroll, row, 2);
    }
    column->addLayout(edges);

    key_text_row_ = new QHBoxLayout;
    key_text_row_->addWidget(new QLabel(tr("Tecles:")), 1);
    column->addLayout(key_text_row_);
    TxText_ = new QPlainTextEdit;
    TxText_->setObjectName(QStringLiteral("TxText"));
    TxText_->setAccessibleName(QStringLiteral("Tecles"));
    TxText_->setTabChangesFocus(true);
    TxText_->installEventFilter(this);
    TxText_->setMinimumHeight(60);
    connect(TxText_, &QPlainTextEdit::textChanged, this, [this] {
        if (!updating_ && field_changed)
            field_changed(false);
    });
    column->addWidget(TxText_, 1);

    auto symbol_row = [column](const QString& title, QLineEdit* line, std::initializer_list<QPushButton*> buttons) {
        auto* box = new QGroupBox(title);
        auto* rows = new QVBoxLayout(box);
        auto* row = new QHBoxLayout;
        rows->addLayout(row);
        row->addWidget(line, 1);
        // Three buttons leave the name too little room: they go on a line of their own.
        if (buttons.size() > 2) {
            row = new QHBoxLayout;
            rows->addLayout(row);
        }
        for (QPushButton* b : buttons)
            row->addWidget(b);
        column->addWidget(box);
    };
    Icona_text_ = named_line("Icona_text", QStringLiteral("Símbol visual"));
    connect(Icona_text_, &QLineEdit::textChanged, this, [this] {
        if (!updating_ && field_changed)
            field_changed(true);
    });
    symbol_row(tr("Símbol visual"), Icona_text_,
               {button(tr("Fitxer..."), "Icona_buscar", &choose_picture),
                button(tr("Sí&mbols..."), "Icona_simbols", &choose_symbol),
                button(tr("Veure"), "Icona_veure", &view_picture)});
    So_Text_ = named_line("So_Text", QStringLiteral("Símbol auditiu"));
    connect(So_Text_, &QLineEdit::textChanged, this, [this] {
        if (!updating_ && field_changed)
            field_changed(false);
    });
    symbol_row(tr("Símbol auditiu"), So_Text_,
               {button(tr("Fitxer..."), "So_buscar", &choose_sound),
                button(tr("Escoltar"), "So_escoltar", &play_sound)});

    clipboard_controls_ = new QWidget;
    auto* clip = new QVBoxLayout(clipboard_controls_);
    clip->setContentsMargins(0, 0, 0, 0);
    Label5_ = new QLabel(tr("Carregar fitxer a la carpeta:"));
    Label5_->setObjectName(QStringLiteral("Label5"));
    clip->addWidget(Label5_);
    auto* kinds = new QHBoxLayout;
    txt_option_ = new QRadioButton(QStringLiteral("TXT"));
    txt_option_->setObjectName(QStringLiteral("Option1_0"));
    picture_option_ = new QRadioButton(tr("Gràfic"));
    picture_option_->setObjectName(QStringLiteral("Option1_1"));
    auto* group = new QButtonGroup(this);
    group->addButton(txt_option_, 0);
    group->addButton(picture_option_, 1);
    connect(group, &QButtonGroup::idClicked, this, [this] {
        if (!updating_ && field_changed)
            field_changed(false);
    });
    TxApp_ = named_line("TxApp", QStringLiteral("Carregar fitxer a la carpeta"));
    connect(TxApp_, &QLineEdit::textChanged, this, [this] {
        if (!updating_ && field_changed)
            field_changed(false);
    });
    kinds->addWidget(txt_option_);
    kinds->addWidget(picture_option_);
    kinds->addWidget(TxApp_, 1);
    kinds->addWidget(button(tr("Veure"), "VeureClip", &view_clipboard_file));
    clip->addLayout(kinds);
    column->addWidget(clipboard_controls_);

    ChRepe_ = new QCheckBox(tr("Repetició de lectures"));
    ChRepe_->setObjectName(QStringLiteral("ChRepe"));
    connect(ChRepe_, &QCheckBox::toggled, this, [this] {
        if (!updating_ && field_changed)
            field_changed(false);
    });
    column->addWidget(ChRepe_);
    setMinimumWidth(300);
}

void AreaPanel::show_record(const Area* a, int current, int count)
{
    updating_ = true;
    MsgArea_->setText(a ? tr("%1/%2 àrees").arg(current).arg(count) : tr("----- àrees"));
    for (size_t i = 0; i < 4; ++i) {
        const int value = a ? edge_of(*a, kEdges[i]) : 0;
        scrolls_[i]->setValue(value);
        boxes_[i]->setText(a ? QString::number(value) : QString());
    }
    (a && a->clip_type == 1 ? picture_option_ : txt_option_)->setChecked(true);
    TxApp_->setText(a ? a->clip_file : QString());
    if (!a || TxText_->toPlainText() != a->keys)
        TxText_->setPlainText(a ? a->keys : QString());
    So_Text_->setText(a ? a->sound_file : QString());
    Icona_text_->setText(a ? a->icon_file : QString());
    ChRepe_->setChecked(a && a->repeat_reading != 0);
    updating_ = false;
}

Area AreaPanel::read_record(const Area& stored) const
{
    Area a = stored;
    a.Xi = static_cast<int16_t>(scrolls_[0]->value());
    a.Xf = static_cast<int16_t>(scrolls_[1]->value());
    a.Yi = static_cast<int16_t>(scrolls_[2]->value());
    a.Yf = static_cast<int16_t>(scrolls_[3]->value());
    a.clip_type = picture_option_->isChecked() ? 1 : 0;
    a.clip_file = a.clip_type != stored.clip_type ? QString() : TxApp_->text();
    a.sound_file = So_Text_->text();
    a.icon_file = Icona_text_->text();
    // A key text is one line of the board file: Enter is written "{ENTER}", never a line break.
    a.keys = TxText_->toPlainText().remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    a.repeat_reading = ChRepe_->isChecked() ? 1 : 0;
    return a;
}

void AreaPanel::lay_out_for_format(int format_minor)
{
    clipboard_controls_->setVisible(format_minor != 0);
}

void AreaPanel::add_key_text_aid(QWidget* aid)
{
    key_text_row_->addWidget(aid);
}

int AreaPanel::edge_value(Edge edge) const
{
    return scrolls_[static_cast<size_t>(edge)]->value();
}

void AreaPanel::set_edge_value(Edge edge, int value)
{
    const size_t i = static_cast<size_t>(edge);
    const bool was = updating_;
    updating_ = true;
    scrolls_[i]->setValue(value);
    boxes_[i]->setText(QString::number(value));
    updating_ = was;
}

bool AreaPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TxText_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        for (size_t i = 0; i < 4; ++i)
            if (watched == scrolls_[i] && edge_focus)
                edge_focus(kEdges[i], event->type() == QEvent::FocusIn);
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvel
