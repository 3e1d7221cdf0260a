#include "app/cli.h"

#include <algorithm>
#include <cstring>

namespace cli {

const char* const kHelp =
    "Velmora %s (Build %s)\n"
    "\n"
    "  Velmora                 Fenster oeffnen\n"
    "  Velmora --compact       in der Kompaktansicht oeffnen\n"
    "  Velmora --devices       Ausgabegeraete auflisten\n"
    "  Velmora --selftest      Roehre, Kompressor und Einstellungen nachrechnen\n"
    "  Velmora --version       Fassung ausgeben\n"
    "\n"
    "  --device <kennung>          fuer diesen Lauf auf dieses Geraet spielen\n"
    "  --no-takeover               Standardgeraet und fremde Tonstroeme NICHT\n"
    "                              anfassen (Testlaeufe)\n"
    "  --off                       mit ausgeschalteter Klangkette starten\n"
    "\n"
    "  Startzustand fuer Aufnahmen (Store-Bilder; wird wie eine Einstellung gemerkt):\n"
    "  --size <B>x<H>              Fenstergroesse\n"
    "  --theme dark|light          Design\n"
    "  --preset <name>             Voreinstellung eines Einschubs, z. B. warm, crunch,\n"
    "                              punch, night; clean = Roehre und Kompressor aus\n"
    "  --collapsed                 Regler eingeklappt\n";

bool has(const std::vector<std::string>& args, const std::string& sw) {
  return std::find(args.begin(), args.end(), sw) != args.end();
}

std::string arg_value(const std::vector<std::string>& args, const std::string& sw) {
  if (args.size() < 2) return {};
  auto it = std::find(args.begin(), args.end(), sw);
  if (it == args.end() || it + 1 == args.end()) return {};
  return *(it + 1);
}

std::string first_unknown(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a.rfind("--", 0) != 0) continue;
    bool known = std::any_of(kKnown.begin(), kKnown.end(),
                             [&](const char* k) { return a == k; });
    if (!known) return a;
  }
  return {};
}

}  // namespace cli
