"""Opens a DXF file with ezdxf, audits it and prints what a CAD program would see.

Output, one item per line: "errors N" (read and audit errors), "fixes N",
"codepage NAME", "layer NAME COLOUR LINETYPE", "block NAME TYPE" for each block entity,
"block-text NAME TEXT" after each block TEXT, "block-vertices NAME N" after each block
POLYLINE, "entity TYPE LAYER" for each model-space entity (in file order) and "text LAYER TEXT".

Older ezdxf versions give every POLYLINE a SEQEND of its own while loading and keeps it in its
database after linking the SEQEND read from the file; in a block that spare has no owner, and
the auditor deletes it. Fixes to such spares say nothing about the file and are not counted
(they are listed on stderr).
"""
import sys

import ezdxf


def spare_seqends(doc):
    """Names of the SEQENDs in the database that no POLYLINE or INSERT links to and no layout
    holds (a stray SEQEND from the file is held by its layout and still counts)."""
    linked = set()
    for block in doc.blocks:
        for entity in block:
            linked.add(entity.dxf.handle)
            seqend = getattr(entity, "seqend", None)
            if seqend is not None:
                linked.add(seqend.dxf.handle)
    return {
        str(entity)
        for handle, entity in doc.entitydb.items()
        if entity.dxftype() == "SEQEND" and handle not in linked
    }


def main(path):
    try:
        doc = ezdxf.readfile(path)
        read_errors = 0
    except (IOError, ezdxf.DXFStructureError) as error:
        print("errors 1")
        print("read", error, file=sys.stderr)
        return 1
    spares = spare_seqends(doc)
    auditor = doc.audit()
    fixes = [fix for fix in auditor.fixes if not any(spare + " " in fix.message for spare in spares)]
    for fix in auditor.fixes:
        print("fix" if fix in fixes else "reader fix", fix.message, file=sys.stderr)
    for error in auditor.errors:
        print("audit", error.message, file=sys.stderr)
    print("errors", read_errors + len(auditor.errors))
    print("fixes", len(fixes))
    print("codepage", doc.header.get("$DWGCODEPAGE", ""))
    for layer in doc.layers:
        print("layer", layer.dxf.name, layer.dxf.color, layer.dxf.linetype)
    for block in doc.blocks:
        if block.name.startswith("*"):
            continue
        for entity in block:
            print("block", block.name, entity.dxftype())
            if entity.dxftype() == "TEXT":
                print("block-text", block.name, entity.dxf.text)
            if entity.dxftype() == "POLYLINE":
                print("block-vertices", block.name, len(entity.vertices))
    for entity in doc.modelspace():
        print("entity", entity.dxftype(), entity.dxf.layer)
        if entity.dxftype() == "TEXT":
            print("text", entity.dxf.layer, entity.dxf.text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
