"""The strace reader and the touch rules on hand-written trace lines, so that a
reader fault cannot turn the traced game test into a silent pass."""

import unittest

import strace_log
import touch_rules

RUN = "/s/runtime"
ALLOW = touch_rules.Allowances(
    program="/b/duomira", cwd="/s/home", display_number=7, runtime_dir=RUN,
    font_cache_dir="/s/home/.cache/fontconfig", session_bus=RUN + "/bus", unread=["/s/args"])
START = 'execve("/b/duomira", ["/b/duomira"], 0x7ffd /* 9 vars */) = 0'
DISPLAY = ['socket(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0) = 3<UNIX-STREAM:[11]>',
           'connect(3<UNIX-STREAM:[11]>, {sa_family=AF_UNIX, sun_path=@"/tmp/.X11-unix/X7"}, 20) = 0']


def judge(*lines):
    calls = list(strace_log.parse_lines("1", [START, *lines]))
    return touch_rules.problems(calls, ALLOW)


class WritesTest(unittest.TestCase):
    def test_reading_and_the_allowed_places_pass(self):
        self.assertEqual(judge(
            'openat(AT_FDCWD</s/home>, "/etc/fonts/fonts.conf", O_RDONLY|O_CLOEXEC) = 3</etc/fonts/fonts.conf>',
            f'mkdir("{RUN}", 0700) = -1 EEXIST (File exists)',
            'openat(AT_FDCWD</s/home>, "/dev/null", O_RDWR) = 4</dev/null<char 1:3>>',
            'openat(5</s/home/.cache>, "fontconfig/x.cache-8.NEW", O_RDWR|O_CREAT, 0666) = 6</s/x>',
            'mkdir("/s/home/.cache", 0755) = 0'), [])

    def test_every_kind_of_change_names_its_path(self):
        found = judge(
            'openat(AT_FDCWD</s/home>, "scores", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 3</s/home/scores>',
            'open("/tmp/\\355\\225\\234.txt", O_APPEND|O_WRONLY) = -1 EACCES (Permission denied)',
            'renameat2(AT_FDCWD</s/home>, "a", 4</var/games>, "b", RENAME_NOREPLACE) = 0',
            f'unlinkat(AT_FDCWD</s/home>, "{RUN}/../elsewhere", 0) = 0',
            'symlinkat("/etc/passwd", AT_FDCWD</s/home>, "link") = 0',
            'ftruncate(9</s/home/.config/duomira.conf>, 0) = 0',
            'utimensat(9</s/home/seen>, NULL, NULL, 0) = 0',
            f'mkdir("{RUN}x", 0700) = 0')
        paths = [line.split()[1] for line in found]
        self.assertEqual(paths, ["/s/home/scores", "/tmp/한.txt", "/s/home/a", "/var/games/b",
                                 "/s/elsewhere", "/s/home/link", "/s/home/.config/duomira.conf",
                                 "/s/home/seen", RUN + "x"])

    def test_a_call_split_by_another_task_is_joined(self):
        self.assertEqual(len(judge('openat(AT_FDCWD</s/home>, "/s/home/log", O_WRONLY <unfinished ...>',
                                   '<... openat resumed>) = 3</s/home/log>')), 1)

    def test_other_programs_and_command_line_paths(self):
        found = judge('execve("/usr/bin/dbus-launch", ["dbus-launch"], 0x7f /* 9 vars */) = -1 ENOENT',
                      'newfstatat(AT_FDCWD</s/home>, "/s/args/saved-game", 0x7ff, 0) = -1 ENOENT')
        self.assertEqual([f.split()[0] for f in found], ["starts", "looks"])


class SocketsTest(unittest.TestCase):
    def test_the_display_and_a_bus_nobody_serves_pass(self):
        self.assertEqual(judge(
            *DISPLAY,
            'socket(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0) = 7<UNIX-STREAM:[12]>',
            f'connect(7<UNIX-STREAM:[12]>, {{sa_family=AF_UNIX, sun_path="{RUN}/bus"}}, 54) = -1 ENOENT (No such file)',
            'shmget(IPC_PRIVATE, 1, IPC_CREAT|0600) = 9'), [])
        calls = list(strace_log.parse_lines("1", DISPLAY))
        self.assertEqual(len(touch_rules.display_connections(calls, ALLOW)), 1)

    def test_anyone_else_fails(self):
        found = judge(
            'socket(AF_INET6, SOCK_DGRAM, IPPROTO_IP) = 3<UDPv6:[20]>',
            'socket(AF_NETLINK, SOCK_RAW|SOCK_CLOEXEC, NETLINK_ROUTE) = 4<NETLINK:[21]>',
            'socket(AF_UNIX, SOCK_STREAM, 0) = 5<UNIX-STREAM:[22]>',
            f'connect(5<UNIX-STREAM:[22]>, {{sa_family=AF_UNIX, sun_path="{RUN}/bus"}}, 54) = 0',
            'socket(AF_UNIX, SOCK_STREAM, 0) = 6<UNIX-STREAM:[23]>',
            'connect(6<UNIX-STREAM:[23]>, {sa_family=AF_UNIX, sun_path=@"/tmp/.X11-unix/X8"}, 20) = 0',
            'socket(AF_UNIX, SOCK_DGRAM, 0) = 8<UNIX-DGRAM:[24]>',
            'sendto(8<UNIX-DGRAM:[24]>, "<14>duomira", 11, 0, {sa_family=AF_UNIX, sun_path="/dev/log"}, 110) = 11',
            'bind(9<UNIX-STREAM:[25]>, {sa_family=AF_UNIX, sun_path="/tmp/sock"}, 110) = 0',
            'shmget(0x5d000001, 4096, IPC_CREAT|0666) = 10')
        self.assertEqual([f.split("  [task")[0] for f in found], [
            "opens an AF_INET6 socket", "opens an AF_NETLINK socket", f"connects to {RUN}/bus",
            "connects to @/tmp/.X11-unix/X8", "sends to an address", "uses bind",
            "shares named IPC", "socket [24] never connected to the display"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
