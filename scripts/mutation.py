#!/usr/bin/python3
"""Plants small faults in the code, one at a time, and says which ones no test
catches: a tool for developers, run before a change is called done (not part
of the test command).

Each mutant is one small change to one line: a comparison flipped or moved by
one (< <=, == !=), && and ||, + and -, a number moved by one, true and false,
a statement dropped. The work tree is never touched: its files are copied
(those that differ) into a cache folder with a build of its
own, so a run after the first rebuilds only what changed. For each mutant the copy's file
is changed, its object rebuilt (a mutant whose object does not change is no
change in behaviour and is not counted; one that does not compile neither),
then the unit tests run, then, where they all pass, the fast end-to-end tests
(ctest without the slow ones), and a mutant they all pass is tried against the
slow ones (the readers, the pages, the desktop, valgrind), with a home and XDG folders of their own and,
run by root, /etc, /usr, /var, /root and /home read-only (a mutant of a
guard must not write the machine). Before any fault, the tests must pass. A mutant some test fails is caught; the rest
survive and are listed with file:line and the change, with the rate over all
and by folder, and how many only a slow test caught.

Usage:
  scripts/mutation.py [--commit REV] [--sample N] [--minutes M] [--seed S] [--fast-only] [FILE...]
    FILE...       the files to plant faults in (default: those REV changed,
                  else every production folder's .cpp, sampled by size)
    --commit REV  the .cpp files changed since REV (e.g. HEAD~1, main)
    --sample N    how many mutants (default 40), spread over the files by
                  their lines
    --minutes M   stop planting after M minutes (default 30); what ran is
                  reported
    --seed S      the sample's seed (default: the day), so a run can be
                  repeated
    --fast-only   no slow tests: a survivor of the fast ones is a survivor
    --cache DIR   the copy and its build (default
                  ${XDG_CACHE_HOME:-~/.cache}/dalcal-mutation)
Exit status: 0 when every planted mutant was caught, 1 when some survived, 2
on a usage error or a build that fails before any fault is planted."""
import argparse
import collections
import datetime
import hashlib
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCTION = ["runtime", "text", "astronomy", "engine", "input", "report", "shell", "userdata", "formats",
              "print_request", "libdalcal", "programs"]
# Lines no fault is planted in: includes and other preprocessor lines, comments,
# static_asserts (a fault there does not compile) and the generated tables.
SKIPPED_LINE = re.compile(r"^\s*(#|//|\*|/\*|static_assert|namespace|using |template|}|{)")
GENERATED = re.compile(r"(_terms\.h|_table\.h|\.inc|_observed\.h)$")
# Ctest's slow tests (valgrind's, the desktop's, the writer's faults, the
# readers', the pages'), run only for a mutant the others let pass; the layer
# check is never run (it asks git, which the copy is not; a fault changes no
# include).
SLOW_TESTS = "memcheck|window_desktop|events_writer_faults|abi|export_clients|python_module|dalcal_print_pages|" \
             "doc_examples|build_tree_use"
NEVER_RUN = "^layers$"


def run(command, cwd, timeout, env=None):
    """The command's exit status; None where it runs past timeout seconds (an
    endless loop is caught as a fault), when it and all it started (a test's
    display server, its notification daemon) are killed: in a session of its
    own, they are one process group."""
    with subprocess.Popen(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, start_new_session=True) as process:
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return None


# What a mutant's tests may not write: a fault in a guard ("never write under
# /etc") must not reach the machine. Where this user may make a mount
# namespace (root may), those folders are read-only for the tests; an
# ordinary user cannot write them anyway.
READ_ONLY = ["/etc", "/usr", "/var", "/root", "/home"]


def sandboxed(command):
    if os.geteuid() != 0 or shutil.which("unshare") is None:
        return command
    script = ("for d in " + " ".join(READ_ONLY) + "; do [ -d $d ] && mount --bind $d $d && "
              "mount -o remount,bind,ro $d $d || exit 97; done; exec \"$@\"")
    return ["unshare", "--mount", "--propagation", "private", "sh", "-c", script, "sh", *command]


def test_environment(cache):
    """The tests' home and XDG folders in the cache, never the real ones."""
    home = os.path.join(cache, "home")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_STATE_HOME=os.path.join(home, "state"), XDG_CACHE_HOME=os.path.join(home, "cache"),
               XDG_DATA_HOME=os.path.join(home, "data"))
    for folder in ("config", "state", "cache", "data"):
        os.makedirs(os.path.join(home, folder), exist_ok=True)
    return env


def tests_verdict(build, env, slow):
    """caught where a test fails: the unit tests first, then the fast end-to-end
    ones, then (where slow) the slow ones: "caught slow"."""
    if run(sandboxed([os.path.join(build, "tests", "dalcal_tests"), "--gtest_brief=1"]), build, 120, env) != 0:
        return "caught"
    if run(sandboxed(["ctest", "--test-dir", build, "-j2", "-E", SLOW_TESTS + "|" + NEVER_RUN, "--stop-on-failure"]),
           build, 600, env) != 0:
        return "caught"
    if slow and run(sandboxed(["ctest", "--test-dir", build, "-j2", "-R", SLOW_TESTS, "-E", NEVER_RUN,
                               "--stop-on-failure"]), build, 900, env) != 0:
        return "caught slow"
    return "survived"


def masked(line):
    """The line with its string and character literals and its comment blanked,
    so that no operator inside them is changed."""
    out = re.sub(r'"(\\.|[^"\\])*"', lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', line)
    out = re.sub(r"'(\\.|[^'\\])'", lambda m: "'" + " " * (len(m.group(0)) - 2) + "'", out)
    comment = out.find("//")
    return out if comment < 0 else out[:comment] + " " * (len(out) - comment)


# (name, pattern on the masked line, replacement): each match is one mutant.
OPERATORS = [
    ("< to <=", r"(?<=\s)<(?=\s)", "<="),
    ("<= to <", r"<=", "<"),
    ("> to >=", r"(?<=\s)>(?=\s)", ">="),
    (">= to >", r">=", ">"),
    ("== to !=", r"==", "!="),
    ("!= to ==", r"!=", "=="),
    ("&& to ||", r"&&", "||"),
    ("|| to &&", r"\|\|", "&&"),
    ("+ to -", r"(?<=\s)\+(?=\s)", "-"),
    ("- to +", r"(?<=\s)-(?=\s)", "+"),
    ("true to false", r"\btrue\b", "false"),
    ("false to true", r"\bfalse\b", "true"),
    ("n to n+1", r"(?<![\w.])(\d+)(?![\w.])", None),
]


def starts_statement(previous):
    """Whether a line after previous begins a statement (not the rest of one)."""
    end = masked(previous).rstrip()
    return end == "" or end.endswith((";", "{", "}")) or end.lstrip().startswith("//")


def mutants_of(path, lines):
    """Every mutant of a file: (path, line number, name, new line)."""
    found = []
    for number, line in enumerate(lines, 1):
        if SKIPPED_LINE.match(line) or not line.strip():
            continue
        plain = masked(line)
        for name, pattern, replacement in OPERATORS:
            for match in re.finditer(pattern, plain):
                if replacement is None:
                    new = str(int(match.group(1)) + 1)
                else:
                    new = replacement
                found.append((path, number, name, line[:match.start()] + new + line[match.end():]))
        statement = plain.strip()
        if statement.endswith(";") and "(" in statement and not statement.startswith(("return", "const ", "auto ")) \
                and "=" not in statement.split("(")[0] and (number == 1 or starts_statement(lines[number - 2])):
            found.append((path, number, "statement dropped: " + statement[:60], re.match(r"\s*", line).group(0) + ";\n"))
    return found


def production_files():
    listed = subprocess.run(["git", "ls-files", *PRODUCTION], cwd=ROOT, capture_output=True, text=True).stdout.split()
    return [f for f in listed if f.endswith(".cpp") and not GENERATED.search(f) and "/make_" not in f]


def changed_files(rev):
    listed = subprocess.run(["git", "diff", "--name-only", rev, "--", *PRODUCTION], cwd=ROOT, capture_output=True,
                            text=True).stdout.split()
    return [f for f in listed if f.endswith((".cpp", ".h")) and os.path.exists(os.path.join(ROOT, f))
            and not GENERATED.search(f)]


def sample(files, count, rng):
    """count mutants spread over the files by their lines (each file's share
    its share of the lines), chosen at random within each file."""
    pools = {}
    for path in files:
        with open(os.path.join(ROOT, path), encoding="utf-8", errors="surrogateescape") as f:
            pools[path] = mutants_of(path, f.readlines())
    total = sum(len(p) for p in pools.values()) or 1
    chosen = []
    for path, pool in pools.items():
        share = max(1, round(count * len(pool) / total)) if pool else 0
        chosen += rng.sample(pool, min(share, len(pool)))
    rng.shuffle(chosen)
    return chosen[:count]


def object_of(build, path):
    """The object file the build makes of a source file, where there is one."""
    name = os.path.basename(path) + ".o"
    for top, _, files in os.walk(os.path.join(build, os.path.dirname(path))):
        if name in files and "/tests" not in top:
            return os.path.join(top, name)
    return None


def digest(path):
    if path is None or not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def prepare(cache):
    copy, build = os.path.join(cache, "tree"), os.path.join(cache, "build")
    os.makedirs(copy, exist_ok=True)
    listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard", "-z"], cwd=ROOT,
                            capture_output=True, check=True).stdout.decode().split("\0")
    for name in filter(None, listed):  # only what differs is copied: the build after it is incremental
        source, target = os.path.join(ROOT, name), os.path.join(copy, name)
        if not os.path.isfile(source) or os.path.islink(source):
            continue
        with open(source, "rb") as f:
            text = f.read()
        if os.path.exists(target):
            with open(target, "rb") as f:
                if f.read() == text:
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(source, target)  # its time now: newer than any object built from a mutant of it
        shutil.copymode(source, target)
    # Configured every run (quick once configured), so a cache from before a
    # change of these settings takes them. libstdc++'s assertions make a fault
    # that reads past a vector's end stop the test rather than pass unseen.
    subprocess.run(["cmake", "-S", copy, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS", "-DBUILD_TESTING=ON", "-DDALCAL_BUILD_WINDOW=ON",
                    "-DDALCAL_BUILD_BENCH=OFF",                    "-DDALCAL_PYTHON=OFF", "-DDALCAL_MEMCHECK=OFF", "-DDALCAL_SANITIZE=OFF", "-DDALCAL_FUZZ=OFF"],
                   check=True, capture_output=True)
    # A run stopped with a fault planted: its file is the tree's again (copied
    # above where it differed), and made newer than the objects of the fault.
    planted = os.path.join(cache, "planted")
    if os.path.exists(planted):
        with open(planted, encoding="utf-8") as f:
            name = f.read().strip()
        if os.path.exists(os.path.join(copy, name)):
            os.utime(os.path.join(copy, name))
        os.remove(planted)
    return copy, build


def main():
    parser = argparse.ArgumentParser(add_help=True, usage=__doc__.split("Usage:")[1].split("Exit")[0])
    parser.add_argument("files", nargs="*")
    parser.add_argument("--commit")
    parser.add_argument("--sample", type=int, default=40)
    parser.add_argument("--minutes", type=float, default=30)
    parser.add_argument("--seed", default=datetime.date.today().isoformat())
    parser.add_argument("--fast-only", action="store_true")
    parser.add_argument("--cache", default=os.path.join(os.environ.get("XDG_CACHE_HOME") or
                                                        os.path.expanduser("~/.cache"), "dalcal-mutation"))
    args = parser.parse_args()
    files = args.files or (changed_files(args.commit) if args.commit else production_files())
    files = [os.path.relpath(os.path.abspath(f), ROOT) for f in files]
    if not files:
        print("no files to plant faults in", file=sys.stderr)
        return 2
    rng = random.Random(args.seed)
    mutants = sample(files, args.sample, rng)
    copy, build = prepare(args.cache)
    print(f"building the copy in {build} ...", flush=True)
    if run(["ninja", "-C", build], copy, 3600) != 0:
        print("the copy does not build; fix the tree first", file=sys.stderr)
        return 2
    env = test_environment(args.cache)
    slow = not args.fast_only
    if tests_verdict(build, env, slow) != "survived":  # with no fault planted, every test must pass
        print("the tests fail with no fault planted: fix them first (run ctest in " + build + ")", file=sys.stderr)
        return 2
    deadline = time.monotonic() + args.minutes * 60
    results = []  # (mutant, "caught" | "caught slow" | "survived" | "same object" | "no build")
    for mutant in mutants:
        if time.monotonic() > deadline:
            print(f"time is up after {len(results)} of {len(mutants)} mutants", flush=True)
            break
        path, number, name, new_line = mutant
        source = os.path.join(copy, path)
        with open(source, encoding="utf-8", errors="surrogateescape") as f:
            original = f.readlines()
        objects = object_of(build, path) if path.endswith(".cpp") else None
        before = digest(objects)
        changed = list(original)
        changed[number - 1] = new_line
        with open(os.path.join(args.cache, "planted"), "w", encoding="utf-8") as f:
            f.write(path)
        with open(source, "w", encoding="utf-8", errors="surrogateescape") as f:
            f.writelines(changed)
        try:
            if run(["ninja", "-C", build], copy, 1800) != 0:
                verdict = "no build"
            elif objects is not None and digest(objects) == before:
                verdict = "same object"
            else:
                verdict = tests_verdict(build, env, slow)
        finally:
            with open(source, "w", encoding="utf-8", errors="surrogateescape") as f:
                f.writelines(original)
            os.remove(os.path.join(args.cache, "planted"))
        results.append((mutant, verdict))
        print(f"{verdict:12} {path}:{number}: {name}", flush=True)
    run(["ninja", "-C", build], copy, 3600)  # the copy built as the tree is, for the next run

    counted = [(m, v) for m, v in results if v in ("caught", "caught slow", "survived")]
    survivors = [m for m, v in counted if v == "survived"]
    print()
    for path, number, name, new_line in survivors:
        print(f"survived: {path}:{number}: {name}: {new_line.strip() or '(line dropped)'}")
    by_folder = collections.defaultdict(lambda: [0, 0])
    for (path, *_), verdict in counted:
        folder = path.split("/")[0] if not path.startswith("programs/") else "/".join(path.split("/")[:2])
        by_folder[folder][0] += verdict != "survived"
        by_folder[folder][1] += 1
    for folder, (caught, count) in sorted(by_folder.items()):
        print(f"{folder:24} {caught}/{count} caught ({100 * caught / count:.0f}%)")
    skipped = len(results) - len(counted)
    caught = len(counted) - len(survivors)
    rate = 100 * caught / len(counted) if counted else 100
    slowly = sum(v == "caught slow" for _, v in counted)
    print(f"all: {caught}/{len(counted)} caught ({rate:.0f}%), {slowly} of them only by a slow test; {skipped} not "
          f"counted (no build, or no change to the object)")
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
