#include "model/template.h"

namespace orvel {

void reset_template(Template& t)
{
    t.areas.assign(1, Area{});
    t.area_count = 0;
    t.current_area = 0;
    t.file_name = kUnnamedTemplate;
    t.format_major = 2;
    t.format_minor = 1;
    t.global_data_on_new = 1;
    t.cover_file.clear();
    t.program.clear();
    t.clip_file.clear();
    t.initial_keys.clear();
    t.doc_file.clear();
    t.description.clear();
    t.app_title.clear();
}

bool add_area(Template& t, const Area& record)
{
    if (t.area_count >= kMaxAreas)
        return false;
    t.areas.push_back(record);
    t.area_count = static_cast<int16_t>(t.area_count + 1);
    t.modified = -1;
    return true;
}

void delete_area(Template& t, int n)
{
    if (n < 1 || n > t.area_count)
        return;
    const int16_t group = t.areas[static_cast<size_t>(n)].parent;
    t.areas.erase(t.areas.begin() + n);
    t.area_count = static_cast<int16_t>(t.area_count - 1);
    t.modified = -1;
    for (const Area& a : t.areas)
        if (a.parent == group)
            return;
    if (group >= 1 && group <= t.area_count)
        t.areas[static_cast<size_t>(group)].is_group = 0;
}

}  // namespace orvel
