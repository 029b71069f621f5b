#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>

#include "exec/board_commands.h"
#include "exec/executor.h"
#include "exec/registry.h"
#include "exec/random_source.h"
#include "exec/speech.h"
#include "model/board_file_commands.h"
#include "model/catalogue.h"
#include "model/file_names.h"
#include "model/messages.h"
#include "model/template_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/services.h"
#include "platform/sound_output.h"
#include "platform/window_system.h"
#include "runtime/board_geometry.h"
#include "runtime/board_hooks.h"
#include "runtime/cover_picture.h"
#include "runtime/joystick_access.h"
#include "runtime/reaction_log.h"
#include "runtime/reaction_recorder.h"
#include "runtime/run_controller.h"
#include "runtime/step_suggestion.h"
#include "runtime/voice/speech_recognition_engine.h"
#include "runtime/voice/word_file.h"
#include "runtime/voice_control.h"
#include "runtime/scan_order.h"
#include "runtime/started_programs.h"
#include "ui/area_canvas.h"
#include "ui/board_widgets.h"
#include "ui/cover_menu.h"
#include "ui/exchange_commands.h"
#include "ui/editor_aids.h"
#include "ui/editor_face.h"
#include "ui/joystick_dialog.h"
#include "ui/language_menu.h"
#include "ui/step_suggestion_box.h"
#include "ui/switch_dialog.h"
#include "ui/voice_dialog.h"
#include "ui/voice_engine_windows.h"

namespace orvel {

namespace {
constexpr int kLongestKeyHoldMs = 400;

QString chosen_with_extension(const QString& chosen, const QString& extension)
{
    if (chosen.isEmpty() || QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        return chosen;
    return chosen + extension;
}
}  // namespace

MainWindow::MainWindow(Services& services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    setObjectName(QStringLiteral("PlantForm"));
    state_.folders = Folders::from_environment();
    profile_hooks_.show_access_method = [this](int16_t modus) { tick_access_method(modus); };
    joystick_ = std::make_unique<JoystickAccess>(state_.profile, services_.joystick, services_.mouse);
    profile_hooks_.detect_joystick = [this](int id) { joystick_->joystick_detect(id); };

    random_ = std::make_unique<ClockSeededRandom>(
        static_cast<uint64_t>(services_.clock ? services_.clock->now_ms() : 0));

    run_face_ = new RunFace;
    editor_ = new EditorFace(state_, *services_.messages);
    aids_ = new EditorAids(this, *editor_, state_, *services_.messages);
    cover_menu_ = new CoverMenu(state_, *services_.messages, this);
    build_menus();
    faces_ = new QStackedWidget(this);
    // On a small or strongly scaled screen the editor scrolls inside a window that fits.
    editor_scroll_ = new QScrollArea;
    editor_scroll_->setObjectName(QStringLiteral("editor_scroll"));
    editor_scroll_->setWidget(editor_);
    editor_scroll_->setWidgetResizable(true);
    editor_scroll_->setFrameShape(QFrame::NoFrame);
    faces_->addWidget(editor_scroll_);
    faces_->addWidget(run_face_);
    run_face_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setCentralWidget(faces_);
    editor_->sound_active_changed = [this](bool active) { So_actiu_->setChecked(active); };

    RunActions actions;
    actions.execute_area = [this](int area) {
        // A selection made by a key press (manual scanning runs it at once) waits
        // for the key's release, or the same key typed into the target is lost.
        executing_ = true;
        run_face_->Tauvirt()->wait_for_key_release(kLongestKeyHoldMs);
        execute_area(*ctx_, area);
        executing_ = false;
    };
    actions.announce = [this](const QString& text) { So_icona(*ctx_, text); };
    actions.printable_text = [](const QString& keys) { return printable_text(keys); };
    actions.reading_in_progress = [this] { return reading_in_progress(*ctx_); };
    actions.clock = services_.clock;
    actions.joystick_step = [this] { joystick_->joystick_step([this](int key) { run_->Tauvirt_KeyDown(key); }); };
    run_ = std::make_unique<RunController>(state_, *run_face_, timers_, std::move(actions));
    reaction_log_ = std::make_unique<ReactionLog>(state_.folders.state);
    reaction_recorder_ = std::make_unique<ReactionRecorder>([] { return QDateTime::currentMSecsSinceEpoch(); },
                                                            [this](const ReactionEntry& e) { reaction_log_->append(e); });
    run_->set_reaction_recorder(reaction_recorder_.get());

    // Without a sound input there is no recognition engine: training stays off.
    if (services_.sound_input) {
        voice_windows_ = std::make_unique<QtVoiceEngineWindows>(this, *services_.messages);
        voice_engine_ = std::make_unique<SpeechRecognitionEngine>(
            services_.sound_input, voice_windows_.get(), [this] { return default_word_file(state_.folders); },
            [this](int word) { voice_->voice_message_handler(word); });
    }
    VoiceCalls voice_calls;
    voice_calls.act_butons = [this](int code, const QString& text) { run_->act_butons(code, text); };
    voice_calls.key_down = [this](int key) { run_->Tauvirt_KeyDown(key); };
    voice_calls.show_message = [this](const QString& text) {
        services_.messages->show(text, QStringLiteral("Orvel"), MessageIcon::Exclamation);
    };
    voice_ = std::make_unique<VoiceControl>(state_.profile, voice_engine_.get(), std::move(voice_calls));

    BoardWindowCalls calls;
    // After CARREGA: the caption names the board that now runs.
    calls.layout_board_window = [this] {
        show_caption();
        layout_board_window();
    };
    calls.set_board_topmost = [this](bool topmost) {
        if (services_.windows && isVisible())
            services_.windows->set_topmost(static_cast<WindowId>(winId()), topmost);
    };
    calls.repaint_board = [this] { run_face_->Tauvirt()->update(); };
    calls.leave_run_mode_and_quit = [this] { leave_run_mode_and_quit(); };
    calls.device_pixel_ratio = [this] { return device_pixel_ratio(); };
    calls.board_window = [this] { return run_mode_ && isVisible() ? static_cast<WindowId>(winId()) : WindowId(0); };
    hooks_ = std::make_unique<BoardHooks>(*run_, state_, *run_face_, timers_, services_.windows, std::move(calls));
    ctx_ = std::make_unique<ExecContext>(ExecContext{state_, services_, *hooks_, nullptr, random_.get()});
    outside_ = std::make_unique<BoardCommands>(*ctx_);
    ctx_->outside = outside_.get();

    // Waiting for a key's release and typing handle events: a tick arriving then
    // would run the same pending area a second time.
    connect(&timers_.Timer1(), &QTimer::timeout, this, [this] {
        if (!executing_)
            run_->Timer1_Timer();
    });
    connect(&timers_.Timer2(), &QTimer::timeout, this, [this] { run_->Timer2_Timer(); });
    connect(&timers_.Timer3(), &QTimer::timeout, this, [this] { run_->Timer3_Timer(); });
    // A press still held when an execution begins counts after it, not inside it.
    connect(&timers_.Timer4(), &QTimer::timeout, this, [this] {
        if (!executing_)
            run_->Timer4_Timer();
    });
    run_face_->attach(*run_);

    EditorHooks editor_hooks = editor_->hooks();
    editor_hooks.play_sound = [this](const QString& sound) { So_icona(*ctx_, sound); };
    editor_hooks.leaving_area = [this](int area) { cover_menu_->leaving_area(area); };
    editor_->set_hooks(std::move(editor_hooks));

    cover_menu_->save = [this] { desar_Click(); };
    cover_menu_->close_aux_keyboard = [this] {
        if (editor_->hooks().close_aux_keyboard)
            editor_->hooks().close_aux_keyboard();
    };
    cover_menu_->cover_changed = [this](const QImage& cover) {
        Imatge_ = cover;
        editor_->canvas()->set_cover(Imatge_);
    };
}

MainWindow::~MainWindow()
{
    timers_.stop_all();
}

AreaCanvas* MainWindow::canvas() const
{
    return editor_->canvas();
}

void MainWindow::build_menus()
{
    QMenuBar* bar = menuBar();
    fitxers_ = bar->addMenu(tr("&Fitxers"));
    fitxers_->setObjectName(QStringLiteral("fitxers"));
    fitxers_action_ = fitxers_->menuAction();
    auto add = [this](QMenu* menu, const QString& caption, const char* name, void (MainWindow::*slot)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        return a;
    };
    add(fitxers_, tr("&Nou"), "nou", &MainWindow::nou_Click);
    add(fitxers_, tr("&Obrir ..."), "obrir", &MainWindow::obrir_Click);
    add(fitxers_, tr("&Desar ..."), "desar", &MainWindow::desar_Click);
    auto* exchange = new ExchangeCommands(fitxers_, state_, *services_.messages, this);
    exchange->save = [this] { desar_Click(); };
    exchange->open_board = [this](const QString& board) {
        open_board(state_, board, *services_.messages);
        board_loaded();
        show_caption();
    };
    fitxers_->addSeparator();
    add(fitxers_, tr("&Activar"), "actApl", &MainWindow::actApl_Click);
    fitxers_->addSeparator();
    add(fitxers_, tr("&Sortir"), "sortir", &MainWindow::sortir_Click);

    QAction* dades = bar->addAction(tr("&Dades globals"));
    dades->setObjectName(QStringLiteral("dades_globals"));
    connect(dades, &QAction::triggered, this, [this] { open_global_data(); });

    // The editor's own menus go with the editor face in run mode.
    editor_menus_ = {fitxers_action_, dades, bar->addMenu(editor_->view_menu()), bar->addMenu(cover_menu_),
                     bar->addMenu(editor_->edit_menu())};
    for (QMenu* menu : aids_->menus())
        editor_menus_.push_back(bar->addMenu(menu));
    // "&So actiu" and the editor's "So actiu" check box show the same board setting.
    So_actiu_ = editor_->view_menu()->addAction(tr("&So actiu"));
    So_actiu_->setObjectName(QStringLiteral("So_actiu"));
    So_actiu_->setCheckable(true);
    connect(So_actiu_, &QAction::triggered, this, [this](bool checked) {
        state_.tmpl.sound_active = checked ? -1 : 0;
        editor_->show_sound_active(checked);
    });
    editor_->view_menu()->addMenu(new LanguageMenu(state_.folders, *services_.messages, this));

    usuari_ = bar->addMenu(tr("Usuari"));
    usuari_->setObjectName(QStringLiteral("usuari"));
    add(usuari_, tr("Usuari &Nou"), "usuari_nou", &MainWindow::usuari_nou_Click);
    add(usuari_, tr("Carregar &Usuari"), "carregar_usuari", &MainWindow::carregar_usuari_Click);
    add(usuari_, tr("Desar u&suari"), "desar_usuari", &MainWindow::desar_usuari_Click);

    accessibilitat_ = bar->addMenu(tr("&Accessibilitat"));
    accessibilitat_->setObjectName(QStringLiteral("accessibilitat"));
    for (int i = 0; i < kAccessMethodItems; ++i) {
        QAction* a = accessibilitat_->addAction(access_method_caption(i));
        a->setObjectName(QStringLiteral("Tipus_exploracio_%1").arg(i));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { Tipus_exploracio_Click(i); });
        Tipus_exploracio_[static_cast<size_t>(i)] = a;
    }

    editor_menus_.push_back(bar->addMenu(editor_->help_menu()));

    // Run mode's own commands, straight on the menu bar.
    finapc_ = bar->addAction(tr("&Sortir"));
    finapc_->setObjectName(QStringLiteral("finapc"));
    connect(finapc_, &QAction::triggered, this, [this] { finapc_Click(); });
    f_obrir_ = bar->addAction(tr("&Canvi de plafó"));
    f_obrir_->setObjectName(QStringLiteral("f_obrir"));
    connect(f_obrir_, &QAction::triggered, this, [this] { f_obrir_Click(); });
    finapc_->setVisible(false);
    f_obrir_->setVisible(false);
}

double MainWindow::device_pixel_ratio() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->devicePixelRatio() > 0 ? screen->devicePixelRatio() : 1.0;
}

// The screen in the toolkit's own (logical) pixels, the unit of every size and
// position the board window, its cover and its frame are given: at 200 % desktop
// scaling a 1024 x 768 screen is 512 x 384 of them.
QSize MainWindow::screen_pixels() const
{
    QSize device;
    if (services_.windows)
        device = services_.windows->screen_size();
    if (!device.isValid() || device.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize();
    }
    const double ratio = device_pixel_ratio();
    return QSize(static_cast<int>(std::lround(device.width() / ratio)),
                 static_cast<int>(std::lround(device.height() / ratio)));
}

void MainWindow::Form_Load(const QStringList& arguments)
{
    // Programs registered under an identifier are found through the registry store.
    RegistryStore* registry = services_.registry;
    load_program_catalogue(state_.catalogue, state_.folders, QDir::currentPath(),
                           [registry](const QString& id) { return progid_exe(registry, id); });
    aids_->catalogue_read();
    state_.tmpl.directory = state_.folders.program;
    new_user(state_.profile);
    read_settings(state_.profile, state_.folders, profile_hooks_);
    tick_access_method(state_.profile.modus);
    state_.tmpl.file_name = kUnnamedTemplate;
    timers_.Timer1().setInterval(execution_interval_ms(state_.profile.Interval));
    timers_.Timer1().start();
    state_.tmpl.current_area = 0;
    state_.tmpl.area_count = 0;
    state_.tmpl.auto_cover = 1;
    show_caption();
    tts_init(*ctx_);

    // A profile is the argument ending in ".usr" (any case); the board is the other one.
    QString board, profile;
    for (const QString& a : arguments) {
        if (a.endsWith(QLatin1String(".usr"), Qt::CaseInsensitive))
            profile = a;
        else if (board.isEmpty())
            board = a;
    }
    if (!profile.isEmpty()) {
        // A profile that is not there is said once, as any missing file is; the profile
        // of the settings stays.
        const QString path = QFileInfo(profile).absoluteFilePath();
        if (load_user_profile(state_.profile, path, state_.folders, profile_hooks_) == ProfileLoad::Missing)
            services_.messages->show(missatge(15) + QLatin1Char('\r') + path);
        timers_.Timer1().setInterval(execution_interval_ms(state_.profile.Interval));
    }
    if (board.isEmpty()) {
        // The program opens on an empty board; its global data wait for the menu.
        new_board_command(false);
        fit_editor_to_screen();
        return;
    }
    const QString path = QFileInfo(board).absoluteFilePath();
    state_.tmpl.directory = QFileInfo(path).absolutePath();
    const LoadOutcome outcome = load_template(state_.tmpl, path, *services_.messages);
    board_loaded();
    show_caption();
    // A board that could not be read stays in the editor rather than running empty.
    if (board_was_read(outcome))
        actApl_Click();
}

void MainWindow::fit_editor_to_screen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize wanted = editor_->sizeHint() + QSize(0, menuBar()->sizeHint().height());
    const QRect room = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();  // the window manager's borders
    const QSize room_left = room.size() - frame;
    // A size the person gave the editor before run mode is kept when it still fits.
    resize(editor_rect_.isValid() ? size().boundedTo(room_left) : wanted.boundedTo(room_left));
}

void MainWindow::show_caption()
{
    setWindowTitle(QStringLiteral("Orvel - ") + state_.tmpl.file_name);
}

void MainWindow::show_board_in_editor()
{
    editor_->show_board(Imatge_);
    So_actiu_->setChecked(state_.tmpl.sound_active != 0);
}

void MainWindow::board_loaded()
{
    // The board's program is marked in the catalogue: its macros are the ones offered.
    aids_->board_loaded(state_.tmpl.program);
    unreadable_cover_reported_.clear();
    load_cover_picture(false);
    editor_->show_board(Imatge_, false);
}

void MainWindow::open_global_data()
{
    // The board's commands wait until the dialog closes.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<QAction*> disabled;
    for (QAction* a : editor_menus_)
        if (a->isEnabled()) {
            a->setEnabled(false);
            disabled.push_back(a);
        }
    accessibilitat_->setEnabled(false);
    QTimer::singleShot(0, this, [] { QGuiApplication::restoreOverrideCursor(); });
    aids_->open_global_data([this] {
        load_cover_picture(false);
        show_board_in_editor();
        apply_global_data_speech(*ctx_);
    });
    for (QAction* a : disabled)
        a->setEnabled(true);
    accessibilitat_->setEnabled(true);
    show_caption();
}

void MainWindow::load_cover_picture(bool report_errors)
{
    // A cover that cannot be read is said once; the board then runs with its areas alone.
    const Template& t = state_.tmpl;
    const QString cover = t.directory + QLatin1Char('|') + t.cover_file;
    const bool report = report_errors && cover != unreadable_cover_reported_;
    Imatge_ = orvel::load_cover_picture(t, *services_.messages, report);
    if (report && Imatge_.isNull())
        unreadable_cover_reported_ = cover;
}

void MainWindow::tick_access_method(int16_t modus)
{
    const int item = access_method_item(modus);
    for (int i = 0; i < kAccessMethodItems; ++i)
        Tipus_exploracio_[static_cast<size_t>(i)]->setChecked(i == item);
    // Every change of the profile ends here: the editor's scan-cost colours follow it.
    editor_->profile_changed();
}

// ---- Run mode ----

void MainWindow::actApl_Click()
{
    Template& t = state_.tmpl;
    if (t.area_count == 0)
        return;
    editor_->finish_editing();
    if (t.modified)
        ask_save_changes(t, *services_.messages, [this] { desar_Click(); });
    if (!t.directory.isEmpty())
        QDir::setCurrent(t.directory);
    t.current_area = 1;
    shown_cover_.clear();  // the cover is read again on every entry
    apply_template_speech(*ctx_);
    run_->Form_Activate(screen_pixels());
    complete_run_mode();
    run_->start_access_method();
    voice_->start_listening();
}

void MainWindow::complete_run_mode()
{
    for (QAction* menu : editor_menus_)
        menu->setVisible(false);
    editor_->show_sound_active(state_.tmpl.sound_active != 0);
    So_actiu_->setChecked(state_.tmpl.sound_active != 0);
    finapc_->setVisible(true);
    f_obrir_->setVisible(true);
    // The editor's place on the screen, to go back to; a window never shown yet
    // (a board named on the command line) has none.
    if (!run_mode_)
        editor_rect_ = isVisible() ? QRect(pos(), size()) : QRect();
    run_mode_ = true;
    // The hidden editor must not hold the board window at its own size.
    editor_scroll_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    run_face_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    faces_->setCurrentWidget(run_face_);
    run_face_->set_active(true);
    layout_board_window();
    timers_.Timer1().setInterval(execution_interval_ms(state_.profile.Interval));
    run_->set_board_shown(true);
    run_startup_actions(*ctx_);
}

void MainWindow::layout_board_window()
{
    const Template& t = state_.tmpl;
    if (t.area_count < 1)
        return;
    const BoardScale scale = run_->scale();
    const Area& root = t.area(1);
    const QRect window_rect = board_window_rect(root, scale);
    // A board loaded by a command in run mode brings its own cover.
    const QString cover = t.directory + QLatin1Char('|') + t.cover_file;
    if (cover != shown_cover_) {
        load_cover_picture(true);
        run_face_->set_cover(Imatge_);
        shown_cover_ = cover;
    }
    // The menu bar (and the window manager's title) take the band above the board;
    // the whole window stays on the screen.
    const int menu_height = menuBar()->sizeHint().height();
    const QSize screen = screen_pixels();
    const QSize board = run_face_->lay_out(t, scale, QSize(screen.width(), screen.height() - menu_height));
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(board.width(), board.height() + menu_height);
    const QPoint corner(std::clamp(window_rect.left(), 0, std::max(0, screen.width() - board.width())),
                        std::clamp(window_rect.top(), 0, std::max(0, screen.height() - board.height() - menu_height)));
    move(corner);
    show();
    run_face_->refresh_frame();
}

void MainWindow::finapc_Click()
{
    if (!run_mode_)
        return;
    voice_->stop_listening();
    if (services_.sound && !state_.open_midi.isEmpty()) {
        services_.sound->stop_music();
        state_.open_midi.clear();
    }
    close_started_programs(*ctx_);
    for (QAction* menu : editor_menus_)
        menu->setVisible(true);
    finapc_->setVisible(false);
    f_obrir_->setVisible(false);
    run_->set_board_shown(false);
    run_mode_ = false;
    run_face_->set_active(false);
    run_face_->release_size();
    run_face_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    editor_scroll_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    faces_->setCurrentWidget(editor_scroll_);
    // Back where the editor was, its frame (title bar included) placed as it was;
    // an editor never shown before opens in the screen's corner.
    if (editor_rect_.isValid()) {
        resize(editor_rect_.size());
        move(editor_rect_.topLeft());
    } else {
        move(0, 0);
    }
    fit_editor_to_screen();
    timers_.Timer2().stop();
    timers_.Timer1().setInterval(execution_interval_ms(state_.profile.Interval));
    run_->stop_highlight();
    state_.tmpl.current_area = 0;
    show_board_in_editor();
    // The closed programs held the focus: the editor takes it back.
    raise();
    activateWindow();
}

void MainWindow::leave_run_mode_and_quit()
{
    finapc_Click();
    // The key text that asked for it is still on the stack: end once it returns.
    QTimer::singleShot(0, this, [this] { close(); });
}

void MainWindow::f_obrir_Click()
{
    if (!run_mode_)
        return;
    if (services_.windows && state_.target_window)
        services_.windows->set_topmost(state_.target_window, false);
    run_->stop_highlight();
    obrir_Click();
    run_->board_changed();
    layout_board_window();
    hooks_->place_target_window(state_.target_window);
}

void MainWindow::Tipus_exploracio_Click(int index)
{
    voice_->stop_listening();
    run_->pause_for_access_menu();
    choose_access_method(index, state_.profile, *this);
    tick_access_method(state_.profile.modus);
    if (run_mode_) {
        run_->restart_access_method();
        voice_->start_listening();
    }
}

void MainWindow::choose_voice()
{
    voice_->choose_voice();
    veu dialog(*voice_, state_.profile, this);
    dialog.exec();
    tick_access_method(state_.profile.modus);
}

void MainWindow::choose_joystick()
{
    joystick_->choose_joystick();
    USR_JOYSTIC dialog(state_.profile, this);
    dialog.exec();
    tick_access_method(state_.profile.modus);
}

void MainWindow::open_switch_dialog(int pulsador, const QString& caption)
{
    usr dialog(state_.profile, pulsador, caption, this);
    add_step_suggestion(dialog, suggest_step(read_reaction_record(state_.folders.state)),
                        StepSuggestionRules{}.fewest_samples, dialog.retard(0));
    dialog.exec();
    tick_access_method(state_.profile.modus);
}

// ---- Fitxers and Usuari ----

void MainWindow::nou_Click()
{
    new_board_command(true);
}

void MainWindow::new_board_command(bool global_data_allowed)
{
    NewBoardActions actions;
    actions.save = [this] { desar_Click(); };
    actions.speech_engine_present = state_.tts_available;
    bool global_data = false;
    actions.open_global_data = [&global_data] { global_data = true; };
    new_board(state_, *services_.messages, actions);
    Imatge_ = QImage();
    show_caption();
    // The first area of the empty board is drawn at once.
    editor_->show_board(Imatge_, true);
    // The dialog opens over the new, empty board, so the cover it names is shown.
    if (global_data && global_data_allowed)
        open_global_data();
}

void MainWindow::obrir_Click()
{
    ask_save_changes(state_.tmpl, *services_.messages, [this] { desar_Click(); });
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Carregar el fitxer de plantilla"),
                                                        dialog_start_folder(state_.tmpl),
                                                        tr("Teclat Pantalla Windows (*.ORV *.orv)"));
    if (chosen.isEmpty())
        return;
    open_board(state_, chosen, *services_.messages);
    board_loaded();
    show_caption();
}

void MainWindow::desar_Click()
{
    editor_->finish_editing();
    const Template& t = state_.tmpl;
    const QString preset =
        t.file_name.compare(kUnnamedTemplate, Qt::CaseInsensitive) == 0 ? dialog_start_folder(t) : t.file_name;
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Enregistrar el fitxer de plantilla"),
                                                        preset, tr("Teclat pantalla Windows (*.ORV *.orv)"));
    if (chosen.isEmpty())
        return;
    SaveActions actions;
    actions.generate_cover = [this](Template& board) { cover_menu_->generate_on_save(board); };
    save_board(state_, with_default_extension(chosen), *services_.messages, actions);
    show_caption();
}

void MainWindow::sortir_Click()
{
    ask_save_changes(state_.tmpl, *services_.messages, [this] { desar_Click(); });
    asked_before_leaving_ = true;
    close();
}

void MainWindow::usuari_nou_Click()
{
    run_->pause_for_access_menu();
    new_user(state_.profile);
    tick_access_method(state_.profile.modus);
    restart_method_with_profile();
}

void MainWindow::carregar_usuari_Click()
{
    // The board holds still while the person chooses, as with the access-method menu.
    run_->pause_for_access_menu();
    ask_save_changes(state_.tmpl, *services_.messages, [this] { desar_Click(); });
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Carregar el fitxer de l'usuari"),
                                                        dialog_start_folder(state_.tmpl),
                                                        tr("Usuari ORV (*.USR *.usr)"));
    carregar_usuari(chosen);
}

void MainWindow::carregar_usuari(const QString& chosen)
{
    run_->pause_for_access_menu();
    load_user_command(state_.profile, chosen, state_.folders, profile_hooks_, *services_.messages);
    timers_.Timer1().setInterval(execution_interval_ms(state_.profile.Interval));
    restart_method_with_profile();
}

// A profile changed while the board runs: its method starts as the access-method
// menu starts one, or the menu would show one method while another runs.
void MainWindow::restart_method_with_profile()
{
    if (run_mode_)
        run_->restart_access_method();
}

void MainWindow::desar_usuari_Click()
{
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Enregistrar el fitxer de l'usuari"),
                                                        dialog_start_folder(state_.tmpl),
                                                        tr("Usuari ORV (*.USR *.usr)"));
    save_user_command(state_.profile, chosen_with_extension(chosen, QStringLiteral(".USR")), *services_.messages);
}

// ---- Window events ----

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window from its title bar loses no unsaved board either.
    if (!run_mode_ && !asked_before_leaving_)
        ask_save_changes(state_.tmpl, *services_.messages, [this] { desar_Click(); });
    asked_before_leaving_ = false;
    timers_.stop_all();
    run_->set_board_shown(false);
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace)
        run_face_->beep();
    QMainWindow::keyPressEvent(event);
}

}  // namespace orvel
