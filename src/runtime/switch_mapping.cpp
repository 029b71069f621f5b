#include "runtime/switch_mapping.h"

namespace orvel {

namespace {
bool in_key_list(const QString& list, const QString& typed)
{
    return !typed.isEmpty() && list.contains(typed, Qt::CaseSensitive);
}
}  // namespace

int switch_for_event(const UserProfile& profile, int code, const QString& typed)
{
    int sw = 0;
    if (code == profile.accio1 || profile.accio1 == kActionAnyKey)
        sw = 1;
    if (code == profile.accio2 || profile.accio2 == kActionAnyKey)
        sw = 2;
    if (code == kActionKeyList) {
        if (in_key_list(profile.variable1, typed))
            sw = 1;
        if (in_key_list(profile.variable2, typed))
            sw = 2;
    }
    return sw;
}

}  // namespace orvel
