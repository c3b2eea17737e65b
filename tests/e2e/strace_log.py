"""The per-task files of `strace -ff -yy` read back as calls: name, split
arguments, result, with strace's quoting undone."""

import os
import re
from dataclasses import dataclass

CALL = re.compile(r"^(?P<name>\w+)\((?P<args>.*)\)\s+=\s+(?P<result>.*)$")
UNFINISHED = re.compile(r"^(?P<name>\w+)\((?P<args>.*?),?\s*<unfinished \.\.\.>$")
RESUMED = re.compile(r"^<\.\.\. (?P<name>\w+) resumed>(?P<args>.*)\)\s+=\s+(?P<result>.*)$")
ESCAPE = re.compile(rb"\\(x[0-9a-fA-F]{2}|[0-7]{1,3}|.)")
SIMPLE_ESCAPES = {b"n": b"\n", b"t": b"\t", b"r": b"\r", b"v": b"\v", b"f": b"\f"}
PAIRS = {"{": "}", "[": "]", "(": ")", "<": ">"}


@dataclass
class Call:
    task: str
    name: str
    args: list
    result: str
    text: str

    @property
    def failed(self):
        return self.result.startswith("-1 ") or self.result.startswith("?")


def read_folder(folder):
    """Every call of every task whose trace lies in folder."""
    calls = []
    for name in sorted(os.listdir(folder)):
        task = name.rsplit(".", 1)[-1]
        with open(os.path.join(folder, name), encoding="utf-8", errors="surrogateescape") as log:
            calls.extend(parse_lines(task, log))
    return calls


def parse_lines(task, lines):
    pending = None  # a call the task was still inside when strace had to print
    for line in lines:
        line = line.rstrip("\n")
        if line.startswith(("---", "+++")):
            continue
        if match := CALL.match(line):
            yield _call(task, match["name"], match["args"], match["result"], line)
        elif match := UNFINISHED.match(line):
            pending = match
        elif (match := RESUMED.match(line)) and pending is not None:
            args = ", ".join(a for a in (pending["args"], match["args"].lstrip(", ")) if a)
            yield _call(task, match["name"], args, match["result"], f"{pending.string} {line}")
            pending = None


def _call(task, name, args, result, text):
    return Call(task, name, split_arguments(args), result.strip(), text)


def split_arguments(text):
    """Top-level arguments, keeping strings, structures and <annotations> whole."""
    args, closers, start, quoted, escaped = [], [], 0, False, False
    for i, char in enumerate(text):
        if quoted:
            escaped, quoted = (False, True) if escaped else (char == "\\", char != '"')
        elif char == '"':
            quoted = True
        elif char in PAIRS:
            closers.append(PAIRS[char])
        elif closers and char == closers[-1]:
            closers.pop()
        elif char == "," and not closers:
            args.append(text[start:i].strip())
            start = i + 1
    tail = text[start:].strip()
    return args + [tail] if tail or args else args


def unquote(literal):
    """The text of a strace string literal such as "/tmp/\\355\\225\\234"."""
    if not (literal.startswith('"') and '"' in literal[1:]):
        return None
    body = literal[1:literal.rindex('"')].encode("utf-8", "surrogateescape")

    def byte(match):
        code = match.group(1)
        if code[:1] == b"x":
            return bytes([int(code[1:], 16)])
        if code[:1].isdigit():
            return bytes([int(code, 8)])
        return SIMPLE_ESCAPES.get(code, code)

    return ESCAPE.sub(byte, body).decode("utf-8", "surrogateescape")


def annotation(arg):
    """What -yy wrote after a descriptor: 3</etc/hosts> gives /etc/hosts."""
    start = arg.find("<")
    return arg[start + 1:arg.rindex(">")] if start >= 0 and arg.endswith(">") else None


def socket_inode(arg):
    """The inode of a socket descriptor such as 3<UNIX-STREAM:[65182->65185]>."""
    match = re.search(r"<[A-Za-z0-9-]+:\[(\d+)", arg)
    return match.group(1) if match else None
