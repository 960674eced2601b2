"""What the browser test's parts share: its arguments, the core's designs, the page served, a browser on it (only the
session's start differs between engines), the scripts that find a control and read the boxes, the checks printed."""
import atexit, contextlib, functools, http.server, io, json, os, pathlib, shutil  # noqa: E401
import socket, subprocess, sys, tempfile, threading, time  # noqa: E401
from unittest import mock

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.remote.webdriver import WebDriver
from selenium.webdriver.support.ui import WebDriverWait

WEB, TITLE, SHOTS, TABLE = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3]), pathlib.Path(sys.argv[4])
DESIGN = json.loads(subprocess.run([sys.argv[5]], capture_output=True, check=True, text=True).stdout)
KIND = (sys.argv[6:] or ["chromium"])[0]
CHROMIUM = KIND == "chromium"  # its DevTools protocol alone emulates devices and media, and lists requests
EXPECTED = json.loads(pathlib.Path(__file__).with_name("expected.json").read_text())
CANNOT = EXPECTED["cannot"].get(KIND, {})  # what this engine cannot do, and why
failures, browsers, requested = [], [], set()  # browsers opened, closed when a mutation run stops early
# A control by its id, in the windows (main first) or in the About box, once the core has taken over.
FIND = """return [...document.querySelectorAll('.window:not([inert]) .client')].map((c) => c.shadowRoot
  .getElementById(arguments[0])).find((found) => found) ?? null"""
# The boxes' numbers and, after a bar, the distance; null before the core has taken over.
VALUES = """const root = document.querySelector('main:not([inert]) .client')?.shadowRoot;
return root && ['Text1', 'Text2', 'Text3', 'Text4', 'Text7', 'Text8', 'Text9']
  .map((id) => root.getElementById(id).value).join(' ') + '|' + root.getElementById('Text6').value;"""
START = "30000 3000 1800 250 360 360 0|"
# The text of the failure message in view, if any.
MESSAGE = """return [...document.querySelectorAll('.failed')].find((m) => m.checkVisibility({ visibilityProperty:
  true }) && m.getBoundingClientRect().bottom <= innerHeight)?.innerText"""


@atexit.register
def quit_all():  # a browser left would keep the test's output open, and CTest waiting
    for driver in browsers:
        with contextlib.suppress(Exception):
            driver.quit()


def check(ok, what):  # a mutation run (TAVREL_FAIL_FAST) needs one failure only
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    ok or failures.append(what) or os.environ.get("TAVREL_FAIL_FAST") and sys.exit(1)


def serve(folder, late=None):
    """The folder's parent served as a plain static server does, with no caching headers; the file `late` two seconds late."""
    handler = type("Noting", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda self, *args: requested.add(
        self.path.split("?")[0].removeprefix(f"/{WEB.name}/") or "./"), "do_GET": lambda self: (  # every file asked for
        late and self.path.split("?")[0].endswith("/" + late) and time.sleep(2), http.server.SimpleHTTPRequestHandler.do_GET(self))})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=str(folder.parent)))
    server.handle_error = lambda *args: None  # a browser closed with requests in flight
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/{folder.name}/"


def copy(*missing):  # the page's folder copied, without the files named
    return shutil.copytree(WEB, pathlib.Path(tempfile.mkdtemp()) / WEB.name, ignore=shutil.ignore_patterns(*missing))


class Marionette:
    """Selenium's commands to a fresh headless Firefox over its own protocol (Debian has no geckodriver): each
    message is its length, a colon and a JSON array; most commands are named as in WebDriver."""
    NAMES = {"quit": "DeleteSession", "get": "Navigate", "w3cExecuteScript": "ExecuteScript", "w3cExecuteScriptAsync":
             "ExecuteAsyncScript", "actions": "PerformActions", "clickElement": "ElementClick", "screenshot": "TakeScreenshot",
             "getElementAriaRole": "GetComputedRole", "getElementAriaLabel": "GetComputedLabel"}

    def __init__(self):
        (profile := pathlib.Path(tempfile.mkdtemp()) / "profile").mkdir()
        (profile / "user.js").write_text('user_pref("marionette.port", 0);')  # its port written to the file below
        self.process = subprocess.Popen(["firefox-esr", "--headless", "--marionette", "--no-remote", "--width=1024",
                                         "--height=600", "--profile", profile], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while not ((port := profile / "MarionetteActivePort").exists() and port.read_text().strip()):
            time.sleep(0.1)
        self.stream, self.id = socket.create_connection(("127.0.0.1", int(port.read_text())), 60).makefile("rwb"), 0
        self.execute(None, None)  # its greeting

    def execute(self, command, params):
        if command:
            self.id += 1
            message = json.dumps([0, self.id, "WebDriver:" + self.NAMES.get(command, command[:1].upper() + command[1:]),
                                  params]).encode()
            self.stream.write(b"%d:%s" % (len(message), message))
            self.stream.flush()
        length = b""
        while (byte := self.stream.read(1)) not in b":":
            length += byte
        reply = json.loads(self.stream.read(int(length)))
        error, result = reply[2:] if command else (None, reply)
        return {"status": 500, "value": error} if error else {"value": result.get("value", result) if isinstance(
            result, dict) else result}

    def close(self):
        self.process.terminate()
        self.process.wait(30)


def browser(folder, mobile=None, aliased=False):
    """A browser on the folder served. One that reads pixels back draws captions unsmoothed, each pixel its colour
    or its background's."""
    server, url = serve(folder)
    # The browser starts with this process's environment; the system's fonts.conf is fontconfig's default.
    with mock.patch.dict(os.environ, {"FONTCONFIG_FILE": str(pathlib.Path(__file__).with_name("aliased.conf")) if aliased
                                      else "/etc/fonts/fonts.conf"}):
        if KIND == "chromium":
            options = webdriver.ChromeOptions()
            for flag in ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-sync --disable-"
                         "background-networking --disable-component-update --disable-dev-shm-usage --window-size=1024,600 "
                         f"--user-data-dir={tempfile.mkdtemp()}").split():
                options.add_argument(flag)
            options.add_experimental_option("mobileEmulation", mobile) if mobile else None
            options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
            driver = webdriver.Chrome(executable_path="/usr/bin/chromedriver", options=options)
        elif KIND == "webkit":
            (options := webdriver.WebKitGTKOptions()).add_argument("--automation")
            options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
            driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
        else:
            driver = WebDriver(Marionette())
    browsers.append(driver)
    driver.server, driver.url, driver.kind = server, url, KIND
    driver.get(url)
    return driver


def close(driver):
    driver.quit()
    driver.server.shutdown()


def control(driver, id):
    return WebDriverWait(driver, 10).until(lambda d: d.execute_script(FIND, id))


def opened(driver):
    """The boxes' numbers, once the core has taken over: the page may be loading again."""
    return WebDriverWait(driver, 20, ignored_exceptions=(WebDriverException,)).until(lambda d: d.execute_script(VALUES))


def screenshot(driver):
    """The page as shown once a frame is drawn after the last change, and two pictures agree: under load, WebKit's
    picture lags the page."""
    driver.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")
    last = now = None
    for _ in range(20):
        last, now = now, Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")
        if last and now.tobytes() == last.tobytes():
            break
    return now


def shot(element, margin=0):
    """An element as drawn, cut from the whole page's picture (WebKit's driver shoots an element alone black)."""
    r = element.parent.execute_script("const r = arguments[0].getBoundingClientRect(); return [r.left, r.top, "
                                      "r.right, r.bottom].map((v) => Math.round(v * devicePixelRatio))", element)
    return screenshot(element.parent).crop((r[0] + margin, r[1] + margin, r[2] - margin, r[3] - margin))
