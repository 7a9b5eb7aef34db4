#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lengths in the user's own language through the terminal: each phrase of
phrases.tsv gives, with --convert and as a line of standard input, exactly
what its English form gives under the same settings; each refused phrase is
refused. Usage: check_phrases.py PROGRAM"""

import os
import subprocess
import sys


def phrases():
    """(locale, phrase, length alone, English, English length alone); no English: refused."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'phrases.tsv'), encoding='utf-8') as table:
        for line in table:
            if line.strip() and not line.startswith('#'):
                locale, phrase, english = (line.rstrip('\n').split('\t') + [''])[:3]
                yield locale, phrase.replace('|', ''), phrase.split('|')[0], english


def run(program, locale, arguments, lines=None):
    locale, _, languages = locale.partition('/')
    env = dict(os.environ, LC_ALL=f'{locale}.UTF-8', LANG=f'{locale}.UTF-8', LANGUAGE=languages)
    done = subprocess.run([program, '--convert'] + arguments, input=lines, env=env, capture_output=True, text=True)
    return done.returncode, done.stdout, done.stderr


def main(program):
    failures = 0
    for locale, phrase, length, english in phrases():
        if not english:
            status, out, err = run(program, locale, [phrase])
            ok = status == 2 and out == '' and 'not a length' in err
        else:
            status, out, err = run(program, locale, [phrase])
            ok = status == 0 and (status, out, err) == run(program, locale, [english])
            english_length = english.rsplit(' in ', 1)[0]
            lines = run(program, locale, ['-', '--to', 'm,in'], length + '\n')
            ok = ok and lines[0] == 0 and lines == run(program, locale, ['-', '--to', 'm,in'], english_length + '\n')
        print(('ok    ' if ok else 'FAIL  ') + f'{locale}: {phrase!r}' + ('' if ok else f': {status} {out!r} {err!r}'))
        failures += not ok
    print(f'{failures} phrases failed' if failures else 'all phrases passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
