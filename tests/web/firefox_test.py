#!/usr/bin/python3
"""Tavrel's page in Firefox ESR over its own Marionette protocol (Debian has no geckodriver): it starts,
keeps its files offline, calculates with IAS and TAS, Tab goes round, the About box opens and closes, and a
missing file gives the message. Usage: firefox_test.py <web folder>"""
import json
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from page import FIND, MESSAGE, START, VALUES, browsers, check, copy, failures, serve

web = pathlib.Path(sys.argv[1])
TAB, SPACE = "\ue004", "\ue00d"
FOCUS = "return document.activeElement?.shadowRoot?.activeElement?.id ?? 'none'"
ABOUT = """const about = document.querySelector('section[role=dialog]');
return about && getComputedStyle(about).visibility === 'visible' ? 'open' : 'closed';"""
KEPT = """return navigator.serviceWorker.ready.then(() => caches.keys())
  .then((names) => names.length && caches.open(names[0])).then((cache) => cache && cache.keys())
  .then((files) => files?.length ?? 0)"""


class Firefox:
    """Headless Firefox in a fresh profile, with the page served, and a client of
    Marionette: each message is its length, a colon and a JSON array."""

    def __init__(self, folder):
        self.server, self.url = serve(folder)
        self.profile = pathlib.Path(tempfile.mkdtemp())
        (self.profile / "user.js").write_text(
            'user_pref("marionette.port", 0);\n'  # any free port, written to MarionetteActivePort
            'user_pref("browser.shell.checkDefaultBrowser", false);\n'
            'user_pref("datareporting.policy.dataSubmissionEnabled", false);\n')
        self.process = subprocess.Popen(["firefox-esr", "--headless", "--marionette", "--no-remote",
                                         "--profile", str(self.profile), "about:blank"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        browsers.append(self)
        port = self.profile / "MarionetteActivePort"
        for _ in range(300):
            if port.exists() and port.read_text().strip():
                break
            time.sleep(0.1)
        self.stream = socket.create_connection(("127.0.0.1", int(port.read_text())), timeout=30).makefile("rwb")
        self.id = 0
        self.receive()  # the greeting
        self("WebDriver:NewSession", capabilities={"timeouts": {"script": 5000}})
        self("WebDriver:Navigate", url=self.url)

    def receive(self):
        length = b""
        while (byte := self.stream.read(1)) != b":":
            length += byte
        return json.loads(self.stream.read(int(length)))

    def __call__(self, command, **parameters):
        self.id += 1
        message = json.dumps([0, self.id, command, parameters]).encode()
        self.stream.write(str(len(message)).encode() + b":" + message)
        self.stream.flush()
        _, _, error, result = self.receive()
        if error:
            raise RuntimeError(f"{command}: {error.get('message', error)}")
        return result.get("value") if isinstance(result, dict) else result

    def until(self, source, *args, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            try:
                if value := self("WebDriver:ExecuteScript", script=source, args=list(args)):
                    return value
            except RuntimeError:
                pass  # the page is loading again, or a promise took too long
            time.sleep(0.1)
        return None

    def click(self, id):
        element = self.until(FIND, id, seconds=5)
        if not element:
            raise RuntimeError(f"no control {id}")
        self("WebDriver:ElementClick", id=next(iter(element.values())))

    def keys(self, *keys):
        presses = [{"type": kind, "value": key} for key in keys for kind in ("keyDown", "keyUp")]
        self("WebDriver:PerformActions", actions=[{"type": "key", "id": "keyboard", "actions": presses}])

    def quit(self):
        self.process.terminate()
        self.process.wait(30)
        self.server.shutdown()
        shutil.rmtree(self.profile, ignore_errors=True)


firefox = Firefox(web)
try:
    check(firefox.until(VALUES) == START, "starts with the numbers shown")
    kept = firefox.until(KEPT)
    check((kept or 0) > 5, f"keeps its files for offline use ({kept} kept)")
    for kind, shown in (("Option1", " 81.7"), ("Option2", " 62.5")):
        firefox.click(kind)
        firefox.click("Command1")
        values = firefox.until(VALUES, seconds=5)
        check(values == START + shown, f"Calculate with {kind}: {values!r}")
    firefox("WebDriver:Navigate", url=firefox.url)
    firefox.until(VALUES)
    firefox.click("Text1")
    visited = []
    for _ in range(17):
        firefox.keys(TAB)
        visited.append(firefox.until(FOCUS))
    check(visited[0] == "Text2" and visited[-1] == "Text1" and len(set(visited)) == 17,
          f"Tab goes round the window: {visited}")
    firefox.click("Command3")
    opened = firefox.until(ABOUT.replace("'open' : 'closed'", "'open' : ''"), seconds=5)
    firefox.click("cmdOK")
    check(opened == "open" and firefox.until(ABOUT) == "closed", "the About box opens, and OK closes it")
    firefox.click("Command3")
    firefox.keys(SPACE)  # on OK, which has the focus
    check(firefox.until(ABOUT) == "closed", "Space on OK closes it")
except RuntimeError as error:
    check(False, str(error))
finally:
    firefox.quit()

firefox = Firefox(copy(web, "tavrel.wasm"))  # never a blank page: the message names the file
try:
    shown = firefox.until(MESSAGE)
    check("tavrel.wasm" in (shown or ""), f"without tavrel.wasm: {shown!r}")
finally:
    firefox.quit()
print(f"{len(failures)} failed" if failures else "every Firefox check passed")
sys.exit(1 if failures else 0)
