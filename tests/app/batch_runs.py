"""Runs of the trb batch modes that need more than one process or generated case files.

usage: batch_runs.py CHECK TRB DATA WORK
  concurrent  two "/I" runs on different cases at once, 200 times, sharing one temporary folder:
              each report holds its own case, and nothing is left in the temporary folder
  outputs     "/I" and "/CAD5:1" on the same case keep both files
  overflow    inputs beyond what their fields can mean: fatal message, exit 3, and a JSON without such
              numbers; a run that did not fail has no null in its JSON
  damaged     a case file with a 10 MB line and one cut short: read, and the line named on stderr
  names       x.trb, x.v1.trb and x.v2.trb side by side: every mode names its output after the whole
              file name without its last extension, so none replaces another's
  stale       temporary files and private folders that a killed run left are removed by the next
              run once they are a day old and not locked, and nothing else is
  sweep_kills "/SWEEP" runs killed at random moments never leave a CSV beside another run's JSON
  odd_files   "/OVERVIEW" of a folder with a FIFO, a broken link, names that are not UTF-8 and a tab
              in a name: every file has its row, names stay distinct, every JSON reader takes it
  json_text   a tab in a case's texts is escaped in "/JSON", which Python's json module reads
  no_display  a window start without a display ends with a message and exit code 2, not a signal
  quiet       a batch run names no folder that nobody configured; an unreadable catalogue is said
"""
import fcntl
import json
import math
import os
import random
import re
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time

ROUNDS = int(os.environ.get("TRB_CONCURRENT_ROUNDS", "200"))  # fewer in the sanitizer pass


class Runner:
    def __init__(self, trb, data, work):
        self.trb, self.data, self.work = trb, data, work
        shutil.rmtree(work, ignore_errors=True)
        self.tmp = os.path.join(work, "tmp")
        os.makedirs(self.tmp)
        os.makedirs(os.path.join(work, "config"))
        self.env = dict(os.environ, TMPDIR=self.tmp, XDG_CONFIG_HOME=os.path.join(work, "config"))

    def folder(self, name, cases=()):
        path = os.path.join(self.work, name)
        os.makedirs(path, exist_ok=True)
        for case in cases:
            shutil.copy(os.path.join(self.data, case), path)
        return path

    def start(self, folder, *args):
        return subprocess.Popen([self.trb, *args], cwd=folder, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)

    def run(self, folder, *args):
        process = self.start(folder, *args)
        out, err = process.communicate()
        return process.returncode, out.decode("utf-8", "replace"), err.decode("utf-8", "replace")

    def temporary_files(self):
        return os.listdir(self.tmp)


def fail(message):
    print(message)
    sys.exit(1)


def report_text(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    # The first line carries the date and time of the run.
    return re.sub(r"\t[^\t\n]*\t[^\t\n]*\n", "\t<date>\t<time>\n", text, count=1)


def read_lines(path):
    with open(path, "rb") as f:
        return f.read().split(b"\r\n")


def write_lines(path, lines):
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines))


def check_concurrent(r):
    cases = {"a": "example.trb", "b": "convection.trb"}
    folders = {key: r.folder(key, [case]) for key, case in cases.items()}
    reference = {}
    for key, case in cases.items():
        code, _, err = r.run(folders[key], case, "/I", "/NOGUI")
        if code != 0:
            fail(f"{case} alone: exit {code}: {err}")
        reference[key] = report_text(os.path.join(folders[key], case.replace(".trb", ".txt")))
    if reference["a"] == reference["b"]:
        fail("the two cases give the same report")
    for round_ in range(ROUNDS):
        for key, case in cases.items():
            os.remove(os.path.join(folders[key], case.replace(".trb", ".txt")))
        processes = {key: r.start(folders[key], case, "/I", "/NOGUI") for key, case in cases.items()}
        for key, process in processes.items():
            _, err = process.communicate()
            if process.returncode != 0:
                fail(f"round {round_}: {cases[key]} exit {process.returncode}: {err.decode()}")
        for key, case in cases.items():
            text = report_text(os.path.join(folders[key], case.replace(".trb", ".txt")))
            if text != reference[key]:
                fail(f"round {round_}: the report of {case} does not hold its own case")
    left = r.temporary_files()
    if left:
        fail(f"left in the temporary folder: {left}")


def check_outputs(r):
    folder = r.folder("case", ["example.trb"])
    for args in (("/I", "/NOGUI"), ("/CAD5:1", "/NOGUI")):
        code, _, err = r.run(folder, "example.trb", *args)
        if code != 0:
            fail(f"{args}: exit {code}: {err}")
    report = os.path.join(folder, "example.txt")
    dump = os.path.join(folder, "example.dump.txt")
    if not os.path.exists(report) or not os.path.exists(dump):
        fail(f"files written: {sorted(os.listdir(folder))}")
    if "Lagerkraft\tF\t" not in report_text(report):
        fail("example.txt is not the report")
    with open(dump, encoding="latin-1") as f:
        if "MINMAX\t" not in f.read():
            fail("example.dump.txt is not the text dump")
    if r.temporary_files():
        fail(f"left in the temporary folder: {r.temporary_files()}")


def check_overflow(r):
    folder = r.folder("overflow")
    example = read_lines(os.path.join(r.data, "example.trb"))
    message = "Fatal  : Eingabe au\u00dferhalb Bereich !"
    # Line 19 is the roughness of the bore, 33 the supply pressure, 36 the specific heat of the
    # lubricant, 63 (the last) the width factor: values no bearing can have, some beyond a double.
    changes = (("roughness", 19, b"1e300"), ("pressure", 33, b"1e4932"), ("heat", 36, b"1e308"),
               ("cold", 34, b"-300"), ("factor", len(example) - 1, b"1e309"))
    for name, line, value in changes:
        lines = list(example)
        lines[line - 1] = value
        write_lines(os.path.join(folder, name + ".trb"), lines)
        code, _, err = r.run(folder, name + ".trb", "/I", "/NOGUI")
        if code != 3 or message not in err:
            fail(f"{name} /I: exit {code}: {err}")
        with open(os.path.join(folder, name + ".txt"), encoding="utf-8") as f:
            report = f.read()
        if message not in report or "Lagerkraft\tF\t" in report or re.search(r"\d{30}", report):
            fail(f"{name}.txt does not show the message instead of results")
        code, _, err = r.run(folder, name + ".trb", "/JSON", "/NOGUI")
        if code != 3:
            fail(f"{name} /JSON: exit {code}: {err}")
        with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
            case = json.load(f)
        if case["failed"] is not True or message not in case["messages"]:
            fail(f"{name}.json: failed {case['failed']}, messages {case['messages']}")
        for key, value in case.items():
            if isinstance(value, float) and not math.isfinite(value):
                fail(f"{name}.json: {key} is beyond what a double holds")
        if r.temporary_files():
            fail(f"left in the temporary folder: {r.temporary_files()}")
    # A run that did not fail holds a number for every field.
    shutil.copy(os.path.join(r.data, "example.trb"), folder)
    code, _, err = r.run(folder, "example.trb", "/JSON", "/NOGUI")
    with open(os.path.join(folder, "example.json"), encoding="utf-8") as f:
        case = json.load(f)
    nulls = [key for key, value in case.items() if value is None]
    if code != 0 or case["failed"] or nulls:
        fail(f"example.json: exit {code}, failed {case['failed']}, null: {nulls}")


def check_damaged(r):
    folder = r.folder("damaged")
    example = read_lines(os.path.join(r.data, "example.trb"))
    large = list(example)
    large[8] = b"x" * (10 << 20)  # line 9, the drawing name
    write_lines(os.path.join(folder, "large.trb"), large)
    write_lines(os.path.join(folder, "short.trb"), example[:30] + [b""])  # ends after line 30
    expected = {
        "large": "Datei large.trb ist zu gro\u00df: gelesen bis Zeile 9 !",
        "short": "Datei short.trb ist unvollst\u00e4ndig: sie endet in Zeile 30 !",
    }
    for name, message in expected.items():
        code, _, err = r.run(folder, name + ".trb", "/I", "/NOGUI")
        if message not in err:
            fail(f"{name}.trb /I: exit {code}, no \"{message}\" in: {err}")
        # Read as far as it goes: both stop before the inputs the run needs.
        if code != 3 or not os.path.exists(os.path.join(folder, name + ".txt")):
            fail(f"{name}.trb /I: exit {code}: {err}")


def case_with_load(r, folder, name, load):
    lines = read_lines(os.path.join(r.data, "example.trb"))
    lines[36] = str(load).encode()  # line 37, the load F
    write_lines(os.path.join(folder, name), lines)


def check_names(r):
    folder = r.folder("names")
    loads = {"x.trb": 16000, "x.v1.trb": 17000, "x.v2.trb": 18000}
    for name, load in loads.items():
        case_with_load(r, folder, name, load)
    outputs = {("/I",): ".txt", ("/JSON",): ".json", ("/CAD5:1",): ".dump.txt", ("/CAD1:1",): ".dxf",
               ("/SWEEP:n=5:50:2",): ".sweep.json", ("/PDF",): ".pdf", ("/SVG:7",): ".svg", ("/PNG:1",): ".png"}
    for options, extension in outputs.items():
        for name in loads:
            code, _, err = r.run(folder, name, *options, "/NOGUI")
            if code != 0:
                fail(f"{name} {options}: exit {code}: {err}")
        for name, load in loads.items():
            output = os.path.join(folder, name[: -len(".trb")] + extension)
            if not os.path.exists(output):
                fail(f"{name} {options}: no {os.path.basename(output)} in {sorted(os.listdir(folder))}")
            if extension == ".json":
                with open(output, encoding="utf-8") as f:
                    if json.load(f)["f"] != load:
                        fail(f"{os.path.basename(output)} holds another case")
            if extension == ".txt":
                report = report_text(output)
                if not re.search(rf"Lagerkraft\tF\tN\t *{load}\n", report):
                    fail(f"{os.path.basename(output)} holds another case")
                if report.splitlines()[1] != os.path.basename(output):
                    fail(f"{os.path.basename(output)} names {report.splitlines()[1]}")
    # The report stays in the current folder; the other modes write beside the case.
    sub = r.folder("names/sub")
    case_with_load(r, sub, "y.v1.trb", 16000)
    for options in (("/I",), ("/JSON",)):
        code, _, err = r.run(folder, "sub/y.v1.trb", *options, "/NOGUI")
        if code != 0:
            fail(f"sub/y.v1.trb {options}: exit {code}: {err}")
    if not os.path.exists(os.path.join(folder, "y.v1.txt")) or not os.path.exists(os.path.join(sub, "y.v1.json")):
        fail(f"sub/y.v1.trb: {sorted(os.listdir(folder))}, {sorted(os.listdir(sub))}")


def make_old(path, hours):
    when = time.time() - hours * 3600
    os.utime(path, (when, when))


def check_stale(r):
    folder = r.folder("stale", ["example.trb"])
    left = {".example.txt.Ab3dE9": 30, ".example.txt.young1": 2, ".example.txt.locked": 48,
            ".other.txt.Ab3dE9": 48}
    for name, hours in left.items():
        with open(os.path.join(folder, name), "w") as f:
            f.write("left")
        make_old(os.path.join(folder, name), hours)
    for name, hours in {"trb-Ab3dE9": 30, "trb-young1": 2, "trb-locked": 48}.items():
        os.makedirs(os.path.join(r.tmp, name))
        with open(os.path.join(r.tmp, name, "$$$1.txt"), "w") as f:
            f.write("left")
        make_old(os.path.join(r.tmp, name), hours)
    held_file = open(os.path.join(folder, ".example.txt.locked"))
    fcntl.flock(held_file, fcntl.LOCK_SH)
    held_folder = os.open(os.path.join(r.tmp, "trb-locked"), os.O_RDONLY)
    fcntl.flock(held_folder, fcntl.LOCK_SH)
    code, _, err = r.run(folder, "example.trb", "/I", "/NOGUI")
    held_file.close()
    os.close(held_folder)
    if code != 0:
        fail(f"/I: exit {code}: {err}")
    kept = sorted(name for name in os.listdir(folder) if name.startswith("."))
    if kept != [".example.txt.locked", ".example.txt.young1", ".other.txt.Ab3dE9"]:
        fail(f"beside the report: {kept}")
    if sorted(os.listdir(r.tmp)) != ["trb-locked", "trb-young1"]:
        fail(f"in the temporary folder: {sorted(os.listdir(r.tmp))}")


def check_sweep_kills(r):
    folder = r.folder("sweep_kills", ["example.trb"])
    csv_path = os.path.join(folder, "example.sweep.csv")
    json_path = os.path.join(folder, "example.sweep.json")
    random.seed(31652)
    pairs = 0
    for round_ in range(40):
        # A run of some tenths of a second, killed anywhere in it or just after it.
        steps = 1500 + round_ % 7
        process = r.start(folder, "example.trb", f"/SWEEP:n=5:50:{steps}", "/NOGUI")
        time.sleep(random.uniform(0.0, 0.6))
        process.send_signal(signal.SIGKILL)
        process.communicate()
        if not (os.path.exists(csv_path) and os.path.exists(json_path)):
            continue
        with open(json_path, encoding="utf-8") as f:
            json_steps = json.load(f)["steps"]
        with open(csv_path, encoding="utf-8") as f:
            csv_rows = sum(1 for _ in f) - 1
        if csv_rows != 3 * (json_steps + 1):
            fail(f"round {round_}: a CSV of {csv_rows} rows beside the JSON of a run of {json_steps} steps")
        pairs += 1
    print(f"{pairs} of 40 killed runs left a pair, each of one run")


def check_odd_files(r):
    folder = r.folder("odd", ["example.trb"]).encode()
    os.mkfifo(os.path.join(folder, b"pipe.trb"))
    os.symlink(b"gone.trb", os.path.join(folder, b"broken.trb"))
    example = os.path.join(folder, b"example.trb")
    names = [b"a\xe4.trb", b"a\xf6.trb", b"a\xc3\xa4.trb", b"a\\xe4.trb", b"tab\t.trb"]
    for name in names:
        shutil.copy(example, os.path.join(folder, name))
    code, _, err = r.run(folder.decode("utf-8", "surrogateescape"), "/OVERVIEW", "/NOGUI")
    if code != 0:
        fail(f"/OVERVIEW: exit {code}: {err}")
    for name in ("pipe.trb", "broken.trb"):
        if name not in err:
            fail(f"/OVERVIEW: {name} not named on stderr: {err}")
    with open(os.path.join(folder, b"overview.json"), encoding="utf-8") as f:
        overview = json.load(f)
    files = [row["file"] for row in overview["rows"]]
    expected = {"example.trb", "pipe.trb", "broken.trb", "a\\xe4.trb", "a\\xf6.trb", "a\u00e4.trb",
                "a\\\\xe4.trb", "tab\t.trb"}
    if set(files) != expected or len(files) != len(expected):
        fail(f"rows {files}")
    states = {row["file"]: row["state"] for row in overview["rows"]}
    if states["pipe.trb"] != "unreadable" or states["broken.trb"] != "unreadable":
        fail(f"states {states}")
    if states["a\\xe4.trb"] != "calculated" or states["tab\t.trb"] != "calculated":
        fail(f"states {states}")


def check_json_text(r):
    folder = r.folder("json_text")
    lines = read_lines(os.path.join(r.data, "example.trb"))
    lines[15] = b"H\t7"  # line 16, the tolerance class of the bore
    write_lines(os.path.join(folder, "tab.trb"), lines)
    code, _, err = r.run(folder, "tab.trb", "/JSON", "/NOGUI")
    if code != 0:
        fail(f"/JSON: exit {code}: {err}")
    with open(os.path.join(folder, "tab.json"), encoding="utf-8") as f:
        text = f.read()
    if "\t" in text or "\\u0009" not in text:
        fail("the tab is not escaped")
    if json.loads(text)["toldb"] != "H\t7":
        fail(f"toldb {json.loads(text)['toldb']!r}")


def check_no_display(r):
    folder = r.folder("no_display", ["example.trb"])
    env = {key: value for key, value in r.env.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    window = os.path.join(os.path.dirname(r.trb), "trb-window")
    starts = [[r.trb, "example.trb", "/E", "/NOGUI"], [r.trb], [r.trb, "example.trb"]]
    if os.path.exists(window):
        starts.append([window, "example.trb"])
    for start in starts:
        for display in (None, ":54321"):
            run_env = dict(env) if display is None else dict(env, DISPLAY=display)
            done = subprocess.run(start, cwd=folder, env=run_env, capture_output=True, text=True, timeout=60)
            if done.returncode != 2 or "no display" not in done.stderr:
                fail(f"{start[1:]} with DISPLAY={display}: exit {done.returncode}: {done.stderr}")
    # A display whose socket answers but that is no X server: the window library gives up, and the
    # program ends with its message and exit code 2, not on a signal.
    if not os.path.exists(window):
        return
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind("\0/tmp/.X11-unix/X54331")
    server.listen(8)

    def refuse():
        while True:
            try:
                connection, _ = server.accept()
            except OSError:
                return
            connection.close()

    threading.Thread(target=refuse, daemon=True).start()
    done = subprocess.run([window, "example.trb"], cwd=folder, env=dict(env, DISPLAY=":54331"),
                          capture_output=True, text=True, timeout=60)
    server.close()
    if done.returncode != 2 or "the window cannot start" not in done.stderr:
        fail(f"trb-window with a display that is no X server: exit {done.returncode}: {done.stderr}")


def check_quiet(r):
    folder = r.folder("quiet", ["example.trb", "fatal.trb"])
    code, _, err = r.run(folder, "example.trb", "/I")
    if code != 0 or "Ordner" in err:
        fail(f"/I: exit {code}: {err}")
    data = r.folder("quiet_data")
    for name in os.listdir(os.environ["TRB_DATA_DIR"]):
        source = os.path.join(os.environ["TRB_DATA_DIR"], name)
        if os.path.isfile(source) and name != "trb.err":
            shutil.copy(source, data)
    os.makedirs(os.path.join(data, "trb.err"))
    process = subprocess.run([r.trb, "fatal.trb", "/I", "/NOGUI"], cwd=folder, capture_output=True, text=True,
                             env=dict(r.env, TRB_DATA_DIR=data))
    if process.returncode != 3 or "trb.err" not in process.stderr or "Ursache und Abhilfe fehlen" not in process.stderr:
        fail(f"without a catalogue: exit {process.returncode}: {process.stderr}")
    if "Fatal  : visko !" not in report_text(os.path.join(folder, "fatal.txt")):
        fail("the report lost its messages")


CHECKS = {"concurrent": check_concurrent, "outputs": check_outputs, "overflow": check_overflow,
          "damaged": check_damaged, "names": check_names, "stale": check_stale, "sweep_kills": check_sweep_kills,
          "odd_files": check_odd_files, "json_text": check_json_text, "no_display": check_no_display,
          "quiet": check_quiet}

if __name__ == "__main__":
    if len(sys.argv) != 5 or sys.argv[1] not in CHECKS:
        fail(__doc__)
    CHECKS[sys.argv[1]](Runner(*sys.argv[2:]))
