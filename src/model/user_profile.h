#pragma once
// The person's access settings (.USR profile) and the program settings (Orvel.INI).
#include <QString>
#include <cstdint>

namespace orvel {

struct UserProfile {
    int16_t Interval = 500;      // execution tick, ms, never below 100
    bool So = true;
    int16_t modus = 0;           // access method
    int16_t temps = 0;           // scanning step, tenths of a second
    int16_t gruix = 8;           // highlight frame thickness, pixels
    double color = 255;          // highlight frame colour as an RGB number (255 = red)
    int16_t accio1 = 0;
    int16_t accio2 = 0;
    QString variable1;
    QString variable2;
    int16_t retard1 = 0;
    int16_t retard2 = 0;
    int16_t n_joystic = 0;
    int16_t joystic_sensi = 0;
    int16_t joystic_retard = 0;
};

}  // namespace orvel
