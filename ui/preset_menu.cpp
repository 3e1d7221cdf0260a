// A unit's preset menu: its built-in presets, then the user's presets of the
// unit (deletable). Choosing one glides the knobs there and switches the
// unit on at once.
#include <cstddef>
#include <string>
#include <vector>

#include "desktop/i18n.h"
#include "fx/presets.h"
#include "settings/settings.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

std::string ascii_lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

void choose(int unit, const std::string& ref) {
  if (ref.empty() || S == nullptr) return;
  S->unit_preset[unit] = ref;
  // A glide still under way counts as arrived: the other unit's knobs keep
  // heading for their preset instead of stopping half-way.
  const fx::Params now = S->params;
  if (g_glide.active) S->params.knob = g_glide.target.knob;
  fx::Params target;
  std::string name;
  const bool found = selected_params(unit, &target, &name);
  S->params = now;
  if (found) {
    start_glide(target);
    S->params.tube_on = target.tube_on;
    S->params.comp_on = target.comp_on;
    S->params.limiter_on = target.limiter_on;
  }
  changed_and_save_later();
}

void remove_user(int unit, const std::string& ref, int scroll) {
  if (S == nullptr || ref.compare(0, 2, "u:") != 0) return;
  const std::string name = ref.substr(2);
  std::vector<UserPreset>& list = S->user_presets[unit];
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name != name) continue;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    break;
  }
  if (S->unit_preset[unit] == ref) S->unit_preset[unit].clear();
  changed_and_save_later();
  open_preset_menu(unit);
  g_popup.scroll = scroll;  // limited to the shorter list when drawn
}

}  // namespace

bool name_reserved(int unit, const std::string& name) {
  if (unit < 0 || unit > 1) return false;
  const std::string wanted = ascii_lower(name);
  if (wanted == ascii_lower(i18n::T("preset_custom"))) return true;
  for (const fx::UnitPreset& p : fx::unit_presets(unit))
    if (wanted == ascii_lower(i18n::T(p.key))) return true;
  return false;
}

void open_preset_menu(int unit) {
  if (S == nullptr || unit < 0 || unit > 1) return;
  g_popup_unit = unit;
  std::vector<std::string> rows, refs;
  std::vector<bool> header, deletable;
  auto add = [&](const std::string& text, const std::string& ref, bool head, bool del) {
    rows.push_back(text);
    refs.push_back(ref);
    header.push_back(head);
    deletable.push_back(del);
  };
  add(i18n::T("presets_builtin"), "", true, false);
  for (const fx::UnitPreset& p : fx::unit_presets(unit))
    add(i18n::T(p.key), std::string("b:") + p.key, false, false);
  if (!S->user_presets[unit].empty()) {
    add(i18n::T("presets_user"), "", true, false);
    for (const UserPreset& u : S->user_presets[unit]) add(u.name, "u:" + u.name, false, true);
  }
  int selected = -1;
  for (std::size_t i = 0; i < refs.size(); ++i)
    if (!refs[i].empty() && refs[i] == S->unit_preset[unit]) selected = static_cast<int>(i);

  auto on_choose = [unit, refs](int i) {
    if (i >= 0 && i < static_cast<int>(refs.size())) choose(unit, refs[i]);
  };
  auto on_delete = [unit, refs](int i) {
    if (i >= 0 && i < static_cast<int>(refs.size())) remove_user(unit, refs[i], g_popup.scroll);
  };
  open_popup(L.preset_field[unit], std::move(rows), selected, on_choose, std::move(header),
             std::move(deletable), on_delete);
}

}  // namespace ui
