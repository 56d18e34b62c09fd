#!/usr/bin/env python3
"""Joins the Linux and the Windows build's compile databases into one for
clang-tidy. Of the Windows build it takes the sources the Linux build does
not compile (the Win32 front end, the *_win32.cpp adapters and the Windows
tests); the portable ones read the same in both. Those entries are GCC's
cross compiler's: they get clang's mingw target and that compiler's C++
header folders, and lose the CP932 execution character set, which clang does
not know (string literals stay UTF-8 for the analysis; nothing is compiled).
The headers' long constants are written x ## l by a macro they let us
predefine, with the upper-case suffix the analysis asks of our own code.
  lint_database.py OUT LINUX_DB MINGW_DB
"""
import json
import os
import shlex
import subprocess
import sys


def cxx_include_dirs(compiler):
    """The C++ library's header folders of a GCC, as it lists them."""
    listing = subprocess.run([compiler, "-xc++", "-E", "-v", "-"], input="", capture_output=True,
                             text=True, check=True).stderr
    lines = listing.split("#include <...> search starts here:")[1].split("End of search list.")[0]
    return [os.path.normpath(line.strip()) for line in lines.splitlines() if "/c++" in line]


def mingw_entry(entry, include_dirs):
    args = entry.get("arguments") or shlex.split(entry["command"])
    kept = [arg for arg in args[1:] if not arg.startswith("-fexec-charset=")]
    extra = ["--target=i686-w64-mingw32", "-D__MSABI_LONG(x)=x##L"] + [f"-isystem{folder}" for folder in include_dirs]
    return {"directory": entry["directory"], "file": entry["file"], "arguments": [args[0]] + extra + kept}


def main():
    out, linux_db, mingw_db = sys.argv[1:]
    with open(linux_db, encoding="utf-8") as f:
        entries = json.load(f)
    linux_files = {os.path.normpath(entry["file"]) for entry in entries}
    with open(mingw_db, encoding="utf-8") as f:
        windows_only = [entry for entry in json.load(f) if os.path.normpath(entry["file"]) not in linux_files]
    if windows_only:
        compiler = (windows_only[0].get("arguments") or shlex.split(windows_only[0]["command"]))[0]
        include_dirs = cxx_include_dirs(compiler)
        entries += [mingw_entry(entry, include_dirs) for entry in windows_only]
    with open(out, "w", encoding="utf-8") as f:
        json.dump(entries, f, indent=1)
    print(f"{len(entries) - len(windows_only)} Linux and {len(windows_only)} Windows-only compile commands")


if __name__ == "__main__":
    main()
