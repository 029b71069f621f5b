#include "runtime/switch_dialog_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "runtime/board_geometry.h"
#include "runtime/scan_order.h"
#include "runtime/switch_mapping.h"

namespace orvel {

void load_switch_fields(const UserProfile& profile, int pulsador, SwitchDialogFields& fields)
{
    if (pulsador != 1 && pulsador != 2)
        return;
    const int action = pulsador == 1 ? profile.accio1 : profile.accio2;
    if (action < 1 || action > kSwitchOptionCount)
        return;
    fields.selected_option = action - 1;
    fields.key_list = pulsador == 1 ? profile.variable1 : profile.variable2;
    fields.action_time = QString::number(pulsador == 1 ? profile.retard1 : profile.retard2);
    fields.step_time = QString::number(profile.temps);
}

void load_access_fields(const UserProfile& profile, SwitchDialogFields& fields)
{
    fields.acceptance_ms = profile.acceptacio;
    fields.post_acceptance_ms = profile.post_acceptacio;
    fields.first_step_delay_ms = profile.retard_inicial;
    fields.rounds = profile.voltes;
    fields.rows = profile.files != 0;
    fields.dwell_ms = profile.permanencia;
    fields.frame_contrast = profile.marc_contrast != 0;
}

bool accept_switch(UserProfile& profile, int pulsador, const SwitchDialogFields& fields)
{
    bool accepted = false;
    const int option = fields.selected_option;
    // A list of blanks is stored empty, so it counts as empty here.
    const QString list = fields.key_list.trimmed();
    const bool valid = option >= 0 && option < kSwitchOptionCount &&
                       !(option + 1 == kActionKeyList && list.isEmpty());
    if (valid) {
        const auto action = static_cast<int16_t>(option + 1);
        const int16_t action_time = round_clamped_int16(leading_number(fields.action_time));
        bool store = false;
        if (pulsador == 1) {
            store = true;
        } else if (pulsador == 2) {
            store = action != profile.accio1 || (action == kActionKeyList && list != profile.variable1);
        }
        if (store) {
            if (pulsador == 1) {
                profile.accio1 = action;
                profile.variable1 = list;
                profile.retard1 = action_time;
            } else {
                profile.accio2 = action;
                profile.variable2 = list;
                profile.retard2 = action_time;
            }
            profile.gruix = round_clamped_int16(leading_number(fields.frame_width));
            profile.color = fields.frame_color;
            accepted = true;
        }
    }
    if (profile.gruix == 0)
        profile.gruix = 8;
    return accepted;
}

bool accept_switch_dialog(UserProfile& profile, int pulsador, const SwitchDialogFields& fields)
{
    if (!accept_switch(profile, pulsador, fields))
        return false;
    const double tenths = leading_number(fields.step_time);
    profile.temps = std::clamp<int16_t>(round_clamped_int16(tenths), 0, kLongestStepTenths);
    auto time = [](int value) { return static_cast<int16_t>(std::clamp(value, 0, 32767)); };
    profile.acceptacio = time(fields.acceptance_ms);
    profile.post_acceptacio = time(fields.post_acceptance_ms);
    profile.retard_inicial = time(fields.first_step_delay_ms);
    profile.voltes = time(fields.rounds);
    profile.files = fields.rows ? 1 : 0;
    profile.permanencia = time(fields.dwell_ms);
    profile.marc_contrast = fields.frame_contrast ? 1 : 0;
    return true;
}

void cancel_switch_dialog(UserProfile& profile)
{
    profile.modus = 0;
}

}  // namespace orvel
