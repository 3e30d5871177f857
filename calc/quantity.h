#pragma once

#include <QString>

#include <optional>

namespace torvane::calc {

// Quantities are whole numbers typed into digits-only fields. An empty field
// counts as 0; otherwise only the digits 0-9 are accepted, up to 2147483647.
// No sign, blank or separator slips through, so nothing negative is priced.
std::optional<qint32> parseQuantity(QStringView text);

// The message shown for a text that is not a quantity.
QString invalidQuantityMessage(const QString &text);

} // namespace torvane::calc
