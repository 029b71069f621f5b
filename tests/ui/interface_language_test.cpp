// Every window in Spanish and English: each one is built in Catalan and again in the
// other language, and every caption it shows (title, buttons, labels, boxes, lists of
// choices, menus) must have changed, unless the word is the same in both languages.
// Menus and a message box are read back through the real widgets.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/folders.h"
#include "model/interface_language.h"
#include "model/settings.h"
#include "model/messages.h"
#include "platform/qt_translations.h"
#include "runtime/voice/speech_recognition_engine.h"
#include "runtime/voice_control.h"
#include "support/exec_harness.h"
#include "support/fake_board.h"
#include "support/fake_sound_input.h"
#include "support/recording_voice_windows.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/builder_dades.h"
#include "ui/builder_fill.h"
#include "ui/builder_session.h"
#include "ui/builder_sim.h"
#include "ui/command_file_picker.h"
#include "ui/geometry_dialogs.h"
#include "ui/joystick_dialog.h"
#include "ui/main_window.h"
#include "ui/plant_form.h"
#include "ui/qt_message_boxes.h"
#include "ui/rec_graf.h"
#include "ui/switch_dialog.h"
#include "ui/tec_virt.h"
#include "ui/voice_dialog.h"
#include "ui/voice_distances_window.h"
#include "ui/voice_level_window.h"
#include "ui/voice_training_window.h"

namespace orvel {
namespace {

using namespace Qt::StringLiterals;

// Words that are the same in Catalan and in the language, and texts that are data.
const QStringList kSameInSpanish = {u"Alt"_s,      u"Ctrl"_s,     u"Macros"_s,   u"Idioma"_s,      u"Programa"_s,
                                    u"Pulsador"_s, u"Pausa"_s,    u"Supr"_s,     u"Retr"_s,        u"Espera"_s,
                                    u"Editar"_s,   u"Guardar..."_s, u"Copiar"_s, u"Cancelar"_s,    u"Abandonar"_s,
                                    u"Español"_s,  u"Seleccionar"_s, u"Tec. Aux."_s, u"Memoria"_s,
                                    u"Redimensionar "_s, u"Tecla {ENTER}"_s, u"Programa..."_s, u"% Vertical"_s, u"Idioma"_s,
                                    u"Importar..."_s, u"Exportar..."_s};
const QStringList kSameInEnglish = {u"Alt"_s, u"Ctrl"_s, u"Macros"_s, u"Ins"_s, u"Path"_s, u"Text"_s, u"% Vertical"_s};
const QStringList kSameEverywhere = {u"Esc"_s,        u"Tab"_s, u"TXT"_s, u"BEE.WAV"_s, u"Hola"_s, u"Orvel"_s,
                                     u"Joystick"_s,   u"Multimouse"_s,
                                     // the languages, each named in its own words
                                     u"Català"_s, u"Español"_s, u"English"_s,
                                     // the corners of an area: X and Y, initial and final
                                     u"Xi:"_s, u"Xf:"_s, u"Yi:"_s, u"Yf:"_s};

QString folder_of_translations()
{
    Folders folders;
    folders.program = QStringLiteral(ORVEL_BINARY_DIR);
    return translations_folder(folders);
}

void add_menu(QStringList& texts, const QList<QAction*>& actions)
{
    for (QAction* a : actions) {
        texts << a->text();
        if (a->menu())
            add_menu(texts, a->menu()->actions());
    }
}

// What a person reads on the window, in a fixed order.
QStringList captions_of(QWidget& window)
{
    QStringList texts{window.windowTitle()};
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        add_menu(texts, main->menuBar()->actions());
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        else if (auto* m = qobject_cast<QMenu*>(w)) {
            texts << m->title();
            add_menu(texts, m->actions());
        }
    }
    return texts;
}

class InterfaceLanguage : public ::testing::Test {
protected:
    struct Application {
        Application() { testing::ensure_application(); }
    };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testing::use_private_user_folders(QDir(dir.path()));
        state.tmpl.directory = dir.path();
        session.scratch_path = dir.filePath(u"orvmis.txt"_s);
    }

    // Each window the program opens, built afresh, with its captions.
    std::vector<std::pair<QString, QStringList>> every_window()
    {
        std::vector<std::pair<QString, QStringList>> all;
        auto add = [&all](const char* name, QWidget& w) { all.emplace_back(QString::fromLatin1(name), captions_of(w)); };
        {
            testing::ExecHarness h;
            MainWindow w(h.services);
            w.Form_Load({});
            add("MainWindow", w);
        }
        {
            PlantForm form(state, picker, PlantFormHooks{}, &window);
            add("PlantForm", form);
        }
        {
            Fill fill(session, u"Hola{|Sona BEE.WAV}{|Espera 1}"_s, session.program_name, &window);
            add("Fill", fill);
        }
        for (const QString& kind : {u"Nombre"_s, u"Llista"_s, u"Cordenades"_s, u"Text"_s}) {
            Dades d(session, kind, QString(), &window);
            add("Dades", d);
        }
        {
            sim s(session, QString(), &window);
            add("sim", s);
        }
        {
            UserProfile profile;
            usr u(profile, 1, QString());
            add("usr", u);
            USR_JOYSTIC j(profile);
            add("USR_JOYSTIC", j);
            testing::FakeSoundInput mic;
            testing::RecordingVoiceWindows windows;
            SpeechRecognitionEngine engine(&mic, &windows, [] { return u"/nonexistent/X.VEU"_s; }, {});
            VoiceControl voice(profile, &engine, {});
            // The five orders of voice control, shown to the person in their language.
            EXPECT_EQ(engine.IniciarUnitReconeixementDeSons(5, u"AVANÇAR,RECULAR,DRETA,ESQUERRA,ACCEPTAR"_s), 0);
            veu v(voice, profile);
            add("veu", v);
            VoiceTrainingWindow training(engine);
            add("VoiceTrainingWindow", training);
            VoiceLevelWindow level(engine);
            add("VoiceLevelWindow", level);
            VoiceDistancesWindow distances(engine);
            add("VoiceDistancesWindow", distances);
        }
        {
            Quadricula q;
            add("Quadricula", q);
            RDM r;
            add("RDM", r);
            QString chosen;
            rec_graf browser(chosen);
            add("rec_graf", browser);
            TecVirt keyboard(NotationTargets{}, picker);
            add("TecVirt", keyboard);
        }
        return all;
    }

    Application application;
    QTemporaryDir dir;
    OrvelState state;
    QMainWindow window;
    CommandFilePicker picker{&window, [this] { return state.tmpl.directory; }, QString()};
    BuilderSession session{state, picker};
    InterfaceTranslations translations;
};

TEST_F(InterfaceLanguage, NoWindowShowsACatalanCaptionInSpanishOrEnglish)
{
    ASSERT_TRUE(translations.use(u"ca"_s, folder_of_translations()));
    const auto catalan = every_window();
    const QRegularExpression word(u"[A-Za-zÀ-ÿ]{2,}"_s);
    for (const auto& [language, same] : {std::pair{u"es"_s, kSameInSpanish}, std::pair{u"en"_s, kSameInEnglish}}) {
        ASSERT_TRUE(translations.use(language, folder_of_translations()));
        const auto translated = every_window();
        ASSERT_EQ(translated.size(), catalan.size());
        for (size_t w = 0; w < catalan.size(); ++w) {
            const QStringList& before = catalan[w].second;
            const QStringList& after = translated[w].second;
            ASSERT_EQ(after.size(), before.size()) << catalan[w].first.toStdString() << " in " << language.toStdString();
            int checked = 0;
            for (qsizetype i = 0; i < before.size(); ++i) {
                const QString plain = QString(before[i]).remove(u'&');
                // Folders shown by the picture browser are data.
                if (!plain.contains(word) || same.contains(plain) || kSameEverywhere.contains(plain) ||
                    plain.startsWith(u"Orvel - "_s) || plain.startsWith(u'/'))
                    continue;
                ++checked;
                EXPECT_NE(after[i], before[i]) << catalan[w].first.toStdString() << " shows \"" << before[i].toStdString()
                                               << "\" untranslated in " << language.toStdString();
            }
            EXPECT_GT(checked, 0) << catalan[w].first.toStdString() << " has no caption to check";
        }
    }
}

TEST_F(InterfaceLanguage, MenusAndMessageBoxesReadBackInSpanishAndEnglish)
{
    struct Expected {
        QString language;
        QStringList menus;   // "Fitxers", "Dades globals", "Veure" ... as shown on the bar
        QString question;    // missatge(5)
        QString yes;         // Qt's own button
    };
    const Expected cases[] = {
        {u"es"_s, {u"&Archivo"_s, u"&Datos globales"_s, u"&Ver"_s, u"&Edición"_s, u"Usuario"_s, u"Accesi&bilidad"_s},
         u"El archivo ha sido modificado. ¿Desea guardarlo?"_s, u"&Sí"_s},
        {u"en"_s, {u"&File"_s, u"&Global data"_s, u"&View"_s, u"&Edit"_s, u"User"_s, u"&Accessibility"_s},
         u"The file has been changed. Do you want to save it?"_s, u"&Yes"_s},
        {u"ca"_s, {u"&Fitxers"_s, u"&Dades globals"_s, u"&Veure"_s, u"&Edició"_s, u"Usuari"_s, u"&Accessibilitat"_s},
         u"El fitxer ha estat modificat. Voleu enregistrar-lo?"_s, u"&Sí"_s},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.language.toStdString());
        ASSERT_TRUE(translations.use(e.language, folder_of_translations()));
        testing::ExecHarness h;
        MainWindow w(h.services);
        w.Form_Load({});
        w.show();
        QStringList bar;
        for (QAction* a : w.menuBar()->actions())
            if (a->isVisible())
                bar << a->text();
        for (const QString& menu : e.menus)
            EXPECT_TRUE(bar.contains(menu)) << menu.toStdString() << " not in " << bar.join(u", "_s).toStdString();
        // The access methods, from the table of the runtime, in the same language.
        auto* access = w.menuBar()->findChild<QMenu*>(u"accessibilitat"_s);
        ASSERT_NE(access, nullptr);
        EXPECT_EQ(access->actions().value(0)->text(), e.language == u"es"_s   ? u"Cursor del &ratón"_s
                                                      : e.language == u"en"_s ? u"&Mouse pointer"_s
                                                                              : u"Cursor &Ratolí"_s);

        QtMessageBoxes boxes;
        boxes.set_parent(&w);
        QString text, yes, title;
        testing::answer_next_dialog<QMessageBox>([&](QMessageBox& box) {
            text = box.text();
            title = box.windowTitle();
            yes = box.button(QMessageBox::Yes)->text();
            box.button(QMessageBox::No)->click();
        });
        EXPECT_FALSE(boxes.ask_yes_no(missatge(5), missatge(7)));
        EXPECT_EQ(text, e.question);
        EXPECT_EQ(yes, e.yes);
        EXPECT_EQ(title, e.language == u"en"_s ? u"About Orvel"_s : e.language == u"es"_s ? u"Acerca de Orvel"_s
                                                                                            : u"Quant a Orvel"_s);
    }
}

// The letter after a single "&", in lower case; none when there is none.
QChar mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Alt+letter reaches one thing only: among the menu bar and the editor's buttons, and
// among the items of each menu.
TEST_F(InterfaceLanguage, EveryAcceleratorReachesOneThingInSpanishAndEnglish)
{
    for (const QString& language : {u"es"_s, u"en"_s}) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(translations.use(language, folder_of_translations()));
        testing::ExecHarness h;
        MainWindow w(h.services);
        w.Form_Load({});
        auto check = [](const QString& where, const QStringList& texts) {
            QHash<QChar, QString> taken;
            for (const QString& t : texts) {
                const QChar m = mnemonic(t);
                if (m.isNull())
                    continue;
                EXPECT_FALSE(taken.contains(m)) << where.toStdString() << ": \"" << t.toStdString() << "\" and \""
                                                << taken.value(m).toStdString() << "\"";
                taken.insert(m, t);
            }
        };
        QStringList top;
        for (QAction* a : w.menuBar()->actions())
            if (a->isVisible())
                top << a->text();
        for (QAbstractButton* b : w.centralWidget()->findChildren<QAbstractButton*>())
            top << b->text();
        check(u"menu bar and editor"_s, top);
        for (QMenu* menu : w.findChildren<QMenu*>()) {
            QStringList items;
            for (QAction* a : menu->actions())
                items << a->text();
            check(menu->objectName(), items);
        }
    }
}

TEST_F(InterfaceLanguage, TheLanguageMenuRecordsTheChoiceForTheNextStart)
{
    testing::ExecHarness h;
    MainWindow w(h.services);
    w.Form_Load({});
    auto* menu = w.findChild<QMenu*>(u"idioma"_s);
    ASSERT_NE(menu, nullptr);
    auto item = [menu](const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); };
    EXPECT_TRUE(item("idioma_escriptori")->isChecked()) << "no Orvel.INI yet: the desktop decides";
    const Folders folders = Folders::from_environment();
    for (const char* name : {"idioma_en", "idioma_es", "idioma_escriptori", "idioma_ca"}) {
        item(name)->trigger();
        EXPECT_TRUE(item(name)->isChecked());
        const QString language = QString::fromLatin1(name).mid(7);
        EXPECT_EQ(read_language_setting(folders), language == u"escriptori"_s ? QString() : language);
    }
    ASSERT_EQ(h.messages.texts.size(), 4);
    EXPECT_TRUE(h.messages.texts.back().contains(u"propera vegada"_s)) << "takes effect at the next start";
    // What the program reads at start: the choice, whatever the locale says.
    EXPECT_EQ(interface_language(read_language_setting(folders), [](const char*) { return u"es_ES.UTF-8"_s; }), u"ca"_s);
}

TEST_F(InterfaceLanguage, CommandWordsAndFileTextsStayCatalanInEveryLanguage)
{
    for (const QString& language : {u"es"_s, u"en"_s}) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(translations.use(language, folder_of_translations()));
        // Compared with what boards say, and inserted into key texts.
        EXPECT_EQ(missatge(8), u"EXECUTAR"_s);
        EXPECT_EQ(missatge(9), u"Espera "_s);
        EXPECT_EQ(missatge(10), u"Nivell "_s);
        EXPECT_EQ(missatge(16), u"AVANÇAR"_s) << "the recogniser's word names";
        // The command builder writes its captions to orvmis.txt as they are written.
        QFile::remove(session.scratch_path);
        {
            Fill fill(session, u"{|Sona BEE.WAV}"_s, session.program_name, &window);
            EXPECT_NE(fill.windowTitle(), u"Assistent tecles"_s);
        }
        const QByteArray list = testing::read_file(session.scratch_path);
        EXPECT_TRUE(list.startsWith("Assistent tecles, 0,\"+ Codi\"")) << list.toStdString();
        EXPECT_TRUE(list.contains("\"Fitxer so\"")) << list.toStdString();
    }
}

}  // namespace
}  // namespace orvel
