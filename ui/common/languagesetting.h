#pragma once

#include "base/language.h"

#include <optional>

namespace torvane::ui::common {

// The language the user chose last time on the start screen, kept in the
// settings so the next start speaks it before anything is chosen.
std::optional<base::Language> rememberedLanguage();
void rememberLanguage(base::Language language);

} // namespace torvane::ui::common
