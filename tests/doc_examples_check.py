#!/usr/bin/python3
"""Runs every dalcal-print example of the README and the manual pages as
written, so that none can rot. Usage: doc_examples_check.py BIN_DIR README
MANPAGE...

- README, in its code blocks: "$ dalcal-print ..." followed by what it prints
  (stdout and stderr, as a terminal shows them; "..." ends a shortened one):
  the output must begin with exactly those lines. "build/bin/dalcal-print ..."
  and "dalcal-print ..." lines (a "# comment" after them): each must succeed.
- A manual page's EXAMPLES, as man shows them: each command must succeed with
  nothing on stderr; where the text under it is a line of output (it starts
  with a date), the output must be that line.

Each runs in a scratch folder with no events file and a fixed
SOURCE_DATE_EPOCH. Exits 1 naming every example that failed."""
import os
import re
import subprocess
import sys
import tempfile

bin_dir, readme, manpages = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3:]
scratch = tempfile.mkdtemp()
# The README's examples name the example events file as the repository has it.
os.symlink(os.path.join(os.path.dirname(os.path.abspath(readme)), "docs"), os.path.join(scratch, "docs"))
env = dict(os.environ, PATH=bin_dir + ":" + os.environ["PATH"], XDG_CONFIG_HOME=scratch, HOME=scratch,
           SOURCE_DATE_EPOCH="1700000000", LANG="C.UTF-8", LANGUAGE="")
env.pop("COLUMNS", None)
# A page drawn under LeakSanitizer: fontconfig's font lists are kept to the end on purpose.
suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "drawing-libraries.lsan")
env["LSAN_OPTIONS"] = ":".join(filter(None, ["suppressions=" + suppressions, "print_suppressions=0",
                                              os.environ.get("LSAN_OPTIONS")]))
failures = []
ran = 0


def run(command):
    global ran
    ran += 1
    command = command.replace("build/bin/", "")
    return subprocess.run(["bash", "-o", "pipefail", "-c", command], cwd=scratch, env=env, capture_output=True,
                          text=True, timeout=60)


def readme_examples(text):
    """(command, expected lines or None) of each example in the code blocks."""
    for block in re.findall(r"^```[a-z]*\n(.*?)^```", text, re.S | re.M):
        lines = block.split("\n")
        i = 0
        while i < len(lines):
            line = lines[i]
            i += 1
            if line.startswith("$ dalcal-print"):
                expected = []
                while i < len(lines) and not lines[i].startswith("$ ") and lines[i] != "":
                    expected.append(lines[i])
                    i += 1
                yield line[2:], expected
            elif re.match(r"(build/bin/)?dalcal-print\b", line):
                yield re.sub(r"\s+#\s.*$", "", line), None


for command, expected in readme_examples(open(readme, encoding="utf-8").read()):
    result = run(command)
    shown = (result.stdout + result.stderr).rstrip("\n").split("\n")
    if expected is None:
        if result.returncode != 0:
            failures.append(f"README: {command}: status {result.returncode}: {result.stderr.strip()}")
        continue
    shortened = "..." in expected
    expected = expected[:expected.index("...")] if shortened else expected
    if (shown[:len(expected)] if shortened else shown) != expected:
        first = next((k for k, (a, b) in enumerate(zip(shown, expected)) if a != b), min(len(shown), len(expected)))
        got = shown[first] if first < len(shown) else "(no more lines)"
        want = expected[first] if first < len(expected) else "(no more lines)"
        failures.append(f"README: {command}: line {first + 1} is {got!r}, the README shows {want!r}")

# The manual's examples use an events file: the example one, where the user keeps it.
os.makedirs(os.path.join(scratch, "dalcal"), exist_ok=True)  # the README's --add-event made it
with open(os.path.join(scratch, "docs", "events.example"), encoding="utf-8") as example:
    with open(os.path.join(scratch, "dalcal", "events"), "w", encoding="utf-8") as events:
        events.write(example.read())
for page in manpages:
    shown = subprocess.run(["man", "-l", page], env=dict(env, MANWIDTH="200", MAN_KEEP_FORMATTING=""),
                           capture_output=True, text=True).stdout
    section = re.search(r"^EXAMPLES\n(.*?)^\S", shown, re.S | re.M)
    if not section:
        failures.append(f"{page}: no EXAMPLES")
        continue
    lines = section.group(1).split("\n")
    for k, line in enumerate(lines):
        if not re.match(r" {7}dalcal", line):
            continue
        command = line.strip()
        result = run(command)
        if result.returncode != 0 or result.stderr:
            failures.append(f"{page}: {command}: status {result.returncode}: {result.stderr.strip()}")
            continue
        under = lines[k + 1].strip() if k + 1 < len(lines) else ""
        if re.match(r"\d{4}-\d{2}-\d{2} ", under) and result.stdout.rstrip("\n") != under:
            failures.append(f"{page}: {command}: prints {result.stdout.strip()!r}, the page shows {under!r}")

if ran == 0:
    failures.append("no example found")
print(f"{ran} examples run")
if failures:
    sys.exit("\n".join(failures))
