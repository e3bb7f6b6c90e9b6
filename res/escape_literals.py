"""Copies a C++ source, its narrow string and character literals written out as escaped
Windows-1251 bytes: escape_literals.py IN OUT

For sources outside the program (the suites, the baseline) whose own Russian literals must be
1251 bytes whatever the compiler: Clang knows no execution character set but UTF-8. Wide,
UTF-8 and raw literals and comments stay as they are, and so does every line's number. (No
#line to the original: GCC then takes the file for a header and warns of anonymous types.)"""
import os
import sys

HEX = set("0123456789abcdefABCDEF")
WIDE_PREFIXES = ("L", "u", "U", "u8")


def ident_before(src, i):
    j = i
    while j > 0 and (src[j - 1].isalnum() or src[j - 1] == "_"):
        j -= 1
    return src[j:i]


def escape_body(body, where):
    out, pending = [], False
    for ch in body:
        if ord(ch) < 0x80:
            if pending and ch in HEX:
                out.append('" "')
            out.append(ch)
            pending = False
        else:
            try:
                data = ch.encode("cp1251")
            except UnicodeEncodeError:
                sys.exit(f"{where}: {ch!r} is not in Windows-1251")
            out.append("".join(f"\\x{b:02X}" for b in data))
            pending = True
    return "".join(out)


def convert(src, path):
    out, i, n = [], 0, len(src)
    while i < n:
        c = src[i]
        if src.startswith("//", i):
            j = src.find("\n", i)
            j = n if j < 0 else j
        elif src.startswith("/*", i):
            j = src.find("*/", i + 2) + 2
        elif c in "\"'":
            prefix = ident_before(src, i)
            if c == "'" and prefix and prefix not in WIDE_PREFIXES:
                out.append(c)  # a digit separator: 1'000
                i += 1
                continue
            if c == '"' and prefix.endswith("R"):
                close = ")" + src[i + 1:src.index("(", i)] + '"'
                j = src.index(close, i) + len(close)
            else:
                j = i + 1
                while src[j] != c:
                    j += 2 if src[j] == "\\" else 1
                j += 1
                if prefix not in WIDE_PREFIXES:
                    line = src.count("\n", 0, i) + 1
                    body = escape_body(src[i + 1:j - 1], f"{path}:{line}")
                    if c == "'" and body != src[i + 1:j - 1]:
                        sys.exit(f"{path}:{line}: a character literal beyond ASCII")
                    out.append(c + body + c)
                    i = j
                    continue
        else:
            j = i + 1
        out.append(src[i:j])
        i = j
    return "".join(out)


def main(source, out):
    with open(source, encoding="utf-8") as f:
        src = f.read()
    text = convert(src, source)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main(*sys.argv[1:])
