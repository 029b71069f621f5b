#include "runtime/joystick_access.h"

#include "platform/mouse_device.h"
#include "runtime/cursor_probe.h"

namespace orvel {

namespace {
constexpr int kDetectedIds = 5;     // the menu tries ids 0 to 4
constexpr int kReadableIds = 2;     // only the first two are read
constexpr int kMousePixelsPerStep = 5;
}  // namespace

bool JoystickAccess::joystick_detect(int id)
{
    JoystickReading r;
    if (!joysticks_ || !joysticks_->read(id, r))
        return false;
    rest_ = r;
    profile_.n_joystic = static_cast<int16_t>(id + 1);
    profile_.joystic_sensi = 1;
    return true;
}

QString JoystickAccess::joystick_read()
{
    if (profile_.n_joystic == kMouseAsJoystick)
        return read_mouse();
    if (profile_.n_joystic >= 1 && profile_.n_joystic <= kReadableIds)
        return read_joystick();
    return QString();
}

QString JoystickAccess::read_mouse()
{
    if (!mouse_)
        return QString();
    const QPoint p = mouse_->position();
    // Compared with nothing, wherever the pointer rests would count as a move.
    if (!pointer_known_) {
        pointer_known_ = true;
        last_pointer_ = p;
        return QString();
    }
    const int band = kMousePixelsPerStep * profile_.joystic_sensi;
    const QPoint r = last_pointer_;
    QString letters;
    if (p.x() > r.x() + band)
        letters += QLatin1Char('D');
    if (p.x() < r.x() - band)
        letters += QLatin1Char('E');
    if (p.y() > r.y() + band)
        letters += QLatin1Char('R');
    if (p.y() < r.y() - band)
        letters += QLatin1Char('A');
    last_pointer_ = p;
    return letters;
}

QString JoystickAccess::read_joystick()
{
    JoystickReading r;
    if (!joysticks_ || !joysticks_->read(profile_.n_joystic - 1, r))
        return QString();
    const double s = profile_.joystic_sensi;
    const double x0 = rest_.x;
    const double y0 = rest_.y;
    QString letters;
    if (r.x > (1 + s / 10) * x0)
        letters += QLatin1Char('D');
    if (r.x < (1 - s / 10) * x0)
        letters += QLatin1Char('E');
    if (r.y > (1 + s / 10) * y0)
        letters += QLatin1Char('R');
    if (r.y < (1 - s / 10) * y0)
        letters += QLatin1Char('A');
    if (r.buttons == 1)
        letters += QLatin1Char('1');
    else if (r.buttons == 2)
        letters += QLatin1Char('2');
    else if (r.buttons == 3)
        letters += QLatin1String("12");
    return letters;
}

void JoystickAccess::joystick_step(const std::function<void(int key_code)>& key_down)
{
    for (const QChar letter : joystick_read()) {
        switch (letter.unicode()) {
        case 'A': key_down(kKeyUp); break;
        case 'R': key_down(kKeyDown); break;
        case 'D': key_down(kKeyRight); break;
        case 'E': key_down(kKeyLeft); break;
        case '1':
        case '2': key_down(kKeyEnter); break;
        default: break;
        }
    }
}

void JoystickAccess::choose_joystick()
{
    if (profile_.n_joystic == 0) {
        profile_.joystic_retard = 10;
        profile_.joystic_sensi = 1;
        for (int id = 0; id < kDetectedIds; ++id) {
            profile_.n_joystic = kMouseAsJoystick;
            if (joystick_detect(id))
                break;
        }
    }
    if (profile_.n_joystic >= 1 && profile_.n_joystic <= 99)
        profile_.modus = 4;
    else if (profile_.n_joystic == kMouseAsJoystick)
        profile_.modus = 8;
}

}  // namespace orvel
