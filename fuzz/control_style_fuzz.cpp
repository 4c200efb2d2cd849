// Effective styles: for every kind and style, a control gets its rule's
// always-set bits and loses its always-cleared bits, keeps every other bit
// it was given (style 0 standing for the kind's default), and no kind has
// a rule in both families. A dialog is never created visible or system
// modal, always has the set-font, no-fail and 3-D bits, is centred exactly
// when asked to be (x or y of -1, or DS_CENTER given), and keeps every
// other bit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "dialog_rules.h"

namespace {

[[noreturn]] void Broken(const char* what, std::uint32_t kind, std::uint32_t style) {
  std::fprintf(stderr, "broken: %s (kind %u, style 0x%08X)\n", what, static_cast<unsigned>(kind),
               static_cast<unsigned>(style));
  std::abort();
}

std::uint32_t Read32(const std::uint8_t* data) {
  return data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

void CheckControl(const ControlStyleRule& rule, std::uint32_t kind, std::uint32_t style) {
  if ((rule.alwaysSet & rule.alwaysCleared) != 0) Broken("a bit both set and cleared", kind, 0);
  const std::uint32_t effective = EffectiveControlStyle(rule, style);
  const std::uint32_t given = style != 0 ? style : rule.defaultStyle;
  if ((effective & rule.alwaysSet) != rule.alwaysSet)
    Broken("an always-set bit missing", kind, style);
  if ((effective & rule.alwaysCleared) != 0) Broken("an always-cleared bit kept", kind, style);
  const std::uint32_t free = ~(rule.alwaysSet | rule.alwaysCleared);
  if ((effective & free) != (given & free)) Broken("a free bit changed", kind, style);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 13) return 0;
  const std::uint32_t kind = data[0];
  const std::uint32_t style = Read32(data + 1);
  const int x = static_cast<std::int32_t>(Read32(data + 5));
  const int y = static_cast<std::int32_t>(Read32(data + 9));

  const ControlStyleRule* classic = FindControlStyleRule(static_cast<ControlKind>(kind));
  const ControlStyleRule* unicode = FindUnicodeControlStyleRule(static_cast<ControlKind>(kind));
  if (classic != nullptr && unicode != nullptr) Broken("a kind in both families", kind, style);
  if (classic != nullptr) CheckControl(*classic, kind, style);
  if (unicode != nullptr) CheckControl(*unicode, kind, style);
  for (const ControlStyleRule* rule : {classic, unicode}) {
    if (rule != nullptr && static_cast<std::uint32_t>(rule->kind) != kind) {
      Broken("the rule of another kind", kind, style);
    }
  }

  const std::uint32_t dialog = EffectiveDialogStyle(style, x, y);
  const std::uint32_t given = style != 0 ? style : DefaultDialogStyle;
  if ((dialog & DialogStyleAlwaysSet) != DialogStyleAlwaysSet)
    Broken("dialog: bits missing", 0, style);
  if ((dialog & DialogStyleAlwaysCleared) != 0) Broken("dialog: visible or system modal", 0, style);
  const bool centred = (dialog & DialogCentreStyle) != 0;
  if (centred != (x == -1 || y == -1 || (given & DialogCentreStyle) != 0)) {
    Broken("dialog: centred when not asked, or not when asked", 0, style);
  }
  const std::uint32_t free = ~(DialogStyleAlwaysSet | DialogStyleAlwaysCleared | DialogCentreStyle);
  if ((dialog & free) != (given & free)) Broken("dialog: a free bit changed", 0, style);
  const int show = ShowCommandForStyle(dialog);
  if (show != 3 && show != 5 && show != 6) Broken("dialog: no show command", 0, style);
  return 0;
}
