# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's WebKitGTK, the engine of Safari, driven through Selenium: its MiniBrowser under a private
Xvfb, reached by WebKitWebDriver at 127.0.0.1. Nothing is downloaded."""
import glob
import os
import shutil
import subprocess

from selenium import webdriver
from selenium.webdriver.common import utils
from selenium.webdriver.webkitgtk.service import Service


def _minibrowser():
    found = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")
    return found[0] if found else None


def missing():
    """What is missing to run WebKitGTK here, or None."""
    if not shutil.which("WebKitWebDriver") or not _minibrowser():
        return "Debian's webkit2gtk-driver"
    if not shutil.which("Xvfb"):
        return "Xvfb (xvfb)"
    return None


class LoopbackService(Service):
    """The driver reached at 127.0.0.1, whatever /etc/hosts says of "localhost"."""

    @property
    def service_url(self):
        return f"http://127.0.0.1:{self.port}"

    def is_connectable(self):
        return utils.is_connectable(self.port, host="127.0.0.1")


def start(stack):
    """MiniBrowser on a new Xvfb display of its own, both ended with the ExitStack `stack`."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=(write,))
    os.close(write)
    stack.callback(xvfb.wait)
    stack.callback(xvfb.terminate)
    with os.fdopen(read) as displayfd:
        display = displayfd.readline().strip()
    environment = dict(os.environ, DISPLAY=f":{display}")
    environment.pop("WAYLAND_DISPLAY", None)
    options = webdriver.WebKitGTKOptions()
    options.binary_location = _minibrowser()
    options.add_argument("--automation")
    service = LoopbackService(shutil.which("WebKitWebDriver"), env=environment)
    service.start()
    stack.callback(service.stop)
    driver = webdriver.Remote(command_executor=service.service_url, options=options)
    stack.callback(driver.quit)
    return driver
