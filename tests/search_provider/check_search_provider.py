#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The search provider as the desktops reach it: installed into a scratch
prefix, started by private session buses from its service file, called
through GNOME Shell's and KRunner's interfaces, and gone when left idle.
Usage: check_search_provider.py BUILD_DIR CMAKE PROVIDER_PATH"""

import configparser
import glob
import os
import subprocess
import sys
import tempfile
import time

from gi.repository import Gio, GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from relocated_services import relocated_services  # noqa: E402

GNOME, KRUNNER = 'org.gnome.Shell.SearchProvider2', 'org.kde.krunner1'
FAILURES = []
INTERFACES = {GNOME: {'GetInitialResultSet': ('as', 'as'), 'GetSubsearchResultSet': ('asas', 'as'),
                      'GetResultMetas': ('as', 'aa{sv}'), 'ActivateResult': ('sasu', ''), 'LaunchSearch': ('asu', '')},
              KRUNNER: {'Actions': ('', 'a(sss)'), 'Match': ('s', 'a(sssida{sv})'), 'Run': ('ss', ''),
                        'Config': ('', 'a{sv}'), 'Teardown': ('', '')}}
KLIPPER = Gio.DBusNodeInfo.new_for_xml('<node><interface name="org.kde.klipper.klipper"><method name="setClipboard'
                                       'Contents"><arg type="s" direction="in"/></method></interface></node>')

# Query, the targets of its results in order, and the first result's name,
# description and clipboard text: worked out by hand from the rule of order
# and the window's figures (1.524 = 5 x 0.3048; 1.5 km x 0.6213 mi; 180 cm
# is 70.866 in), with the figures as prose writes numbers and units named
# in the locale's language, plural as CLDR's rules take the figure shown.
FIVE_FEET = ['METERS', 'CENTIMETERS', 'MILLIMETERS', 'KILOMETERS', 'INCHES', 'YARDS', 'MILES', 'DECIMETERS',
             'RODS', 'DEKAMETERS', 'HECTOMETERS', 'FURLONG', 'LEAGUE']
KM = ['MILES', 'YARDS', 'FEET', 'FEET AND INCHES', 'INCHES', 'METERS', 'CENTIMETERS', 'MILLIMETERS', 'FURLONG',
      'RODS', 'HECTOMETERS', 'DEKAMETERS', 'LEAGUE', 'DECIMETERS']
LENGTHS = [
    ('en_US', '5 ft in m', ['METERS'], '1.524 meters', '5 feet', '1.524'),
    ('en_US', '5ft', FIVE_FEET, '1.524 meters', '5 feet', '1.524'),
    ('en_US', '1 mi in mm', ['MILLIMETERS'], '1,609,344 millimeters', '1 mile', '1609344'),
    ('en_US', '-1.0 ft in km', ['KILOMETERS'], '-0.0003 kilometers', '-1.0 feet', '-0.0003'),
    ('de_DE', '1,5 km', KM, '0,93195 Meilen', '1,5 Kilometer', '0,93195'),
    ('de_DE', '1234.5 yards to m', ['METERS'], '1.128,8268 Meter', '1234.5 Yards', '1128,8268'),
    ('en_US', '180 cm in ft in', ['FEET AND INCHES'], '5 ft 10.866 in', '180 centimeters', '5 ft 10.866 in'),
    ('de_DE', '1 km in ft+in', ['FEET AND INCHES'], '3.280 ft 10,0788 in', '1 Kilometer', '3280 ft 10,0788 in'),
    ('de_DE', "1.500' in m", ['METERS'], '457,2 Meter', '1.500 Fuß', '457,2'),
    ('de_DE', '5 Fuß in m', ['METERS'], '1,524 Meter', '5 Fuß', '1,524'),
    ('de_DE', '5 ft in km', ['KILOMETERS'], '0,00152 Kilometer', '5 Fuß', '0,00152'),
    ('de_DE', '2 rd in m', ['METERS'], '10,0584 Meter', '2 rods', '10,0584'),  # no German rod: English
    ('ru_RU', '5 ft in m', ['METERS'], '1,524 метра', '5 футов', '1,524'),
    ('ru_RU', '3 1/2 дюйма в см', ['CENTIMETERS'], '8,89 сантиметра', '3 1/2 дюйма', '8,89'),
    ('fr_FR', '3,81 cm in in', ['INCHES'], '1,5 pouce', '3,81 centimètres', '1,5'),
    ('fr_FR', '180 cm in ft in', ['FEET AND INCHES'], '5 pi 10,866 po', '180 centimètres', '5 pi 10,866 po'),
    ('fr_FR', '1e21 mm in m', ['METERS'], '1\u202f000\u202f000\u202f000\u202f000\u202f000\u202f000 mètres',
     '1e21 millimètres', '1000000000000000000'),  # more whole digits than ICU's plural rules read
]
# A compound, its value as one simple length, whose results it has, and the
# compound's canonical text.
SUMMED = [
    ('en_US', '5\'10" in cm', '70 in in cm', '5 feet 10 inches'),
    ('en_US', '5 ft 10 in', '70 in', '5 feet 10 inches'),
    ('de_DE', '1 m 80,5', '180,5 cm', '1 Meter 80,5 Zentimeter'),
]
REFUSED = ['firefox', '5 ft in', '1E38 lea', '10 in 5 ft', '\u05d7\u05de\u05e9 ft', '1' * 100_000 + ' ft',
           '5 ' * 5000 + 'ft', '1E38 lea in m', '1E38 lea in ft in', '0.' + '0' * 98_350 + "1'1", '1 m 800']


def check(ok, what):
    print(('ok    ' if ok else 'FAIL  ') + what)
    if not ok:
        FAILURES.append(what)


class Bus:
    """A private session bus under a locale, starting services from prefix."""

    def __init__(self, folder, prefix, locale, idle_ms):
        config = os.path.join(folder, f'{locale}{idle_ms}.conf')
        with open(config, 'w') as f:
            f.write('<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"\n'
                    ' "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">\n'
                    f'<busconfig><type>session</type><listen>unix:tmpdir={folder}</listen>'
                    f'<servicedir>{folder}/services</servicedir>'
                    '<policy context="default"><allow send_destination="*" eavesdrop="true"/>'
                    '<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>\n')
        # Without LANGUAGE, which would name the answers' language before the locale does.
        env = dict(os.environ, LC_ALL=f'{locale}.UTF-8', LANG=f'{locale}.UTF-8', LANGUAGE='',
                   ZELVAR_SEARCH_IDLE_MS=str(idle_ms))
        self.log = config + '.log'
        self.daemon = subprocess.Popen(['dbus-daemon', f'--config-file={config}', '--print-address=1', '--nofork'],
                                       stdout=subprocess.PIPE, stderr=open(self.log, 'w'), text=True, env=env)
        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
        self.connection = Gio.DBusConnection.new_for_address_sync(self.daemon.stdout.readline().strip(), flags)
        key_file = configparser.ConfigParser()
        key_file.read(glob.glob(f'{prefix}/share/gnome-shell/search-providers/*.ini'))
        section = key_file['Shell Search Provider']
        self.name, self.path = section['BusName'], section['ObjectPath']

    def call(self, interface, method, signature, *arguments, bus=False, to=None):
        # Served meanwhile: calls to this process, the stand-in Klipper.
        name, path = ('org.freedesktop.DBus', '/org/freedesktop/DBus') if bus else (to or self.name, self.path)
        replies = []
        self.connection.call(name, path, interface, method, GLib.Variant(signature, arguments), None, 0, 20000, None,
                             lambda connection, result: replies.append(result))
        while not replies:
            GLib.MainContext.default().iteration(True)
        return (self.connection.call_finish(replies[0]).unpack() or [None])[0]

    def owner(self):
        """The provider's executable while it holds its name."""
        try:
            return os.readlink('/proc/%d/exe' % self.call('org.freedesktop.DBus', 'GetConnectionUnixProcessID', '(s)',
                                                          self.name, bus=True))
        except (GLib.Error, OSError):  # none, or it is just leaving
            return None

    def ids(self, query, to=None):
        return self.call(GNOME, 'GetInitialResultSet', '(as)', query.split(' '), to=to)


def wait_for(condition):
    deadline = time.monotonic() + 20
    while not condition() and time.monotonic() < deadline:
        time.sleep(0.05)
    return condition()


def main(build, cmake):
    with tempfile.TemporaryDirectory() as folder:
        prefix = os.path.join(folder, 'prefix')
        subprocess.run([cmake, '--install', build, '--prefix', prefix], check=True, capture_output=True)
        relocated_services(build, prefix, folder)
        # The window as a stand-in that notes how it was started.
        window = glob.glob(f'{prefix}/bin/*')[0]
        with open(window, 'w') as script:
            script.write(f'#!/bin/sh\necho "$* ${{DESKTOP_STARTUP_ID##*_}}" >>{folder}/opened\n')
        buses = {locale: Bus(folder, prefix, locale, 3000) for locale in sorted({row[0] for row in LENGTHS})}
        english = buses['en_US']
        try:
            check(english.owner() is None, 'nothing owns the bus name before the first call')
            check(english.ids('5 ft in m') == ['5 FEET in METERS'], 'the first call is answered')
            provider = english.owner() or ''
            check(provider.startswith(prefix + '/'), f'the bus started the installed provider: {provider}')

            summed = []
            for locale, query, simple, description in SUMMED:
                ids = buses[locale].ids(simple)
                first = buses[locale].call(GNOME, 'GetResultMetas', '(as)', ids[:1])[0]
                summed.append((locale, query, [i.rsplit(' in ', 1)[-1] for i in ids], first['name'], description,
                               first['clipboardText']))
            for locale, query, targets, name, description, clipboard in LENGTHS + summed:
                bus = buses[locale]
                ids = bus.ids(query)
                check([i.rsplit(' in ', 1)[-1] for i in ids] == targets, f'{query!r} ({locale}): results {ids}')
                check(bus.call(GNOME, 'GetSubsearchResultSet', '(asas)', ids, query.split(' ')) == ids,
                      f'{query!r}: the same results in a subsearch')
                metas = bus.call(GNOME, 'GetResultMetas', '(as)', ids)
                first = metas[0] if metas else {}
                # One meta for every id, in order: GNOME Shell shows none of them otherwise.
                check([m['id'] for m in metas] == ids and (first['name'], first['description'], first['clipboardText'],
                      first['icon']) == (name, description, clipboard, ('themed', ['zelvar'])), f'{query!r}: {first}')
                matches = bus.call(KRUNNER, 'Match', '(s)', query)
                check([m[0] for m in matches] == ids and matches[0][1:4] == (name, 'zelvar', 50) and matches[0][5]
                      == {'subtext': description, 'actions': ['copy']}, f'{query!r}: KRunner matches {matches[:1]}')

            node = Gio.DBusNodeInfo.new_for_xml(english.call('org.freedesktop.DBus.Introspectable', 'Introspect', '()'))
            shown = {i.name: {m.name: tuple(''.join(a.signature for a in args) for args in (m.in_args, m.out_args))
                              for m in i.methods} for i in node.interfaces if not i.signals and not i.properties}
            check({name: methods for name, methods in shown.items() if not name.startswith('org.freedesktop.DBus.')}
                  == INTERFACES, f'introspection shows the two interfaces alone: {shown}')
            clipboard = []
            english.call(GNOME, 'ActivateResult', '(sasu)', '5 FEET in METERS', ['5', 'ft', 'in', 'm'], 42)
            english.call(KRUNNER, 'Run', '(ss)', '5 FEET 10 INCHES in FEET AND INCHES', '')
            english.connection.register_object('/klipper', KLIPPER.interfaces[0], lambda *call: (
                clipboard.append(call[5].unpack()[0]), call[6].return_value(None)), None, None)
            english.call('org.freedesktop.DBus', 'RequestName', '(su)', 'org.kde.klipper', 0, bus=True)
            english.call(KRUNNER, 'Run', '(ss)', '5 FEET in METERS', 'copy')
            english.call('org.freedesktop.DBus', 'ReleaseName', '(s)', 'org.kde.klipper', bus=True)
            english.call(KRUNNER, 'Run', '(ss)', '10 FEET in METERS', 'copy')
            launches = ['--show 10 FEET ', '--show 5 FEET 10 INCHES ', '--show 5 FEET TIME42']
            opened = f'{folder}/opened'  # in any order: the starts run apart
            wait_for(lambda: os.path.exists(opened) and len(open(opened).readlines()) >= 3)
            check(english.call(KRUNNER, 'Actions', '()') == [('copy', 'Copy', 'edit-copy')] and clipboard == ['1.524']
                  and sorted(open(opened).read().splitlines()) == launches,
                  f'the window opens for each pick, and Copy goes to Klipper while it is there: {clipboard}')
            german, held = buses['de_DE'], []  # a Klipper that never answers
            german.connection.register_object('/klipper', KLIPPER.interfaces[0], lambda *call: held.append(call[6]),
                                              None, None)
            german.call('org.freedesktop.DBus', 'RequestName', '(su)', 'org.kde.klipper', 0, bus=True)
            german.ids('5 ft')
            unique = german.call('org.freedesktop.DBus', 'GetNameOwner', '(s)', german.name, bus=True)
            wait_for(lambda: german.owner() is None)
            time.sleep(0.5)  # Klipper's time then runs out after the provider's last seconds
            start = time.monotonic()
            german.call(KRUNNER, 'Run', '(ss)', '20 FEET in METERS', 'copy', to=unique)
            waited = time.monotonic() - start if german.call(KRUNNER, 'Match', '(s)', '5 ft', to=unique) else None
            check(waited is not None and waited < 1 and wait_for(lambda: '--show 20 FEET ' in open(opened).read()
                  .splitlines()) and len(held) == 1, f'a hung Klipper holds up no search ({waited} s); the '
                  'leaving provider waits for it, then opens the window')
            os.remove(window)
            english.call(GNOME, 'ActivateResult', '(sasu)', '5 FEET in METERS', [], 0)
            check(wait_for(lambda: f'{os.path.basename(provider)}: cannot start {window}' in open(english.log).read()),
                  'a window that cannot start is reported')

            for query in REFUSED:
                check(english.ids(query) == [] and english.call(KRUNNER, 'Match', '(s)', query) == [],
                      f'no results for {query[:20]!r}')
            odd = ['', '5 FEET', 'nonsense', '10 FEET in METERS', '1E38 LEAGUE in METERS',
                   '1E38 LEAGUE in FEET AND INCHES', '9' * 200_000]
            metas = english.call(GNOME, 'GetResultMetas', '(as)', odd)
            check([(m['id'], m['name'], m['description'], m.get('clipboardText')) for m in metas]
                  == [(i, '3.048 meters', '10 feet', '3.048') if i == odd[3] else (i, i, '', None) for i in odd],
                  f'one meta for each id, in order, the id itself for one that gives no figure: {metas[:5]}')

            unique = english.call('org.freedesktop.DBus', 'GetNameOwner', '(s)', english.name, bus=True)
            check(wait_for(lambda: english.owner() is None), 'gone when left idle')
            try:  # sent by a desktop that has not yet seen the name let go
                late = english.ids('5 ft in m', to=unique)
            except GLib.Error as error:
                late = error.message
            check(late == ['5 FEET in METERS'], f'a call to the leaving provider itself is answered: {late}')
            metas = english.call(GNOME, 'GetResultMetas', '(as)', ['5 FEET in METERS'])
            check([m['name'] for m in metas] == ['1.524 meters'], 'an id from the process that left reads in the next')
            # Leaving after each call: one that comes meanwhile is answered, by it or the next.
            buses['quick'] = Bus(folder, prefix, 'en_US', 0)
            answers = [buses['quick'].ids('5 ft in m') for _ in range(40)]
            check(answers == [['5 FEET in METERS']] * 40, 'no call is lost while the provider leaves')
        finally:
            for bus in buses.values():
                bus.daemon.terminate()
                bus.daemon.wait()
    print(f'{len(FAILURES)} checks failed' if FAILURES else 'all checks passed')
    return 1 if FAILURES else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:3]))
