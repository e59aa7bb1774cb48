"""Describes the first sheet of an .xlsx workbook as openpyxl reads it, one line per cell:
"<coordinate> <data type> <bold> <number format> <value>", then "freeze <cell>" and
"width <column> <width>" lines. Exits 1 when the workbook cannot be loaded."""
import sys

import openpyxl


def main():
    try:
        book = openpyxl.load_workbook(sys.argv[1])
    except Exception as error:  # any load failure is the finding
        print(f"load failed: {error}")
        return 1
    sheet = book.worksheets[0]
    print(f"sheets {len(book.worksheets)} {sheet.title}")
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            value = repr(cell.value)
            print(f"{cell.coordinate} {cell.data_type} {int(bool(cell.font.b))} {cell.number_format} {value}")
    print(f"freeze {sheet.freeze_panes}")
    for letter, dimension in sorted(sheet.column_dimensions.items()):
        if dimension.width:
            print(f"width {letter} {dimension.width:.0f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
