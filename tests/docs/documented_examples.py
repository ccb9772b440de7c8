"""Runs every nimbaro-calc command that the README and the manual page show, so that they stay
true: each must succeed on sample logs of the names they use, and the README's worked example
must print exactly what the README says it prints.

documented_examples.py NIMBARO_CALC README MANUAL_PAGE LOCALE_DIR WORKDIR
"""
import os
import re
import shutil
import subprocess
import sys

calc, readme, manual, locales, work = (os.path.abspath(a) for a in sys.argv[1:6])

# The logs the examples read, by name.
SAMPLES = {
    'readings.csv': 'Time,T,RH\n2026-07-14T06:00,18.4,92\n2026-07-14T12:00,31.2,48\n',
    'log.csv': 'Time,gust_kn\n2026-07-14T06:00,12\n2026-07-14T12:00,31\n',
}


def commands_in(lines):
    """Whole commands (continuation lines joined) that run nimbaro-calc or GNU parallel."""
    command = ''
    for line in lines:
        command += line.rstrip()
        if command.endswith('\\'):
            command = command[:-1] + ' '
            continue
        words = re.sub(r'\s+#\s.*$', '', command).strip()
        if words.startswith('$ '):
            words = words[2:]
        if re.match(r'^(nimbaro-calc|parallel|LC_ALL=\S+ nimbaro-calc)\b', words):
            yield words
        command = ''


def readme_blocks(text):
    """The fenced blocks of the README: (language, lines)."""
    return [(m.group(1), m.group(2).splitlines())
            for m in re.finditer(r'^```(\w*)\n(.*?)^```$', text, re.S | re.M)]


def manual_commands(text):
    """The example lines of the manual page, its roff escapes undone."""
    lines = []
    for block in re.findall(r'^\.nf\n(.*?)^\.fi$', text, re.S | re.M):
        for line in block.splitlines():
            line = line.replace('\\(aq', "'").replace('\\-', '-').replace('\\e', '\\')
            lines.append(line)
    return commands_in(lines)


def run(command, folder):
    environment = dict(os.environ, LOCPATH=locales)
    environment['PATH'] = os.path.dirname(calc) + os.pathsep + environment['PATH']
    return subprocess.run(['bash', '-c', command], cwd=folder, env=environment,
                          capture_output=True, text=True, timeout=120)


def fresh_folder(name):
    folder = os.path.join(work, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for sample, text in SAMPLES.items():
        with open(os.path.join(folder, sample), 'w', newline='') as file:
            file.write(text)
    return folder


failures = []
with open(readme, encoding='utf-8') as file:
    blocks = readme_blocks(file.read())
with open(manual, encoding='utf-8') as file:
    manual_text = file.read()

# The worked examples: a csv block (the log, named by its first line's comment), the sh block of
# the command, and a text block of what it prints on standard output, then standard error.
worked = [i for i, (language, lines) in enumerate(blocks)
          if language == 'csv' and lines and lines[0].startswith('# ')]
worked_commands = {c for i in worked for c in commands_in(blocks[i + 1][1])}

commands = [c for language, lines in blocks if language == 'sh' for c in commands_in(lines)]
commands += list(manual_commands(manual_text))
for number, command in enumerate(commands):
    if 'tail -f' in command or command in worked_commands:
        continue  # a live log never ends; a worked example is checked below
    result = run(command, fresh_folder(f'command-{number}'))
    if result.returncode != 0:
        failures.append(f'{command}\n  exit {result.returncode}: {result.stderr.strip()}')

for i in worked:
    lines = blocks[i][1]
    name = lines[0][2:].strip()
    (_, command_lines), (_, expected) = blocks[i + 1], blocks[i + 2]
    folder = fresh_folder('worked-example')
    with open(os.path.join(folder, name), 'w', newline='') as file:
        file.write('\n'.join(lines[1:]) + '\n')
    for command in commands_in(command_lines):
        result = run(command, folder)
        shown = (result.stdout + result.stderr).splitlines()
        if shown != expected:
            failures.append(f'{command}\n  printed:\n' + '\n'.join(shown) +
                            '\n  where the README shows:\n' + '\n'.join(expected))

print(f'{len(commands)} documented commands run')
if failures:
    print('\n\n'.join(failures), file=sys.stderr)
    sys.exit(1)
