#include "platform/x11/x11_keys_left_down.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput.h>
#include <X11/extensions/XTest.h>

#include <cstring>

namespace orvel {

namespace {

// The slave keyboard that carries the events of XTestFakeKeyEvent.
XID xtest_keyboard(Display* display)
{
    int count = 0;
    XDeviceInfo* devices = XListInputDevices(display, &count);
    if (!devices)
        return None;
    XID found = None;
    for (int i = 0; i < count && found == None; ++i) {
        if (devices[i].use == IsXExtensionKeyboard && devices[i].name &&
            std::strstr(devices[i].name, "XTEST") != nullptr)
            found = devices[i].id;
    }
    XFreeDeviceList(devices);
    return found;
}

}  // namespace

int release_keys_left_down(Display* display)
{
    if (!display)
        return 0;
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error))
        return 0;
    const XID id = xtest_keyboard(display);
    if (id == None)
        return 0;
    XDevice* device = XOpenDevice(display, id);
    if (!device)
        return 0;
    int released = 0;
    if (XDeviceState* state = XQueryDeviceState(display, device)) {
        auto* item = reinterpret_cast<char*>(state->data);
        for (int i = 0; i < state->num_classes; ++i) {
            auto* header = reinterpret_cast<XInputClass*>(item);
            if (header->c_class == KeyClass) {
                const auto* keys = reinterpret_cast<XKeyState*>(header);
                for (int code = 8; code < keys->num_keys && code < 256; ++code) {
                    if (keys->keys[code / 8] & (1 << (code % 8))) {
                        XTestFakeKeyEvent(display, static_cast<unsigned>(code), False, CurrentTime);
                        ++released;
                    }
                }
            }
            item += header->length;
        }
        XFreeDeviceState(state);
    }
    XCloseDevice(display, device);
    if (released)
        XSync(display, False);
    return released;
}

}  // namespace orvel
