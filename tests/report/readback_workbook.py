#!/usr/bin/python3
"""Print a .xls or .xlsx workbook as JSON for test_workbookwriters.

Cells are keyed "B2" and give type (text, number, blank), value, bold, font,
the four border line styles, alignment, wrap and number format; a cell that
holds a formula gives it too ("=E2-D2"), its value and type then being the
value stored beside it. Each sheet also gives its frozen rows, its filter
range ("A1:K9", .xlsx only) and its print setup: orientation, paper, pages
wide and the rows repeated on every page ("1:1"). Column
widths and row heights stay in each format's own units: .xls widths in
1/256 of a character and heights in twips, .xlsx widths in characters and
heights in points. For .xls the compound file and its record stream are
checked too, since no reader looks at record sizes or the EXTSST index;
xlrd does not read cell formulas, so they are decoded here from the FORMULA
records (the few tokens a sum or a difference of cells takes).
"""

import datetime
import json
import struct
import sys

HORIZONTAL = {0: "general", 1: "left", 2: "center", 3: "right", 4: "fill", 5: "justify"}
VERTICAL = {0: "top", 1: "center", 2: "bottom", 3: "justify"}
LINE = {0: "none", 1: "thin"}

OLE2_SIGNATURE = bytes.fromhex("D0CF11E0A1B11AE1")
SST, CONTINUE, EXTSST, BOF, BOUNDSHEET = 0x00FC, 0x003C, 0x00FF, 0x0809, 0x0085
WSBOOL, SETUP = 0x0081, 0x00A1
FORMULA, EOF = 0x0006, 0x000A


def cell_ref(row, column):
    """1-based row and column to A1 notation."""
    letters = ""
    while column > 0:
        column, rest = divmod(column - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return f"{letters}{row}"


def records_of(stream):
    """(offset, type, size) of every BIFF record in the stream."""
    records, pos = [], 0
    while pos + 4 <= len(stream):
        rtype, size = struct.unpack_from("<HH", stream, pos)
        records.append((pos, rtype, size))
        pos += 4 + size
    return records, pos


def shared_string_starts(stream, records, problems):
    """Stream offset and in-record offset (from the header) of each SST string."""
    first = next((i for i, r in enumerate(records) if r[1] == SST), None)
    if first is None:
        problems.append("no SST record")
        return []
    pieces = [records[first]]
    for record in records[first + 1:]:
        if record[1] != CONTINUE:
            break
        pieces.append(record)
    body = lambda k: stream[pieces[k][0] + 4:pieces[k][0] + 4 + pieces[k][2]]
    k, pos, data = 0, 8, body(0)
    _, unique = struct.unpack_from("<II", data, 0)
    starts = []
    for i in range(unique):
        if pos == len(data) and k + 1 < len(pieces):
            k, pos, data = k + 1, 0, body(k + 1)
        if pos + 3 > len(data):
            problems.append(f"SST string {i}: header split across records")
            return starts
        starts.append((pieces[k][0] + 4 + pos, 4 + pos))
        length, flags = struct.unpack_from("<HB", data, pos)
        if flags & ~1:
            problems.append(f"SST string {i}: flags {flags:#x}")
        pos, wide, left = pos + 3, flags & 1, length
        while left:
            if pos == len(data):
                if k + 1 == len(pieces):
                    problems.append(f"SST string {i}: runs past the last CONTINUE")
                    return starts
                k, data = k + 1, body(k + 1)
                wide, pos = data[0] & 1, 1
            size = 2 if wide else 1
            n = min(left, (len(data) - pos) // size)
            if n == 0:
                problems.append(f"SST string {i}: a character is split across records")
                return starts
            pos, left = pos + n * size, left - n
    if pos != len(data) or k + 1 != len(pieces):
        problems.append("SST has bytes after its last string")
    return starts


def check_stream(stream):
    """Problems in the record layout that readers would let pass."""
    problems = []
    records, end = records_of(stream)
    if end != len(stream):
        problems.append(f"records end at {end}, stream has {len(stream)} bytes")
    starts = {offset: rtype for offset, rtype, _ in records}
    for offset, rtype, size in records:
        if size > 8224:
            problems.append(f"record 0x{rtype:04X} at {offset} holds {size} bytes")
        if rtype == BOUNDSHEET:
            (position,) = struct.unpack_from("<I", stream, offset + 4)
            if starts.get(position) != BOF:
                problems.append(f"BOUNDSHEET points at {position}, not at a BOF")
    strings = shared_string_starts(stream, records, problems)
    extsst = [r for r in records if r[1] == EXTSST]
    if len(extsst) != 1:
        problems.append(f"{len(extsst)} EXTSST records")
    else:
        offset, _, size = extsst[0]
        (per_bucket,) = struct.unpack_from("<H", stream, offset + 4)
        buckets = [struct.unpack_from("<IH", stream, offset + 6 + 8 * k) for k in range((size - 2) // 8)]
        wanted = strings[::per_bucket] if per_bucket else None
        if per_bucket < 8 or buckets != wanted:
            problems.append(f"EXTSST ({per_bucket} a bucket) {buckets[:4]}... should be {wanted and wanted[:4]}...")
    counts = {}
    for _, rtype, _ in records:
        counts[rtype] = counts.get(rtype, 0) + 1
    return {
        "problems": problems,
        "continue_records": counts.get(CONTINUE, 0),
        "sst_records": counts.get(SST, 0),
        "max_record_size": max((size for _, _, size in records), default=0),
    }


def column_letters(column):
    """0-based column to letters."""
    return cell_ref(1, column + 1)[:-1]


def decode_formula(tokens):
    """A BIFF8 cell formula's parsed expression as text, for the tokens of
    references, ranges, + and - and SUM; "?" for anything else."""
    stack, pos = [], 0

    def ref(row, column):
        return f"{column_letters(column & 0x3FFF)}{row + 1}"

    while pos < len(tokens):
        ptg = tokens[pos]
        base = ptg & 0x1F if ptg & 0x60 else ptg
        if ptg in (0x03, 0x04):
            right, left = stack.pop(), stack.pop()
            stack.append(f"{left}{'+' if ptg == 0x03 else '-'}{right}")
            pos += 1
        elif ptg >= 0x20 and base == 0x04:  # ptgRef
            row, column = struct.unpack_from("<HH", tokens, pos + 1)
            stack.append(ref(row, column))
            pos += 5
        elif ptg >= 0x20 and base == 0x05:  # ptgArea
            first, last, c0, c1 = struct.unpack_from("<HHHH", tokens, pos + 1)
            stack.append(f"{ref(first, c0)}:{ref(last, c1)}")
            pos += 9
        elif ptg >= 0x20 and base == 0x02:  # ptgFuncVar
            count, function = tokens[pos + 1] & 0x7F, struct.unpack_from("<H", tokens, pos + 2)[0] & 0x7FFF
            arguments = stack[len(stack) - count:]
            del stack[len(stack) - count:]
            stack.append(f"{'SUM' if function == 4 else f'F{function}'}({','.join(arguments)})")
            pos += 4
        elif ptg == 0x19 and tokens[pos + 1] & 0x10:  # ptgAttr of a one-argument SUM
            stack.append(f"SUM({stack.pop()})")
            pos += 4
        else:
            return "?"
    return "=" + stack[0] if len(stack) == 1 else "?"


def sheet_formulas(stream):
    """Per worksheet in stream order, {"B2": "=E2-D2"} of its FORMULA records."""
    records, _ = records_of(stream)
    sheets, current = [], None
    for offset, rtype, size in records:
        body = stream[offset + 4:offset + 4 + size]
        if rtype == BOF and struct.unpack_from("<H", body, 2)[0] == 0x0010:
            current = {}
            sheets.append(current)
        elif rtype == EOF:
            current = None
        elif rtype == FORMULA and current is not None:
            row, column = struct.unpack_from("<HH", body, 0)
            (length,) = struct.unpack_from("<H", body, 20)
            current[cell_ref(row + 1, column + 1)] = decode_formula(body[22:22 + length])
    return sheets


def print_setups(stream):
    """Orientation and pages-wide fitting of each sheet, in stream order."""
    records, _ = records_of(stream)
    fits, setups = [], []
    for offset, rtype, _ in records:
        if rtype == WSBOOL:
            fits.append(bool(struct.unpack_from("<H", stream, offset + 4)[0] & 0x0100))
        elif rtype == SETUP:
            fields = struct.unpack_from("<6H", stream, offset + 4)
            setups.append({"landscape": not fields[5] & 0x0002, "paper": fields[0], "fit_width": fields[3]})
    for fit, setup in zip(fits, setups):
        if not fit:
            setup["fit_width"] = 0
    return setups


def dump_xls(path):
    import olefile
    import xlrd

    with open(path, "rb") as f:
        signature = f.read(8)
    ole = olefile.OleFileIO(path)
    streams = ["/".join(entry) for entry in ole.listdir()]
    stream = ole.openstream("Workbook").read() if ole.exists("Workbook") else b""
    ole.close()

    book = xlrd.open_workbook(path, formatting_info=True, logfile=sys.stderr)
    result = {
        "format": "xls",
        "ole2_signature": signature == OLE2_SIGNATURE,
        "streams": streams,
        "stream": check_stream(stream),
        "sheets": [],
    }
    types = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_BLANK: "blank",
             xlrd.XL_CELL_DATE: "date"}
    setups = print_setups(stream)
    formulas = sheet_formulas(stream)
    titles = {}
    for name in book.name_obj_list:
        if name.name == "Print_Titles":
            _, first, last, _, _ = name.area2d()
            titles[name.scope] = f"{first + 1}:{last}"
    for index, sheet in enumerate(book.sheets()):
        cells = {}
        for r in range(sheet.nrows):
            for c, cell in enumerate(sheet.row(r)):
                if cell.ctype == xlrd.XL_CELL_EMPTY:
                    continue
                xf = book.xf_list[cell.xf_index]
                font = book.font_list[xf.font_index]
                border = xf.border
                value = cell.value if cell.ctype != xlrd.XL_CELL_BLANK else None
                if cell.ctype == xlrd.XL_CELL_DATE:
                    value = xlrd.xldate.xldate_as_datetime(value, book.datemode).date().isoformat()
                cells[cell_ref(r + 1, c + 1)] = {
                    "type": types.get(cell.ctype, f"ctype {cell.ctype}"),
                    "value": value,
                    "bold": bool(font.bold),
                    "font": font.name,
                    "size": font.height / 20,
                    "borders": [LINE.get(s, str(s)) for s in (border.left_line_style, border.right_line_style,
                                                              border.top_line_style, border.bottom_line_style)],
                    "border_colours": [border.left_colour_index, border.right_colour_index,
                                       border.top_colour_index, border.bottom_colour_index],
                    "horizontal": HORIZONTAL.get(xf.alignment.hor_align, str(xf.alignment.hor_align)),
                    "vertical": VERTICAL.get(xf.alignment.vert_align, str(xf.alignment.vert_align)),
                    "wrap": bool(xf.alignment.text_wrapped),
                    "format": book.format_map[xf.format_key].format_str,
                }
                formula = formulas[index].get(cell_ref(r + 1, c + 1)) if index < len(formulas) else None
                if formula:
                    cells[cell_ref(r + 1, c + 1)]["formula"] = formula
        result["sheets"].append({
            "name": sheet.name,
            "cells": cells,
            "merges": sorted(f"{cell_ref(r0 + 1, c0 + 1)}:{cell_ref(r1, c1)}"
                             for r0, r1, c0, c1 in sheet.merged_cells),
            "widths": {cell_ref(0, c + 1)[:-1]: {"width": info.width, "hidden": bool(info.hidden)}
                       for c, info in sheet.colinfo_map.items()},
            "heights": {str(r + 1): {"height": info.height, "custom": bool(info.height_mismatch)}
                        for r, info in sheet.rowinfo_map.items()},
            "print": dict(setups[index], titles=titles.get(index)) if index < len(setups) else None,
            "frozen_rows": sheet.horz_split_pos if sheet.panes_are_frozen else 0,
        })
    return result


def dump_xlsx(path):
    import openpyxl
    from openpyxl.cell.read_only import EmptyCell

    # Read-only mode shows every stored cell as written; the normal mode
    # restyles the inner cells of merged ranges from their anchor.
    full = openpyxl.load_workbook(path)
    cells_only = openpyxl.load_workbook(path, read_only=True)
    computed = openpyxl.load_workbook(path, read_only=True, data_only=True)
    result = {"format": "xlsx", "sheets": []}
    for sheet, stored, values in zip(full.worksheets, cells_only.worksheets, computed.worksheets):
        stored_values = {(cell.row, cell.column): cell.value
                         for row in values.iter_rows() for cell in row if not isinstance(cell, EmptyCell)}
        cells = {}
        for row in stored.iter_rows():
            for cell in row:
                if isinstance(cell, EmptyCell):
                    continue
                value = cell.value
                formula = None
                if cell.data_type == "f":
                    formula, value = value, stored_values.get((cell.row, cell.column))
                if isinstance(value, (datetime.date, datetime.datetime)):
                    kind, value = "date", value.date().isoformat() if isinstance(value, datetime.datetime) else value.isoformat()
                elif value is None:
                    kind = "blank"
                elif isinstance(value, str):
                    kind = "text"
                elif isinstance(value, (int, float)) and not isinstance(value, bool):
                    kind = "number"
                else:
                    kind = type(value).__name__
                border = cell.border
                cells[cell_ref(cell.row, cell.column)] = {
                    "type": kind,
                    "value": value,
                    "bold": bool(cell.font.b),
                    "font": cell.font.name,
                    "size": cell.font.sz,
                    "borders": [(side.style if side is not None else None) or "none"
                                for side in (border.left, border.right, border.top, border.bottom)],
                    "horizontal": cell.alignment.horizontal or "general",
                    "vertical": cell.alignment.vertical or "bottom",
                    "wrap": bool(cell.alignment.wrap_text),
                    "format": cell.number_format,
                }
                if formula is not None:
                    cells[cell_ref(cell.row, cell.column)]["formula"] = formula
        widths = {}
        for dimension in sheet.column_dimensions.values():
            if dimension.customWidth or dimension.hidden:
                for column in range(dimension.min, dimension.max + 1):
                    widths[cell_ref(0, column)[:-1]] = {"width": dimension.width, "hidden": bool(dimension.hidden)}
        result["sheets"].append({
            "name": sheet.title,
            "cells": cells,
            "merges": sorted(str(r) for r in sheet.merged_cells.ranges),
            "widths": widths,
            "heights": {str(r): {"height": d.ht, "custom": bool(d.customHeight)}
                        for r, d in sheet.row_dimensions.items() if d.ht is not None},
            "print": {
                "landscape": sheet.page_setup.orientation == "landscape",
                "paper": int(sheet.page_setup.paperSize or 0),
                "fit_width": int(sheet.page_setup.fitToWidth or 1)
                if sheet.sheet_properties.pageSetUpPr is not None and sheet.sheet_properties.pageSetUpPr.fitToPage else 0,
                "titles": sheet.print_title_rows.replace("$", "") if sheet.print_title_rows else None,
            },
            "frozen_rows": int(sheet.freeze_panes[1:]) - 1 if sheet.freeze_panes else 0,
            "autofilter": sheet.auto_filter.ref,
        })
    cells_only.close()
    computed.close()
    return result


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: readback_workbook.py FILE.xls|FILE.xlsx")
    path = sys.argv[1]
    dump = dump_xlsx(path) if path.lower().endswith(".xlsx") else dump_xls(path)
    json.dump(dump, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
