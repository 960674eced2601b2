"""The shared scenario table on the page, each row on a freshly loaded page, in any of the three engines."""
import re, time  # noqa: E401

from selenium.common.exceptions import WebDriverException
from selenium.webdriver import ActionChains, Keys
from selenium.webdriver.common.actions.action_builder import ActionBuilder

from page import CANNOT, EXPECTED, TABLE, TITLE, check, control, opened, shot

KEYS, ARROW, BUTTONS = EXPECTED["keys"], EXPECTED["arrows"], EXPECTED["buttons"]
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
    elif name in ("up", "down", "hold", "press", "move", "release", "right", "middle"):  # the mouse, at that point
        held[0] = (argument.split(":") + [name if name in ARROW else "up"])[:2] if argument else held[0]
        x, y = map(sum, zip(driver.execute_script(CENTRE, control(driver, held[0][0])), ARROW[held[0][1]]))
        kinds, button = [name] if name in ("press", "move", "release") else ["press", "release"], BUTTONS.get(
            name, BUTTONS["left"])
        for kind in kinds if driver.kind == "chromium" else ():  # WebDriver's moves in Chromium let a held button go
            time.sleep(1.2 * (name == "hold" and kind == "release"))
            driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": "mouse" + {"press": "Pressed", "move": "Moved", "release": "Released"}[kind], "button": button[0],
                "clickCount": 1, "x": x, "y": y, "buttons": 0 if kind == "release" else button[2]})
        if driver.kind != "chromium":  # one sequence, so that the driver lets go between no two of them
            (pointer := (builder := ActionBuilder(driver)).pointer_action).move_to_location(round(x), round(y))
            for kind in (k for k in kinds if k != "move"):
                (pointer.pointer_down if kind == "press" else pointer.pointer_up)(button[1])
                pointer.pause(1.2 * (name == "hold" and kind == "press"))
            builder.perform()
    elif name in SCRIPTED:
        target, _, value = argument.partition(":")
        driver.execute_script(SCRIPTED[name], target and control(driver, target), value)
    elif name in ("phone", "turn"):  # the page opened on a phone of that screen, held that way; the phone turned
        width, height = map(int, argument.split("x")) if argument else driver.execute_script(
            "return [screen.height, screen.width]")
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": width, "height": height, "mobile": True,
            "deviceScaleFactor": 2, "screenOrientation": {"type": ("portrait" if height > width else "landscape") +
                                                          "Primary", "angle": 0 if height > width else 90}})
        if argument:
            driver.refresh()
            opened(driver)
            driver.execute_script(STUB)
        actions.pause(0.5 * (not argument))
    elif step in ("closemain", "closeabout"):
        actions.click(driver.find_element("css selector", ("main" if step == "closemain" else "[role=dialog]") + " .close"))
    elif name in ("wait", "click", "type"):  # type: a click on the box, then the text
        box, _, text = argument.partition(":")
        actions.pause(int(argument) / 1000) if name == "wait" else actions.click(control(driver, box)).send_keys(text)
    elif name in ("tap", "slide", "long"):  # a finger on a control, or 4 pixels above a spinner's middle, moved up
        target, _, up = argument.partition(":")  # by pixels, or held still 1.2 s
        x, y = driver.execute_script(CENTRE, control(driver, target))
        y -= 4 if "VScroll" in target else 0
        for kind, at in [("touchStart", y)] + [("touchMove", y - float(up) * i / 4) for i in (1, 2, 3, 4) if up] + [
                ("touchEnd", None)]:
            if kind == "touchEnd" and name == "long":  # held still, then the menu a browser offers after a long press
                time.sleep(1.2)
                driver.execute_script("document.elementFromPoint(...arguments).shadowRoot.elementFromPoint(...arguments)"
                                      ".dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true, "
                                      "composed: true, clientX: arguments[0], clientY: arguments[1]}))", x, y)
            driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": [{"x": x, "y": at}] * (
                at is not None)})
    else:
        raise ValueError("unknown step " + step)
    actions.perform()


def row(driver, steps, checks):
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
                                              "text('aria-labelledby') === title && !!text('aria-describedby')", message, TITLE)
            ActionChains(driver).send_keys(Keys.ESCAPE).perform()
    for what, op, value in (re.fullmatch(r"(\w+)([<>]?=)(.*)", item).groups() for item in checks.split()):
        if what in ("blank", "inked"):
            ink = [c for _, c in shot(control(driver, value), 3).getcolors(1 << 20) if c != (255, 255, 255)]  # value, selection, caret
            got = value if bool(ink) == (what == "inked") else value + " wrong"
        else:
            got = str(messages) if what == "message" else driver.execute_script(
                SEEN, what, value if what in ("checked", "placed", "greyed") else None)
        if op != "=":  # a bound: seen as "ok" when kept
            got, value = ("ok", "ok") if (int(got) - int(value)) * (1 if op == ">=" else -1) >= 0 else (got, op + value)
        seen.append(what + "=" + got)
        expected.append(what + "=" + value.replace("_", " "))
    return seen, expected, driver.execute_script("return window.errors") + ([e["message"] for e in driver.get_log(
        "browser") if e["level"] == "SEVERE"] if driver.kind == "chromium" else [])  # the others keep no console log


def scenarios(driver):
    for line in (line for line in TABLE.read_text().splitlines() if line.strip() and not line.startswith("#")):
        name, steps, checks, *note = (column.strip() for column in line.split("|"))
        why = [why for starts, why in CANNOT.get("rows", {}).items() if any(
            item.startswith(tuple(starts.split())) for item in steps.split() + checks.split())]
        if note and "web:" in note[0] or why:
            print(f"not here: {name} ({(why or note)[0]})")
            continue
        try:
            seen, expected, errors = row(driver, steps, checks)
        except WebDriverException as error:  # the page's process gone, say: the next row loads it again
            seen, expected, errors = [], [], [error.msg or type(error).__name__]
        check(seen == expected and not errors, name + ("" if seen == expected else f": {seen}") +
              "".join("; " + error for error in errors))
