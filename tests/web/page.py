"""What the browser tests share: the page's folder served, Chromium or WebKitGTK on it, the scripts that find a
control and read the boxes, and the checks printed."""
import atexit
import contextlib
import functools
import http.server
import io
import json
import os
import pathlib
import shutil
import sys
import tempfile
import threading

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.support.ui import WebDriverWait

failures, browsers = [], []  # every browser opened, closed when a mutation run stops early
EXPECTED = json.loads(pathlib.Path(__file__).with_name("expected.json").read_text())
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
    for browser in browsers:
        with contextlib.suppress(Exception):
            browser.quit()


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
        if os.environ.get("TAVREL_FAIL_FAST"):  # a mutation run needs one failure only
            sys.exit(1)


def serve(folder):
    """The folder's parent served as a plain static server does, with no caching headers."""
    handler = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=str(folder.parent)))
    server.handle_error = lambda *args: None  # a browser closed with requests in flight
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_port}/{folder.name}/"


def copy(web, *missing):
    """A copy of the page's folder, without the files named."""
    served = pathlib.Path(tempfile.mkdtemp()) / web.name
    shutil.copytree(web, served, ignore=shutil.ignore_patterns(*missing))
    return served


def browser(kind, folder, mobile=None, aliased=False, script=""):
    """Chromium (headless) or WebKitGTK's MiniBrowser (under an X server) on the folder served. The ones
    that read pixels back draw captions unsmoothed, each pixel its colour or its background's."""
    server, url = serve(folder)
    options = webdriver.WebKitGTKOptions() if kind == "webkit" else webdriver.ChromeOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser" if kind == "webkit" else "/usr/bin/chromium"
    for flag in ["--automation"] if kind == "webkit" else [
            "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-sync",
            "--disable-background-networking", "--disable-component-update", "--disable-dev-shm-usage",
            "--window-size=1024,600", f"--user-data-dir={tempfile.mkdtemp()}"]:
        options.add_argument(flag)
    if kind == "chromium":
        options.add_experimental_option("mobileEmulation", mobile) if mobile else None
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    fonts = os.environ.pop("FONTCONFIG_FILE", None)  # the browser starts with this process's environment
    os.environ.update({"FONTCONFIG_FILE": str(pathlib.Path(__file__).with_name("aliased.conf"))} if aliased else {})
    try:
        driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options) if kind == "webkit" \
            else webdriver.Chrome(executable_path="/usr/bin/chromedriver", options=options)
    finally:
        os.environ.pop("FONTCONFIG_FILE", None)
        os.environ.update({"FONTCONFIG_FILE": fonts} if fonts else {})
    if script:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})
    browsers.append(driver)
    driver.server, driver.url, driver.kind = server, url, kind
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


def shot(element):
    """An element as drawn, cut from the whole page's picture (WebKit's driver shoots an element alone black)."""
    r = element.parent.execute_script("const r = arguments[0].getBoundingClientRect(); return [r.left, r.top, "
                                      "r.right, r.bottom].map((v) => Math.round(v * devicePixelRatio))", element)
    return Image.open(io.BytesIO(element.parent.get_screenshot_as_png())).convert("RGB").crop(r)


def colours(element, margin=0):
    image = shot(element)
    return image.crop((margin, margin, image.width - margin, image.height - margin)).getcolors(1 << 20)
