#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The search provider as GNOME Shell 43 itself uses it.

    /usr/bin/python3 gnome_shell.py BUILD CMAKE [LOCALE]

Installs the build into a scratch prefix, starts the shell headless on a
private system and session bus, types queries into its overview through
org.gnome.Shell.Eval (--unsafe-mode), reads back the rows it shows for
Zelvar, activates a row and the provider's icon, and checks the clipboard
and the window that opens; under another LOCALE, that the rows read in its
language. Every process it started is ended, also on failure. Needs gnome-shell, dbus-daemon and python3-gi (scripts/install-deps
test)."""

import configparser
import glob
import json
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time
import uuid

from gi.repository import Gio, GLib

from checks import Checks, StepFailed, log_tail, wait_until
from desktop import Processes, private_dirs
from run_e2e import end_processes, processes_tagged  # noqa: I100 (it puts tests/support on the path)
from relocated_services import relocated_services  # noqa: E402

# About one start in 16 hangs in GNOME 43's ibus start-up; another start
# then goes through.
START_ATTEMPTS, START_TIMEOUT = 4, 30
STEP_TIMEOUT = 15  # a search answered, a window mapped, on a busy machine
LOCALE = 'C.UTF-8'  # the provider's figures and the terminal's alike
WAYLAND_DISPLAY = 'wayland-zelvar'
TAG = 'ZELVAR_SHELL_E2E'
NOT_A_LENGTH = '5 apples'
HEIGHT = '5\'10" in cm'  # converts as 70 inches do
SHOWN = 'Main.overview._overview.controls._searchController._searchResults'


def log(message):
    print(message, flush=True)


def bus_config(folder, kind, servicedir=''):
    """A bus that lets anyone talk to anyone: Debian's strict system policy
    rejects the shell's replies."""
    path = os.path.join(folder, f'{kind}.conf')
    with open(path, 'w') as config:
        config.write('<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"\n'
                     ' "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">\n'
                     f'<busconfig><type>{kind}</type><listen>unix:tmpdir={folder}</listen>'
                     + (f'<servicedir>{servicedir}</servicedir>' if servicedir else '')
                     + '<policy context="default"><allow send_destination="*" eavesdrop="true"/>'
                     '<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>\n')
    return path


class Shell:
    def __init__(self, processes, scratch, build, prefix, locale=LOCALE):
        self.processes = processes
        self.prefix = prefix
        self.log_path = os.path.join(scratch, 'gnome-shell.log')
        # GNOME Shell reads provider files only from XDG_DATA_DIRS, and drops
        # a provider whose program is not on PATH.
        self.env = {key: value for key, value in os.environ.items()
                    if not key.startswith(('DBUS_', 'WAYLAND_', 'XDG_', 'QT_')) and key != 'DISPLAY'}
        self.env.update(private_dirs(scratch), HOME=os.path.join(scratch, 'home'),
                        XDG_DATA_DIRS=f'{prefix}/share:/usr/share', PATH=f'{prefix}/bin:{os.environ["PATH"]}',
                        LC_ALL=locale, LANG=locale, GSETTINGS_BACKEND='memory', **{TAG: uuid.uuid4().hex})
        os.makedirs(self.env['HOME'], exist_ok=True)
        self.env['DBUS_SYSTEM_BUS_ADDRESS'] = self._bus(bus_config(scratch, 'system'))
        # What the provider starts opens its window on the shell.
        self.env['DBUS_SESSION_BUS_ADDRESS'] = self._bus(
            bus_config(scratch, 'session', relocated_services(build, prefix, scratch)),
            WAYLAND_DISPLAY=WAYLAND_DISPLAY, QT_QPA_PLATFORM='wayland')
        self.bus = Gio.DBusConnection.new_for_address_sync(
            self.env['DBUS_SESSION_BUS_ADDRESS'],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        key_file = configparser.ConfigParser()
        key_file.read(glob.glob(f'{prefix}/share/gnome-shell/search-providers/*.ini'))
        self.provider = key_file['Shell Search Provider']
        self.display = f'{SHOWN}._providers.find(p => p.id === {json.dumps(self.provider["DesktopId"])}).display'

    def _bus(self, config, **env):
        with open(self.log_path, 'ab') as bus_log:
            daemon = self.processes.start(['dbus-daemon', f'--config-file={config}', '--print-address=1', '--nofork'],
                                          env=dict(self.env, **env), stdout=subprocess.PIPE, stderr=bus_log, text=True)
        address = daemon.stdout.readline().strip()
        if not address:
            raise StepFailed(f'dbus-daemon --config-file={config} did not start')
        return address

    def call(self, name, path, interface, method, signature, *arguments, timeout=10):
        return self.bus.call_sync(name, path, interface, method, GLib.Variant(signature, arguments), None, 0,
                                  timeout * 1000, None).unpack()

    def eval(self, code):
        ok, result = self.call('org.gnome.Shell', '/org/gnome/Shell', 'org.gnome.Shell', 'Eval', '(s)', code)
        if not ok:
            raise StepFailed(f'the shell failed to run {code!r}: {result}')
        return json.loads(result) if result else None

    def start(self):
        for attempt in range(1, START_ATTEMPTS + 1):
            with open(self.log_path, 'ab') as shell_log:
                shell = self.processes.start(
                    ['gnome-shell', '--headless', '--wayland', '--no-x11', '--virtual-monitor', '1280x800',
                     '--unsafe-mode', '--wayland-display', WAYLAND_DISPLAY],
                    env=self.env, stdin=subprocess.DEVNULL, stdout=shell_log, stderr=shell_log,
                    preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_CORE, (0, 0)))  # it may crash at exit

            def ready():
                try:
                    return self.eval('!Main.layoutManager._startingUp'), 'starting'
                except (GLib.Error, StepFailed) as error:
                    return False, str(error)

            def still_running():
                if shell.poll() is not None:
                    raise StepFailed(f'gnome-shell ended with status {shell.returncode}')
            try:
                wait_until(ready, START_TIMEOUT, 'the shell up', interval=0.2, while_waiting=still_running)
                return
            except StepFailed as failure:
                log(f'start {attempt} of {START_ATTEMPTS}: {failure}')
                self.processes.end(shell)
        raise StepFailed(f'gnome-shell did not start in {START_ATTEMPTS} attempts:\n'
                         + log_tail(self.log_path, 20, '(no output)', '(no log)'))

    def search(self, query):
        """The rows the overview shows for Zelvar once the shell has its
        results for query from every provider."""
        # The overview resets its search when it opens, so the text goes in
        # once it is open.
        self.eval('Main.overview.show()')
        wait_until(lambda: self.eval('Main.overview.visible && !Main.overview.animationInProgress'), STEP_TIMEOUT,
                   'the overview open')
        self.eval(f'Main.overview.searchEntry.set_text({json.dumps(query)})')

        def rows():
            seen = self.eval(f"""(() => {{
                const view = {SHOWN};
                return {{done: view.terms.join(' ') === {json.dumps(query)} && !view.searchInProgress,
                         rows: {self.display}._content.get_children().map(({{metaInfo: m}}) => ({{
                             id: m.id, name: m.name, description: m.description, clipboardText: m.clipboardText}}))}};
            }})()""")
            return seen['done'] and seen, seen
        return wait_until(rows, STEP_TIMEOUT, f'the results for {query!r}', interval=0.1)['rows']

    def window_opened(self, before):
        """The pid and command line of the one new window of Zelvar's app."""
        def probe():
            windows = self.eval("""global.get_window_actors().map(actor => actor.meta_window).map(w => ({
                pid: w.get_pid(), title: w.get_title(),
                app: imports.gi.Shell.WindowTracker.get_default().get_window_app(w)?.get_id()}))""")
            new = [w for w in windows if w['pid'] not in before]
            return len(new) == 1 and new[0]['app'] == self.provider['DesktopId'] and new[0], windows
        pid = wait_until(probe, STEP_TIMEOUT, "Zelvar's window")['pid']
        with open(f'/proc/{pid}/cmdline', 'rb') as cmdline:
            return pid, [os.path.realpath(f'/proc/{pid}/exe')] + cmdline.read().decode().split('\0')[1:-1]

    def clipboard(self):
        self.eval("""globalThis.zelvarClipboard = undefined; imports.gi.St.Clipboard.get_default().get_text(
            imports.gi.St.ClipboardType.CLIPBOARD, (clipboard, text) => { globalThis.zelvarClipboard = text; })""")
        return wait_until(lambda: self.eval('globalThis.zelvarClipboard'), STEP_TIMEOUT, 'the clipboard')


def expected_rows(shell, query, figures, description='5 feet'):
    """What the shell shows for query: the provider's first five results,
    each with the window's figure, as the installed program prints it, written
    as prose writes numbers ("1,524", "0.00152"), and the unit's English name,
    which for these units is its caption in lower case ("meters")."""
    ids = shell.call(shell.provider['BusName'], shell.provider['ObjectPath'], 'org.gnome.Shell.SearchProvider2',
                     'GetInitialResultSet', '(as)', query.split(' '))[0]
    rows = []
    for result in ids[:5]:
        unit = result.rsplit(' in ', 1)[1]
        figure = ('0' + figures[unit] if figures[unit].startswith('.') else figures[unit]).rstrip('.')
        # The clipboard gets the figure as the window's Copy gives it: ungrouped.
        rows.append({'id': result, 'name': f'{figure} {unit.lower()}', 'description': description,
                     'clipboardText': figure.replace(',', '')})
    return rows


def check_shell(shell, checks):
    binary = os.path.realpath(os.path.join(shell.prefix, 'bin', 'zelvar'))

    def figures_of(number, unit):
        table = subprocess.run([binary, '--convert', number, unit], env=shell.env, capture_output=True, text=True,
                               check=True).stdout
        return dict(line.split('\t') for line in table.splitlines())
    figures = figures_of('5', 'ft')
    loaded = shell.eval(f'{SHOWN}._providers.map(p => p.id)')
    if shell.provider['DesktopId'] not in loaded:
        raise StepFailed(f"the shell loaded no provider of Zelvar's, only {loaded}: it needs the prefix's share "
                         "in XDG_DATA_DIRS and its bin on PATH")
    for query in ('5 ft', '5 ft in m'):  # the second narrows the first, as typing on does
        checks.equal(shell.search(query), expected_rows(shell, query, figures), f'the rows for {query!r}')
    shell.eval(f'{shell.display}._content.get_child_at_index(0).activate()')
    checks.equal(shell.clipboard(), figures['METERS'], 'the clipboard after the row was activated')
    show_5_feet = [binary, '--show', '5', 'FEET']
    pid, command = shell.window_opened([])
    checks.equal(command, show_5_feet, 'the program behind the window the row opened')
    end_processes([pid])

    checks.equal(shell.search(NOT_A_LENGTH), [], f'the rows for {NOT_A_LENGTH!r}')
    checks.equal(shell.search(HEIGHT), expected_rows(shell, HEIGHT, figures_of('70', 'in'), '5 feet 10 inches'),
                 f'the rows for {HEIGHT!r}')
    shell.search('5 ft')
    shell.eval(f"{shell.display}.providerInfo.emit('clicked', 1)")
    pid, command = shell.window_opened([pid])
    checks.equal(command, show_5_feet, "the program behind the window the provider's icon opened")
    end_processes([pid])


def check_german_shell(shell, checks):
    """A German desktop: its words are read and its rows are German, and
    English words still work."""
    for query in ('5 Fu\u00df in m', '5 ft in m'):
        rows = shell.search(query)
        checks.equal([(row['name'], row['description']) for row in rows], [('1,524 Meter', '5 Fu\u00df')],
                     f'the rows for {query!r}')


def main(build, cmake, locale=LOCALE):
    if shutil.which('gnome-shell') is None:
        log('gnome_shell: FAIL: gnome-shell is not installed (scripts/install-deps test installs it)')
        return 1
    started = time.monotonic()
    checks = Checks('gnome_shell', log)
    scratch = tempfile.mkdtemp(prefix='zelvar-shell-')
    processes = Processes()
    shell = None
    try:
        prefix = os.path.join(scratch, 'prefix')
        subprocess.run([cmake, '--install', build, '--prefix', prefix], check=True, stdout=subprocess.DEVNULL,
                       timeout=60)
        shell = Shell(processes, scratch, build, prefix, locale)
        shell.start()
        log(f'gnome-shell up after {time.monotonic() - started:.1f} s')
        (check_shell if locale == LOCALE else check_german_shell)(shell, checks)
    except (StepFailed, GLib.Error, subprocess.SubprocessError) as failure:
        checks.check(False, f'stopped: {failure}')
        if shell:
            log('gnome-shell said:\n' + log_tail(shell.log_path, 20, '(nothing)', '(no log)'))
    finally:
        processes.end_all()
        if shell:
            end_processes(processes_tagged(f'{TAG}={shell.env[TAG]}'))
        shutil.rmtree(scratch, ignore_errors=True)
    log(f'gnome_shell: {"FAILED" if checks.failures else "passed"} in {time.monotonic() - started:.1f} s')
    return 1 if checks.failures else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:4]))
