"""What the game may touch while it runs, judged from its strace log: which
files it may change, which sockets it may open, which programs it may start."""

import os
import re
from dataclasses import dataclass, field

from strace_log import annotation, socket_inode, unquote

WRITE_FLAGS = {"O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND", "O_TMPFILE"}

# Opening calls: where the directory descriptor, the path and the flags are.
OPENS = {"open": (None, 0, 1), "openat": (0, 1, 2), "openat2": (0, 1, 2)}

# Calls that change the file system: (directory descriptor, path) of each name changed.
CHANGES = {
    "creat": [(None, 0)],
    "mkdir": [(None, 0)], "mkdirat": [(0, 1)],
    "mknod": [(None, 0)], "mknodat": [(0, 1)],
    "rmdir": [(None, 0)],
    "unlink": [(None, 0)], "unlinkat": [(0, 1)],
    "rename": [(None, 0), (None, 1)], "renameat": [(0, 1), (2, 3)], "renameat2": [(0, 1), (2, 3)],
    "link": [(None, 1)], "linkat": [(2, 3)],
    "symlink": [(None, 1)], "symlinkat": [(1, 2)],
    "truncate": [(None, 0)],
    "chmod": [(None, 0)], "fchmodat": [(0, 1)],
    "chown": [(None, 0)], "lchown": [(None, 0)], "fchownat": [(0, 1)],
    "utime": [(None, 0)], "utimes": [(None, 0)], "utimensat": [(0, 1)], "futimesat": [(0, 1)],
    "setxattr": [(None, 0)], "lsetxattr": [(None, 0)],
    "removexattr": [(None, 0)], "lremovexattr": [(None, 0)],
}
# The same through an open descriptor, the first argument.
CHANGES_BY_DESCRIPTOR = {"ftruncate", "fallocate", "fchmod", "fchown", "fsetxattr", "fremovexattr"}

SOCKET_CALLS = {"socket", "socketpair", "connect", "bind", "listen", "accept", "accept4",
                "sendto", "sendmsg", "sendmmsg"}
NAMED_IPC = {"shmget", "semget", "msgget"}

SUN_PATH = re.compile(r'sun_path=(@?)("(?:[^"\\]|\\.)*")')
FAMILY = re.compile(r"sa_family=(\w+)")
SHORT = 400


@dataclass
class Allowances:
    """Everything the game may touch; each entry says why in the README."""

    program: str
    cwd: str
    display_number: int
    runtime_dir: str  # XDG_RUNTIME_DIR: Qt checks it exists and is private, making it if not
    font_cache_dir: str  # fontconfig refreshes its per-user cache when the system one is stale
    session_bus: str  # the bus address the environment names; nobody listens there
    unread: list = field(default_factory=list)  # paths given on the command line

    def display_sockets(self):
        path = f"/tmp/.X11-unix/X{self.display_number}"
        return {path, "@" + path}

    def may_change(self, path):
        if path == "/dev/null":  # what is written there is thrown away
            return True
        if path == os.path.dirname(self.font_cache_dir):  # fontconfig makes XDG_CACHE_HOME too
            return True
        return any(path == root or path.startswith(root + os.sep)
                   for root in (self.runtime_dir, self.font_cache_dir))


def problems(calls, allow):
    """One line for every call that writes, talks or starts where it must not."""
    found, sockets, accounted = [], set(), set()
    started = 0
    for call in calls:
        if call.name in ("execve", "execveat"):  # the first is strace starting the game
            started += 1
            if started > 1 or unquote(call.args[0]) != allow.program:
                found.append(_say("starts a program", call))
            continue
        found.extend(_looks_at_arguments(call, allow))
        if call.name in OPENS:
            found.extend(_opened_for_writing(call, allow))
        elif call.name in CHANGES or call.name in CHANGES_BY_DESCRIPTOR:
            found.extend(_changed(call, allow))
        elif call.name in SOCKET_CALLS:
            found.extend(_socket_use(call, allow, sockets, accounted))
        elif call.name in NAMED_IPC and call.args[0] != "IPC_PRIVATE":
            found.append(_say("shares named IPC", call))
    found.extend(f"socket [{inode}] never connected to the display" for inode in
                 sorted(sockets - accounted))
    return found


def display_connections(calls, allow):
    return [c for c in calls if c.name == "connect" and not c.failed
            and _unix_peer(c) in allow.display_sockets()]


def _opened_for_writing(call, allow):
    directory, path_at, flags_at = OPENS[call.name]
    flags = set(re.findall(r"O_[A-Z]+", call.args[flags_at]))
    if not flags & WRITE_FLAGS:
        return []
    path = _path(call, directory, path_at, allow.cwd)
    return [] if allow.may_change(path) else [_say(f"opens {path} for writing", call)]


def _changed(call, allow):
    if call.name in CHANGES_BY_DESCRIPTOR:
        paths = [annotation(call.args[0]) or call.args[0]]
    else:
        paths = [_path(call, d, p, allow.cwd) for d, p in CHANGES[call.name]]
    return [_say(f"changes {path}", call) for path in paths if not allow.may_change(path)]


def _socket_use(call, allow, sockets, accounted):
    if call.name == "socket":
        if call.args[0] != "AF_UNIX":
            return [_say(f"opens an {call.args[0]} socket", call)]
        if not call.failed:
            sockets.add(socket_inode(call.result))
        return []
    if call.name == "connect":
        peer = _unix_peer(call)
        to_display = peer in allow.display_sockets()
        to_empty_bus = peer == allow.session_bus and call.failed
        accounted.add(socket_inode(call.args[0]))
        return [] if to_display or to_empty_bus else [_say(f"connects to {_peer_name(call)}", call)]
    if call.name == "sendto":  # to a peer only when it names an address
        named = call.args[4:5] not in (["NULL"], [])
    elif call.name in ("sendmsg", "sendmmsg"):
        named = "msg_name=" in call.args[1] and "msg_name=NULL" not in call.args[1]
    else:  # socketpair, bind, listen, accept: a channel of its own
        return [_say(f"uses {call.name}", call)]
    return [_say("sends to an address", call)] if named else []


def _looks_at_arguments(call, allow):
    for arg in call.args:
        text = unquote(arg)
        if text and any(text.startswith(path) for path in allow.unread):
            return [_say(f"looks at its command line argument {text}", call)]
    return []


def _unix_peer(call):
    address = call.args[1] if len(call.args) > 1 else ""
    family = FAMILY.search(address)
    if not family or family.group(1) != "AF_UNIX":
        return None
    match = SUN_PATH.search(address)
    return match.group(1) + unquote(match.group(2)) if match else None


def _peer_name(call):
    family = FAMILY.search(call.args[1] if len(call.args) > 1 else "")
    return _unix_peer(call) or (family.group(1) if family else "an address")


def _path(call, directory_at, path_at, cwd):
    """The absolute path a call names, resolved against its directory descriptor."""
    literal = call.args[path_at]
    if literal == "NULL" and directory_at is not None:  # utimensat on the descriptor itself
        return annotation(call.args[directory_at]) or literal
    path = unquote(literal) or literal
    if not os.path.isabs(path):
        base = annotation(call.args[directory_at]) if directory_at is not None else None
        path = os.path.join(base or cwd, path)
    return os.path.normpath(path)


def _say(what, call):
    text = call.text if len(call.text) <= SHORT else call.text[:SHORT] + " ..."
    return f"{what}  [task {call.task}]  {text}"
