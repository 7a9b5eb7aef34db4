#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of the installed program under a real X server and a
Wayland compositor.

    /usr/bin/python3 run_e2e.py --build-dir BUILD --version VERSION [--cmake CMAKE] [--out DIR]
                                [--only RUN,...]

Installs the build into a scratch prefix with `cmake --install`, then, on a
private session bus, starts Xvfb and openbox and runs the installed binary
several times with accessibility on: keys are pressed with xdotool as a person
presses them, and the windows are read over AT-SPI as a screen reader reads
them. One more run is under a headless weston, where the program is driven
through AT-SPI alone. VERSION is the version the windows must show (the
project's own). A screenshot of each step, each run's output and, on failure,
the accessible tree go to DIR (BUILD/e2e by default).

Needs Debian's python3 with python3-gi and gir1.2-atspi-2.0, and the tools
scripts/install-deps installs; exits non-zero with a message saying what went
wrong, never hangs: every wait has a deadline and every process it started is
ended, also on failure."""

import argparse
import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import uuid

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'support'))
from relocated_services import relocated_services  # noqa: E402
SESSION_TAG = 'ZELVAR_E2E_SESSION'
TOOLS = ('dbus-run-session', 'Xvfb', 'openbox', 'xdotool', 'xprop', 'xwininfo', 'import')
WAYLAND_RUN = 'wayland'
WAYLAND_TOOLS = ('weston', 'weston-screenshooter')  # Debian's weston
INNER_TIMEOUT = 100   # seconds for all runs, inside the private bus (--timeout)
OUTER_SLACK = 10      # seconds more before the private bus and everything on it are ended
INSTALL_TIMEOUT = 60


def log(message):
    print(message, flush=True)


def missing_prerequisites(args):
    problems = [f'{tool} is not installed' for tool in TOOLS if shutil.which(tool) is None]
    orca_wanted = args.only and 'orca' in args.only.split(',')
    problems += ['orca is not installed'] if orca_wanted and not shutil.which('orca') else []
    if not args.only or WAYLAND_RUN in args.only.split(','):
        problems += [f'{tool} is not installed (the Wayland run needs weston)'
                     for tool in WAYLAND_TOOLS if shutil.which(tool) is None]
    try:
        import gi
        gi.require_version('Atspi', '2.0')
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError) as error:
        problems.append(f'{sys.executable} cannot load the AT-SPI bindings ({error}); '
                        'run with /usr/bin/python3, which has python3-gi and gir1.2-atspi-2.0')
    locales = subprocess.run(['locale', '-a'], capture_output=True, text=True).stdout.lower().split()
    if 'de_de.utf8' not in locales and 'de_de.utf-8' not in locales:
        problems.append('the locale de_DE.UTF-8 is not generated')
    return problems


def processes_tagged(tag):
    found = []
    for entry in os.listdir('/proc'):
        if entry.isdigit() and int(entry) != os.getpid():
            try:
                with open(f'/proc/{entry}/environ', 'rb') as environ:
                    if tag.encode() in environ.read().split(b'\0'):
                        found.append(int(entry))
            except OSError:
                continue
    return found


def command_of(pid):
    try:
        with open(f'/proc/{pid}/cmdline', 'rb') as cmdline:
            return cmdline.read().replace(b'\0', b' ').decode(errors='replace').strip()
    except OSError:
        return '(gone)'


def end_leftovers(tag):
    """Ends what still runs from the private session. The bus's own services
    (the accessibility bus and its registry) go away by themselves soon after
    the bus; anything else left is a fault of the test. Returns False then."""
    deadline = time.monotonic() + 3
    while processes_tagged(tag) and time.monotonic() < deadline:
        time.sleep(0.1)
    leftovers = {pid: command_of(pid) for pid in processes_tagged(tag)}
    if not leftovers:
        return True
    end_processes(list(leftovers))
    services = ('dbus-daemon', 'at-spi-bus-launcher', 'at-spi2-registryd')
    strays = {pid: command for pid, command in leftovers.items()
              if not any(os.path.basename(command.split(' ')[0]) == name for name in services)}
    log('e2e: ended what the private session left running: '
        + '; '.join(f'{pid} {command}' for pid, command in leftovers.items()))
    if strays:
        log('e2e: FAIL: processes the test started outlived it')
    return not strays


def end_processes(pids):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in pids:
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline and any(os.path.exists(f'/proc/{pid}') for pid in pids):
            time.sleep(0.05)


def outer(args):
    """Installs, then runs the inner part on a private session bus of its own,
    and ends whatever on that bus outlives it."""
    started = time.monotonic()
    problems = missing_prerequisites(args)
    if problems:
        log('e2e: FAIL: ' + '; '.join(problems) + ' (scripts/install-deps installs what is needed)')
        return 1
    out_dir = os.path.abspath(args.out or os.path.join(args.build_dir, 'e2e'))
    os.makedirs(out_dir, exist_ok=True)
    for stale in glob.glob(os.path.join(out_dir, '*.png')) + glob.glob(os.path.join(out_dir, '*.log')) \
            + glob.glob(os.path.join(out_dir, '*.txt')):
        os.remove(stale)

    scratch = tempfile.mkdtemp(prefix='zelvar-e2e-')
    try:
        prefix = os.path.join(scratch, 'prefix')
        try:
            install = subprocess.run([args.cmake, '--install', args.build_dir, '--prefix', prefix],
                                     capture_output=True, text=True, timeout=INSTALL_TIMEOUT)
        except subprocess.TimeoutExpired:
            log(f'e2e: FAIL: cmake --install did not finish within {INSTALL_TIMEOUT} s')
            return 1
        binary = os.path.join(prefix, 'bin', 'zelvar')
        if install.returncode != 0 or not os.access(binary, os.X_OK):
            log(f'e2e: FAIL: cmake --install {args.build_dir} --prefix {prefix} did not install bin/zelvar '
                f'(status {install.returncode}):\n{install.stdout}{install.stderr}')
            return 1
        log(f'e2e: installed into {prefix} in {time.monotonic() - started:.1f} s; screenshots and logs in {out_dir}')

        tag = f'{SESSION_TAG}={uuid.uuid4().hex}'
        env = dict(os.environ)
        env.pop('DBUS_SESSION_BUS_ADDRESS', None)
        env.pop('AT_SPI_BUS_ADDRESS', None)
        env['GSETTINGS_BACKEND'] = 'memory'  # the accessibility bus keeps the screen-reader setting there
        env[SESSION_TAG] = tag.split('=', 1)[1]
        # The buses' chatter and anything the runs print on stderr go to session.log.
        session_log_path = os.path.join(out_dir, 'session.log')
        with open(session_log_path, 'wb') as session_log:
            inner = subprocess.Popen(['dbus-run-session', f'--config-file={session_bus_config(scratch, args.build_dir, prefix)}', '--',
                                      sys.executable, os.path.abspath(__file__), '--inner',
                                      '--binary', binary, '--out', out_dir, '--scratch', scratch,
                                      '--version', args.version, '--timeout', str(args.timeout)]
                                     + (['--only', args.only] if args.only else []),
                                     env=env, stdin=subprocess.DEVNULL, stderr=session_log, start_new_session=True)
        status = 1
        try:
            status = inner.wait(timeout=args.timeout + OUTER_SLACK)
        except subprocess.TimeoutExpired:
            log(f'e2e: FAIL: the test did not finish within {args.timeout + OUTER_SLACK} s; ending it')
            os.killpg(inner.pid, signal.SIGKILL)
            inner.wait()
        finally:
            status = status if end_leftovers(tag) else 1
        if status != 0:
            with open(session_log_path, errors='replace') as session_log:
                errors = [line for line in session_log if not line.startswith('dbus-daemon[')]
            if errors:
                log('e2e: on stderr:\n' + ''.join(errors[-30:]).rstrip())
        log(f'e2e: {"passed" if status == 0 else "FAILED"} in {time.monotonic() - started:.1f} s')
        return status
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def session_bus_config(scratch, build, prefix):
    """The session bus's own configuration, and the prefix's services (the search provider)."""
    path = os.path.join(scratch, 'session.conf')
    with open(path, 'w') as config:
        config.write('<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"\n'
                     ' "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">\n'
                     '<busconfig><include>/usr/share/dbus-1/session.conf</include>'
                     f'<servicedir>{relocated_services(build, prefix, scratch)}</servicedir></busconfig>\n')
    return path


class Harness:
    """What every run shares: the desktop, the screen reader, the processes."""

    def __init__(self, binary, version, out_dir, scratch, desktop, reader, processes):
        self.binary = binary
        self.version = version  # the version the windows must show
        self.out_dir = out_dir
        self.desktop = desktop
        self.reader = reader
        self.processes = processes
        self.log = log
        self.scale_one_size = None  # the converter window's size at scale 1, once measured
        self._scratch = scratch
        self._wayland = None

    def desktop_for(self, kind):
        """The X desktop, or the Wayland one, which is started the first time
        a run asks for it (a failure to start is that run's failure)."""
        if kind == 'x11':
            return self.desktop
        from desktop import WaylandDesktop
        if self._wayland is None:
            self._wayland = WaylandDesktop(self.processes, self._scratch, self.out_dir)
        self._wayland.start()
        return self._wayland


def inner(args):
    from checks import StepFailed
    from desktop import Desktop, Processes
    from program import Program
    from scenarios import RUNS
    from screen_reader import ScreenReader, Vanished

    expired = []

    def out_of_time(signum, frame):
        expired.append(True)
        raise StepFailed(f'the runs did not finish within {args.timeout} s')
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(args.timeout)

    runs = [run for run in RUNS if (run.name in args.only.split(',') if args.only else not run.alone)]
    processes = Processes()
    results = []
    try:
        desktop = Desktop(processes, args.scratch, args.out)
        desktop.start()
        harness = Harness(args.binary, args.version, args.out, args.scratch, desktop, ScreenReader(), processes)
        for name, env, run, kind, starts, _ in runs:
            if expired:
                break
            program = (starts or Program)(harness, name, env, kind)
            started = time.monotonic()
            try:
                program.start()
                run(program)
            except (StepFailed, Vanished) as failure:
                program.checks.check(False, f'stopped: {failure}')
                keep_evidence(program)
            except Exception:
                program.checks.check(False, f'stopped by an error in the test:\n{traceback.format_exc()}')
                keep_evidence(program)
            finally:
                program.stop()
            results.append((name, time.monotonic() - started, program.checks.failures))
            log(f'[{name}] {"passed" if not program.checks.failures else "FAILED"} '
                f'in {time.monotonic() - started:.1f} s')
    except StepFailed as failure:
        results.append(('desktop', 0.0, [str(failure)]))
    finally:
        signal.alarm(0)
        processes.end_all()

    failed = [(name, failures) for name, _, failures in results if failures]
    for name, failures in failed:
        log(f'\n{name}: {len(failures)} failures')
        for failure in failures:
            log(f'  - {failure}')
    log(f'\ne2e: {len(results) - len(failed)} of {len(results)} runs passed: '
        + ', '.join(f'{name} {seconds:.1f} s' for name, seconds, _ in results))
    return 1 if failed or len(results) < len(runs) else 0


def keep_evidence(program):
    """A screenshot and the accessible tree as they were when the run stopped."""
    if not program.started:
        return
    try:
        program.screenshot('stopped')
    except Exception as error:  # the evidence is a help, never a second failure
        log(f'  (no screenshot: {error})')
    try:
        root = program.tree()
        with open(os.path.join(program.h.out_dir, f'{program.name}-stopped-tree.txt'), 'w') as out:
            out.write(root.outline() if root else 'the program was not on the accessibility bus\n')
    except Exception as error:
        log(f'  (no accessible tree: {error})')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--build-dir')
    parser.add_argument('--cmake', default='cmake')
    parser.add_argument('--out')
    parser.add_argument('--version', help='the version the windows must show (the project\'s)')
    parser.add_argument('--only', help='the runs to do, by name, separated by commas (default: all)')
    parser.add_argument('--timeout', type=int, default=INNER_TIMEOUT, help='seconds for all runs')
    parser.add_argument('--inner', action='store_true', help=argparse.SUPPRESS)
    parser.add_argument('--binary', help=argparse.SUPPRESS)
    parser.add_argument('--scratch', help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.inner:
        sys.path.insert(0, HERE)
        return inner(args)
    if not args.build_dir:
        parser.error('--build-dir is required')
    if not args.version or not re.fullmatch(r'\d+(\.\d+)*', args.version):
        parser.error(f'--version needs the version as digits and dots, not {args.version!r}')
    args.build_dir = os.path.abspath(args.build_dir)
    return outer(args)


if __name__ == '__main__':
    sys.exit(main())
