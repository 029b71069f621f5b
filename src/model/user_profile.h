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
    // Keys added after those fifteen: older copies of the program skip them, and a
    // profile without them reads every one as 0, which is off.
    int16_t acceptacio = 0;       // ms a switch must be held for the press to count
    int16_t post_acceptacio = 0;  // ms after an accepted press in which presses are ignored
    int16_t retard_inicial = 0;   // ms the first area of each level stays highlighted longer
    int16_t voltes = 0;           // rounds without a selection before automatic scanning rests
    int16_t files = 0;            // 1: rows first, then the cells of the chosen row
    int16_t permanencia = 0;      // ms the pointer rests on an area to select it (mouse method)
    int16_t marc_contrast = 0;    // 1: the frame gets a contrasting inner outline
};

}  // namespace orvel
