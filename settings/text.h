#pragma once
// The plain text inside the sealed settings file: one "key=value" line per
// field. Exposed for the store, its tests and the fuzz targets; everyone else
// goes through settings::load and settings::save.
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace settings::text {

std::string serialize(const Settings& s);

// Applies the text to *s field by field; never fails. Every value that does
// not validate leaves the field as it was (or as the key table says).
void deserialize(std::string_view text, Settings* s);

// The 19-field line: three switches as 0/1, then the sixteen knobs.
std::string params_line(const fx::Params& p);

// True when the line holds exactly 19 valid fields; *p changes only then.
bool parse_params(std::string_view line, fx::Params* p);

// The value when it has at most max_bytes bytes and no byte below 32 or 127.
std::string plain_or(std::string_view value, std::size_t max_bytes, const std::string& fallback);

}  // namespace settings::text
