"""A private X desktop for one test: Xvfb on a free display, openbox, keys
pressed as a person presses them, window geometry and screenshots.

Every process is started in a process group of its own and ended with it,
also when the test fails or is interrupted."""

import os
import re
import select
import signal
import subprocess
import time

from checks import StepFailed

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


class Desktop:
    """Xvfb and openbox, with a configuration of their own in scratch_dir."""

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

        # Nothing of the user's own desktop settings reaches openbox or the program.
        dirs = {name: os.path.join(self._scratch, name.lower()) for name in
                ('XDG_CONFIG_HOME', 'XDG_CACHE_HOME', 'XDG_DATA_HOME', 'XDG_RUNTIME_DIR')}
        for path in dirs.values():
            os.makedirs(path, mode=0o700, exist_ok=True)
        self.env = dict(os.environ, DISPLAY=self.display, **dirs)
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
