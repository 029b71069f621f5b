#pragma once
// A desktop of scripted top-level windows. Windows can be made to appear only
// after a number of listings (a slow program) and can be closed by the test.
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <vector>

#include "event_log.h"
#include "platform/window_system.h"

namespace orvel::testing {

struct FakeWindow {
    WindowId id = 0;
    QString title;
    bool visible = true;
    int64_t pid = 0;
    QRect frame = QRect(0, 0, 400, 300);
    int appears_after_listings = 0;  // hidden from this many more listings
};

class FakeWindowSystem : public WindowSystem {
public:
    FakeWindow& add(WindowId id, const QString& title, int64_t pid = 0)
    {
        FakeWindow w;
        w.id = id;
        w.title = title;
        w.pid = pid;
        windows.push_back(w);
        return windows.back();
    }
    // The window vanishes: no title, not listed, cannot be activated.
    void close_by_test(WindowId id)
    {
        for (auto it = windows.begin(); it != windows.end(); ++it)
            if (it->id == id) {
                windows.erase(it);
                return;
            }
    }
    FakeWindow* find(WindowId id)
    {
        for (FakeWindow& w : windows)
            if (w.id == id && w.appears_after_listings <= 0)
                return &w;
        return nullptr;
    }

    std::vector<WindowId> top_level_windows() override
    {
        ++listings;
        std::vector<WindowId> ids;
        for (FakeWindow& w : windows) {
            if (w.appears_after_listings > 0) {
                --w.appears_after_listings;
                continue;
            }
            ids.push_back(w.id);
        }
        return ids;
    }
    QString title(WindowId window) override { return find(window) ? find(window)->title : QString(); }
    bool is_visible(WindowId window) override { return find(window) && find(window)->visible; }
    int64_t process_id(WindowId window) override { return find(window) ? find(window)->pid : 0; }
    bool activate(WindowId window) override
    {
        FakeWindow* w = find(window);
        if (!w || refuse_activation.contains(window)) {
            log_event(log, QStringLiteral("activate-failed:%1").arg(window));
            return false;
        }
        activations.push_back(window);
        focused = window;
        log_event(log, QStringLiteral("activate:%1").arg(window));
        return true;
    }
    QRect geometry(WindowId window) override { return find(window) ? find(window)->frame : QRect(); }
    bool move_resize(WindowId window, const QRect& frame) override
    {
        FakeWindow* w = find(window);
        if (w)
            w->frame = frame;
        return w != nullptr;
    }
    bool set_topmost(WindowId window, bool topmost) override
    {
        if (topmost)
            topmost_windows.insert(window);
        else
            topmost_windows.remove(window);
        return find(window) != nullptr;
    }
    bool close(WindowId window) override
    {
        closed.push_back(window);
        const bool existed = find(window) != nullptr;
        close_by_test(window);
        return existed;
    }
    WindowId focused_window() override { return focused; }
    QSize screen_size() override { return screen; }

    std::vector<FakeWindow> windows;
    std::vector<WindowId> activations;
    std::vector<WindowId> closed;
    QSet<WindowId> refuse_activation;
    QSet<WindowId> topmost_windows;
    WindowId focused = 0;
    QSize screen = QSize(1024, 768);
    int listings = 0;
    EventLog* log = nullptr;
};

}  // namespace orvel::testing
