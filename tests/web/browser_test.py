#!/usr/bin/python3
"""Tavrel's page in headless Chromium, served from a sub-path: both windows
against their designs, screen readers, the scenario table, phones and tablets,
forced colours, files missing, the offline list, a deploy. Saves screenshots.

Usage: browser_test.py <web folder> <title> <screenshot folder> <scenario table> <design dump>"""
import functools
import io
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

import access_check
from design_check import check_design
from page import FIND, MESSAGE, START, VALUES, browsers, check, copy, failures, serve

web, title, shots, table, dump = (pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3]),
                                  pathlib.Path(sys.argv[4]), sys.argv[5])
source = pathlib.Path(__file__).resolve().parents[2]
# The browsers that read pixels back draw captions unsmoothed, so that each pixel is its colour or its
# background's; the others, which save the screenshots, draw the page as a user sees it.
ALIASED = {**os.environ, "FONTCONFIG_FILE": str(source / "tests" / "web" / "aliased.conf")}

# Everything the page loads but its icons, before compression.
icons = {"tavrel.svg", "tavrel-128.png", "tavrel-256.png"}
size = sum(f.stat().st_size for f in web.iterdir() if f.name not in icons)
check(size <= 300_000, f"the page weighs {size} bytes, icons aside")

def browser(folder=web, mobile=None, aliased=False, script=""):
    """Chromium on the folder served."""
    server, url = serve(folder)
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--window-size=1024,600", f"--user-data-dir={tempfile.mkdtemp()}"):
        options.add_argument(flag)
    if mobile:
        options.add_experimental_option("mobileEmulation", mobile)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver", env=ALIASED if aliased else None),
                              options=options)
    browsers.append(driver)
    driver.server, driver.url = server, url
    if script:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})
    driver.get(url)
    return driver


def close(driver):
    driver.quit()
    driver.server.shutdown()


requested = set()  # every file of the page a browser asked for, in every use below


def note_requests(driver):
    for entry in (json.loads(e["message"])["message"] for e in driver.get_log("performance")):
        address = entry["params"].get("request", {}).get("url", "").split("?")[0]
        if entry["method"] == "Network.requestWillBeSent" and address.startswith(driver.url):
            requested.add(address[len(driver.url):] or "./")


def control(driver, id):
    return WebDriverWait(driver, 10).until(lambda d: d.execute_script(FIND, id))


def opened(driver):
    """The boxes' numbers, once the core has taken over: the page may be loading again."""
    return WebDriverWait(driver, 20, ignored_exceptions=(WebDriverException,)).until(
        lambda d: d.execute_script(VALUES))


KEYS = {"Esc": "ESCAPE", "PgUp": "PAGE_UP", "PgDown": "PAGE_DOWN", "Ctrl": "CONTROL",
        "KP_Up": "UP"}  # a browser reports the keypad's arrows as the same keys
ARROW = {"up": (0, -4), "down": (0, 4), "off": (-20, 0)}  # a spinner's arrows, and its box beside
CENTRE = "const r = arguments[0].getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]"
# Steps done by a script, given the control named first (if any) and what follows it.
SCRIPTED = {
    "forget": "document.getElementById('heard').textContent = ''",
    # The page in an installed app's window, as it asks (no emulation of it here).
    "installed": "window.matchMedia = ((real) => (query) => query.includes('display-mode') ? "
                 "{ matches: query.includes('standalone') } : real(query))(matchMedia)",
    # Long, with control characters, a bidirectional override, a lone surrogate.
    "paste": "arguments[0].value = '9'.repeat(100000) + '\\u0001\\u001b\\t\\u202e12345\\ud800'; "
             "arguments[0].dispatchEvent(new InputEvent('input', {bubbles: true}))",
    # In pixels, as a mouse wheel reports it: 100 a notch, towards the user.
    "wheel": "arguments[0].dispatchEvent(new WheelEvent('wheel', {deltaY: -arguments[1] * 100 / 120, "
             "bubbles: true, cancelable: true, composed: true}))"}


def finger(driver, target, moves, pause=0.0):  # on a control, or 4 pixels above a spinner's middle, moved up
    x, y = driver.execute_script(CENTRE, control(driver, target))
    y -= 4 if "VScroll" in target else 0
    for kind, at in [("touchStart", y)] + [("touchMove", y - up) for up in moves] + [("touchEnd", None)]:
        if kind == "touchEnd" and pause:  # held still, then the menu a browser offers after a long press
            time.sleep(pause)
            driver.execute_script("document.elementFromPoint(...arguments).shadowRoot.elementFromPoint(...arguments)"
                                  ".dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true, "
                                  "composed: true, clientX: arguments[0], clientY: arguments[1]}))", x, y)
        driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": [] if at is None
                                                             else [{"x": x, "y": at}]})


def phone(driver, width, height):  # a phone of that screen, held that way
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True, "screenOrientation": {
            "type": "portraitPrimary" if height > width else "landscapePrimary", "angle": 0 if height > width else 90}})


def step(driver, step):
    name, _, argument = step.partition(":")
    *modifiers, key = step.split("+")
    actions = ActionChains(driver)
    if key[:1].isupper():  # a key, with the modifiers held
        keys = [getattr(Keys, KEYS.get(k, k.upper())) for k in modifiers]
        for k in keys:
            actions.key_down(k)
        actions.send_keys(key.lower() if len(key) == 1 else getattr(Keys, KEYS.get(key, key.upper())))
        for k in keys:
            actions.key_up(k)
    elif name in ("up", "down", "hold", "press", "move", "release", "right", "middle"):  # WebDriver's moves let go
        global held
        held = ((argument.split(":") + [name if name in ARROW else "up"])[:2]) if argument else held
        x, y = driver.execute_script(CENTRE, control(driver, held[0]))
        button = name if name in ("right", "middle") else "left"
        for kind in {"press": ["mousePressed"], "move": ["mouseMoved"], "release": ["mouseReleased"]}.get(
                name, ["mousePressed", "mouseReleased"]):
            time.sleep(1.2 if name == "hold" and kind == "mouseReleased" else 0)
            driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": kind, "button": button, "clickCount": 1, "buttons": 0 if kind == "mouseReleased" else
                {"left": 1, "right": 2, "middle": 4}[button],
                "x": x + ARROW[held[1]][0], "y": y + ARROW[held[1]][1]})
    elif name in SCRIPTED:
        target, _, value = argument.partition(":")
        driver.execute_script(SCRIPTED[name], target and control(driver, target), value)
    elif name == "phone":  # phone:WxH, a phone of that screen held that way; the page opened on it
        phone(driver, *map(int, argument.split("x")))
        driver.refresh()
        opened(driver)
        driver.execute_script(CLOSE_STUB)
    elif step == "turn":  # the phone turned the other way
        width, height = driver.execute_script("return [screen.width, screen.height]")
        phone(driver, height, width)
        actions.pause(0.5)
    elif step in ("closemain", "closeabout"):
        window = "main" if step == "closemain" else "section[role=dialog]"
        actions.click(driver.find_element("css selector", window + " .close"))
    elif name == "wait":
        actions.pause(int(argument) / 1000)
    elif name == "click":
        actions.click(control(driver, argument))
    elif name in ("tap", "slide", "long"):  # a finger, up by pixels, or held still on it 1.2 s
        target, _, up = argument.partition(":")
        finger(driver, target, [float(up) * i / 4 for i in (1, 2, 3, 4)] if up else [], 1.2 * (name == "long"))
    elif name == "type":
        box, text = argument.split(":")
        actions.click(control(driver, box)).send_keys(text)
    else:
        raise ValueError("unknown step " + step)
    actions.perform()


SEEN = """const [what, id] = arguments;
const main = document.querySelector('main');
const about = document.querySelector('section[role=dialog]');
const find = (id) => [main, about].map((w) => w?.querySelector('.client').shadowRoot
                                        .getElementById(id)).find((c) => c);
if (what === 'focus') { const e = document.activeElement; return (e?.shadowRoot ? e.shadowRoot.activeElement?.id : e?.id) || 'none'; }
if (what === 'about') return about && getComputedStyle(about).visibility === 'visible' ? '1' : '0';
if (what === 'active') { // the active window must be the one in front
  const shown = [main, about].filter((w) => w && getComputedStyle(w).visibility === 'visible');
  const z = (w) => +getComputedStyle(w).zIndex || 0;
  const front = shown.reduce((a, b) => (z(b) >= z(a) ? b : a));
  const active = document.querySelector('.window.active');
  return active !== front ? 'not in front' : active === about ? 'about' : 'main';
}
if (what === 'placed') { // the main window centred across the page
  const { clientWidth: w, clientHeight: h } = document.documentElement;
  const r = main.getBoundingClientRect();
  return Math.abs(r.left - (w - r.width) / 2) <= 1 &&
    Math.abs(r.top - Math.max(0, h - r.height) / 8) <= 1 ? 'main' : `main at ${r.left},${r.top}`;
}
if (what === 'greyed') { // in the colour GrayText takes
  const probe = Object.assign(document.body.appendChild(document.createElement('i')), { style: 'color: GrayText' });
  return getComputedStyle(find(id)).color === getComputedStyle(probe).color ? id : id + ' not greyed';
}
if (what === 'heard') return document.getElementById('heard').textContent.trim();
if (what === 'ended') return document.getElementById('ended').hidden ? '0' : '1';
if (what === 'closed') return document.documentElement.dataset.closed ?? '0';
if (what === 'menu') return String(window.menus ?? 0);
const boxes = [main, about].flatMap((w) => w ? [...w.querySelector('.client').shadowRoot.querySelectorAll('input')] : []);
if (what === 'selected') { // page text: a box's own selection, made as it takes the focus, set aside
  const text = getSelection().toString();
  return boxes.some((b) => text === b.value.slice(b.selectionStart, b.selectionEnd)) ? '' : text;
}
if (what === 'keyboard') { // boxes that would open a touch screen's keyboard
  return String(boxes.filter((b) => b.type !== 'radio' && !b.readOnly && b.inputMode !== 'none').length);
}
if (what === 'whole') { // both windows whole on screen, the main one as large as fits
  const { clientWidth: w, clientHeight: h } = document.documentElement;
  return [main, about].every((f) => { const r = f?.getBoundingClientRect() ?? { left: 0, top: 0, right: 0, bottom: 0 };
    return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h; }) &&
    Math.max(main.offsetWidth / visualViewport.width, main.offsetHeight / visualViewport.height) >= 0.98 ? '1' : '0';
}
const element = find(id ?? what);
if (what === 'checked') return element.checked ? id : id + ' unchecked';
return element.value;"""


def colours(element, margin=0):
    image = Image.open(io.BytesIO(element.screenshot_as_png)).convert("RGB")
    return image.crop((margin, margin, image.width - margin, image.height - margin)).getcolors(99999)


# window.close() recorded rather than done, and every context menu not refused.
CLOSE_STUB = """window.close = () => { document.documentElement.dataset.closed = '1'; };
addEventListener('contextmenu', (e) => setTimeout(() => { if (!e.defaultPrevented) window.menus = (window.menus ?? 0) + 1; }));"""


def scenarios(driver, table):
    for line in table.read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        name, steps, checks, *note = (column.strip() for column in line.split("|"))
        if note and "web:" in note[0]:
            print("not here: " + name + " (" + note[0] + ")")
            continue
        for command, arguments in (("clearDeviceMetricsOverride", {}), ("setEmulatedMedia", {}), ("setTouchEmulationEnabled", {"enabled": False})):
            driver.execute_cdp_cmd("Emulation." + command, arguments)
        driver.get(driver.url)
        opened(driver)
        driver.execute_script(CLOSE_STUB)
        messages = 0
        for s in steps.split():
            step(driver, s)
            for message in driver.find_elements("css selector", "dialog[open]"):
                messages += message.text.split("\n")[0] == title and driver.execute_script(
                    "const m = arguments[0]; return m.matches(':modal') && !!document"
                    ".getElementById(m.getAttribute('aria-describedby')).textContent", message)
                ActionChains(driver).send_keys(Keys.ESCAPE).perform()
        seen, expected = [], []
        for item in checks.split():
            what, _, value = item.replace(">=", "=").replace("<=", "=").partition("=")
            if what in ("blank", "inked"):
                ink = [c for _, c in colours(control(driver, value), 3) if c != (255, 255, 255)]  # value, selection, caret
                got = value if bool(ink) == (what == "inked") else value + " wrong"
            else:
                got = str(messages) if what == "message" else driver.execute_script(
                    SEEN, what, value if what in ("checked", "placed", "greyed") else None)
            if item[len(what)] in "<>":
                ok = int(got) >= int(value) if item[len(what)] == ">" else int(got) <= int(value)
                got, value = ("ok", "ok") if ok else (got, item[len(what):len(what) + 2] + value)
            seen.append(what + "=" + got)
            expected.append(what + "=" + value.replace("_", " "))
        errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
        check(seen == expected and not errors, name + ("" if seen == expected else f": {seen}") +
              "".join("; " + error for error in errors))


access_check.run(browser, close, control, step, check, dump, web, shots)  # axe, reading order, states, zoom, focus
driver = browser(aliased=True)  # for the design read-back
opened(driver)
spinner = control(driver, "VScroll5")
spun = [spinner.aria_role, spinner.accessible_name] + [spinner.get_attribute("aria-value" + a) for a in ("now", "min", "max")]
check(spun == ["spinbutton", "Flying from Feet", "30000", "2000", "62000"],
      f"screen readers: a spin button with its box's number and range {spun}")
BOXES = "return [...document.querySelector('main .client').shadowRoot.querySelectorAll('.box')].map((b) => b.value)"
boxes = driver.execute_script(BOXES)
check(len(driver.find_elements("css selector", ".window")) == 1, "the main window the build drew, taken over")
driver.execute_script("document.activeElement.shadowRoot.activeElement.blur()")
started = Image.open(io.BytesIO(driver.find_element("css selector", "main").screenshot_as_png))
bar = driver.find_element("css selector", "main .title")
ActionChains(driver).drag_and_drop_by_offset(bar, 0, 1 - bar.rect["y"] - bar.rect["height"] / 2).perform()
check(driver.find_element("css selector", "main").rect["y"] >= 0, "a window dragged up stays on the page")
driver.get(driver.url)
opened(driver)
check_design(driver, dump, title, control, check)

# The page's own Content-Security-Policy, forced colours off so that a style would show.
driver.execute_script("document.body.append(Object.assign(document.createElement('script'), { textContent: "
                      "'window.injected = 1' }), Object.assign(document.createElement('style'), { textContent: "
                      "'#heard { color: rgb(255, 0, 0) }' })); document.body.setAttribute('style', 'color: red')")
check(driver.execute_script("return [window.injected, getComputedStyle(document.body).color, getComputedStyle("
                            "document.getElementById('heard')).color]") == [None, "rgb(0, 0, 0)", "rgb(0, 0, 0)"],
      "the page refuses inline script and style")
driver.get_log("browser")  # its refusals said

# The manifest as installing reads it: a window of its own, within the served path, its icons as declared.
manifest = driver.execute_cdp_cmd("Page.getAppManifest", {})
declared, place = json.loads(manifest["data"]), functools.partial(urllib.parse.urljoin, manifest["url"])
fetched = {}
for icon in declared["icons"]:
    with urllib.request.urlopen(place(icon["src"])) as response:
        body, kind = response.read(), response.headers["Content-Type"]
    fetched[icon["sizes"]] = kind == icon["type"] and icon["sizes"] == ("any" if kind == "image/svg+xml" else "x".join(
        map(str, Image.open(io.BytesIO(body)).size)))
check(not manifest["errors"] and declared["display"] in ("standalone", "fullscreen", "minimal-ui") and
      place(declared["start_url"]).startswith(place(declared["scope"])) and place(declared["scope"]).startswith(driver.url)
      and all(fetched.values()) and ({"192x192", "512x512"} <= fetched.keys() or "any" in fetched),
      f"the manifest, as installed: {manifest['errors']}, {declared['display']}, {declared['start_url']}, {fetched}")
note_requests(driver)
scenarios(driver, table)
note_requests(driver)


# Forced colours: a greyed box one colour only, the close marks kept, the active title highlighted.
driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
driver.get(driver.url)
box = control(driver, "Text7")
step(driver, "click:Command3")
titles = [driver.execute_script("const p = document.body.appendChild(document.createElement('i')); "
                                "p.style.background = arguments[0]; return getComputedStyle(document.querySelector("
                                "arguments[1]).firstChild).backgroundColor === getComputedStyle(p).backgroundColor",
                                colour, window) for colour, window in (("Canvas", "main"), ("Highlight", "[role=dialog]"))]
check(len(colours(box, 3)) == 1 and all(titles) and all(
          len(colours(c)) > 1 for c in driver.find_elements("css selector", ".close")),
      f"forced colours: greyed values unseen, close marks and the active title seen ({titles})")
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
    arrow = name.endswith((".up", ".down"))
    return width < (0 if name.startswith(("VScroll4.", "Option1")) else 44) or height < (22 if arrow else 44)


for width, height in ((844, 390), (390, 844), (1180, 820), (820, 1180), (1024, 768)):
    driver = browser(web, {"deviceMetrics": {"width": width, "height": height, "pixelRatio": 2, "touch": True},
                      "userAgent": "Mozilla/5.0 (Linux; Android 14) Mobile"})
    control(driver, "Text1")
    if width == 844:
        targets = driver.execute_script(TARGETS, driver.find_element("css selector", "main .client"))
        check(len(targets) == 20 and not list(filter(small, targets)),
              f"phone sideways: a finger's targets ({list(filter(small, targets))} too small)")
    step(driver, "click:Command3")
    check(driver.execute_script(SEEN, "whole") == "1",
          f"{width}x{height}: both windows whole on screen, the main one as large as fits")
    driver.save_screenshot(str(shots / f"web-{width}x{height}.png"))
    close(driver)


# Never a blank page: whatever fails to load or is missing, a message in view says what.
for missing in ("tavrel.wasm", "windows.js", "tavrel.css", "controls.css", "main.js", "WebAssembly"):
    driver = browser(copy(web, missing), aliased=missing == "main.js",  # drawn as the page read back
                     script="delete window.WebAssembly" if missing == "WebAssembly" else "")
    if missing == "main.js":  # drawn at once, by the build: the window the core then shows
        drawn = Image.open(io.BytesIO(driver.find_element("css selector", "main").screenshot_as_png))
        differ = sum(max(map(abs, map(int.__sub__, a, b))) > 48 for a, b in
                     zip(drawn.convert("RGB").getdata(), started.convert("RGB").getdata()))
        check(driver.execute_script(BOXES) == boxes and drawn.size == started.size and differ < drawn.width * drawn.height / 100,
              f"before any script, the main window drawn as the core shows it ({differ} pixels differ)")
    shown = WebDriverWait(driver, 15).until(lambda d: d.execute_script(MESSAGE))
    check(("did not run" if missing == "main.js" else missing) in shown, f"without {missing}: {shown!r}")
    note_requests(driver)
    close(driver)

# The offline list: every file asked for above (but the worker itself), and only files that exist.
listed = set(re.findall(r"'([^']*)'", re.search(r"const files = \[(.*)\];", (web / "sw.js").read_text()).group(1)))
check(requested - {"sw.js"} <= listed and all((web / ("index.html" if f == "./" else f)).is_file() for f in listed),
      f"the offline list: asked for but not kept {requested - {'sw.js'} - listed}, kept but missing "
      f"{[f for f in listed if not (web / f).is_file() and f != './']}")


def build_of(driver):
    """The build the page runs, once started: its stylesheet's mark."""
    opened(driver)
    return driver.execute_script("return getComputedStyle(document.body).getPropertyValue('--build').trim()")


def kept(driver, what):
    return driver.execute_script(f"return navigator.serviceWorker.getRegistration().then((r) => !!r?.{what})")


# A deploy: a new build with one changed file, stamped as the build stamps it, replaces one opened, whose
# files stay fresh in the HTTP cache. It runs whole by the second start, then opens without the network.
served = copy(web)
for file in served.iterdir():  # a month old
    os.utime(file, (time.time() - 30 * 86400,) * 2)
driver = browser(served)
build_of(driver)
WebDriverWait(driver, 20).until(lambda d: kept(d, "active"))
worker = (served / "sw.js").read_text()
with open(served / "tavrel.css", "a") as css:
    css.write("\nbody { --build: 2; }\n")
files = re.search(r"const files = \['\./', '(.*)'\];", worker).group(1).replace("', '", ",")
subprocess.run(["cmake", f"-DDIR={served}", f"-DFILES={files}", f"-DTEMPLATE={source}/web/page/sw.js.in",
                "-P", f"{source}/web/stamp_worker.cmake"], check=True)
check((served / "sw.js").read_text() != worker, "a changed file changes the service worker and its set's name")
driver.get(driver.url)
starts = [build_of(driver)]
WebDriverWait(driver, 20).until(lambda d: kept(d, "waiting"))  # the new build kept meanwhile
driver.get(driver.url)
try:  # it takes over, and the page loads again
    WebDriverWait(driver, 20, ignored_exceptions=(WebDriverException,)).until(lambda d: build_of(d) == "2")
except TimeoutException:
    pass
starts.append(build_of(driver))
names = driver.execute_async_script("caches.keys().then(arguments[0])")
check(starts[0] in ("", "2") and starts[1] == "2" and len(names) == 1 and names[0].endswith(
    re.search(r"const name = `\$\{prefix\}(.*)`", (served / "sw.js").read_text()).group(1)),
      f"a deploy runs whole by the second start, and only its files are kept ({starts}, {names})")
driver.server.shutdown()
driver.server.server_close()
driver.get(driver.url + "?source=home-screen")  # as an installed app may open it
check(build_of(driver) == "2" and opened(driver) == START, "opened again offline")
step(driver, "click:Command3")
step(driver, "click:Command1")
driver.save_screenshot(str(shots / "web-desktop.png"))
driver.quit()

sys.exit(1 if failures else 0)
