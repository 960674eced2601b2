"""What the Chromium and the Firefox tests share: the page's folder served,
the scripts that find a control and read the boxes, and the checks printed."""
import contextlib
import functools
import http.server
import os
import pathlib
import shutil
import sys
import tempfile
import threading

failures, browsers = [], []  # every browser opened, closed when a mutation run stops early

# A control by its id, in the windows (main first) or in the About box, once
# the core has taken over the main window the build drew.
FIND = """for (const client of document.querySelectorAll('.window:not([inert]) .client')) {
  const found = client.shadowRoot.getElementById(arguments[0]);
  if (found) return found;
}
return null;"""
# The boxes' numbers and, after a bar, the distance; null before the core has taken over.
VALUES = """const root = document.querySelector('main:not([inert]) .client')?.shadowRoot;
return root && ['Text1', 'Text2', 'Text3', 'Text4', 'Text7', 'Text8', 'Text9']
  .map((id) => root.getElementById(id).value).join(' ') + '|' + root.getElementById('Text6').value;"""
START = "30000 3000 1800 250 360 360 0|"
# The text of the failure message in view, if any.
MESSAGE = """return [...document.querySelectorAll('.failed')].find((m) => m.checkVisibility({ visibilityProperty:
  true }) && m.getBoundingClientRect().bottom <= innerHeight)?.innerText"""


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
        if os.environ.get("TAVREL_FAIL_FAST"):  # a mutation run needs one failure only
            for browser in browsers:
                with contextlib.suppress(Exception):
                    browser.quit()
            sys.exit(1)


class Quiet(http.server.SimpleHTTPRequestHandler):
    log_message = lambda *args: None  # noqa: E731


class Server(http.server.ThreadingHTTPServer):
    handle_error = lambda *args: None  # noqa: E731 (a browser closed with requests in flight)


def serve(folder):
    """The folder's parent served as a plain static server does, with no caching headers."""
    server = Server(("127.0.0.1", 0), functools.partial(Quiet, directory=str(folder.parent)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/{folder.name}/"


def copy(web, *missing):
    """A copy of the page's folder, without the files named."""
    served = pathlib.Path(tempfile.mkdtemp()) / web.name
    shutil.copytree(web, served, ignore=shutil.ignore_patterns(*missing))
    return served
