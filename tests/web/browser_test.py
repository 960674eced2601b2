#!/usr/bin/python3
"""Tavrel's page served from a sub-path, in headless Chromium or in WebKitGTK (the iPad's engine, under an
X server): both windows against their designs, screen readers, the scenario table, the policy, files missing, a deploy;
in Chromium also phones and tablets, forced colours, the manifest and the offline list.

Usage: browser_test.py <web folder> <title> <screenshot folder> <scenario table> <design dump> [chromium|webkit]"""
import contextlib
import functools
import io
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import time
import urllib.parse
import urllib.request

from PIL import Image
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import WebDriverWait

import access_check
from design_check import check_design
from page import EXPECTED, MESSAGE, START, browser, check, close, colours, control, copy, failures, opened, serve, shot
from scenarios import SEEN, scenarios, step

web, title, shots, table, dump = (pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3]),
                                  pathlib.Path(sys.argv[4]), sys.argv[5])
kind = (sys.argv[6:] or ["chromium"])[0]
chromium = kind == "chromium"
requested = set()  # every file of the page Chromium asked for, in every use below


def note_requests(driver):
    for entry in (json.loads(e["message"])["message"] for e in driver.get_log("performance")) if chromium else ():
        address = entry["params"].get("request", {}).get("url", "").split("?")[0]
        if entry["method"] == "Network.requestWillBeSent" and address.startswith(driver.url):
            requested.add(address[len(driver.url):] or "./")
KEPT = "return navigator.serviceWorker.getRegistration().then((r) => !!r?.[arguments[0]])"
BUILD = "return getComputedStyle(document.body).getPropertyValue('--build').trim()"  # the build's stylesheet's mark


def check_manifest(driver):
    """A window of its own, within the served path, its icons as declared."""
    manifest = driver.execute_cdp_cmd("Page.getAppManifest", {})
    declared, place, fetched = json.loads(manifest["data"]), functools.partial(urllib.parse.urljoin, manifest["url"]), {}
    for icon in declared["icons"]:
        with urllib.request.urlopen(place(icon["src"])) as response:
            body, kind = response.read(), response.headers["Content-Type"]
        fetched[icon["sizes"]] = kind == icon["type"] and icon["sizes"] == ("any" if kind == "image/svg+xml" else "x".join(
            map(str, Image.open(io.BytesIO(body)).size)))
    check(not manifest["errors"] and declared["display"] in ("standalone", "fullscreen", "minimal-ui") and
          place(declared["start_url"]).startswith(place(declared["scope"])) and place(declared["scope"]).startswith(
              driver.url) and all(fetched.values()) and ({"192x192", "512x512"} <= fetched.keys() or "any" in fetched),
          f"the manifest, as installed: {manifest['errors']}, {declared['display']}, {declared['start_url']}, {fetched}")


def build_of(driver, wait=0):
    """The build the page runs once started, waiting for the one wanted, if any: the page may load again."""
    with contextlib.suppress(TimeoutException):
        WebDriverWait(driver, wait, ignored_exceptions=(WebDriverException,)).until(
            lambda d: opened(d) and d.execute_script(BUILD) == "2")
    return opened(driver) and driver.execute_script(BUILD)


def check_deploy(web, kind, shots):
    """A new build with one changed file, stamped as the build stamps it, replaces one opened, whose files stay
    fresh in the HTTP cache. It runs whole by the second start, then opens without the network."""
    served = copy(web)
    for file in served.iterdir():  # a month old
        os.utime(file, (time.time() - 30 * 86400,) * 2)
    driver = browser(kind, served)
    build_of(driver)
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(KEPT, "active"))
    worker = (served / "sw.js").read_text()
    with open(served / "tavrel.css", "a") as css:
        css.write("\nbody { --build: 2; }\n")
    files = re.search(r"const files = \['\./', '(.*)'\];", worker).group(1).replace("', '", ",")
    source = pathlib.Path(__file__).resolve().parents[2] / "web"
    subprocess.run(["cmake", f"-DDIR={served}", f"-DFILES={files}", f"-DTEMPLATE={source}/page/sw.js.in", "-P",
                    f"{source}/stamp_worker.cmake"], check=True)
    check((served / "sw.js").read_text() != worker, "a changed file changes the service worker and its set's name")
    driver.get(driver.url)
    starts = [build_of(driver)]
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(KEPT, "waiting"))  # the new build kept meanwhile
    driver.get(driver.url)
    starts.append(build_of(driver, 20))  # it takes over, and the page loads again
    names = driver.execute_async_script("caches.keys().then(arguments[0])")
    check(starts[0] in ("", "2") and starts[1] == "2" and len(names) == 1 and names[0].endswith(
        re.search(r"const name = `\$\{prefix\}(.*)`", (served / "sw.js").read_text()).group(1)),
          f"a deploy runs whole by the second start, and only its files are kept ({starts}, {names})")
    if kind == "webkit":  # WebKitGTK's test browser loses the replaced build's files under WebDriver; not yet known on iPads
        return print("not in webkit: opened again offline after a deploy (the MiniBrowser reports tavrel.css not loaded)")
    # The network gone: the server stopped, and its files too, since a connection the browser opened ahead
    # would still be answered by a thread of the server.
    driver.server.shutdown()
    driver.server.server_close()
    shutil.rmtree(served)
    driver.get(driver.url + "?source=home-screen")  # as an installed app may open it
    try:
        offline = build_of(driver) == "2" and opened(driver) == START
    except TimeoutException:
        offline = False
    check(offline, "opened again offline")
    step(driver, "click:Command3")
    step(driver, "click:Command1")
    driver.save_screenshot(str(shots / f"web-desktop{'-webkit' * (kind == 'webkit')}.png"))
    driver.quit()


if not chromium:
    print("not in webkit: the manifest as installing reads it, forced colours, phones and tablets, a page without "
          "WebAssembly, the offline list (only Chromium's DevTools protocol reads the manifest, emulates forced "
          "colours, a touch screen, a script run first, and lists the requests); the page's weight, the same files")


if chromium:  # everything the page loads but its icons, before compression
    size = sum(f.stat().st_size for f in web.iterdir() if f.name not in EXPECTED["weight"]["icons"])
    check(size <= EXPECTED["weight"]["most"], f"the page weighs {size} bytes, icons aside")
if chromium:  # axe, reading order, states, zoom, focus: its checks need the DevTools protocol
    access_check.run(functools.partial(browser, kind), close, control, step, check, dump, web, shots)
driver = browser(kind, web, aliased=True)  # for the design read-back
opened(driver)
spinner = control(driver, "VScroll5")
spun = [spinner.aria_role, spinner.accessible_name] + [spinner.get_attribute("aria-value" + a) for a in ("now", "min", "max")]
check(spun == EXPECTED["spin_button"],
      f"screen readers: a spin button with its box's number and range {spun}")
BOXES = "return [...document.querySelector('main .client').shadowRoot.querySelectorAll('.box')].map((b) => b.value)"
boxes = driver.execute_script(BOXES)
check(len(driver.find_elements("css selector", ".window")) == 1, "the main window the build drew, taken over")
driver.execute_script("document.activeElement.shadowRoot.activeElement.blur()")
started = shot(driver.find_element("css selector", "main"))
bar = driver.find_element("css selector", "main .title")
ActionChains(driver).drag_and_drop_by_offset(bar, 0, 1 - bar.rect["y"] - bar.rect["height"] / 2).perform()
check(driver.find_element("css selector", "main").rect["y"] >= 0, "a window dragged up stays on the page")
driver.get(driver.url)
opened(driver)
check_design(driver, dump, title)
# The page's own Content-Security-Policy, forced colours off so that a style would show.
driver.execute_script("document.body.append(Object.assign(document.createElement('script'), { textContent: "
                      "'window.injected = 1' }), Object.assign(document.createElement('style'), { textContent: "
                      "'#heard { color: rgb(255, 0, 0) }' })); document.body.setAttribute('style', 'color: red')")
check(driver.execute_script("return [window.injected, getComputedStyle(document.body).color, getComputedStyle("
                            "document.getElementById('heard')).color]") == [None, "rgb(0, 0, 0)", "rgb(0, 0, 0)"],
      "the page refuses inline script and style")
if chromium:
    driver.get_log("browser")  # its refusals said
    check_manifest(driver)
    note_requests(driver)
scenarios(driver, table, title)
note_requests(driver)

# Forced colours: a greyed box one colour only, the close marks kept, the active title highlighted.
if chromium:
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
    driver.get(driver.url)
    box = control(driver, "Text7")
    step(driver, "click:Command3")
    titles = [driver.execute_script("const p = document.body.appendChild(document.createElement('i')); p.style.background "
                                    "= arguments[0]; return getComputedStyle(document.querySelector(arguments[1]).firstChild)"
                                    ".backgroundColor === getComputedStyle(p).backgroundColor", colour, window)
              for colour, window in (("Canvas", "main"), ("Highlight", "[role=dialog]"))]
    check(len(colours(box, 3)) == 1 and all(titles) and all(
        len(colours(c)) > 1 for c in driver.find_elements("css selector", ".close")),
          f"forced colours: greyed values unseen, close marks and the active title seen ({titles})")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {})
# Never a blank page: whatever fails to load or is missing, a message in view says what.
for missing, said in ((f, m) for f, m in EXPECTED["missing"].items() if f != "_" and (chromium or f != "WebAssembly")):
    server, driver.url = serve(copy(web, missing))
    if missing == "WebAssembly":  # the last one: from now on, every page of this browser
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly"})
    driver.get(driver.url)
    if missing == "main.js":  # drawn at once, by the build: the window the core then shows
        drawn = shot(driver.find_element("css selector", "main"))
        differ = sum(max(map(abs, map(int.__sub__, a, b))) > 48 for a, b in zip(drawn.getdata(), started.getdata()))
        check(driver.execute_script(BOXES) == boxes and drawn.size == started.size and differ < drawn.width * drawn.height / 100,
              f"before any script, the main window drawn as the core shows it ({differ} pixels differ)")
    shown = WebDriverWait(driver, 15).until(lambda d: d.execute_script(MESSAGE))
    check(said in shown, f"without {missing}: {shown!r}")
    note_requests(driver)
    server.shutdown()
driver.quit()

# Phones and tablets: both windows whole on screen, the main one as large as fits; on a phone sideways,
# every target a finger (44 pixels on screen) tall and wide, as elementFromPoint finds it.
TARGETS = """const root = arguments[0].shadowRoot, r = arguments[0].getBoundingClientRect(), hits = {};
for (let y = r.top; y < r.bottom; ++y) for (let x = r.left; x < r.right; ++x) {
  const e = root.elementFromPoint(x, y), option = e?.closest('.option');
  const key = option ? option.dataset.for : e?.matches('.arrow') ? e.parentElement.id + (e.matches('.up')
    ? '.up' : '.down') : e?.matches('.spinner') ? e.id + '.slide' : e?.matches('button') ? e.id : null;
  const h = key && (hits[key] ??= [x, y, x, y]);
  if (h) hits[key] = [Math.min(h[0], x), Math.min(h[1], y), Math.max(h[2], x + 1), Math.max(h[3], y + 1)];
}
return Object.entries(hits).map(([k, h]) => [k, (h[2] - h[0]) * visualViewport.scale, (h[3] - h[1]) * visualViewport.scale]);"""


def small(target):  # an arrow takes half its row; in the airspeed's row, its box, arrows,
    name, width, height = target  # the IAS circle and caption share 32 pixels across
    return width < (0 if name.startswith(("VScroll4.", "Option1")) else 44) or height < (
        22 if name.endswith((".up", ".down")) else 44)


for width, height in EXPECTED["screens"] if chromium else ():
    driver = browser(kind, web, {"deviceMetrics": {"width": width, "height": height, "pixelRatio": 2, "touch": True},
                                 "userAgent": "Mozilla/5.0 (Linux; Android 14) Mobile"})
    control(driver, "Text1")
    if width == 844:
        targets = driver.execute_script(TARGETS, driver.find_element("css selector", "main .client"))
        check(len(targets) == 20 and not list(filter(small, targets)),
              f"phone sideways: a finger's targets ({list(filter(small, targets))} too small)")
    step(driver, "click:Command3")
    check(driver.execute_script(SEEN, "whole") == "1", f"{width}x{height}: both windows whole on screen, the main one as large as fits")
    driver.save_screenshot(str(shots / f"web-{width}x{height}.png"))
    close(driver)

if chromium:  # the offline list: every file asked for above (but the worker itself), and only files that exist
    listed = set(re.findall(r"'([^']*)'", re.search(r"const files = \[(.*)\];", (web / "sw.js").read_text()).group(1)))
    check(requested - {"sw.js"} <= listed and all((web / ("index.html" if f == "./" else f)).is_file() for f in listed),
          f"the offline list: asked for but not kept {requested - {'sw.js'} - listed}, kept but missing "
          f"{[f for f in listed if not (web / f).is_file() and f != './']}")
check_deploy(web, kind, shots)
sys.exit(1 if failures else 0)
