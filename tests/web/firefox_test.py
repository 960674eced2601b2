#!/usr/bin/python3
"""Tavrel's page in Firefox ESR, the third engine of the desktops, driven
over Firefox's own Marionette protocol (Debian has no geckodriver): it starts
and keeps its files for offline use, shows the numbers, calculates with IAS
and TAS, Tab goes round the window, the About box opens and closes, and a
missing file gives the message.

Usage: firefox_test.py <web folder>"""
import functools
import http.server
import json
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

web = pathlib.Path(sys.argv[1])
failures = []
TAB, SPACE = "\ue004", "\ue00d"


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Quiet, directory=str(folder.parent)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/{folder.name}/"


class Firefox:
    """Headless Firefox in a fresh profile, and a client of its Marionette
    protocol: each message is its length, a colon and a JSON array."""

    def __init__(self):
        self.profile = pathlib.Path(tempfile.mkdtemp())
        (self.profile / "user.js").write_text(
            'user_pref("marionette.port", 0);\n'  # any free port, written to MarionetteActivePort
            'user_pref("browser.shell.checkDefaultBrowser", false);\n'
            'user_pref("datareporting.policy.dataSubmissionEnabled", false);\n')
        self.process = subprocess.Popen(["firefox-esr", "--headless", "--marionette", "--no-remote",
                                         "--profile", str(self.profile), "about:blank"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = self.profile / "MarionetteActivePort"
        for _ in range(300):
            if port_file.exists() and port_file.read_text().strip():
                break
            time.sleep(0.1)
        self.socket = socket.create_connection(("127.0.0.1", int(port_file.read_text())), timeout=30)
        self.buffer, self.id = b"", 0
        self.receive()  # the greeting
        self("WebDriver:NewSession", capabilities={"timeouts": {"script": 5000}})

    def receive(self):
        while b":" not in self.buffer:
            self.buffer += self.socket.recv(65536)
        length, _, self.buffer = self.buffer.partition(b":")
        while len(self.buffer) < int(length):
            self.buffer += self.socket.recv(65536)
        message, self.buffer = self.buffer[:int(length)], self.buffer[int(length):]
        return json.loads(message)

    def __call__(self, command, **parameters):
        self.id += 1
        message = json.dumps([0, self.id, command, parameters]).encode()
        self.socket.sendall(str(len(message)).encode() + b":" + message)
        _, _, error, result = self.receive()
        if error:
            raise RuntimeError(f"{command}: {error.get('message', error)}")
        return result.get("value") if isinstance(result, dict) else result

    def script(self, source, *args):
        return self("WebDriver:ExecuteScript", script=source, args=list(args))

    def until(self, source, *args, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            try:
                if value := self.script(source, *args):
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
        shutil.rmtree(self.profile, ignore_errors=True)


# A control of either window by its id, once the core has taken the main window over.
FIND = """for (const client of document.querySelectorAll('.window:not([inert]) .client')) {
  const found = client.shadowRoot.getElementById(arguments[0]);
  if (found) return found;
}
return null;"""
VALUES = """const root = document.querySelector('main:not([inert]) .client')?.shadowRoot;
return root && ['Text1', 'Text2', 'Text3', 'Text4', 'Text7', 'Text8', 'Text9', 'Text6']
  .map((id) => root.getElementById(id).value).join(' ');"""
FOCUS = "return document.activeElement?.shadowRoot?.activeElement?.id ?? 'none'"
ABOUT = """const about = document.querySelector('section[role=dialog]');
return about && getComputedStyle(about).visibility === 'visible' ? 'open' : 'closed';"""
START = "30000 3000 1800 250 360 360 0 "

server, url = serve(web)
firefox = Firefox()
try:
    firefox("WebDriver:Navigate", url=url)
    check(firefox.until(VALUES) == START, "starts with the numbers shown")
    kept = firefox.until("return navigator.serviceWorker.ready.then(() => caches.keys())"
                         ".then((names) => names.length && caches.open(names[0]))"
                         ".then((cache) => cache && cache.keys()).then((files) => files?.length ?? 0)")
    check((kept or 0) > 5, f"keeps its files for offline use ({kept} kept)")
    for kind, shown in (("Option1", " 81.7"), ("Option2", " 62.5")):
        firefox.click(kind)
        firefox.click("Command1")
        check(firefox.until(VALUES, seconds=5) == START + shown, f"Calculate with {kind}: {shown!r}")
    firefox("WebDriver:Navigate", url=url)
    firefox.until(VALUES)
    firefox.click("Text1")
    visited = []
    for _ in range(17):
        firefox.keys(TAB)
        visited.append(firefox.script(FOCUS))
    check(visited[0] == "Text2" and visited[-1] == "Text1" and len(set(visited)) == 17,
          f"Tab goes round the window: {visited}")
    firefox.click("Command3")
    opened = firefox.until(ABOUT.replace("'open' : 'closed'", "'open' : ''"), seconds=5)
    firefox.click("cmdOK")
    check(opened == "open" and firefox.script(ABOUT) == "closed", "the About box opens, and OK closes it")
    firefox.click("Command3")
    firefox.keys(SPACE)  # on OK, which has the focus
    check(firefox.script(ABOUT) == "closed", "Space on OK closes it")
except RuntimeError as error:
    check(False, str(error))
finally:
    firefox.quit()
    server.shutdown()

# Never a blank page: a missing file gives the message that names it.
served = pathlib.Path(tempfile.mkdtemp()) / web.name
shutil.copytree(web, served, ignore=shutil.ignore_patterns("tavrel.wasm"))
server, url = serve(served)
firefox = Firefox()
try:
    firefox("WebDriver:Navigate", url=url)
    shown = firefox.until("return [...document.querySelectorAll('.failed')].find((m) => "
                          "m.checkVisibility())?.innerText")
    check("tavrel.wasm" in (shown or ""), f"without tavrel.wasm: {shown!r}")
finally:
    firefox.quit()
    server.shutdown()

print(f"{len(failures)} failed" if failures else "every Firefox check passed")
sys.exit(1 if failures else 0)
