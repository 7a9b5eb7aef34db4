# SPDX-License-Identifier: GPL-3.0-or-later
"""The D-Bus service files of a build installed into a scratch prefix. Each
names its program where the build was configured to install it, so a private
bus that is to start the scratch copy reads copies of the files that name the
program under the scratch prefix instead."""

import glob
import os
import re


def configured_prefix(build):
    with open(os.path.join(build, 'CMakeCache.txt')) as cache:
        return re.search(r'^CMAKE_INSTALL_PREFIX:PATH=(.*)$', cache.read(), re.M).group(1).rstrip('/')


def relocated_services(build, prefix, folder):
    """A new folder `services` in folder, with the prefix's service files
    relocated; its path, for a bus configuration's <servicedir>."""
    services = os.path.join(folder, 'services')
    os.makedirs(services)
    exec_line = re.compile(rf'^Exec={re.escape(configured_prefix(build))}/', re.M)
    for installed in glob.glob(f'{prefix}/share/dbus-1/services/*.service'):
        with open(installed) as source, open(os.path.join(services, os.path.basename(installed)), 'w') as copy:
            copy.write(exec_line.sub(f'Exec={prefix}/', source.read()))
    return services
