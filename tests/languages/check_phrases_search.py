#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lengths in the user's own language through the desktop search: under
each phrase's settings, GNOME's results and KRunner's matches for a phrase
of phrases.tsv are those of its English form, and a refused phrase has
none. Usage: check_phrases_search.py BUILD_DIR CMAKE"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(HERE, '..', 'search_provider'), os.path.join(HERE, '..', 'support')]
from check_phrases import phrases  # noqa: E402
from check_search_provider import KRUNNER, Bus  # noqa: E402
from relocated_services import relocated_services  # noqa: E402


def main(build, cmake):
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        prefix = os.path.join(folder, 'prefix')
        subprocess.run([cmake, '--install', build, '--prefix', prefix], check=True, capture_output=True)
        relocated_services(build, prefix, folder)
        buses = {}
        try:
            for locale, phrase, _, english in phrases():
                if '/' in locale:  # the bus's provider is started with no LANGUAGE
                    continue
                bus = buses.setdefault(locale, Bus(folder, prefix, locale, 10_000))
                ids, matches = bus.ids(phrase), [m[0] for m in bus.call(KRUNNER, 'Match', '(s)', phrase)]
                expected = bus.ids(english) if english else []
                ok = ids == matches == expected and (ids or not english)
                print(('ok    ' if ok else 'FAIL  ') + f'{locale}: {phrase!r}' + ('' if ok else f': {ids[:2]}'))
                failures += not ok
        finally:
            for bus in buses.values():
                bus.daemon.terminate()
                bus.daemon.wait()
    print(f'{failures} phrases failed' if failures else 'all phrases passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:3]))
