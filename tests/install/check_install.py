"""Checks TRB as it is installed: the installed layout and programs, the desktop entry, the case-file
type, the manual page, the Python module and the Debian package.

    check_install.py CHECK BUILD_DIR SOURCE_DIR

Each check installs the build into a fresh prefix in $TMPDIR (outside the source tree) with
`cmake --install`, or packs it with cpack, and uses the installed files only.
"""
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
PYTHON = "/usr/bin/python3"  # Debian's, for which the module is built


class Failure(Exception):
    pass


def run(command, **kwargs):
    """Runs a command; its exit code, standard output and standard error."""
    result = subprocess.run(command, capture_output=True, text=True, errors="replace", **kwargs)
    return result.returncode, result.stdout, result.stderr


def run_ok(command, **kwargs):
    code, out, err = run(command, **kwargs)
    if code != 0:
        raise Failure(f"{' '.join(command)}: exit code {code}\n{out}\n{err}")
    return out


def clean_environment(work):
    """The environment of a user who has only the installed program: no data folder override,
    a configuration and temporary folder of this run."""
    env = {k: v for k, v in os.environ.items() if k != "TRB_DATA_DIR"}
    for name in ("config", "tmp", "home"):
        os.makedirs(os.path.join(work, name), exist_ok=True)
    env["XDG_CONFIG_HOME"] = os.path.join(work, "config")
    env["TMPDIR"] = os.path.join(work, "tmp")
    env["HOME"] = os.path.join(work, "home")
    return env


def install(build, work):
    prefix = os.path.join(work, "prefix")
    run_ok(["cmake", "--install", build, "--prefix", prefix])
    return prefix


def source_files(folder):
    found = set()
    for root, dirs, files in os.walk(folder):
        dirs[:] = [d for d in dirs if not d.startswith(".")]
        for name in files:
            if not name.startswith(".") and not name.endswith("~"):
                found.add(os.path.relpath(os.path.join(root, name), folder))
    return found


def help_options(trb, env):
    """The options `trb ?` names, without their parameters: "/CADi:j" is "/CAD", "/PNG:j[:dpi]" is "/PNG"."""
    out = run_ok([trb, "?"], env=env)
    options = set(re.findall(r"(?<![\w/])(/[A-Z]+|/\?)", out))
    if len(options) < 4:
        raise Failure(f"trb ? lists too few options:\n{out}")
    return options


# --- checks ---------------------------------------------------------------------------------


def check_layout(build, source, work):
    prefix = install(build, work)
    trb = os.path.join(prefix, "bin", "trb")
    for program in ["trb"] + (["trb-window"] if os.path.exists(os.path.join(build, "src/app/trb-window")) else []):
        path = os.path.join(prefix, "bin", program)
        if not os.access(path, os.X_OK):
            raise Failure(f"{path} is not installed as a program")
    data = os.path.join(prefix, "share", "trb")
    missing = source_files(os.path.join(source, "data")) - source_files(data)
    if missing:
        raise Failure(f"data files not installed: {sorted(missing)}")
    for doc in ("LICENSE", "README.md"):
        if not os.path.isfile(os.path.join(prefix, "share", "doc", "trb", doc)):
            raise Failure(f"share/doc/trb/{doc} is not installed")
    # The user guide as the build rendered it, with every picture its pages show.
    built_guide = os.path.join(build, "guide")
    if os.path.isdir(built_guide):
        guide = os.path.join(prefix, "share", "doc", "trb", "guide")
        missing = source_files(built_guide) - source_files(guide)
        if missing or not os.path.isfile(os.path.join(guide, "index.html")):
            raise Failure(f"user guide files not installed: {sorted(missing)}")

    env = clean_environment(work)
    cases = os.path.join(work, "cases")
    shutil.copytree(os.path.join(data, "examples"), cases)
    examples = sorted(n for n in os.listdir(cases) if n.endswith(".trb"))
    if not examples:
        raise Failure("no example cases installed")
    # Every shipped example calculates without a fatal error.
    for name in examples:
        code, out, err = run([trb, name, "/I", "/NOGUI"], cwd=cases, env=env)
        report = os.path.join(cases, name[:-4] + ".txt")
        if code != 0 or not os.path.isfile(report) or os.path.getsize(report) == 0:
            raise Failure(f"installed trb {name} /I: exit code {code}, report written: "
                          f"{os.path.isfile(report)}\n{out}\n{err}")
        with open(report, encoding="cp850") as f:
            if "TRB - " not in f.read():
                raise Failure(f"{report} does not hold the report")

    # The installed message catalogue is the one the program reads: a fatal case's report shows
    # the cause written into the installed copy (a fallback to the source tree would not).
    marker = "Ursache aus dem installierten Katalog"
    catalogue = os.path.join(data, "trb.err")
    with open(catalogue, "rb") as f:
        lines = f.read().split(b"\r\n")
    key = next((i for i, line in enumerate(lines) if line.startswith(b"Fatal  : visko")), None)
    if key is None or key + 1 >= len(lines):
        raise Failure("the installed trb.err has no entry for the missing viscosity class")
    lines[key + 1] = marker.encode("cp850")
    with open(catalogue, "wb") as f:
        f.write(b"\r\n".join(lines))
    shutil.copy(os.path.join(source, "tests", "app", "data", "fatal.trb"), cases)
    code, out, err = run([trb, "fatal.trb", "/I", "/NOGUI"], cwd=cases, env=env)
    with open(os.path.join(cases, "fatal.txt"), encoding="cp850") as f:
        report = f.read()
    if code != 3 or marker not in report:
        raise Failure(f"installed trb fatal.trb /I: exit code {code}; the report does not show the "
                      f"installed catalogue's cause:\n{report}\n{err}")
    if os.listdir(env["TMPDIR"]):
        raise Failure(f"temporary files left behind: {os.listdir(env['TMPDIR'])}")


def check_desktop(build, source, work):
    prefix = install(build, work)
    share = os.path.join(prefix, "share")
    entry = os.path.join(share, "applications", "trb.desktop")
    run_ok(["desktop-file-validate", entry])
    keys = {}
    with open(entry, encoding="utf-8") as f:
        for line in f:
            if "=" in line and not line.startswith("#"):
                key, value = line.rstrip("\n").split("=", 1)
                keys[key] = value
    for key in ("Name[de]", "GenericName", "GenericName[de]", "Comment", "Comment[de]"):
        if not keys.get(key):
            raise Failure(f"trb.desktop has no {key}")
    categories = keys.get("Categories", "").split(";")
    if "Engineering" not in categories or "Science" not in categories:
        raise Failure(f"trb.desktop categories: {categories}")
    # What the entry names must be installed: the program, its icon and the file type it opens.
    program = keys["Exec"].split()[0]
    if not os.access(os.path.join(prefix, "bin", program), os.X_OK):
        raise Failure(f"Exec names {program}, which is not installed in bin/")
    if "%f" not in keys["Exec"] and "%F" not in keys["Exec"]:
        raise Failure("Exec takes no file, so a double-clicked case file would not open")
    icon = os.path.join(share, "icons", "hicolor", "scalable", "apps", keys["Icon"] + ".svg")
    if not os.path.isfile(icon):
        raise Failure(f"the icon {icon} is not installed")
    ET.parse(icon)
    svg = os.path.join(work, "icon.png")
    run_ok(["rsvg-convert", "-w", "48", "-h", "48", icon, "-o", svg])
    mime_types = {t.get("type") for t in
                  ET.parse(os.path.join(share, "mime", "packages", "trb.xml")).getroot()}
    for mime_type in filter(None, keys.get("MimeType", "").split(";")):
        if mime_type not in mime_types:
            raise Failure(f"MimeType {mime_type} is defined by no installed MIME file")
    if "application/x-trb" not in keys.get("MimeType", ""):
        raise Failure("trb.desktop does not open application/x-trb")


def check_mime(build, source, work):
    prefix = install(build, work)
    share = os.path.join(prefix, "share")
    package = os.path.join(share, "mime", "packages", "trb.xml")
    root = ET.parse(package).getroot()
    types = root.findall(MIME_NS + "mime-type")
    if [t.get("type") for t in types] != ["application/x-trb"]:
        raise Failure(f"{package} defines {[t.get('type') for t in types]}")
    icon = os.path.join(share, "icons", "hicolor", "scalable", "mimetypes", "application-x-trb.svg")
    if not os.path.isfile(icon):
        raise Failure(f"case files have no icon: {icon} is not installed")
    # The database as a desktop builds it from the installed file, beside the system's own types.
    run_ok(["update-mime-database", os.path.join(share, "mime")])
    env = dict(os.environ, XDG_DATA_DIRS=f"{share}:/usr/share", XDG_DATA_HOME=os.path.join(work, "none"),
               XDG_CURRENT_DESKTOP="GNOME")

    with open(os.path.join(share, "trb", "examples", "example.trb"), "rb") as f:
        case = f.read()
    files = {
        "by-name.trb": (case, True),                                  # glob
        "renamed.dat": (case, True),                                  # magic, CR LF
        "unix-lines.dat": (case.replace(b"\r\n", b"\n"), True),       # magic, LF
        "notes.dat": (b"A text about bearings.\n", False),
        "short-rule.dat": (case[1:], False),                          # 64 dashes
        "other-program.dat": (case.replace(b"TRB - ", b"XYZ - ", 1), False),
    }
    cases = os.path.join(work, "files")
    os.makedirs(cases)
    wrong = []
    for name, (content, is_case) in files.items():
        path = os.path.join(cases, name)
        with open(path, "wb") as f:
            f.write(content)
        found = run_ok(["xdg-mime", "query", "filetype", path], env=env).strip()
        if (found == "application/x-trb") != is_case:
            wrong.append(f"{name}: {found}")
    if wrong:
        raise Failure("case files recognised wrongly: " + ", ".join(wrong))


def check_manual(build, source, work):
    prefix = install(build, work)
    page = os.path.join(prefix, "share", "man", "man1", "trb.1.gz")
    plain = os.path.join(work, "trb.1")
    with gzip.open(page, "rb") as f, open(plain, "wb") as out:
        out.write(f.read())
    code, out, err = run(["groff", "-ww", "-man", "-Tutf8", "-z", plain])
    if code != 0 or err.strip():
        raise Failure(f"groff -ww: exit code {code}\n{err}")
    env = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8", MAN_KEEP_FORMATTING="")
    code, text, err = run(["man", "--warnings", "-l", page], env=env)
    if code != 0 or err.strip():
        raise Failure(f"man -l: exit code {code}\n{err}")
    text = re.sub(r".\x08", "", text).replace("\u2010", "-")
    # Every option of the command-line help has its entry under OPTIONS, and every exit code its
    # entry under EXIT STATUS.
    options = text.split("\nOPTIONS", 1)[-1].split("\nEXIT STATUS", 1)[0]
    missing = [o for o in sorted(help_options(os.path.join(prefix, "bin", "trb"), clean_environment(work)))
               if not re.search(rf"^ {{7}}(?:\S+, )*{re.escape(o)}(?![A-Z])", options, re.MULTILINE)]
    for section in ("SYNOPSIS", "OPTIONS", "EXIT STATUS", "FILES", "ENVIRONMENT"):
        if section not in text:
            missing.append(section)
    # trb-window, which trb starts, has a page too: the one of trb.
    if os.path.exists(os.path.join(prefix, "bin", "trb-window")):
        code, window_page, err = run(["man", "--warnings", "-M", os.path.join(prefix, "share", "man"),
                                      "trb-window"], env=env)
        if code != 0 or err.strip() or "trb - calculate" not in re.sub(r".\x08", "", window_page):
            raise Failure(f"man trb-window: exit code {code}\n{err}\n{window_page[:300]}")
    with open(os.path.join(source, "src", "app", "batch.h"), encoding="utf-8") as f:
        codes = re.findall(r"kExit\w+ = (\d+);", f.read())
    exit_section = text.split("EXIT STATUS", 1)[-1].split("FILES", 1)[0]
    missing += [f"exit code {c}" for c in codes if not re.search(rf"^\s+{c}\s", exit_section, re.MULTILINE)]
    for variable in ("TRB_DATA_DIR", "XDG_CONFIG_HOME", "TMPDIR", "USER", "LOGNAME"):
        if variable not in text:
            missing.append(variable)
    if missing:
        raise Failure(f"the manual page does not describe: {missing} (each option of `trb ?` needs "
                      f"a .TP entry under OPTIONS of packaging/trb.1.in, each exit code one under EXIT STATUS)")


def check_package(build, source, work):
    # The programs are built already: a generator without a "preinstall" step keeps cpack from
    # walking (and perhaps rebuilding) every target of the build folder first.
    out = run_ok(["cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", work,
                  "-D", "CPACK_CMAKE_GENERATOR=Ninja"])
    debs = [n for n in os.listdir(work) if n.endswith(".deb")]
    if len(debs) != 1:
        raise Failure(f"cpack made {debs}\n{out}")
    deb = os.path.join(work, debs[0])
    contents = run_ok(["dpkg-deb", "--contents", deb])
    paths = {line.split()[-1].lstrip(".") for line in contents.splitlines() if line.strip()}
    wanted = ["/usr/bin/trb", "/usr/share/applications/trb.desktop",
              "/usr/share/icons/hicolor/scalable/apps/trb.svg",
              "/usr/share/icons/hicolor/scalable/mimetypes/application-x-trb.svg", "/usr/share/mime/packages/trb.xml",
              "/usr/share/man/man1/trb.1.gz", "/usr/share/doc/trb/LICENSE", "/usr/share/doc/trb/copyright"]
    if os.path.isdir(os.path.join(build, "guide")):
        wanted += ["/usr/share/doc/trb/guide/index.html", "/usr/share/doc/trb/guide/images/result-sheet.png"]
    window = os.path.join(build, "src", "app", "trb-window")
    if os.path.exists(window):
        wanted += ["/usr/bin/trb-window", "/usr/share/man/man1/trb-window.1.gz"]
    wanted += ["/usr/share/trb/" + f for f in sorted(source_files(os.path.join(source, "data")))]
    missing = [p for p in wanted if p not in paths]
    modules = [p for p in paths if re.fullmatch(r"/usr/lib/python3/dist-packages/trb\.cpython-\d+-[\w-]+\.so", p)]
    if len(modules) != 1:
        missing.append("/usr/lib/python3/dist-packages/trb.cpython-*.so")
    if "/usr/share/doc/trb/examples/study.py" not in paths:
        missing.append("/usr/share/doc/trb/examples/study.py")
    if missing:
        raise Failure(f"the package lacks {missing}")
    # The packaged (stripped) module imports and calculates where Debian's python3 finds it.
    unpacked = os.path.join(work, "unpacked")
    run_ok(["dpkg-deb", "--extract", deb, unpacked])
    site = os.path.join(unpacked, "usr", "lib", "python3", "dist-packages")
    out = run_ok([PYTHON, "-c", "import sys, trb; print(trb.__file__); print(trb.example_case().run().h0)"],
                 env=dict(os.environ, PYTHONPATH=site), cwd=work).split()
    if not out[0].startswith(site) or abs(float(out[1]) - 0.0168) > 1e-4:
        raise Failure(f"the packaged module: {out}")

    depends = run_ok(["dpkg-deb", "--field", deb, "Depends"]).strip()
    names = {d.strip().split()[0] for d in re.split(r"[,|]", depends) if d.strip()}
    # Declared, not guessed: the package of every shared library the programs load ...
    needed = set()
    for program in [os.path.join(build, "src", "app", "trb")] + ([window] if os.path.exists(window) else []):
        direct = set(re.findall(r"\(NEEDED\)\s+Shared library: \[([^\]]+)\]",
                                run_ok(["readelf", "-d", program])))
        for line in run_ok(["ldd", program]).splitlines():
            match = re.match(r"\s*(\S+) => (/\S+)", line)
            if not match or match.group(1) not in direct:
                continue
            owner = ""
            for path in (match.group(2), os.path.realpath(match.group(2))):
                code, owner, _ = run(["dpkg", "-S", path])
                if code == 0:
                    break
            if code != 0:
                raise Failure(f"{program} needs {match.group(2)}, which no Debian package holds")
            needed.add(owner.split(":")[0])
    # ... and what the program only loads or starts at run time, and what the module needs.
    needed.update({"fonts-dejavu-core", "xdg-utils", "python3", "python3-numpy"})
    if os.path.exists(window):
        needed.add("qt6-qpa-plugins")
    missing = sorted(needed - names)
    if missing:
        raise Failure(f"Depends ({depends}) does not name {missing}")


def check_python(build, source, work):
    # Installed into ~/.local, the module is where python3 looks by itself (the user's site folder):
    # the module's whole test suite runs against the installed module, program and examples.
    env = clean_environment(work)
    env.pop("PYTHONPATH", None)
    prefix = os.path.join(env["HOME"], ".local")
    run_ok(["cmake", "--install", build, "--prefix", prefix])
    found = run_ok([PYTHON, "-c", "import trb; print(trb.__file__)"], env=env, cwd=work).strip()
    if not found.startswith(os.path.join(prefix, "lib")):
        raise Failure(f"python3 imports trb from {found}, not from the installed {prefix}")
    env.update(TRB_PROGRAM=os.path.join(prefix, "bin", "trb"),
               TRB_EXAMPLES=os.path.join(prefix, "share", "trb", "examples"),
               TRB_TEST_CASES=os.path.join(source, "tests", "app", "data"),
               TRB_STUDY=os.path.join(prefix, "share", "doc", "trb", "examples", "study.py"),
               MPLBACKEND="Agg")
    code, out, err = run([PYTHON, "-m", "pytest", "-q", "-p", "no:cacheprovider",
                          os.path.join(source, "tests", "python")], env=env, cwd=work)
    if code != 0:
        raise Failure(f"the module's tests against the installed tree: exit code {code}\n{out[-3000:]}\n{err}")


CHECKS = {"layout": check_layout, "desktop": check_desktop, "mime": check_mime, "manual": check_manual,
          "package": check_package, "python": check_python}


def main():
    check, build, source = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    work = tempfile.mkdtemp(prefix=f"trb-install-{check}-")
    try:
        CHECKS[check](build, source, work)
    except Failure as failure:
        print(f"{check}: {failure}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{check}: ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
