"""Opens a DXF file with ezdxf, audits it and prints what a CAD program would see.

Output, one item per line: "errors N" (read and audit errors), "fixes N",
"codepage NAME", "layer NAME COLOUR LINETYPE", "block NAME TYPE" for each block entity,
"entity TYPE LAYER" for each model-space entity (in file order) and "text LAYER TEXT".
"""
import sys

import ezdxf


def main(path):
    try:
        doc = ezdxf.readfile(path)
        read_errors = 0
    except (IOError, ezdxf.DXFStructureError) as error:
        print("errors 1")
        print("read", error, file=sys.stderr)
        return 1
    auditor = doc.audit()
    for error in auditor.errors:
        print("audit", error.message, file=sys.stderr)
    print("errors", read_errors + len(auditor.errors))
    print("fixes", len(auditor.fixes))
    print("codepage", doc.header.get("$DWGCODEPAGE", ""))
    for layer in doc.layers:
        print("layer", layer.dxf.name, layer.dxf.color, layer.dxf.linetype)
    for block in doc.blocks:
        if block.name.startswith("*"):
            continue
        for entity in block:
            print("block", block.name, entity.dxftype())
    for entity in doc.modelspace():
        print("entity", entity.dxftype(), entity.dxf.layer)
        if entity.dxftype() == "TEXT":
            print("text", entity.dxf.layer, entity.dxf.text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
