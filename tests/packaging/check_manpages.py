"""Every command and option that a program's --help prints is in its manual page.

usage: check_manpages.py PROGRAM MANPAGE [PROGRAM MANPAGE]...
A program whose --help lists subcommands is asked for each subcommand's --help as well."""
import os
import re
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])(--?[A-Za-z][-A-Za-z]*)")


def help_text(program, *words):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run([program, *words, "--help"], capture_output=True, text=True, env=env)
    if done.returncode != 0 or not done.stdout.strip():
        sys.exit(f"{program} {' '.join(words)} --help failed: {done.returncode} {done.stderr}")
    return done.stdout


def section(text, title):
    """The first words of the lines of the help section TITLE ("Options:", "Subcommands:")."""
    lines, inside = [], False
    for line in text.splitlines():
        if re.match(r"^\S.*:$", line):
            inside = line.strip().lower() == title.lower()
        elif inside and line.strip():
            lines.append(line.strip())
    return lines


def options(text):
    found = set()
    for line in section(text, "Options:"):
        # The option names come before the value type and the description: "-h, --help  Print".
        found.update(OPTION.findall(re.split(r"\s{2,}|\s[A-Z<]", line)[0]))
    return found


def man_text(path):
    with open(path, encoding="utf-8") as f:
        source = f.read()
    return re.sub(r"\\f[BIRP]", "", source.replace("\\-", "-"))


def check(program, manpage):
    man = man_text(manpage)
    missing = []
    top = help_text(program)
    wanted = {(None, o) for o in options(top)}
    for line in section(top, "Subcommands:"):
        command = line.split()[0]
        # A command is an item of the manual's list of commands.
        if not re.search(r"^\.B[IR]? \"?" + re.escape(command) + r"\b", man, re.M):
            missing.append(f"command {command}")
        wanted |= {(command, o) for o in options(help_text(program, command))}
    if not wanted:
        sys.exit(f"{program} --help printed no options: is the help format still understood?")
    for command, option in sorted(wanted, key=str):
        if not re.search(r"(?<![\w-])" + re.escape(option) + r"(?![\w-])", man):
            missing.append(f"option {option}" + (f" of {command}" if command else ""))
    for item in missing:
        print(f"{os.path.basename(manpage)} lacks {item}")
    print(f"{os.path.basename(manpage)}: {len(wanted)} options checked")
    return not missing


pairs = sys.argv[1:]
if not pairs or len(pairs) % 2:
    sys.exit(__doc__)
results = [check(pairs[i], pairs[i + 1]) for i in range(0, len(pairs), 2)]
sys.exit(0 if all(results) else 1)
