#pragma once
// Keys left down by an injector. A key down on the XTest device was pressed by a
// program, never by the person: one that is still down (an injector killed in the
// middle of typing) would count as held by the person in everything typed later
// ("abc 123" arriving as "ABC !@#"). The person's own keyboard is another device
// and is left alone.
typedef struct _XDisplay Display;

namespace orvel {

// Releases every key that is down on the XTest keyboard device; returns how many
// there were (0 too when the server has no such device).
int release_keys_left_down(Display* display);

}  // namespace orvel
