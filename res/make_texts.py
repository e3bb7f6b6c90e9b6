"""Writes the program's texts (texts.txt, UTF-8) as a header of Windows-1251 bytes, one macro
per text: make_texts.py TABLE OUT

A line of the table is a name and one or more quoted texts, joined as C joins them; a line
that starts with a quote goes on with the text above. Inside quotes \\r, \\n, \\0, \\" and \\\\
mean what they mean in C. A # outside quotes starts a comment.

The macros are string literals, not arrays: they join with other literals ("Нет" "\\0" for an
item list, the version number) and sizeof gives the bytes of the text with its zero."""
import re
import sys

QUOTED = re.compile(r'"((?:[^"\\]|\\.)*)"')
ESCAPES = {"r": "\r", "n": "\n", "0": "\0", '"': '"', "\\": "\\"}
HEX = set("0123456789abcdefABCDEF")


def unescape(text, where):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\":
            if text[i + 1:i + 2] not in ESCAPES:
                sys.exit(f"{where}: unknown escape \\{text[i + 1:i + 2]}")
            out.append(ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def literal(data):
    """A C literal of these bytes; a quote is closed where a hex digit follows an escape."""
    parts, pending = ['"'], None
    for b in data:
        ch = chr(b)
        if pending and ch in pending:
            parts.append('" "')
        pending = None
        if b == 0:
            parts.append("\\0")
            pending = set("01234567")
        elif ch in "\r\n":
            parts.append("\\r" if ch == "\r" else "\\n")
        elif ch in '"\\':
            parts.append("\\" + ch)
        elif 0x20 <= b < 0x7F:
            parts.append(ch)
        else:
            parts.append(f"\\x{b:02X}")
            pending = HEX
    parts.append('"')
    return "".join(parts)


def read_table(path):
    texts, last = {}, None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            where = f"{path}:{number}"
            body = line.strip()
            if not body or body.startswith("#"):
                continue
            name = None
            if not body.startswith('"'):
                name, _, body = body.partition(" ")
                if not re.fullmatch(r"[A-Za-z][A-Za-z0-9]*", name):
                    sys.exit(f"{where}: a text's name is letters and digits: {name}")
                if name in texts:
                    sys.exit(f"{where}: {name} is named twice")
            elif last is None:
                sys.exit(f"{where}: a text goes on before any name")
            rest = QUOTED.sub("", body).split("#", 1)[0].strip()
            pieces = QUOTED.findall(body)
            if rest or not pieces:
                sys.exit(f"{where}: expected quoted texts, found {body!r}")
            text = "".join(unescape(p, where) for p in pieces)
            if name:
                texts[name], last = text, name
            else:
                texts[last] += text
    return texts


def main(table, out):
    lines = [f"// Made by the build from {table.rsplit('/', 1)[-1]}: the program's texts in "
             "Windows-1251.", "#pragma once"]
    for name, text in read_table(table).items():
        try:
            data = text.encode("cp1251")
        except UnicodeEncodeError as e:
            sys.exit(f"{table}: {name}: {text[e.start]!r} is not in Windows-1251")
        lines.append(f"#define TXT_{name} {literal(data)}")
    with open(out, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
