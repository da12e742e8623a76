"""The file work of tools/mutate.sh: reads the fault list, finds each fault's
text under engine/, ui/ and app/, applies one fault, and keeps the copy of the
sources the faults are made in level with the sources.

  mutate.py check LIST ROOT [ID ...]   every fault's text occurs once under ROOT; prints "ID<TAB>title"
                                       for the given faults (all when none is given)
  mutate.py apply LIST ROOT ID         makes the fault in ROOT; prints the file it changed
  mutate.py sync SOURCE COPY           makes COPY's sources (all but build/ and .git) equal SOURCE's,
                                       rewriting only files whose bytes differ (so ninja sees them)
  mutate.py programs JSON BUILD        the files under BUILD that the tests listed by
                                       `ctest --show-only=json-v1` run, relative to BUILD
  mutate.py failure LOG FAILED         the first test that failed in the ctest output LOG (FAILED: ctest's
                                       LastTestsFailed.log), how it failed, and the first GoogleTest case
                                       its output names

Errors are one line on standard error, naming the fault, and exit code 1.
"""

import json
import os
import re
import shutil
import sys

SEARCHED = ("engine", "ui", "app")
NOT_COPIED = ("build", ".git")


class ListError(Exception):
    pass


def read_faults(path):
    """[(id, title, text, replacement)] in list order."""
    faults = []
    current = None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f.read().split("\n"), 1):
            if line.startswith("## "):
                fault_id, _, title = line[3:].partition(" ")
                current = [fault_id, title.strip(), [], []]
                faults.append(current)
            elif current is None or line == "" or line.startswith("#"):
                continue
            elif line[0] in "-+" and (len(line) == 1 or line[1] == " "):
                if line[0] == "-" and current[3]:
                    raise ListError(f"{path}:{number}: {current[0]}: a '-' line after a '+' line")
                current[2 if line[0] == "-" else 3].append(line[2:])
            else:
                raise ListError(f"{path}:{number}: {current[0]}: a line that is neither '-' nor '+'")
    seen = set()
    for fault_id, title, old, new in faults:
        if fault_id in seen:
            raise ListError(f"{fault_id}: listed twice")
        seen.add(fault_id)
        if not title or not old:
            raise ListError(f"{fault_id}: needs a title and at least one '-' line")
        if old == new:
            raise ListError(f"{fault_id}: the replacement is the text itself")
    return [(i, t, "\n".join(o), "\n".join(n)) for i, t, o, n in faults]


def searched_files(root):
    for top in SEARCHED:
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs.sort()
            for name in sorted(files):
                path = os.path.join(folder, name)
                try:
                    with open(path, encoding="utf-8", newline="") as f:
                        yield path, f.read()
                except UnicodeDecodeError:
                    continue


def locate(root, fault_id, text):
    """The one file under root holding text, and its contents."""
    found = []
    for path, contents in searched_files(root):
        count = contents.count(text)
        found += [(path, contents)] * count
    if len(found) != 1:
        where = "is not found" if not found else f"occurs {len(found)} times"
        raise ListError(f"{fault_id}: its text {where} under {', '.join(s + '/' for s in SEARCHED)}"
                        f" (first line: {text.splitlines()[0].strip()!r})")
    return found[0]


def select(faults, ids):
    known = {f[0]: f for f in faults}
    for fault_id in ids:
        if fault_id not in known:
            raise ListError(f"{fault_id}: no such fault in the list")
    return [f for f in faults if not ids or f[0] in ids]


def check(list_path, root, ids):
    faults = read_faults(list_path)
    for fault_id, _, text, _ in faults:
        locate(root, fault_id, text)
    for fault_id, title, _, _ in select(faults, ids):
        print(f"{fault_id}\t{title}")


def apply(list_path, root, fault_id):
    _, _, text, replacement = select(read_faults(list_path), [fault_id])[0]
    path, contents = locate(root, fault_id, text)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(contents.replace(text, replacement))
    print(os.path.relpath(path, root))


def copied_files(root):
    for folder, dirs, files in os.walk(root):
        if folder == root:
            dirs[:] = [d for d in dirs if d not in NOT_COPIED]
        for name in files:
            yield os.path.relpath(os.path.join(folder, name), root)


def same_bytes(a, b):
    if os.path.getsize(a) != os.path.getsize(b):
        return False
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def sync(source, copy):
    wanted = set(copied_files(source))
    for rel in set(copied_files(copy)) - wanted:
        os.remove(os.path.join(copy, rel))
    for rel in sorted(wanted):
        src, dst = os.path.join(source, rel), os.path.join(copy, rel)
        if os.path.isfile(dst) and same_bytes(src, dst):
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        shutil.copyfile(src, dst)  # a fresh modification time
        shutil.copymode(src, dst)


def programs(json_path, build):
    with open(json_path, encoding="utf-8") as f:
        tests = json.load(f).get("tests", [])
    build = os.path.realpath(build)
    found = set()
    for test in tests:
        for word in test.get("command", []):
            path = os.path.realpath(word)
            if path.startswith(build + os.sep) and os.path.splitext(path)[1] in ("", ".exe"):
                found.add(os.path.relpath(path, build))
    for rel in sorted(found):
        print(rel)


# A result line of ctest: " 3/61 Test  #7: name .....***Failed    2.10 sec".
RESULT = re.compile(r"Test +#\d+: (\S+) \.*\s*\*\*\*(.*?)\s+[\d.]+ sec")
GTEST_FAILED = re.compile(r"^\[  FAILED  \] ([^\s,]+\.[^\s,]+)")


def failure(log_path, failed_path):
    failed = set()
    if os.path.isfile(failed_path):
        with open(failed_path, encoding="utf-8") as f:
            failed = {line.strip().partition(":")[2] for line in f if line.strip()}
    with open(log_path, encoding="utf-8", errors="replace") as f:
        lines = f.read().splitlines()
    for number, line in enumerate(lines):
        match = RESULT.search(line)
        if match and match.group(1) in failed:
            name, how = match.group(1), match.group(2).strip().lower()
            for later in lines[number + 1:]:
                case = GTEST_FAILED.match(later)
                if case and not name.endswith(case.group(1)):
                    name += ": " + case.group(1)
                    break
                if case or RESULT.search(later):
                    break
            print(f"{name}, {how}")
            return
    print("no failing test found in " + log_path)


def main(argv):
    command, args = argv[1], argv[2:]
    try:
        if command == "check":
            check(args[0], args[1], args[2:])
        elif command == "apply":
            apply(args[0], args[1], args[2])
        elif command == "sync":
            sync(args[0], args[1])
        elif command == "programs":
            programs(args[0], args[1])
        elif command == "failure":
            failure(args[0], args[1])
        else:
            raise ListError(f"unknown command {command}")
    except (ListError, OSError) as error:
        print(f"mutate: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
