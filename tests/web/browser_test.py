#!/usr/bin/python3
"""Tavrel's page served from a sub-path, in Chromium, WebKitGTK (the iPad's engine) or Firefox, driven alike: both
windows against their designs, the scenario table, the policy, files missing, a deploy; in Chromium also assistive
tools, phones and tablets, the manifest and the offline list. What an engine cannot do is skipped by name.

Usage: browser_test.py <web folder> <title> <screenshot folder> <scenario table> <design dump> [chromium|webkit|firefox]"""
import contextlib, functools, io, json, os, pathlib, re, shutil, subprocess, sys, time  # noqa: E401
import urllib.parse, urllib.request  # noqa: E401

from PIL import Image
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver import ActionChains
from selenium.webdriver.support.ui import WebDriverWait

import access_check
from design_check import check_design
from page import CANNOT, CHROMIUM, EXPECTED, KIND, MESSAGE, SHOTS, START, WEB, browser, check, control, copy, failures, \
    opened, requested, serve, shot
from scenarios import scenarios, step

KEPT = "return navigator.serviceWorker.getRegistration().then((r) => !!r?.[arguments[0]])"
BUILD = "return getComputedStyle(document.body).getPropertyValue('--build').trim()"  # the build's stylesheet's mark
BOXES = "return [...document.querySelector('main .client').shadowRoot.querySelectorAll('.box')].map((b) => b.value)"


def build_of(driver, wait=0):
    """The build the page runs once started, waiting for the one wanted, if any: the page may load again."""
    with contextlib.suppress(TimeoutException):
        WebDriverWait(driver, wait, ignored_exceptions=(WebDriverException,)).until(
            lambda d: opened(d) and d.execute_script(BUILD) == "2")
    return opened(driver) and driver.execute_script(BUILD)


for what, why in CANNOT.items():
    print(f"not in {KIND}: {why}") if what not in ("_", "rows") else None
if CHROMIUM:  # everything the page loads but its icons, before compression; then what assistive tools meet
    size = sum(f.stat().st_size for f in WEB.iterdir() if f.name not in EXPECTED["weight"]["icons"])
    check(size <= EXPECTED["weight"]["most"], f"the page weighs {size} bytes, icons aside")
    access_check.run()
opened(driver := browser(WEB, aliased=True))  # for the design read-back
spinner = control(driver, "VScroll5")
spun = [spinner.aria_role, spinner.accessible_name] + [spinner.get_attribute("aria-value" + a) for a in ("now", "min", "max")]
check(spun == EXPECTED["spin_button"], f"screen readers: a spin button with its box's number and range {spun}")
boxes = driver.execute_script(BOXES)
check(len(driver.find_elements("css selector", ".window")) == 1, "the main window the build drew, taken over")
driver.execute_script("document.activeElement.shadowRoot.activeElement.blur()")
started = shot(driver.find_element("css selector", "main"))
bar = driver.find_element("css selector", "main .title")
ActionChains(driver).drag_and_drop_by_offset(bar, 0, 1 - bar.rect["y"] - bar.rect["height"] / 2).perform()
check(driver.find_element("css selector", "main").rect["y"] >= 0, "a window dragged up stays on the page")
driver.get(driver.url)
opened(driver)
check_design(driver)
# The page's own Content-Security-Policy, forced colours off so that a style would show.
driver.execute_script("document.body.append(Object.assign(document.createElement('script'), { textContent: "
                      "'window.injected = 1' }), Object.assign(document.createElement('style'), { textContent: "
                      "'#heard { color: rgb(255, 0, 0) }' })); document.body.setAttribute('style', 'color: red')")
check(driver.execute_script("return [window.injected, getComputedStyle(document.body).color, getComputedStyle("
                            "document.getElementById('heard')).color]") == [None, "rgb(0, 0, 0)", "rgb(0, 0, 0)"],
      "the page refuses inline script and style")
if CHROMIUM:  # its refusals said; the manifest: a window of its own, within the served path, its icons as declared
    driver.get_log("browser")
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
scenarios(driver)
late = None
server, driver.url = serve(WEB, late="tavrel.css")  # the page's stylesheet after its script: it waits for it
driver.get(driver.url)
with contextlib.suppress(TimeoutException):
    late = opened(driver)
check(late == START and not driver.execute_script(MESSAGE), f"the page's stylesheet late, Tavrel starts: {late}")
server.shutdown()
# Never a blank page: whatever fails to load or is missing, a message in view says what.
for missing, said in ((f, m) for f, m in EXPECTED["missing"].items() if f != "_" and (CHROMIUM or f != "WebAssembly")):
    server, driver.url = serve(copy(missing))
    if missing == "WebAssembly":  # the last one: from now on, every page of this browser
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly"})
    driver.get(driver.url)
    if missing == "main.js":  # drawn at once, by the build: the window the core then shows
        drawn = shot(driver.find_element("css selector", "main"))
        differ = sum(max(map(abs, map(int.__sub__, a, b))) > 48 for a, b in zip(drawn.getdata(), started.getdata()))
        check(driver.execute_script(BOXES) == boxes and drawn.size == started.size and differ < drawn.width * drawn.height / 100,
              f"before any script, the main window drawn as the core shows it ({differ} pixels differ)")
    with contextlib.suppress(TimeoutException):  # without tavrel.css, "did not run" shows till the script runs
        WebDriverWait(driver, 15).until(lambda d: said in (d.execute_script(MESSAGE) or ""))
    check(said in (shown := driver.execute_script(MESSAGE) or ""), f"without {missing}: {shown!r}")
    server.shutdown()
driver.quit()
# The offline list: every file of the page asked for above (but the worker itself), and only files that exist.
listed = set(re.findall(r"'([^']*)'", re.search(r"const files = \[(.*)\];", (WEB / "sw.js").read_text()).group(1)))
missing = [f for f in listed if not (WEB / ("index.html" if f == "./" else f)).is_file()]
asked = {f for f in requested if "/" not in f} - {"sw.js"}  # the page's own folder's
check(asked <= listed and not missing, f"the offline list: asked for but not kept {asked - listed}, kept but missing {missing}")
# A deploy: a new build with one changed file, stamped as the build stamps it, replaces one opened, whose files stay
# fresh in the HTTP cache. It runs whole by the second start, then opens without the network.
for file in (served := copy()).iterdir():  # a month old
    os.utime(file, (time.time() - 30 * 86400,) * 2)
build_of(driver := browser(served))
WebDriverWait(driver, 20).until(lambda d: d.execute_script(KEPT, "active"))
worker = (served / "sw.js").read_text()
(served / "tavrel.css").write_text((served / "tavrel.css").read_text() + "\nbody { --build: 2; }\n")
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
if "takeover" not in CANNOT:
    check(starts[0] in ("", "2") and starts[1] == "2" and len(names) == 1 and names[0].endswith(re.search(
        r"const name = `\$\{prefix\}(.*)`", (served / "sw.js").read_text()).group(1)),
          f"a deploy runs whole by the second start, and only its files are kept ({starts}, {names})")
if not CANNOT.keys() & {"takeover", "offline"}:
    # The network gone: the server stopped, and its files too, since a connection the browser opened ahead
    # would still be answered by a thread of the server.
    driver.server.shutdown(), driver.server.server_close(), shutil.rmtree(served)
    driver.get(driver.url + "?source=home-screen")  # as an installed app may open it
    offline = False
    with contextlib.suppress(TimeoutException):
        offline = build_of(driver) == "2" and opened(driver) == START
    check(offline, "opened again offline")
    step(driver, "click:Command3"), step(driver, "click:Command1")
    driver.save_screenshot(str(SHOTS / f"web-desktop{'' if CHROMIUM else '-' + KIND}.png"))
    driver.quit()
sys.exit(1 if failures else 0)
