"""Reads help pictures twice, independently of the program's own reader, and compares the extents.

Arguments: pairs of the DXF file the program wrote for a picture and the HP-GL/2 picture itself.
ezdxf reads and audits the DXF; hp2xx renders the HP-GL/2 file (labels removed, since every
reader draws text with its own font) to EPS in true size. The line geometry must span the same
width and height in both, within a millimetre. Prints "<picture> dxf W H hpgl W H entities N errors N"
for each pair; exits 1 on any mismatch.
"""
import re
import subprocess
import sys
import tempfile

import ezdxf


def dxf_extents(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    xs, ys = [], []
    count = 0
    for e in doc.modelspace():
        count += 1
        kind = e.dxftype()
        if kind == "LINE":
            xs += [e.dxf.start.x, e.dxf.end.x]
            ys += [e.dxf.start.y, e.dxf.end.y]
        elif kind in ("CIRCLE", "ARC"):
            c, r = e.dxf.center, e.dxf.radius
            if kind == "CIRCLE":
                xs += [c.x - r, c.x + r]
                ys += [c.y - r, c.y + r]
            else:
                for p in e.flattening(0.01):
                    xs.append(p.x)
                    ys.append(p.y)
    return (max(xs) - min(xs), max(ys) - min(ys)), count, len(auditor.errors)


def hpgl_extents(path):
    data = open(path, "rb").read()
    # Labels run to the end-of-text character.
    data = re.sub(rb"LB[^\x03]*\x03", b"", data)
    with tempfile.TemporaryDirectory() as folder:
        plot = folder + "/p.plt"
        eps = folder + "/p.eps"
        open(plot, "wb").write(data)
        subprocess.run(["hp2xx", "-q", "-m", "eps", "-t", "-p", "00000000", "-f", eps, plot],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=True)
        box = re.search(rb"%%BoundingBox: (-?\d+) (-?\d+) (-?\d+) (-?\d+)", open(eps, "rb").read())
    x1, y1, x2, y2 = (int(v) for v in box.groups())
    points = 25.4 / 72
    return (x2 - x1) * points, (y2 - y1) * points


def check(dxf, plot):
    (dw, dh), count, errors = dxf_extents(dxf)
    hw, hh = hpgl_extents(plot)
    print("%s dxf %.2f %.2f hpgl %.2f %.2f entities %d errors %d" % (plot, dw, dh, hw, hh, count, errors))
    # EPS bounding boxes are whole points (0.35 mm) on both sides.
    return errors == 0 and count > 20 and abs(dw - hw) < 1.0 and abs(dh - hh) < 1.0


def main(paths):
    results = [check(paths[i], paths[i + 1]) for i in range(0, len(paths) - 1, 2)]
    return 0 if results and all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
