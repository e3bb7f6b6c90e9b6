"""Writes a UTF-8 text file as Windows-1251 with CRLF line ends: to_cp1251.py IN OUT"""
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    lines = f.read().splitlines()
with open(sys.argv[2], "wb") as f:
    f.write("".join(line + "\r\n" for line in lines).encode("cp1251"))
