#include "real_services.h"

#include <QGuiApplication>

#include "model/folders.h"
#include "platform/message_boxes.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_process_launcher.h"
#include "platform/speech_and_sound.h"
#include "platform/sqlite_registry_store.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_key_sender.h"
#include "platform/x11/x11_keys_left_down.h"
#include "platform/x11/x11_mouse_device.h"
#include "platform/x11/x11_window_system.h"

namespace orvel {

RealServices::RealServices(MessageBoxes& messages)
{
    services_.messages = &messages;
    services_.clock = &clock_;

    display_ = std::make_unique<X11Display>();
    if (!display_->ok()) {
        error_ = QStringLiteral("cannot open the X display \"%1\"").arg(QString::fromLocal8Bit(qgetenv("DISPLAY")));
    } else {
        if (!display_->has_xtest())
            error_ = QStringLiteral("the X display has no XTest extension: keys and pointer cannot be sent");
        else
            release_keys_left_down(display_->get());  // left by an earlier run that was killed
        keys_ = std::make_unique<X11KeySender>(*display_);
        windows_ = std::make_unique<X11WindowSystem>(*display_);
        mouse_ = std::make_unique<X11MouseDevice>(*display_);
        services_.keys = keys_.get();
        services_.windows = windows_.get();
        services_.mouse = mouse_.get();
    }

    launcher_ = std::make_unique<QtProcessLauncher>();
    services_.processes = launcher_.get();

    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        clipboard_ = std::make_unique<QtClipboard>();
        services_.clipboard = clipboard_.get();
    }

    speech_and_sound_ = std::make_unique<SpeechAndSound>();
    speech_and_sound_->install(services_);

    registry_ = std::make_unique<SqliteRegistryStore>(
        SqliteRegistryStore::default_file(Folders::from_environment().data), &messages);
    services_.registry = registry_.get();
}

RealServices::~RealServices() = default;

void RealServices::finish_sounds()
{
    speech_and_sound_->finish();
}

bool RealServices::has_display() const
{
    return display_ && display_->ok();
}

}  // namespace orvel
