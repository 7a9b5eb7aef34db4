# SPDX-License-Identifier: GPL-3.0-or-later
"""The converter window as a desktop's search opens it: a result picked in
GNOME Shell's search reaches the search provider (ActivateResult), which the
session bus starts from its installed service file; the provider starts
`zelvar --show`, and the window comes straight up with the conversion done."""

import configparser
import glob
import os
import signal
import subprocess
import time

from gi.repository import Gio, GLib

import person
from checks import StepFailed
from program import APPEAR_TIMEOUT, Program
from views import main_windows

RESULT_ID = '5 FEET in METERS'
TERMS = ['5', 'ft', 'in', 'm']
# 5 ft: 1.524 m (5 x 0.3048), 5/3 yd, 60 in; the unit converted from shows its name.
FIVE_FEET = {'METERS': '1.524', 'CENTIMETERS': '152.4', 'MILLIMETERS': '1,524.', 'YARDS': '1.66667',
             'INCHES': '60.', 'FEET': 'FEET'}


def provider_of(prefix):
    """The bus name and object the installed key file names, as GNOME Shell reads them."""
    files = glob.glob(os.path.join(prefix, 'share', 'gnome-shell', 'search-providers', '*.ini'))
    if len(files) != 1:
        raise StepFailed(f'{len(files)} search provider key files installed, expected one: {files}')
    key_file = configparser.ConfigParser()
    key_file.read(files[0])
    section = key_file['Shell Search Provider']
    return section['BusName'], section['ObjectPath']


class Detached:
    """A process the provider started, not this test: no exit status to read."""

    def __init__(self, pid):
        self.pid = pid

    def poll(self):
        try:
            with open(f'/proc/{self.pid}/stat') as stat:
                return 0 if stat.read().rsplit(')', 1)[1].split()[0] == 'Z' else None
        except OSError:
            return 0

    def wait(self, timeout):
        deadline = time.monotonic() + timeout
        while self.poll() is None:
            if time.monotonic() > deadline:
                raise subprocess.TimeoutExpired(str(self.pid), timeout)
            time.sleep(0.05)


class FromSearch(Program):
    def start(self):
        env = self.environment()
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def call(name, path, interface, method, arguments):
            return bus.call_sync(name, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE, 10000, None)
        # What a desktop session does at login: the services the bus starts
        # from now on get the display and the run's settings.
        call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus', 'UpdateActivationEnvironment',
             GLib.Variant('(a{ss})', (env,)))
        self._bus_name, path = provider_of(os.path.dirname(os.path.dirname(self.h.binary)))
        self.h.log(f'[{self.name}] ActivateResult {RESULT_ID!r} on {self._bus_name}')
        self.started_at = time.monotonic()
        call(self._bus_name, path, 'org.gnome.Shell.SearchProvider2', 'ActivateResult',
             GLib.Variant('(sasu)', (RESULT_ID, TERMS, 0)))
        self._provider = call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                              'GetConnectionUnixProcessID', GLib.Variant('(s)', (self._bus_name,))).unpack()[0]
        deadline = time.monotonic() + APPEAR_TIMEOUT
        while not (shown := [pid for pid in self.left_behind_pids() if pid != self._provider]):
            if time.monotonic() > deadline:
                raise StepFailed(f'the provider started no program within {APPEAR_TIMEOUT} s')
            time.sleep(0.05)
        self._process = Detached(shown[0])

    def left_behind_pids(self):
        return [int(line.split(':', 1)[0]) for line in self.left_behind()]

    def stop(self):
        """The window's process and the provider, which would otherwise stay
        its 30 idle seconds and outlive the private session."""
        for pid in ([self._process.pid] if self._process else []) + [getattr(self, '_provider', None)]:
            if pid:
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        if self._process:
            try:
                self._process.wait(5)
            except subprocess.TimeoutExpired:
                os.kill(self._process.pid, signal.SIGKILL)


def run_from_search(p):
    """No splash: the converter window first, with 5 in the entry, FEET
    picked and the fields converted; from then on the window as always."""
    windows = person.first_windows(p)
    p.checks.check(len(windows) == 1 and main_windows(windows),
                   f'the converter window comes first and alone: {", ".join(map(str, windows))}')
    view = person.converter(p, 'the converter window opened from the search')
    p.screenshot('converter')
    p.checks.equal((view.entry_text, view.unit_list_text), ('5', 'FEET'), 'the number and the unit shown')
    p.checks.mapping({unit: view.fields[unit] for unit in FIVE_FEET}, FIVE_FEET, 'fields converted from the search')
    p.checks.check(all(view.fields.values()), f'every field converted: {view.fields}')
    p.keys('Escape')
    view = person.settle(p, lambda v: not any(v.fields.values()), 'the grid emptied by Esc')
    p.checks.check(not any(view.fields.values()), f'Esc empties the fields as always: {view.fields}')
    p.keys('alt+f')
    person.until(p, lambda v: 'Exit' in v.menu_items and v.menu_items['Exit'].showing, 'File > Exit showing')
    p.keys('x')
    p.wait(lambda: (p._process.poll() is not None, 'still running'), 'the program ended by File > Exit')
