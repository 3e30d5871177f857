#pragma once

namespace torvane::report {

// The values the spreadsheet operations take, as automation numbers them.
inline constexpr int kAlignCentre = 3;     // HorizontalAlignment: centred across the cell
inline constexpr int kAlignMiddle = 2;     // VerticalAlignment: centred from top to bottom
inline constexpr int kLineContinuous = 1;  // Borders.LineStyle: thin line on every edge of every cell
inline constexpr int kReportColumnWidth = 25; // ColumnWidth of report columns, in characters

} // namespace torvane::report
