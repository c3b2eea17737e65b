#!/usr/bin/env python3
"""Runs clang-tidy over the project's own sources in one or more compilation
databases, a few files at a time, and remembers the files it found clean.

    lint_tidy.py ROOT CACHE_DIR JOBS DATABASE_DIR...

A file is checked once, with the first command that compiles it (a file built
into several targets would otherwise be checked once per target); files inside
a database's build folder (moc, rcc) and outside ROOT are not the project's own.
A database built with MinGW is read with clang's Windows target and MinGW's
C++ headers, which clang 14 does not find by itself; one built with Emscripten
with the target, sysroot and definitions its driver adds.

A clean result is kept under a key made of clang-tidy's version, every
.clang-tidy of the tree, the command line, and the file preprocessed with its
comments (so a changed header or a removed NOLINT counts as a change). Only
clean results are kept: a file with findings is checked again on every run.
"""
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
from pathlib import Path


def load_entries(root, databases):
    """(file, (entry, extra clang-tidy arguments)) per source, the first command wins."""
    chosen = {}
    for database in databases:
        database = Path(database).resolve()
        entries = json.loads((database / "compile_commands.json").read_text())
        extra = None
        for entry in entries:
            source = Path(entry["directory"], entry["file"]).resolve()
            if source in chosen or database in source.parents or root not in source.parents:
                continue
            if extra is None:
                extra = target_arguments(command_of(entry)[0])
            chosen[source] = (entry, extra)
    return sorted(chosen.items())


def command_of(entry):
    return entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])


def target_arguments(compiler):
    if Path(compiler).name in ("em++", "emcc"):
        return emscripten_arguments(compiler)
    if "mingw32" not in Path(compiler).name:
        return []
    probe = subprocess.run([compiler, "-E", "-x", "c++", "-v", "-"], stdin=subprocess.DEVNULL,
                           capture_output=True, text=True, check=True)
    listing = probe.stderr.split("#include <...> search starts here:")[1]
    folders = [line.strip() for line in listing.split("End of search list.")[0].splitlines()]
    cxx = [folder for folder in folders if re.search(r"/include/c\+\+(/|$)", folder)]
    target = re.search(r"^Target: (\S+)", probe.stderr, re.M).group(1)
    return [f"--extra-arg-before=--target={target}", "--extra-arg=-nostdinc++"] + [
        f"--extra-arg=-isystem{folder}" for folder in cxx]


def emscripten_arguments(compiler):
    """Emscripten's target, sysroot and definitions, which its driver adds itself."""
    flags = subprocess.run([compiler, "--cflags"], capture_output=True, text=True,
                           check=True).stdout.split()
    kept, skip = [], False
    for flag in flags:
        if skip:
            skip = False
        elif flag == "-mllvm":  # code generation, none of clang-tidy's business
            skip = True
        else:
            kept.append(flag)
    return [f"--extra-arg-before={flag}" for flag in kept]


def preprocessed(entry):
    """The translation unit as the compiler sees it, comments kept."""
    arguments, skip = [], False
    for argument in command_of(entry):
        if skip:
            skip = False
        elif argument == "-o":
            skip = True
        elif argument == "-c":
            arguments += ["-E", "-C"]
        else:
            arguments.append(argument)
    run = subprocess.run(arguments, cwd=entry["directory"], capture_output=True)
    # A file that does not preprocess gets no key: clang-tidy reports why.
    return run.stdout if run.returncode == 0 else None


def config_digest(root):
    digest = hashlib.sha256()
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True, check=True)
    digest.update(version.stdout)
    listing = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard",
                              "--", ".clang-tidy", "*/.clang-tidy"],
                             cwd=root, capture_output=True, text=True, check=True)
    for config in sorted(listing.stdout.split()):
        if (root / config).is_file():
            digest.update(config.encode() + b"\0" + (root / config).read_bytes())
    return digest.hexdigest()


def write_database(folder, work):
    folder.mkdir(parents=True, exist_ok=True)
    entries = [entry for _, (entry, _) in work]
    (folder / "compile_commands.json").write_text(json.dumps(entries, indent=1))


def check(source, entry, extra, database, base_key, cache):
    command = ["clang-tidy", "-quiet", "-p", str(database)] + extra + [str(source)]
    text = preprocessed(entry)
    key = None
    if text is not None:
        key = hashlib.sha256(
            base_key.encode() + "\0".join(command).encode() + b"\0" + text).hexdigest()
        if (cache / key).exists():
            return source, True, "", True
    run = subprocess.run(command, capture_output=True, text=True)
    clean = run.returncode == 0 and "warning:" not in run.stdout and "error:" not in run.stdout
    if clean and key is not None:
        (cache / key).touch()
    return source, clean, run.stdout + run.stderr, False


def main():
    root, cache, jobs = Path(sys.argv[1]).resolve(), Path(sys.argv[2]), int(sys.argv[3])
    cache.mkdir(parents=True, exist_ok=True)
    base_key = config_digest(root)
    work = load_entries(root, sys.argv[4:])
    database = cache.parent / "tidy-db"
    write_database(database, work)
    failed, cached = [], 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        runs = [pool.submit(check, source, entry, extra, database, base_key, cache)
                for source, (entry, extra) in work]
        for run in concurrent.futures.as_completed(runs):
            source, clean, output, from_cache = run.result()
            cached += from_cache
            if not clean:
                failed.append(source)
                print(output, end="" if output.endswith("\n") else "\n")
    print(f"clang-tidy: {len(work)} files, {cached} unchanged since a clean run, "
          f"{len(failed)} with findings")
    for source in sorted(failed):
        print(f"  {source.relative_to(root)}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
