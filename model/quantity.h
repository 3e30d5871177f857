#pragma once

#include <QString>

#include <optional>

namespace torvane::model {

// Quantities are whole numbers typed into digits-only fields. An empty field
// counts as 0; otherwise only the digits 0-9 are accepted, up to 2147483647.
// No sign, blank or separator slips through, so nothing negative is priced.
std::optional<qint32> parseQuantity(QStringView text);

} // namespace torvane::model
