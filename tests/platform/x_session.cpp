#include "x_session.h"

#include <QFileInfo>

#include "platform/x11/x11_display.h"
#include "platform/x11/x11_window_system.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvel {

XSession::XSession() = default;

XSession::~XSession()
{
    m_windows.reset();
    m_display.reset();
    for (auto it = m_clients.rbegin(); it != m_clients.rend(); ++it)
        stop(*it);
    stop(m_server);
}

void XSession::stop(pid_t pid)
{
    if (pid <= 0)
        return;
    if (waitpid(pid, nullptr, WNOHANG) != 0)
        return;  // already gone (or already reaped)
    kill(pid, SIGTERM);
    if (eventually([pid] { return waitpid(pid, nullptr, WNOHANG) != 0; }, 2000))
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool XSession::start(bool with_window_manager)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    m_server = fork();
    if (m_server == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // gone with the test, even when it crashes
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd waiting{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&waiting, 1, 15000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        return false;
    m_display_name = QByteArray(":") + QByteArray::fromStdString(number);
    m_display = std::make_unique<X11Display>(m_display_name);
    if (!m_display->ok())
        return false;
    m_windows = std::make_unique<X11WindowSystem>(*m_display);
    if (!with_window_manager)
        return true;
    spawn({"openbox", "--sm-disable"});
    Display* d = m_display->get();
    const Window root = DefaultRootWindow(d);
    const Atom active = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    // The manager is ready once it has also published what it supports.
    return eventually(
        [&] {
            const auto supported = property_items(*m_display, root, "_NET_SUPPORTED", XA_ATOM);
            return property_items(*m_display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).size() == 1 &&
                   std::find(supported.begin(), supported.end(), active) != supported.end();
        },
        15000);
}

std::vector<unsigned long> property_items(X11Display& display, unsigned long window, const char* property,
                                          unsigned long type)
{
    Display* d = display.get();
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(d, window, XInternAtom(d, property, False), 0, 1024, False, type, &actual, &format,
                           &count, &remaining, &data) == Success && data) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

pid_t XSession::spawn(const std::vector<QByteArray>& argv, const std::vector<QByteArray>& environment)
{
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        setenv("DISPLAY", m_display_name.constData(), 1);
        for (const QByteArray& assignment : environment)
            putenv(const_cast<char*>(assignment.constData()));
        const int null_fd = open("/dev/null", O_RDWR);
        if (null_fd >= 0) {
            dup2(null_fd, STDIN_FILENO);
            dup2(null_fd, STDOUT_FILENO);
            dup2(null_fd, STDERR_FILENO);
        }
        std::vector<char*> args;
        for (const QByteArray& arg : argv)
            args.push_back(const_cast<char*>(arg.constData()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    if (pid > 0)
        m_clients.push_back(pid);
    return pid;
}

int XSession::run(const std::vector<QByteArray>& argv)
{
    const pid_t pid = spawn(argv);
    int status = 0;
    if (pid <= 0 || !eventually([&] { return waitpid(pid, &status, WNOHANG) != 0; }, 20000)) {
        stop(pid);
        return -1;
    }
    m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), pid), m_clients.end());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool XSession::set_layout(const QString& layout)
{
    return run({"setxkbmap", "-display", m_display_name, layout.toUtf8()}) == 0;
}

bool XSession::leave_empty_keycodes(int count)
{
    Display* d = m_display->get();
    int min = 0, max = 0, per_code = 0, empty = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym* syms = XGetKeyboardMapping(d, static_cast<KeyCode>(min), max - min + 1, &per_code);
    for (int code = min; code <= max; ++code) {
        const KeySym* row = syms + (code - min) * per_code;
        if (std::any_of(row, row + per_code, [](KeySym s) { return s != NoSymbol; }) || empty++ < count)
            continue;
        KeySym filler = XK_F35;
        XChangeKeyboardMapping(d, code, 1, &filler, 1);
    }
    XFree(syms);
    XSync(d, False);
    return empty >= count;
}

XSession::Terminal XSession::start_terminal(const QString& file, const QString& title)
{
    Terminal terminal;
    const QByteArray command = "cat > '" + file.toUtf8() + "'";
    terminal.pid = spawn({"xterm", "-u8", "-T", title.toUtf8(), "-geometry", "60x10+0+0", "-e", "sh", "-c", command},
                         {"LANG=C.UTF-8", "LC_ALL=C.UTF-8"});
    if (terminal.pid <= 0)
        return terminal;
    eventually(
        [&] {
            for (WindowId window : m_windows->top_level_windows()) {
                if (m_windows->title(window) == title && m_windows->is_visible(window)) {
                    terminal.window = window;
                    return true;
                }
            }
            return false;
        },
        15000);
    // Keys that reach the terminal before its shell has set up the line are thrown
    // away with the line's first set-up: wait until the shell has opened the file,
    // which it does after that and just before it starts `cat`.
    if (terminal.window != 0 && !eventually([&] { return QFileInfo::exists(file); }, 15000))
        terminal.window = 0;
    return terminal;
}

bool XSession::wait_for_exit(pid_t pid, int timeout_ms)
{
    const bool ended = eventually([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, timeout_ms);
    if (ended)
        m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), pid), m_clients.end());
    return ended;
}

}  // namespace orvel
