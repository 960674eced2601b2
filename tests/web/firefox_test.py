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

TAB, SPACE = "\ue004", "\ue00d"
FOCUS = "return document.activeElement?.shadowRoot?.activeElement?.id ?? 'none'"
ABOUT = "const a = document.querySelector('section[role=dialog]'); return a ? getComputedStyle(a).visibility : 'hidden'"
KEPT = """return navigator.serviceWorker.ready.then(() => caches.keys()).then((names) => names.length &&
  caches.open(names[0])).then((cache) => cache && cache.keys()).then((files) => files?.length ?? 0)"""


class Firefox:
    """Headless Firefox in a fresh profile on the folder served, and a client of Marionette: each message
    is its length, a colon and a JSON array."""

    def __init__(self, folder):
        self.server, self.url = serve(folder)
        self.profile, self.id = pathlib.Path(tempfile.mkdtemp()), 0
        (self.profile / "user.js").write_text('user_pref("marionette.port", 0);\n'  # written to MarionetteActivePort
                                              'user_pref("browser.shell.checkDefaultBrowser", false);\n')
        self.process = subprocess.Popen(["firefox-esr", "--headless", "--marionette", "--no-remote", "--profile",
                                         str(self.profile), "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        browsers.append(self)
        port = self.profile / "MarionetteActivePort"
        while not (port.exists() and port.read_text().strip()) and self.process.poll() is None:
            time.sleep(0.1)
        self.stream = socket.create_connection(("127.0.0.1", int(port.read_text())), timeout=30).makefile("rwb")
        self.receive()  # the greeting
        self("WebDriver:NewSession", capabilities={"timeouts": {"script": 5000}})
        self("WebDriver:Navigate", url=self.url)

    def receive(self):
        length = b""
        while (byte := self.stream.read(1)) not in (b":", b""):
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

    def until(self, source, *args, seconds=20, want=bool):
        deadline, value = time.monotonic() + seconds, None
        while time.monotonic() < deadline and not want(value):
            try:
                value = self("WebDriver:ExecuteScript", script=source, args=list(args))
            except RuntimeError:
                pass  # the page is loading again, or a promise took too long
            time.sleep(0.1)
        return value

    def click(self, id):
        self("WebDriver:ElementClick", id=next(iter(self.until(FIND, id, seconds=5).values())))

    def quit(self):
        self.process.terminate()
        self.process.wait(30)
        self.server.shutdown()
        shutil.rmtree(self.profile, ignore_errors=True)


web, firefox = pathlib.Path(sys.argv[1]), None
try:
    firefox = Firefox(web)
    check(firefox.until(VALUES) == START, "starts with the numbers shown")
    kept = firefox.until(KEPT)
    check((kept or 0) > 5, f"keeps its files for offline use ({kept} kept)")
    for kind, shown in (("Option1", " 81.7"), ("Option2", " 62.5")):
        firefox.click(kind)
        firefox.click("Command1")
        values = firefox.until(VALUES, seconds=5, want=lambda v: v and v != START)
        check(values == START + shown, f"Calculate with {kind}: {values!r}")
    firefox("WebDriver:Navigate", url=firefox.url)
    firefox.until(VALUES)
    firefox.click("Text1")
    visited = []
    for _ in range(17):
        firefox("WebDriver:PerformActions", actions=[{"type": "key", "id": "keyboard", "actions": [
            {"type": "keyDown", "value": TAB}, {"type": "keyUp", "value": TAB}]}])
        visited.append(firefox.until(FOCUS))
    check(visited[0] == "Text2" and visited[-1] == "Text1" and len(set(visited)) == 17, f"Tab goes round the window: {visited}")
    for close, how in (("cmdOK", "OK closes it"), (SPACE, "Space on OK, focused, closes it")):
        firefox.click("Command3")
        shown = firefox.until(ABOUT, seconds=5, want=lambda v: v == "visible")
        firefox.click(close) if close == "cmdOK" else firefox("WebDriver:PerformActions", actions=[{
            "type": "key", "id": "keyboard", "actions": [{"type": "keyDown", "value": SPACE}, {"type": "keyUp", "value": SPACE}]}])
        check(shown == "visible" and firefox.until(ABOUT, want=lambda v: v == "hidden") == "hidden", f"the About box opens; {how}")
    firefox.quit()
    firefox = Firefox(copy(web, "tavrel.wasm"))  # never a blank page: the message names the file
    shown = firefox.until(MESSAGE)
    check("tavrel.wasm" in (shown or ""), f"without tavrel.wasm: {shown!r}")
except (RuntimeError, AttributeError) as error:
    check(False, str(error))
finally:
    firefox and firefox.quit()
print(f"{len(failures)} failed" if failures else "every Firefox check passed")
sys.exit(1 if failures else 0)
