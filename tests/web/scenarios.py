"""The shared scenario table on the page, each row on a freshly loaded page, in Chromium or WebKitGTK."""
import time

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

from page import EXPECTED, check, colours, control, opened

KEYS = {"Esc": "ESCAPE", "PgUp": "PAGE_UP", "PgDown": "PAGE_DOWN", "Ctrl": "CONTROL", "Enter": "RETURN",
        "KP_Enter": "ENTER", "KP_Up": "UP"}  # WebDriver's ENTER is the keypad's; its arrows are the same keys
ARROW = {"up": (0, -4), "down": (0, 4), "off": (-20, 0)}  # a spinner's arrows, and its box beside
BUTTONS = {"left": (0, 1), "middle": (1, 4), "right": (2, 2)}  # WebDriver's number, and the DOM's buttons mask
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
# window.close() recorded rather than done, every context menu not refused, and every error the page throws.
STUB = """window.close = () => { document.documentElement.dataset.closed = '1'; };
addEventListener('contextmenu', (e) => setTimeout(() => { if (!e.defaultPrevented) window.menus = (window.menus ?? 0) + 1; }));
window.errors = []; addEventListener('error', (e) => errors.push(e.message));
addEventListener('unhandledrejection', (e) => errors.push(String(e.reason)));"""
SEEN = """const [what, id] = arguments, main = document.querySelector('main'), about = document.querySelector('section[role=dialog]');
const shown = [main, about].filter((w) => w && getComputedStyle(w).visibility === 'visible'), { clientWidth: w, clientHeight: h } = document.documentElement;
const boxes = [main, about].flatMap((w) => w ? [...w.querySelector('.client').shadowRoot.querySelectorAll('input')] : []);
const find = (id) => [main, about].map((w) => w?.querySelector('.client').shadowRoot.getElementById(id)).find((c) => c);
const r = main?.getBoundingClientRect(), e = document.activeElement, text = getSelection().toString();
const front = shown.reduce((a, b) => (+getComputedStyle(b).zIndex || 0) >= (+getComputedStyle(a).zIndex || 0) ? b : a, shown[0]);
const active = document.querySelector('.window.active');
switch (what) {
case 'focus': return (e?.shadowRoot ? e.shadowRoot.activeElement?.id : e?.id) || 'none';
case 'about': return about && shown.includes(about) ? '1' : '0';
case 'active': return active !== front ? 'not in front' : active === about ? 'about' : 'main'; // the active one in front
case 'placed': return Math.abs(r.left - (w - r.width) / 2) <= 1 && Math.abs(r.top - Math.max(0, h - r.height) / 8) <= 1
  ? 'main' : `main at ${r.left},${r.top}`; // centred across, an eighth of the spare height above
case 'greyed': return getComputedStyle(find(id)).color === getComputedStyle(Object.assign(document.body.appendChild(
  document.createElement('i')), { style: 'color: GrayText' })).color ? id : id + ' not greyed';
case 'heard': return document.getElementById('heard').textContent.trim();
case 'ended': return document.getElementById('ended').hidden ? '0' : '1';
case 'closed': return document.documentElement.dataset.closed ?? '0';
case 'menu': return String(window.menus ?? 0);
case 'selected': // page text, a box's own selection (made as it takes the focus) set aside
  return boxes.some((b) => text === b.value.slice(b.selectionStart, b.selectionEnd)) ? '' : text;
case 'keyboard': // boxes that would open a touch screen's keyboard
  return String(boxes.filter((b) => b.type !== 'radio' && !b.readOnly && b.inputMode !== 'none').length);
case 'whole': // both windows whole on screen, the main one as large as fits
  return [main, about].every((f) => { const r = f?.getBoundingClientRect() ?? { left: 0, top: 0, right: 0, bottom: 0 };
    return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h; }) &&
    Math.max(main.offsetWidth / visualViewport.width, main.offsetHeight / visualViewport.height) >= 0.98 ? '1' : '0';
case 'checked': return find(id).checked ? id : id + ' unchecked';
default: return find(what).value;
}"""


def mouse(driver, kinds, button, x, y, hold=0.0):  # kinds: press, move, release, done at that point of the page
    if driver.kind == "chromium":  # WebDriver's moves in Chromium let a held button go
        for kind in kinds:
            time.sleep(hold if kind == "release" else 0)
            driver.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouse" + {"press": "Pressed", "move": "Moved",
                                   "release": "Released"}[kind],
                                   "button": button, "clickCount": 1, "x": x, "y": y,
                                   "buttons": 0 if kind == "release" else BUTTONS[button][1]})
        return
    actions = ActionBuilder(driver)  # one sequence, so that WebKit's driver lets go between no two of them
    actions.pointer_action.move_to_location(round(x), round(y))
    for kind in (k for k in kinds if k != "move"):
        getattr(actions.pointer_action, "pointer_" + ("down" if kind == "press" else "up"))(BUTTONS[button][0])
        actions.pointer_action.pause(hold if kind == "press" else 0)
    actions.perform()


def finger(driver, target, moves, pause=0.0):  # on a control, or 4 pixels above a spinner's middle, moved up
    x, y = driver.execute_script(CENTRE, control(driver, target))
    y -= 4 if "VScroll" in target else 0
    for kind, at in [("touchStart", y)] + [("touchMove", y - up) for up in moves] + [("touchEnd", None)]:
        if kind == "touchEnd" and pause:  # held still, then the menu a browser offers after a long press
            time.sleep(pause)
            driver.execute_script("document.elementFromPoint(...arguments).shadowRoot.elementFromPoint(...arguments)"
                                  ".dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true, "
                                  "composed: true, clientX: arguments[0], clientY: arguments[1]}))", x, y)
        driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": [{"x": x, "y": at}] * (at is not None)})


def phone(driver, width, height):  # a phone of that screen, held that way
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": width, "height": height, "deviceScaleFactor": 2,
        "mobile": True, "screenOrientation": {"type": ("portrait" if height > width else "landscape") + "Primary",
                                              "angle": 0 if height > width else 90}})


def step(driver, step, held=[None]):  # held: the spinner and arrow that press: put the pointer on
    name, _, argument = step.partition(":")
    *modifiers, key = step.split("+")
    actions = ActionChains(driver)
    if step == "Shift+Tab" and driver.kind == "webkit":  # its driver sends this one without a name: sent as Safari does
        driver.execute_script("const e = document.activeElement; (e.shadowRoot?.activeElement ?? e).dispatchEvent(new "
                              "KeyboardEvent('keydown', { key: 'Tab', shiftKey: true, bubbles: true, composed: true }))")
    elif key[:1].isupper():  # a key, with the modifiers held
        keys = [getattr(Keys, KEYS.get(k, k.upper())) for k in modifiers]
        for k in keys:
            actions.key_down(k)
        actions.send_keys(key.lower() if len(key) == 1 else getattr(Keys, KEYS.get(key, key.upper())))
        for k in keys:
            actions.key_up(k)
    elif name in ("up", "down", "hold", "press", "move", "release", "right", "middle"):
        held[0] = (argument.split(":") + [name if name in ARROW else "up"])[:2] if argument else held[0]
        x, y = driver.execute_script(CENTRE, control(driver, held[0][0]))
        mouse(driver, [name] if name in ("press", "move", "release") else ["press", "release"], name if name in (
            "right", "middle") else "left", x + ARROW[held[0][1]][0], y + ARROW[held[0][1]][1], 1.2 * (name == "hold"))
    elif name in SCRIPTED:
        target, _, value = argument.partition(":")
        driver.execute_script(SCRIPTED[name], target and control(driver, target), value)
    elif name == "phone":  # the page opened on a phone of that screen, held that way
        phone(driver, *map(int, argument.split("x")))
        driver.refresh()
        opened(driver)
        driver.execute_script(STUB)
    elif step == "turn":  # the phone turned the other way
        phone(driver, *reversed(driver.execute_script("return [screen.width, screen.height]")))
        actions.pause(0.5)
    elif step in ("closemain", "closeabout"):
        actions.click(driver.find_element("css selector", ("main" if step == "closemain" else "[role=dialog]") + " .close"))
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


def row(driver, steps, checks, title):
    """What a row's checks see after its steps, and every error the page reported, on a freshly loaded page."""
    for command, arguments in (("clearDeviceMetricsOverride", {}), ("setEmulatedMedia", {}), (
            "setTouchEmulationEnabled", {"enabled": False})) if driver.kind == "chromium" else ():
        driver.execute_cdp_cmd("Emulation." + command, arguments)
    driver.get(driver.url)
    opened(driver)
    driver.execute_script(STUB)
    messages, seen, expected = 0, [], []
    for s in steps.split():
        step(driver, s)
        for message in driver.find_elements("css selector", "dialog[open]"):
            messages += driver.execute_script("const [m, title] = arguments, text = (a) => document.getElementById("
                                              "m.getAttribute(a))?.innerText; return m.matches(':modal') && "
                                              "text('aria-labelledby') === title && !!text('aria-describedby')", message, title)
            ActionChains(driver).send_keys(Keys.ESCAPE).perform()
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
    return seen, expected, driver.execute_script("return window.errors") + ([e["message"] for e in driver.get_log(
        "browser") if e["level"] == "SEVERE"] if driver.kind == "chromium" else [])  # WebKit's driver keeps no console log


def scenarios(driver, table, title):
    for line in (line for line in table.read_text().splitlines() if line.strip() and not line.startswith("#")):
        name, steps, checks, *note = (column.strip() for column in line.split("|"))
        why = [why for kinds, why in EXPECTED["webkit_cannot"].items() if driver.kind == "webkit" and any(
            item.startswith(tuple(kinds.split())) for item in steps.split() + checks.split())]
        if note and "web:" in note[0] or why:
            print(f"not here: {name} ({(why or note)[0]})")
            continue
        try:
            seen, expected, errors = row(driver, steps, checks, title)
        except WebDriverException as error:  # the page's process gone, say: the next row loads it again
            seen, expected, errors = [], [], [error.msg or type(error).__name__]
        check(seen == expected and not errors, name + ("" if seen == expected else f": {seen}") +
              "".join("; " + error for error in errors))
