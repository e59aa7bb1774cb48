#!/usr/bin/python3
"""Checks of the user guide that need no window.

  check_guide.py pictures SOURCE LISTED SHOTS   the pictures the chapters show, the pictures in
                                                docs/guide/images, the list the build installs and
                                                the list the screenshot program makes are the same
  check_guide.py links HTML-FOLDER              every link and picture of the rendered pages
                                                leads to a file that exists, and every #fragment
                                                to an id on its page
  check_guide.py made FOLDER SOURCE SHOTS      a run of the screenshot program made every picture
                                                of its list as a PNG, each the size of the guide's
                                                picture (a window or dialog that changed its size
                                                needs scripts/guide-screenshots run again)
  check_guide.py catalogue CATALOGUE HTML       the troubleshooting page lists every message of
                                                the catalogue with its cause and remedy
"""
import html
import html.parser
import os
import re
import subprocess
import sys
import urllib.parse

IMAGE = re.compile(r"!\[[^\]]*\]\((images/[^)\s]+)\)")


def fail(problems):
    for problem in problems:
        print(problem)
    return 1 if problems else 0


def chapter_files(source):
    return sorted(os.path.join(source, name) for name in os.listdir(source)
                  if name.endswith(".md") or name.endswith(".md.in"))


def pictures(source, listed, shots):
    shown = set()
    for path in chapter_files(source):
        with open(path, encoding="utf-8") as handle:
            shown.update(os.path.basename(m) for m in IMAGE.findall(handle.read()))
    stored = {n for n in os.listdir(os.path.join(source, "images")) if n.endswith(".png")}
    installed = set(listed.split(";"))
    made = subprocess.run([shots, "--list"], check=True, capture_output=True, text=True).stdout.split()
    problems = []
    if len(made) != len(set(made)):
        problems.append(f"the screenshot program makes a picture twice: {made}")
    for name, names in (("shown in the chapters", shown), ("in docs/guide/images", stored),
                        ("installed by the build", installed)):
        for missing in sorted(set(made) - names):
            problems.append(f"{missing}: made by the screenshot program but not {name}")
        for extra in sorted(names - set(made)):
            problems.append(f"{extra}: {name} but not made by the screenshot program")
    return fail(problems)


def png_size(path):
    with open(path, "rb") as handle:
        head = handle.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def made(folder, source, shots):
    names = subprocess.run([shots, "--list"], check=True, capture_output=True, text=True).stdout.split()
    found = {n for n in os.listdir(folder) if n.endswith(".png")}
    problems = [f"{n}: not made" for n in names if n not in found]
    problems += [f"{n}: made but not listed" for n in sorted(found - set(names))]
    for name in sorted(found & set(names)):
        size = png_size(os.path.join(folder, name))
        if size is None:
            problems.append(f"{name}: not a PNG picture")
            continue
        stored = os.path.join(source, "images", name)
        if os.path.exists(stored) and png_size(stored) != size:
            problems.append(f"{name}: {size[0]}x{size[1]} now, {png_size(stored)} in the guide: "
                            "run scripts/guide-screenshots")
    return fail(problems)


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.targets = set(), []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "a" and "name" in attrs:
            self.ids.add(attrs["name"])
        for key in ("href", "src"):
            if attrs.get(key):
                self.targets.append(attrs[key])


def parse(path):
    page = Page()
    with open(path, encoding="utf-8") as handle:
        page.feed(handle.read())
    return page


def links(folder):
    pages = {name: parse(os.path.join(folder, name)) for name in os.listdir(folder) if name.endswith(".html")}
    problems = [] if "index.html" in pages else ["index.html is missing"]
    for name, page in sorted(pages.items()):
        for target in page.targets:
            parts = urllib.parse.urlsplit(target)
            if parts.scheme in ("http", "https", "mailto"):
                continue  # the guide works offline; outside addresses are not followed
            if parts.scheme or parts.netloc or target.startswith("/"):
                problems.append(f"{name}: {target} leaves the guide's folder")
                continue
            file = urllib.parse.unquote(parts.path) or name
            if not os.path.isfile(os.path.join(folder, file)):
                problems.append(f"{name}: {target}: {file} does not exist")
                continue
            if parts.fragment and file.endswith(".html"):
                ids = pages[file].ids if file in pages else parse(os.path.join(folder, file)).ids
                if urllib.parse.unquote(parts.fragment) not in ids:
                    problems.append(f"{name}: {target}: no id {parts.fragment} on {file}")
    return fail(problems)


def catalogue(path, page):
    with open(path, "rb") as handle:
        lines = handle.read().decode("cp850").replace("\r\n", "\n").split("\n")[1:]
    with open(page, encoding="utf-8") as handle:
        text = html.unescape(re.sub(r"<[^>]+>", "", handle.read()))
    text = re.sub(r"\s+", " ", text)
    problems = [f"not on the troubleshooting page: {line}" for line in lines
                if line.strip() and re.sub(r"\s+", " ", line.strip()) not in text]
    return fail(problems)


def main(argv):
    commands = {"pictures": (pictures, 3), "made": (made, 3), "links": (links, 1), "catalogue": (catalogue, 2)}
    if len(argv) < 2 or argv[1] not in commands or len(argv) - 2 != commands[argv[1]][1]:
        print(__doc__)
        return 2
    return commands[argv[1]][0](*argv[2:])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
