#pragma once
// What the person reads when a run of keys could not be typed: the failure in
// words, the key name or character at fault, and where it stands (an area, or
// the board's initial keys). A bare number tells nobody what to mend.
#include <QString>

namespace orvel {

// `code` is a key sender's failure code or the activation failure; `area` is the
// area whose key text was running, 0 for the board's initial keys.
QString send_failure_message(int code, const QString& run, int area);

}  // namespace orvel
