# SPDX-License-Identifier: GPL-3.0-or-later
"""Private desktops for one test. The X one: Xvfb on a free display,
openbox, keys pressed as a person presses them, window geometry and
screenshots. The Wayland one: a headless weston on a socket of its own, with
screenshots; it has no keyboard, so a run there acts through the screen reader.

Every process is started in a process group of its own and ended with it,
also when the test fails or is interrupted."""

import glob
import os
import re
import select
import shutil
import signal
import socket
import subprocess
import tempfile
import time

from checks import StepFailed, log_tail

HERE = os.path.dirname(os.path.abspath(__file__))
SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
TOOL_TIMEOUT = 10  # seconds for one xdotool, xprop, xwininfo or import call


class Processes:
    """The processes this test started; each leads its own process group."""

    def __init__(self):
        self._started = []

    def start(self, argv, **kwargs):
        process = subprocess.Popen(argv, start_new_session=True, **kwargs)
        self._started.append(process)
        return process

    @staticmethod
    def end(process, grace=2.0):
        """Ends the process and everything in its group: TERM, then KILL."""
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=grace)
                return
            except subprocess.TimeoutExpired:
                continue
        process.wait()

    def end_all(self):
        for process in reversed(self._started):
            self.end(process)
        self._started.clear()


def private_dirs(scratch_dir):
    """XDG folders of the test's own, so nothing of the user's desktop settings
    reaches the desktop or the program."""
    dirs = {name: os.path.join(scratch_dir, name.lower()) for name in
            ('XDG_CONFIG_HOME', 'XDG_CACHE_HOME', 'XDG_DATA_HOME', 'XDG_RUNTIME_DIR')}
    for path in dirs.values():
        os.makedirs(path, mode=0o700, exist_ok=True)
        os.chmod(path, 0o700)
    return dirs


class Desktop:
    """Xvfb and openbox, with a configuration of their own in scratch_dir."""

    platform_env = {'QT_QPA_PLATFORM': 'xcb'}
    plugin_package = 'libqt6gui6'  # Qt's platform plugin for X

    def __init__(self, processes, scratch_dir, log_dir):
        self._processes = processes
        self._scratch = scratch_dir
        self._log_dir = log_dir
        self.display = None
        self.env = None

    def start(self):
        read_end, write_end = os.pipe()
        with open(os.path.join(self._log_dir, 'xvfb.log'), 'wb') as log:
            self._processes.start(
                ['Xvfb', '-displayfd', str(write_end), '-screen', '0', f'{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24',
                 '-nolisten', 'tcp', '-noreset'],
                pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        os.close(write_end)
        try:
            self.display = ':' + self._read_display(read_end)
        finally:
            os.close(read_end)

        self.env = dict(os.environ, DISPLAY=self.display, **private_dirs(self._scratch))
        os.environ['DISPLAY'] = self.display  # for the accessibility library in this process

        with open(os.path.join(self._log_dir, 'openbox.log'), 'wb') as log:
            self._processes.start(['openbox', '--sm-disable'], env=self.env,
                                  stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        deadline = time.monotonic() + 10
        while 'window id' not in self._tool(['xprop', '-root', '_NET_SUPPORTING_WM_CHECK'], check=False):
            if time.monotonic() > deadline:
                raise StepFailed('openbox did not come up within 10 s (see openbox.log)')
            time.sleep(0.05)

    @staticmethod
    def _read_display(fd, timeout=10):
        text = b''
        deadline = time.monotonic() + timeout
        while not text.endswith(b'\n'):
            ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                raise StepFailed(f'Xvfb did not report a display within {timeout} s (see xvfb.log)')
            chunk = os.read(fd, 64)
            if not chunk:
                raise StepFailed('Xvfb ended before it reported a display (see xvfb.log)')
            text += chunk
        return text.decode().strip()

    def _tool(self, argv, check=True):
        try:
            done = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=TOOL_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise StepFailed(f'{argv[0]} did not finish within {TOOL_TIMEOUT} s: {" ".join(argv)}') from None
        if check and done.returncode != 0:
            raise StepFailed(f'{" ".join(argv)} failed ({done.returncode}): {done.stderr.strip()}')
        return done.stdout

    # What a person does with the keyboard: XTEST events to the focused window.
    def keys(self, *names):
        self._tool(['xdotool', 'key', '--delay', '30', *names])

    def type(self, text):
        self._tool(['xdotool', 'type', '--delay', '30', '--', text])

    def screenshot(self, path):
        self._tool(['import', '-window', 'root', path])

    def windows_of(self, pid, name=None):
        """The X ids of the visible top-level windows of a process."""
        argv = ['xdotool', 'search', '--all', '--onlyvisible', '--pid', str(pid)]
        if name is not None:
            argv += ['--name', name]
        return self._tool(argv, check=False).split()

    def geometry(self, window):
        """(x, y, width, height) of a window's client area, in screen pixels."""
        info = self._tool(['xwininfo', '-id', window])
        field = {key: int(value) for key, value in
                 re.findall(r'^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s*(-?\d+)', info, re.M)}
        return (field['Absolute upper-left X'], field['Absolute upper-left Y'], field['Width'], field['Height'])


def leak_options(folder, suppressions):
    """LSAN_OPTIONS for a program built with LeakSanitizer (others ignore
    it): the caller's options, with the leaks inside Qt that one kind of run
    meets (a file of suppressions beside this one) added to the caller's
    suppressions, and whole call stacks on allocation, without which the
    stacks of those leaks end inside a system library and cannot be told
    from the program's own."""
    options = os.environ.get('LSAN_OPTIONS', '')
    theirs = re.findall(r'(?:^|:)suppressions=([^:]*)', options)
    combined = os.path.join(folder, f'combined-{suppressions}')
    with open(combined, 'w') as out:
        for path in theirs[-1:] + [os.path.join(HERE, suppressions)]:
            try:
                with open(path) as part:
                    out.write(part.read().rstrip('\n') + '\n')
            except OSError as error:
                raise StepFailed(f'cannot read the leak suppressions {path}: {error.strerror}') from None
    return ':'.join(filter(None, (options, f'suppressions={combined}', 'fast_unwind_on_malloc=0')))


class WaylandDesktop:
    """A headless weston (pixman rendering, so it needs no GPU) on a socket of
    its own in a private runtime folder. weston's --debug is what lets
    weston-screenshooter take screenshots. Wayland gives a program no say in
    where its windows go and no view of where they are, and this compositor
    has no seat: no keyboard, no pointer, so no window ever becomes active."""

    START_TIMEOUT = 10  # seconds for weston to listen on its socket
    plugin_package = 'qt6-wayland'  # Qt's platform plugin for Wayland

    def __init__(self, processes, scratch_dir, log_dir):
        self._processes = processes
        self._scratch = os.path.join(scratch_dir, 'wayland')
        self._log_path = os.path.join(log_dir, 'weston.log')
        self._process = None
        self._failure = None
        self.socket_name = None
        self.env = None           # weston's and the program's environment
        self.platform_env = None  # what a Qt program needs on this compositor

    def start(self):
        """Starts weston once; a second call reports the first one's failure."""
        if self._failure:
            raise StepFailed(self._failure)
        if self._process is not None:
            return
        try:
            self._start()
        except StepFailed as failure:
            self._failure = str(failure)
            raise

    def _start(self):
        for tool in ('weston', 'weston-screenshooter'):
            if shutil.which(tool) is None:
                raise StepFailed(f'{tool} is not installed: the Wayland run needs the weston package')
        dirs = private_dirs(self._scratch)
        runtime_dir = dirs['XDG_RUNTIME_DIR']
        # The folder is the test's own, so a name is free when nothing there has it.
        self.socket_name = next(name for name in (f'wayland-{n}' for n in range(100))
                                if not glob.glob(os.path.join(runtime_dir, name + '*')))
        env = {key: value for key, value in os.environ.items() if key not in ('DISPLAY', 'WAYLAND_DISPLAY')}
        self.env = dict(env, **dirs)
        self.platform_env = {'QT_QPA_PLATFORM': 'wayland', 'WAYLAND_DISPLAY': self.socket_name,
                             'LSAN_OPTIONS': leak_options(self._scratch, 'wayland-lsan.supp')}
        with open(self._log_path, 'wb') as log:
            self._process = self._processes.start(
                ['weston', '--backend=headless-backend.so', '--use-pixman', '--debug', '--no-config',
                 f'--socket={self.socket_name}', f'--width={SCREEN_WIDTH}', f'--height={SCREEN_HEIGHT}',
                 '--idle-time=0'],
                env=self.env, stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        path = os.path.join(runtime_dir, self.socket_name)
        deadline = time.monotonic() + self.START_TIMEOUT
        seen = 'no socket yet'
        while True:
            status = self._process.poll()
            if status is not None:
                raise StepFailed(f'weston ended with status {status} before it listened on {path}:\n{self._log_tail()}')
            if os.path.exists(path):
                with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
                    try:
                        probe.connect(path)
                        return
                    except OSError as error:
                        seen = f'the socket is there but refuses connections ({error.strerror})'
            if time.monotonic() > deadline:
                raise StepFailed(f'weston did not listen on {path} within {self.START_TIMEOUT} s; last seen: '
                                 f'{seen}\n{self._log_tail()}')
            time.sleep(0.05)

    def _log_tail(self, lines=10):
        return log_tail(self._log_path, lines, '(weston.log is empty)', '(no weston.log)')

    def keys(self, *names):
        raise StepFailed(f'no keys on the Wayland desktop (asked for {" ".join(names)}): act through the screen reader')

    def type(self, text):
        raise StepFailed(f'no typing on the Wayland desktop (asked for {text!r}): act through the screen reader')

    def screenshot(self, path):
        """The whole output, through weston's screenshooter, which saves into
        the folder it runs in under a name of its own choosing."""
        with tempfile.TemporaryDirectory(dir=self._scratch) as folder:
            try:
                done = subprocess.run(['weston-screenshooter'], cwd=folder,
                                      env=dict(self.env, **self.platform_env),
                                      capture_output=True, text=True, timeout=TOOL_TIMEOUT)
            except subprocess.TimeoutExpired:
                raise StepFailed(f'weston-screenshooter did not finish within {TOOL_TIMEOUT} s') from None
            shots = glob.glob(os.path.join(folder, '*.png'))
            if done.returncode != 0 or len(shots) != 1:
                raise StepFailed(f'weston-screenshooter failed (status {done.returncode}, files {shots}): '
                                 f'{done.stderr.strip()}')
            shutil.move(shots[0], path)
