#!/usr/bin/python3
"""Writes the guide's troubleshooting chapter from the message catalogue.

The catalogue (code page 850) holds a title line, then one line triple per message: the message
as the run gives it, its cause and its remedy. The chapter is the introduction of
troubleshooting.md.in followed by every message, grouped by its kind, with cause and remedy.

usage: make-troubleshooting.py CATALOGUE INTRODUCTION OUTPUT
"""
import os
import sys

# Kinds of message by the catalogue line's first word, in the order the chapter lists them.
KINDS = [
    ("Fatal", "Fatal errors: the calculation stops",
     "The run cannot go on; the result sheet shows no results until the input is corrected."),
    ("Fehler", "Errors: an input is implausible",
     "The run goes on, but the results rest on an input that is very likely wrong."),
    ("Warnung", "Warnings: a limit is exceeded",
     "The results are complete; the bearing does not keep one of its limit values."),
    ("", "Drawing, file and table messages",
     "These come from drawing output, CAD files, temporary files and the reference tables."),
]


def read_catalogue(path):
    """The (message, cause, remedy) triples of the catalogue, in file order."""
    with open(path, "rb") as handle:
        lines = handle.read().decode("cp850").replace("\r\n", "\n").split("\n")
    body = [line for line in lines[1:]]
    while body and body[-1] == "":
        body.pop()
    if len(body) % 3 != 0:
        raise SystemExit(f"{path}: {len(body)} lines after the title are not whole triples")
    return [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]


def kind_of(message):
    word = message.split(":")[0].strip()
    for kind, _, _ in KINDS[:-1]:
        if word == kind:
            return kind
    return ""


def plain(text):
    """The text as it stands: every ASCII punctuation character escaped, so that Markdown reads no
    emphasis, quotes, mathematics or markup into it."""
    return "".join("\\" + c if c in "\\`*_{}[]()#+-.!|<>$\"'~^&=:;,/%@?" else c for c in text)


def code(text):
    """Inline code that survives backticks and leading or trailing blanks in the text."""
    fence = "``" if "`" in text else "`"
    return f"{fence} {text} {fence}" if text != text.strip() or "`" in text else f"`{text}`"


def chapter(entries, introduction):
    out = [introduction.rstrip("\n"), ""]
    for kind, title, lead in KINDS:
        group = [e for e in entries if kind_of(e[0]) == kind]
        if not group:
            continue
        out += [f"## {title}", "", lead, ""]
        for message, cause, remedy in group:
            out += [f"- **Message:** {code(message)}  ",
                    f"  **Cause:** {plain(cause)}  ",
                    f"  **Remedy:** {plain(remedy)}", ""]
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 4:
        raise SystemExit(__doc__)
    entries = read_catalogue(argv[1])
    with open(argv[2], encoding="utf-8") as handle:
        introduction = handle.read()
    text = chapter(entries, introduction)
    temporary = argv[3] + ".tmp"
    with open(temporary, "w", encoding="utf-8") as handle:
        handle.write(text)
    os.replace(temporary, argv[3])


if __name__ == "__main__":
    main(sys.argv)
