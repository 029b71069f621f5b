#include "termination_signals.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QMetaObject>
#include <X11/Xlib.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

#include "platform/typing_stop.h"
#include "platform/x11/x11_keys_left_down.h"

namespace orvel::cli {

namespace {

// How long the program gets to end by itself before the watcher ends it.
constexpr auto kGrace = std::chrono::milliseconds(600);

int wake_pipe[2] = {-1, -1};
std::atomic<int> received_signal{0};
std::atomic<bool> finished{false};

void on_signal(int number)
{
    received_signal.store(number);
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = write(wake_pipe[1], &byte, 1);
}

void release_on_own_connection()
{
    if (Display* display = XOpenDisplay(nullptr)) {
        release_keys_left_down(display);
        XCloseDisplay(display);
    }
}

void watch()
{
    char byte = 0;
    while (read(wake_pipe[0], &byte, 1) < 0) {
    }
    if (finished.load() || byte == 0)
        return;
    request_typing_stop();
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
    const auto deadline = std::chrono::steady_clock::now() + kGrace;
    while (!finished.load() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (finished.load())
        return;
    // Held in a wait (a program starting, a {|ESPERA}): typing has stopped, so
    // nothing presses a key after this.
    release_on_own_connection();
    _exit(128 + received_signal.load());
}

std::thread watcher;

}  // namespace

TerminationSignals::TerminationSignals()
{
    // The audio library would otherwise catch both signals for itself and the
    // program would not end when asked to.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    if (pipe2(wake_pipe, O_CLOEXEC) != 0)
        return;
    watcher = std::thread(watch);
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    finished.store(true);
    if (!watcher.joinable())
        return;
    if (received_signal.load() == 0) {
        const char stand_down = 0;
        [[maybe_unused]] const ssize_t written = write(wake_pipe[1], &stand_down, 1);
    }
    watcher.join();
    // Whatever typing was cut short released its keys; make sure nothing is left.
    if (received_signal.load() != 0)
        release_on_own_connection();
}

bool TerminationSignals::requested()
{
    return received_signal.load() != 0;
}

}  // namespace orvel::cli
