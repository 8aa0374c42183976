#!/usr/bin/env python3
"""Checks the folders' layers from what the compiler sees, not from spellings.

Folders are layers and depend one way only:
  common < platform < library < dialogue < progress, info, show < check < app < qt, win32, tools
and bench, fuzz and tests sit above them all. For every source and header of
those folders the compiler itself lists the files it includes (-M, following
macros, "../" and angle brackets alike, a missing header named as written), so:
- a project file may reach only its own folder and lower ones, never a higher
  or a sibling one, whatever the path's spelling;
- a system header that the C++ standard library does not bring anyway (the
  operating system's, Qt's, X11's, Windows') is reached only from platform/
  and the front ends: Qt's only from qt/ and the platform files that say Qt in
  their names, Windows' only from win32/ and the platform files that say Win;
- outside platform/ (and the tests, which test the platforms) no #if asks a
  macro that a compiler predefines for its system, whatever its spelling:
  the names come from the compilers' own lists (-dM) for Linux, Windows and
  macOS, and from Qt's system detection header;
- every top folder has a layer, or is known to hold no code;
- no build target links a target of a higher layer (as CMake lists them).
Usage: check-layers.py BUILD_DIR [--source DIR] [--only FILE ...]
BUILD_DIR holds compile_commands.json (the flags each file is compiled with).
Prints every line against the layers and exits 1 on any, 2 when it cannot run.
"""
import argparse
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile

RANKS = {
    "common": 0, "platform": 1, "library": 2, "dialogue": 3,
    "progress": 4, "info": 4, "show": 4, "check": 5, "app": 6,
    "qt": 7, "win32": 7, "tools": 7,
    "bench": 8, "fuzz": 8, "tests": 8,
}
ORDER = "common < platform < library < dialogue < progress, info, show < check < app < qt, win32, tools"
# Folders that hold no code of the program.
NO_CODE = {".ci", "cmake", "data", "docs", "packaging", "scripts"}
# Folders that may ask which system they run on.
SYSTEM_ASKING = {"platform", "tests"}
# Folders that may reach system headers beyond the standard library's.
SYSTEM_HEADERS = {"platform", "qt", "win32", "tools", "bench", "fuzz", "tests"}
CODE_SUFFIXES = {".c", ".cc", ".cpp", ".cxx", ".c++", ".h", ".hh", ".hpp", ".hxx", ".inl", ".ipp", ".tcc"}
STANDARD_MACRO = re.compile(r"^(__cplusplus|__STDC\w*|__STDCPP\w*|__cpp_\w+|__FILE__|__LINE__|__DATE__|__TIME__"
                            r"|__has_cpp_attribute|__has_include|__has_include_next)$")

problems = []


def report(text):
    problems.append(text)


def folder_of(relative):
    return relative.split("/", 1)[0] if "/" in relative else ""


def run(command, cwd=None):
    return subprocess.run(command, cwd=cwd, capture_output=True, text=True)


# --- what the compiler is asked with -------------------------------------

def compile_flags(entry):
    """The preprocessor's flags of one compile_commands.json entry."""
    args = shlex.split(entry["command"]) if "command" in entry else list(entry["arguments"])
    flags, skip = [args[0]], False
    for arg in args[1:]:
        if skip:
            skip = False
        elif arg in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif arg in ("-c", "-MD", "-MMD") or arg == entry["file"] or arg.endswith(os.path.basename(entry["file"])):
            continue
        else:
            flags.append(arg)
    return flags


def includes_of(flags, path, cwd):
    """Every file the compiler reads for `path`: resolved paths, and the
    names of headers it cannot find as written."""
    result = run(flags + ["-M", "-MG", "-x", "c++", path], cwd=cwd)
    if result.returncode != 0:
        report(f"{path}: the compiler could not list its includes: {result.stderr.strip()[:400]}")
        return []
    text = result.stdout.replace("\\\n", " ")
    names = shlex.split(text.split(":", 1)[1]) if ":" in text else []
    return [os.path.normpath(os.path.join(cwd, n)) if "/" in n and not os.path.isabs(n) and os.path.exists(os.path.join(cwd, n))
            else os.path.normpath(n) if os.path.isabs(n) else n for n in names]


def directly_included(flags, path, cwd):
    """The header names a file's own #include lines give, macros expanded:
    asked of the preprocessor (-dI), so a header that another include already
    brought, or one named by a macro, is still seen."""
    result = run(flags + ["-E", "-dI", "-x", "c++", path], cwd=cwd)
    if result.returncode != 0:
        return []  # a header it cannot find: the -M listing names it
    names, current = [], None
    for line in result.stdout.splitlines():
        if line.startswith("# ") and '"' in line:
            current = line.split('"')[1]
        elif line.startswith("#include") and current and os.path.realpath(os.path.join(cwd, current)) == path:
            names.append(line[len("#include"):].strip()[1:-1])
    return names


C_HEADERS = ["assert.h", "ctype.h", "errno.h", "fenv.h", "float.h", "inttypes.h", "limits.h", "locale.h", "math.h",
             "setjmp.h", "signal.h", "stdarg.h", "stddef.h", "stdint.h", "stdio.h", "stdlib.h", "string.h", "time.h",
             "uchar.h", "wchar.h", "wctype.h"]
CPP_HEADERS = ["algorithm", "any", "array", "atomic", "bit", "bitset", "cassert", "cctype", "cerrno", "cfloat",
               "charconv", "chrono", "cinttypes", "climits", "clocale", "cmath", "compare", "concepts",
               "condition_variable", "csignal", "cstddef", "cstdint", "cstdio", "cstdlib", "cstring", "ctime",
               "cuchar", "cwchar", "cwctype", "deque", "exception", "filesystem", "fstream", "functional",
               "future", "initializer_list", "iomanip", "ios", "iosfwd", "iostream", "istream", "iterator",
               "limits", "list", "locale", "map", "memory", "memory_resource", "mutex", "new", "numbers",
               "numeric", "optional", "ostream", "queue", "random", "ranges", "ratio", "regex", "set",
               "shared_mutex", "source_location", "span", "sstream", "stack", "stdexcept", "stop_token",
               "streambuf", "string", "string_view", "system_error", "thread", "tuple", "type_traits",
               "typeindex", "typeinfo", "unordered_map", "unordered_set", "utility", "valarray", "variant",
               "vector", "version"] + ["c" + h[:-2] for h in C_HEADERS]
STANDARD_NAMES = set(CPP_HEADERS) | set(C_HEADERS)
STANDARD_PROBE = "".join(f"#if __has_include(<{h}>)\n#include <{h}>\n#endif\n" for h in CPP_HEADERS + C_HEADERS)


def standard_headers(flags, cwd):
    """What the C++ standard library includes by itself, on this compiler."""
    with tempfile.NamedTemporaryFile("w", suffix=".cpp", delete=False) as probe:
        probe.write(STANDARD_PROBE)
    try:
        found = includes_of(flags, probe.name, cwd)
    finally:
        os.unlink(probe.name)
    return set(found) - {probe.name}


# --- the system's own macros ---------------------------------------------

def system_macros(compiler, qt_flags):
    """Every macro a compiler predefines for some system, and Qt's system and
    compiler detection names: asked of the compilers, not listed here."""
    askers = [[compiler], ["clang++", "--target=x86_64-pc-windows-msvc"], ["clang++", "--target=x86_64-w64-windows-gnu"],
              ["clang++", "--target=x86_64-apple-darwin"], ["clang++", "--target=x86_64-linux-gnu"],
              ["x86_64-w64-mingw32-g++"]]
    names = set()
    with tempfile.NamedTemporaryFile("w", suffix=".cpp", delete=False) as probe:
        probe.write(STANDARD_PROBE)
    try:
        for asker in askers:
            try:
                bare = run(asker + ["-dM", "-E", "-x", "c++", os.devnull])
                with_library = run(asker + ["-dM", "-E", "-x", "c++", probe.name])
            except OSError:
                continue
            names |= set(re.findall(r"^#define (\w+)", bare.stdout, re.M))
            # What the system's headers define in the names kept for the implementation (__GLIBC__, _WIN32_WINNT).
            names |= set(re.findall(r"^#define (__\w+|_[A-Z]\w*)", with_library.stdout, re.M))
    finally:
        os.unlink(probe.name)
    if qt_flags:
        for detection in ("qsystemdetection.h", "qprocessordetection.h", "qcompilerdetection.h"):
            path = qt_header(qt_flags, detection)
            if path:
                with open(path, encoding="utf-8", errors="replace") as f:
                    names |= set(re.findall(r"#\s*define\s+(Q_(?:OS|CC|PROCESSOR)_\w+)", f.read()))
    if len(names) < 100:
        print("check-layers: the compilers listed no predefined macros", file=sys.stderr)
        sys.exit(2)
    return {n for n in names if not STANDARD_MACRO.match(n)}


def qt_header(flags, name):
    directories = [flags[i + 1] for i, f in enumerate(flags[:-1]) if f in ("-isystem", "-I")]
    directories += [f[2:] for f in flags if f.startswith("-I") and len(f) > 2]
    for directory in directories:
        for candidate in (os.path.join(directory, name), os.path.join(directory, "QtCore", name)):
            if os.path.isfile(candidate):
                return candidate
    return None


def conditions(path):
    """The text of each #if, #ifdef, #ifndef and #elif of a file, with its line."""
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    lines = text.split("\n")
    number = 0
    while number < len(lines):
        start, line = number + 1, lines[number]
        while line.endswith("\\") and number + 1 < len(lines):
            number += 1
            line = line[:-1] + " " + lines[number]
        number += 1
        match = re.match(r"\s*#\s*(if|ifdef|ifndef|elif|elifdef|elifndef)\b(.*)", line.split("//", 1)[0])
        if match:
            yield start, match.group(0).strip(), match.group(2)


# --- the checks ----------------------------------------------------------

def kind_of_system_header(path):
    lowered = path.lower()
    if "/qt6/" in lowered or "/qt5/" in lowered or re.match(r"^q[a-z]*$|^qt\w*/", lowered):
        return "Qt"
    if "mingw" in lowered or re.match(r"^[a-z0-9_]+\.h$", lowered) and lowered in WINDOWS_NAMES:
        return "Windows"
    return "system"


WINDOWS_NAMES = {"windows.h", "winuser.h", "winbase.h", "winreg.h", "windowsx.h", "commctrl.h", "commdlg.h",
                 "shellapi.h", "shlobj.h", "shlwapi.h", "psapi.h", "objbase.h", "uxtheme.h", "dwmapi.h", "wingdi.h",
                 "processenv.h", "winsock2.h", "ws2tcpip.h", "iphlpapi.h", "bcrypt.h", "wincrypt.h"}


def check_file(relative, source, flags, cwd, standard, generated):
    own = folder_of(relative)
    rank = RANKS[own]
    seen = set()
    for path in includes_of(flags, os.path.join(source, relative), cwd):
        if path in seen:
            continue
        seen.add(path)
        if any(path.startswith(g) for g in generated):
            continue
        if os.path.isabs(path) and os.path.commonpath([path, source]) == source:
            target = os.path.relpath(path, source)
            if target == relative:
                continue
            folder = folder_of(target)
            if folder not in RANKS:
                report(f"{relative}: includes {target}, which lies in no layer")
            elif folder != own and RANKS[folder] >= rank:
                report(f"{relative}: {own}/ may not include {target} (layers run {ORDER})")
            continue
        if path in standard:
            continue
        kind = kind_of_system_header(path)
        name = os.path.basename(relative)
        if own not in SYSTEM_HEADERS:
            report(f"{relative}: reaches the {kind} header {path}, outside platform/ and the front ends")
        elif kind == "Qt" and not (own in ("qt", "tests", "bench") or (own == "platform" and "Qt" in name)):
            report(f"{relative}: reaches the Qt header {path} outside qt/ and the Qt platform adapters")
        elif kind == "Windows" and not (own in ("win32", "tests") or (own == "platform" and "Win" in name)):
            report(f"{relative}: reaches the Windows header {path} outside win32/ and the Windows platform files")


def check_direct_system_includes(relative, source, flags, cwd):
    """A system header that the standard library also brings is still the
    system's when a file of the core names it itself."""
    if folder_of(relative) in SYSTEM_HEADERS:
        return
    path = os.path.join(source, relative)
    for name in directly_included(flags, path, cwd):
        if name in STANDARD_NAMES or os.path.exists(os.path.join(os.path.dirname(path), name)):
            continue
        if os.path.exists(os.path.join(source, name)):
            continue  # a project header, checked by its layer
        report(f"{relative}: includes the system header <{name}>, outside platform/ and the front ends")


def check_conditions(relative, source, macros):
    if folder_of(relative) in SYSTEM_ASKING:
        return
    for line, text, condition in conditions(os.path.join(source, relative)):
        asked = set(re.findall(r"[A-Za-z_]\w*", condition))
        system = sorted(asked & macros) + sorted(n for n in asked if n in ("__has_include", "__has_include_next"))
        if system:
            report(f"{relative}:{line}: a system's #if outside platform/ ({text}: {', '.join(system)})")


def top_folders(source):
    listed = run(["git", "ls-files", "--others", "--cached", "--exclude-standard", "--directory"], cwd=source)
    if listed.returncode == 0:
        return sorted({p.split("/", 1)[0] for p in listed.stdout.splitlines() if "/" in p})
    return sorted(n for n in os.listdir(source) if os.path.isdir(os.path.join(source, n)) and not n.startswith(".")
                  and not n.startswith("build") and n != "run")


def code_files(source, folder):
    for directory, _, names in os.walk(os.path.join(source, folder)):
        for name in names:
            if os.path.splitext(name)[1].lower() in CODE_SUFFIXES:
                yield os.path.relpath(os.path.join(directory, name), source)


def check_links(build, built_from):
    """Each target of the build links only targets of its own layer or lower:
    a target's layer is the highest of its sources' folders. CMake writes
    each target's folder, sources and links into build/layer-links/."""
    listing = os.path.join(build, "layer-links")
    if not os.path.isdir(listing):
        report(f"{build}: no layer-links/ (configure the build again)")
        return
    targets = {}
    for name in os.listdir(listing):
        with open(os.path.join(listing, name), encoding="utf-8") as f:
            directory, sources, links = (f.read().split("\n") + ["", "", ""])[:3]
        folders = {folder_of(os.path.relpath(os.path.join(directory, s), built_from)) for s in sources.split(";") if s}
        ranks = sorted((RANKS[f], f) for f in folders if f in RANKS)
        targets[name[:-len(".txt")]] = (ranks[-1] if ranks else None, [l for l in links.split(";") if l])
    for target, (own, links) in sorted(targets.items()):
        for link in links:
            other = targets.get(link, (None, []))[0]
            if own and other and other[0] > own[0]:
                report(f"{target} ({own[1]}/) links {link} ({other[1]}/), a higher layer (layers run {ORDER})")


def built_source(build):
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8", errors="replace") as f:
        found = re.search(r"^CMAKE_HOME_DIRECTORY:INTERNAL=(.*)$", f.read(), re.M)
    return os.path.realpath(found.group(1)) if found else os.path.dirname(build)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("build")
    parser.add_argument("--source", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--only", nargs="*", help="check these files (relative to the source) alone")
    options = parser.parse_args()
    source = os.path.realpath(options.source)
    build = os.path.realpath(options.build)
    try:
        with open(os.path.join(build, "compile_commands.json")) as f:
            entries = json.load(f)
    except OSError as error:
        print(f"check-layers: {error}", file=sys.stderr)
        return 2

    # The build's flags serve a copy of its source elsewhere too (the tests of this check).
    built_from = built_source(build)
    compiled = {}
    for entry in entries:
        path = os.path.realpath(entry["file"])
        if os.path.commonpath([path, built_from]) == built_from:
            compiled[os.path.relpath(path, built_from)] = entry
    if not compiled:
        print("check-layers: compile_commands.json names no file of the source", file=sys.stderr)
        return 2

    def flags_for(relative):
        entry = compiled.get(relative)
        if entry is None:  # a header: the flags of its source, else of any file of its folder, else the widest
            stem = os.path.splitext(relative)[0]
            entry = next((e for r, e in compiled.items() if os.path.splitext(r)[0] == stem), None)
            entry = entry or next((e for r, e in compiled.items() if folder_of(r) == folder_of(relative)), None)
            entry = entry or widest
        flags = [f if f.startswith(build) or built_from == source else f.replace(built_from, source)
                 for f in compile_flags(entry)]
        return flags, entry["directory"]

    widest = max(compiled.values(), key=lambda e: len(compile_flags(e)))
    qt_entry = next((e for r, e in compiled.items() if folder_of(r) == "qt"), None)
    compiler = compile_flags(widest)[0]
    standard = standard_headers(compile_flags(widest), widest["directory"])
    macros = system_macros(compiler, compile_flags(qt_entry) if qt_entry else None)
    generated = [build + "/"]

    files = []
    for folder in top_folders(source):
        if folder in RANKS:
            files += code_files(source, folder)
        elif folder in NO_CODE:
            for stray in code_files(source, folder):
                report(f"{stray}: code in {folder}/, a folder of no layer")
        else:
            report(f"{folder}/: a top folder without a layer (give it one in scripts/check-layers.py)")
    check_links(build, built_from)
    if options.only:
        files = [os.path.normpath(f) for f in options.only]
    for relative in files:
        if folder_of(relative) not in RANKS:
            report(f"{relative}: a file in no layer")
    files = [f for f in files if folder_of(f) in RANKS]

    def check(relative):
        flags, cwd = flags_for(relative)
        if folder_of(relative) not in ("tests",):
            check_file(relative, source, flags, cwd, standard, generated)
            check_direct_system_includes(relative, source, flags, cwd)
        check_conditions(relative, source, macros)

    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        list(pool.map(check, sorted(files)))

    for problem in sorted(set(problems)):
        print(problem, file=sys.stderr)
    if problems:
        return 1
    print(f"check-layers: {len(files)} files; every include runs down the layers, system headers stay in platform/ "
          f"and the front ends, and only platform/ asks which system it is")
    return 0


if __name__ == "__main__":
    sys.exit(main())
