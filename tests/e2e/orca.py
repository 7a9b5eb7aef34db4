# SPDX-License-Identifier: GPL-3.0-or-later
"""The program beside the real Orca, the desktop's screen-reader setting on: what
Orca says at each step, read from its debug log's "SPEECH OUTPUT" lines."""

import os
import re
import signal
import subprocess
import time

from gi.repository import Gio, GLib

import person
from checks import StepFailed, wait_until
from expected import MINUS_TWO_AND_A_HALF_FEET, OVERFLOWING_ENTRY, TITLE, UNITS, UNIT_CAPTIONS
from program import Program

SAID = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|\[)", re.S)  # a message box's text has several lines
READY_TIMEOUT = 30  # Orca's first words after its start, on a busy machine
SAY_TIMEOUT = 8
# Orca's log, opened line-buffered, can be read while Orca runs.
LINE_BUFFERED_ORCA = '''
import builtins, runpy, sys
log, plain_open = sys.argv[1], builtins.open
builtins.open = lambda file, *rest, **named: (plain_open(file, 'w', 1) if file == log
                                              else plain_open(file, *rest, **named))
sys.argv = ['orca', '--debug-file', log]
runpy.run_path('/usr/bin/orca', run_name='__main__')
'''
# The result grid as it is read: the left (customary) column, then the right, each from the top.
READING_ORDER = sorted(UNITS, key=lambda unit: UNIT_CAPTIONS[unit][:2])


class WithOrca(Program):

    def start(self):
        env = self.environment()
        home = os.path.join(self.h.out_dir, 'orca-home')
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, '.config'))
        env.pop('GTK_MODULES', None)
        env.pop(self._tag.split('=', 1)[0])  # Orca is not the program's: it outlives it
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            'org.a11y.Bus', '/org/a11y/bus', 'org.freedesktop.DBus.Properties', 'Set',
            GLib.Variant('(ssv)', ('org.a11y.Status', 'ScreenReaderEnabled', GLib.Variant('b', True))),
            None, Gio.DBusCallFlags.NONE, 3000, None)
        self.log_path = os.path.join(self.h.out_dir, 'orca-debug.log')
        self.heard = 0
        with open(os.path.join(self.h.out_dir, 'orca.log'), 'wb') as out:
            self.orca = self.h.processes.start(['/usr/bin/python3', '-c', LINE_BUFFERED_ORCA, self.log_path],
                                               env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=out)
        wait_until(self.said, READY_TIMEOUT, 'Orca speaking for the first time')
        time.sleep(3)  # Orca settles before it follows a new program
        super().start()

    def stop(self):
        super().stop()
        if getattr(self, 'orca', None):
            self.orca.send_signal(signal.SIGTERM)  # Orca acts on it at its next event
            self.desktop.keys('shift')
            self.h.processes.end(self.orca, grace=5)

    def said(self):
        return SAID.findall(open(self.log_path, errors='replace').read()) if os.path.exists(self.log_path) else []

    def says(self, what, *expected):
        """Waits for Orca to say each text, in order, since the last step."""
        def probe():
            new = self.said()[self.heard:]
            found, at = 0, 0
            for index, utterance in enumerate(new):
                if found < len(expected) and expected[found] in utterance:
                    found, at = found + 1, index + 1
            return (found == len(expected) and at), new
        try:
            self.heard += self.wait(probe, f'Orca saying {expected} after {what}', SAY_TIMEOUT)
        except StepFailed as failure:
            self.checks.check(False, str(failure))

    def says_only(self, what, *expected):
        """Waits for Orca to say exactly these texts since the last step, besides echoing keys."""
        start = self.heard
        self.says(what, *expected)
        spoken = [text for text in self.said()[start:self.heard] if not text.endswith(' ')]  # a key's echo
        self.checks.equal(spoken, list(expected), f'all Orca said after {what}')

    def press(self, *keys):
        for key in keys:
            self.keys(key)
            time.sleep(0.6)  # so that Orca keeps up


def run_with_orca(p):
    """Number, unit by arrows, CONVERT, results by Tab, word keys, overflow: what Orca says."""
    row = MINUS_TWO_AND_A_HALF_FEET
    person.first_windows(p)
    p.says('the splash', f'{TITLE} {p.h.version}')
    p.press('space')
    p.says('the converter window', 'Number to convert text')
    p.type(row.entry)
    p.press('Tab')
    p.says_only('Tab into the unit list', 'Unit of the number editable combo box.', 'Select Unit.')
    p.press(*['Down'] * (UNITS.index(row.unit) + 1))
    p.says('the arrows in the unit list', *UNITS[:UNITS.index(row.unit) + 1])
    p.press('Return')
    figures = [f'{unit} {row.fields[unit]}' for unit in READING_ORDER if unit != row.unit]
    p.says('CONVERT', 'notification ' + ', '.join(figures))
    p.press('Tab', 'Tab')
    p.says('Tab, Tab from the unit list', 'CONVERT push button', 'CLEAR push button')
    for unit in READING_ORDER:
        p.press('Tab')
        p.says(f'Tab onto {unit}', f'{unit} label' if unit == row.unit else f'{unit} {row.fields[unit]} label')
    p.press('Tab')
    p.says('Tab from the last field', 'Number to convert text')
    p.press('End', 'ctrl+Left', 'ctrl+Left', 'ctrl+Right', 'ctrl+Right', 'shift+ctrl+Left', 'Home')
    p.checks.equal(person.converter(p).entry_text, row.entry, 'the number entry answering after the word keys')
    p.press('ctrl+a')
    p.type(OVERFLOWING_ENTRY)
    p.press('alt+c')
    p.says('an overflow', 'Run-time error 6', 'OK push button')
    p.press('Return')
    p.says('OK on the error box', f'{TITLE} frame')
    p.press('alt+F4')
    p.checks.equal(p.wait_for_end('closing the converter window'), 0, 'exit status')
