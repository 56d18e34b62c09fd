#!/usr/bin/env python3
"""Runs clang-tidy over the sources of a compile database, one process a
file, and remembers each file that passed: the next run analyses a file again
only when what its analysis read changed. A result is keyed by clang-tidy's
version and program, the .clang-tidy files above the source, this run's
options, the source's compile commands and the content of the source; it
stands only while every file the analysis included (as clang's -H lists them:
the project's headers, the system's and the generated ones) has the same
content. (As with ccache's direct mode, a new header that an include path
would find before the one used is not noticed.) Paths under ROOT are keyed
relative to it, so a clone in another folder finds the results of an earlier
one. Files with findings are never remembered.
  lint_tidy.py --root ROOT --database DIR --files REGEX --log LOG
               [--jobs N] [--cache DIR] [--overlay REAL=CONTENT]
--overlay analyses CONTENT in place of the file REAL (lint-probe.sh).
"""
import argparse
import concurrent.futures
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# Headers count only in the project's own folders, not what the builds
# generate (Qt's moc output under build/); GCC's warning options that clang
# does not know are no finding.
HEADER_FOLDERS = "(src|tests|fuzz|tools|bench)"
EXTRA_ARGS = ["--extra-arg=-Wno-unknown-warning-option"]
FINDING = re.compile(r"(warning|error): ")
KEEP_DAYS = 30


def sha256(data):
    return hashlib.sha256(data).hexdigest()


class TContents:
    """The content hash of each file, read once a run; the overlay's files
    stand for the real ones."""

    def __init__(self, overlay):
        self.overlay = overlay
        self.known = {}

    def digest(self, path):
        if path not in self.known:
            try:
                with open(self.overlay.get(path, path), "rb") as f:
                    self.known[path] = sha256(f.read())
            except OSError:
                self.known[path] = None
        return self.known[path]


class TRun:
    """What every file's analysis shares: the tool, its options, the cache."""

    def __init__(self, options):
        self.root = os.path.realpath(options.root)
        self.database = os.path.realpath(options.database)
        self.cache = options.cache
        self.overlay = {}
        for pair in options.overlay:
            real, content = pair.split("=", 1)
            self.overlay[os.path.realpath(real)] = os.path.realpath(content)
        self.contents = TContents(self.overlay)
        self.args = ["clang-tidy", "-p", self.database, "--quiet", f"--header-filter=^{self.root}/{HEADER_FOLDERS}/",
                     *EXTRA_ARGS, "--extra-arg=-H"]
        # The tool as its version names it, and its program's size and time, as
        # ccache knows a compiler (a rebuild of one version differs there).
        version = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True, check=True).stdout
        program = os.stat(os.path.realpath(shutil.which("clang-tidy")))
        tool = f"{version} {program.st_size} {program.st_mtime_ns}"
        self.common = sha256("\n".join([tool, *self.args[3:]]).replace(self.root, "@ROOT@").encode())

    def relative(self, path):
        return "@ROOT@" + path[len(self.root):] if path.startswith(self.root + "/") else path

    def absolute(self, path):
        return self.root + path[len("@ROOT@"):] if path.startswith("@ROOT@/") else path

    def config_files(self, source):
        """The .clang-tidy files clang-tidy may read for the source, nearest last."""
        found, folder = [], os.path.dirname(source)
        while True:
            candidate = os.path.join(folder, ".clang-tidy")
            if os.path.exists(candidate):
                found.append(candidate)
            if folder in (self.root, os.path.dirname(folder)):
                return found
            folder = os.path.dirname(folder)

    def key(self, source, entries):
        commands = [[e["directory"], e["file"], e.get("arguments") or e["command"]] for e in entries]
        parts = [self.common, source, json.dumps(commands), self.contents.digest(source) or "missing"]
        parts += [f"{self.relative(f)} {self.contents.digest(f)}" for f in self.config_files(source)]
        return sha256("\n".join(parts).replace(self.root, "@ROOT@").encode())

    def cached_pass(self, key):
        """Whether the analysis with this key passed and read the same files."""
        try:
            with open(os.path.join(self.cache, key[:2], key), encoding="utf-8") as f:
                read = json.load(f)
        except (OSError, ValueError):
            return False
        if any(self.contents.digest(self.absolute(path)) != digest for path, digest in read.items()):
            return False
        os.utime(os.path.join(self.cache, key[:2], key))
        return True

    def remember_pass(self, key, source, directory, headers):
        """Keeps a passed analysis with the content of every file it read."""
        read = {source} | {os.path.normpath(os.path.join(directory, header)) for header in headers}
        digests = {self.relative(path): self.contents.digest(path) for path in sorted(read)}
        folder = os.path.join(self.cache, key[:2])
        os.makedirs(folder, exist_ok=True)
        with tempfile.NamedTemporaryFile("w", dir=folder, delete=False, encoding="utf-8") as f:
            json.dump(digests, f)
        os.replace(f.name, os.path.join(folder, key))

    def analyse(self, source, entries, overlay_file):
        """Runs clang-tidy on one source with its compile commands: (cached, output, passed)."""
        key = self.key(source, entries)
        if self.cached_pass(key):
            return True, "", True
        args = self.args + ([f"--vfsoverlay={overlay_file}"] if overlay_file else []) + [source]
        result = subprocess.run(args, capture_output=True, text=True, errors="replace", check=False)
        headers = [line.lstrip(".")[1:] for line in result.stderr.splitlines() if re.match(r"^\.+ ", line)]
        messages = "".join(line + "\n" for line in result.stderr.splitlines() if not re.match(r"^\.+ ", line))
        output = result.stdout + messages
        passed = result.returncode == 0 and not FINDING.search(output)
        if passed:
            self.remember_pass(key, source, entries[0]["directory"], headers)
        return False, output, passed


def write_overlay(run, folder):
    """The overlay of the files named by --overlay, in clang's VFS form."""
    if not run.overlay:
        return None
    roots = [{"name": os.path.dirname(real), "type": "directory",
              "contents": [{"name": os.path.basename(real), "type": "file", "external-contents": content}]}
             for real, content in run.overlay.items()]
    path = os.path.join(folder, "overlay.json")
    with open(path, "w", encoding="utf-8") as f:
        json.dump({"version": 0, "case-sensitive": "true", "use-external-names": "false", "roots": roots}, f)
    return path


def prune(cache):
    """Drops the results no run has used for KEEP_DAYS days."""
    limit = time.time() - KEEP_DAYS * 86400
    for folder, _, files in os.walk(cache):
        for name in files:
            path = os.path.join(folder, name)
            if os.path.getmtime(path) < limit:
                os.remove(path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--database", required=True)
    parser.add_argument("--files", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--jobs", type=int, default=os.cpu_count())
    cache_home = os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache")
    parser.add_argument("--cache", default=os.path.join(cache_home, "kasumiro", "clang-tidy"))
    parser.add_argument("--overlay", action="append", default=[])
    options = parser.parse_args()
    run = TRun(options)
    sources = {}
    with open(os.path.join(run.database, "compile_commands.json"), encoding="utf-8") as f:
        for entry in json.load(f):
            source = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
            if re.search(options.files, source):
                sources.setdefault(source, []).append(entry)
    with tempfile.TemporaryDirectory() as folder:
        overlay_file = write_overlay(run, folder)
        with concurrent.futures.ThreadPoolExecutor(max(1, options.jobs)) as pool:
            results = list(pool.map(lambda item: run.analyse(*item, overlay_file), sources.items()))
    with open(options.log, "w", encoding="utf-8") as log:
        for source, (_, output, passed) in zip(sources, results):
            if not passed:
                log.write(f"--- {source}\n{output or 'clang-tidy failed without a message'}\n")
    prune(run.cache)
    cached = sum(1 for cached, _, _ in results if cached)
    failed = sum(1 for _, _, passed in results if not passed)
    print(f"{len(sources)} files, {len(sources) - cached} analysed, {cached} unchanged since they passed; {failed} failed")
    return 1 if failed or not sources else 0


if __name__ == "__main__":
    sys.exit(main())
