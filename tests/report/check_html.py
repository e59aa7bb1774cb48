"""Checks that an HTML report is well formed: every element except the void ones is closed in
the order it was opened, the page declares UTF-8, and no raw "<" or ">" stands in the text."""
import sys
from html.parser import HTMLParser

VOID = {"br", "hr", "meta"}


class Checker(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=False)
        self.stack = []
        self.errors = []
        self.charset = False

    def handle_starttag(self, tag, attrs):
        if tag == "meta" and ("charset", "utf-8") in attrs:
            self.charset = True
        if tag not in VOID:
            self.stack.append(tag)

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            self.errors.append(f"</{tag}> closes {self.stack[-1] if self.stack else 'nothing'}")
        else:
            self.stack.pop()

    def handle_data(self, data):
        if "<" in data or ">" in data:
            self.errors.append(f"raw markup character in text: {data!r}")


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        page = f.read()
    checker = Checker()
    checker.feed(page)
    checker.close()
    if checker.stack:
        checker.errors.append(f"left open: {checker.stack}")
    if not checker.charset:
        checker.errors.append("no <meta charset=\"utf-8\">")
    for error in checker.errors:
        print(error)
    return 1 if checker.errors else 0


if __name__ == "__main__":
    sys.exit(main())
