# SPDX-License-Identifier: GPL-3.0-or-later
"""The converter window as a desktop's search opens it: a result picked in
GNOME Shell's search reaches the search provider (ActivateResult), which the
session bus starts from its installed service file; the provider starts
`zelvar --show`, and the window comes straight up with the conversion done."""

import configparser
import contextlib
import glob
import os
import signal
import time

from gi.repository import Gio, GLib

import person
from checks import StepFailed
from program import APPEAR_TIMEOUT, Program
from views import main_windows

# 5 ft: 1.524 m (5 x 0.3048), 5/3 yd, 60 in; the unit converted from shows its name.
FIVE_FEET = {'METERS': '1.524', 'CENTIMETERS': '152.4', 'MILLIMETERS': '1,524.', 'YARDS': '1.66667',
             'INCHES': '60.', 'FEET': 'FEET'}


class Detached:
    """A process the provider started, not this test: no exit status to read."""

    def __init__(self, pid):
        self.pid = pid

    def poll(self):  # gone, or a zombie nobody reaps
        with contextlib.suppress(OSError), open(f'/proc/{self.pid}/stat') as stat:
            return 0 if stat.read().rsplit(')', 1)[1].split()[0] == 'Z' else None
        return 0


class FromSearch(Program):
    def start(self):
        env = self.environment()
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def call(name, path, interface, method, signature, *arguments):
            return bus.call_sync(name, path, interface, method, GLib.Variant(signature, arguments), None, 0, 10000,
                                 None).unpack()
        # As a desktop session does at login: what the bus starts from now on
        # gets the display and the run's settings.
        call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus', 'UpdateActivationEnvironment',
             '(a{ss})', env)
        # The provider, as GNOME Shell finds it: by its installed key file.
        key_file = configparser.ConfigParser()
        key_file.read(glob.glob(os.path.join(os.path.dirname(os.path.dirname(self.h.binary)),
                                             'share/gnome-shell/search-providers/*.ini')))
        provider = key_file['Shell Search Provider']
        self.started_at = time.monotonic()
        call(provider['BusName'], provider['ObjectPath'], 'org.gnome.Shell.SearchProvider2', 'ActivateResult',
             '(sasu)', '5 FEET in METERS', ['5', 'ft', 'in', 'm'], 0)
        self._provider = call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                              'GetConnectionUnixProcessID', '(s)', provider['BusName'])[0]
        deadline = time.monotonic() + APPEAR_TIMEOUT
        while not (shown := [int(line.split(':')[0]) for line in self.left_behind() if '--show' in line]):
            if time.monotonic() > deadline:
                raise StepFailed(f'the provider started no program within {APPEAR_TIMEOUT} s')
            time.sleep(0.05)
        self._process = Detached(shown[0])

    def stop(self):
        """Ends the window, and the provider, which would outlive the private session."""
        for pid in filter(None, (self._process and self._process.pid, getattr(self, '_provider', None))):
            with contextlib.suppress(ProcessLookupError):
                os.kill(pid, signal.SIGKILL)


def run_from_search(p):
    """No splash: the converter window first, 5 FEET converted; then File > Exit as always."""
    windows = person.first_windows(p)
    p.checks.check(len(windows) == 1 and main_windows(windows),
                   f'the converter window comes first and alone: {", ".join(map(str, windows))}')
    view = person.converter(p, 'the converter window opened from the search')
    p.screenshot('converter')
    p.checks.equal((view.entry_text, view.unit_list_text), ('5', 'FEET'), 'the number and the unit shown')
    p.checks.mapping({unit: view.fields[unit] for unit in FIVE_FEET}, FIVE_FEET, 'fields converted from the search')
    p.keys('alt+f')
    person.until(p, lambda v: 'Exit' in v.menu_items and v.menu_items['Exit'].showing, 'File > Exit showing')
    p.keys('x')
    p.wait(lambda: (p._process.poll() is not None, 'still running'), 'the program ended by File > Exit')
