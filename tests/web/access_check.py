"""The page in states only Chromium emulates (media, touch screens, zoom): axe-core (pinned in package.json) in each,
and what axe cannot see: reading order, names and states, forced colours, 400 % zoom, focus mark, screens, fingers."""
import io, os, pathlib  # noqa: E401

from PIL import Image

from page import EXPECTED, SHOTS, WEB, browser, check, close, control, copy, shot
from scenarios import SEEN, step

ACCESS = EXPECTED["access"]
AXE = (pathlib.Path(__file__).parent / "node_modules" / "axe-core" / "axe.min.js").read_text()
RUN = """axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] })
  .then((r) => arguments[0](r.violations.flatMap((v) => v.nodes.map((n) => [v.id, JSON.stringify(n.target),
    n.any.concat(n.all)[0]?.data?.fgColor ?? '']))))"""
ROOT = "const root = document.querySelector('main .client').shadowRoot;"
UNMARK = ROOT + "for (const e of root.querySelectorAll('[aria-disabled]')) e.removeAttribute('aria-disabled')"
STATES = ROOT + """return [...root.querySelectorAll('.box, .spinner')].map((e) => [e.id, e.ariaReadOnly, e.ariaDisabled,
  (e.getAttribute('aria-labelledby') ?? '').split(' ').map((id) => root.getElementById(id)?.textContent).join(' ')])"""
INVIEW = """const r = (document.activeElement.shadowRoot?.activeElement ?? document.activeElement).getBoundingClientRect();
return [...document.querySelectorAll('.window')].every((w) => w.getBoundingClientRect().left + scrollX >= 0 &&
  w.getBoundingClientRect().top + scrollY >= 0 && w.getBoundingClientRect().right + scrollX <= document.
  documentElement.scrollWidth && w.getBoundingClientRect().bottom + scrollY <= document.documentElement.scrollHeight)
  && (document.activeElement === document.body || r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight)"""
# Every target of a finger, as elementFromPoint finds it: its name, width and height on screen.
TARGETS = """const root = arguments[0].shadowRoot, r = arguments[0].getBoundingClientRect(), hits = {};
for (let y = r.top; y < r.bottom; ++y) for (let x = r.left; x < r.right; ++x) {
  const e = root.elementFromPoint(x, y), option = e?.closest('.option');
  const key = option ? option.dataset.for : e?.matches('.arrow') ? e.parentElement.id + (e.matches('.up')
    ? '.up' : '.down') : e?.matches('.spinner') ? e.id + '.slide' : e?.matches('button') ? e.id : null;
  const h = key && (hits[key] ??= [x, y, x, y]);
  if (h) hits[key] = [Math.min(h[0], x), Math.min(h[1], y), Math.max(h[2], x + 1), Math.max(h[3], y + 1)];
}
return Object.entries(hits).map(([k, h]) => [k, (h[2] - h[0]) * visualViewport.scale, (h[3] - h[1]) * visualViewport.scale]);"""
# Whether a window's title bar is drawn in a system colour.
TITLE = """const p = document.body.appendChild(document.createElement('i')); p.style.background = arguments[0];
return getComputedStyle(document.querySelector(arguments[1]).firstChild).backgroundColor === getComputedStyle(p).backgroundColor"""


def contrast(a, b):  # WCAG's ratio of two sRGB colours
    lum = sorted(sum(w * (c / 3294.6 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4)
                     for w, c in zip((0.2126, 0.7152, 0.0722), p)) for p in (a, b))
    return (lum[1] + 0.05) / (lum[0] + 0.05)


def run():
    allowed = {} if os.environ.get("TAVREL_NO_TRADE_OFFS") else ACCESS["trade_offs"]  # =1 lists them as violations
    for name, (screen, media, steps) in ACCESS["states"].items():
        width, height = map(int, (screen or "0x0").split("x"))
        driver = browser(WEB, screen and {"deviceMetrics": {"width": width, "height": height, "pixelRatio": 2, "touch":
                                                            True}, "userAgent": ACCESS["user_agent"]})
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": k, "value": v} for k, v in media]})
        control(driver, "Text1")
        for s in steps:
            driver.execute_script(UNMARK) if s == "unmark" else step(driver, s)
        control(driver, "cmdOK" if "click:Command3" in steps else "Text1")
        driver.execute_script(AXE + ";return 0")
        found = driver.execute_async_script(RUN)  # the red notice is a trade-off in the default colours only
        left = [v for v in found if f"{v[0]} {screen and 'touch' or 'desktop'}" not in allowed and (
            media or f"{v[0]} {v[2]}" not in allowed)]
        check(not left, f"axe, {name}: {len(found) - len(left)} trade-offs, no other violation {left}")
        if name in ACCESS["seen"]:  # the states, without and with wind; the names as the eye reads them
            got = driver.execute_script(STATES)
            check(sorted(got) == sorted(ACCESS["seen"][name]), f"{name}: read-only boxes, inactive rows, names {got}")
        if name == "desktop":
            order = driver.execute_script(ROOT + "return [...root.querySelectorAll('[id]')].map((e) => e.id)")
            check(order == ACCESS["order"], f"the main window read row by row, each box after its caption {order}")
            # a focused spinner's mark: two pixels round it, 3:1 against what is there unfocused
            spinner = driver.execute_script(ROOT + "return root.getElementById('VScroll5').getBoundingClientRect().toJSON()")
            main, shots = driver.find_element("css selector", "main"), []
            for keys in ("Shift+Tab", "Tab"):  # from the first box back to the spinner, then away
                shots.append(step(driver, keys) or Image.open(io.BytesIO(main.screenshot_as_png)).convert("RGB"))
            shots[0].save(SHOTS / "access-focused-spinner.png")
            x0, y0, w, h = spinner["left"] - main.rect["x"], spinner["top"] - main.rect["y"], spinner["width"], spinner["height"]
            weak = [(x, y) for x in range(round(x0) - 2, round(x0 + w) + 2) for y in range(round(y0) - 2, round(y0 + h) + 2)
                    if not (x0 <= x < x0 + w and y0 <= y < y0 + h) and contrast(*(i.getpixel((x, y)) for i in shots)) < 3]
            check(not weak, f"a focused spinner marked two pixels round, 3:1 ({len(weak)} pixels weaker)")
        if name == "forced colours":  # a greyed box one colour only, the close marks kept, the active title highlighted
            titles = [driver.execute_script(TITLE, *pair) for pair in (("Canvas", "main"), ("Highlight", "[role=dialog]"))]
            box = driver.execute_script(ROOT + "return root.getElementById('Text7')")
            check(len(shot(box, 3).getcolors(1 << 20)) == 1 and all(titles) and all(len(shot(c).getcolors(1 << 20)) > 1
                                                                          for c in driver.find_elements("css selector", ".close")),
                  f"forced colours: greyed values unseen, close marks and the active title seen ({titles})")
        if screen:  # both windows whole, the main one as large as fits; sideways, every target a finger (44 pixels)
            check(driver.execute_script(SEEN, "whole") == "1", f"{screen}: both windows whole on screen, as large as fits")
            driver.save_screenshot(str(SHOTS / f"web-{screen}.png"))
        if screen == "844x390":  # wide and tall, but an arrow (half its row), and in the airspeed's row its box,
            # arrows, the IAS circle and caption, which share 32 pixels across
            step(driver, "click:cmdOK")
            targets = driver.execute_script(TARGETS, driver.find_element("css selector", "main .client"))
            small = [(n, w, h) for n, w, h in targets if w < (0 if n.startswith(("VScroll4.", "Option1")) else 44) or
                     h < (22 if n.endswith(("up", "down")) else 44)]
            check(len(targets) == 20 and not small, f"phone sideways: a finger's targets ({small} too small)")
        driver.save_screenshot(str(SHOTS / "access-more-contrast.png")) if name == "more contrast" else None
        close(driver)
    # At 400 % zoom of a 1280 x 1024 screen: both windows within the page's left and top, the rest scrolled to,
    # the focused control in view, as About opens and round the window; the window the build drew, before any script.
    for steps in ([], ["click:Command3", "Esc"] + ["Tab"] * 12):
        driver = browser(WEB if steps else copy("main.js"))
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 320, "height": 256,
                                                                      "deviceScaleFactor": 4, "mobile": False})
        driver.refresh()
        seen = [(not steps or control(driver, "Text1")) and driver.execute_script(INVIEW)]  # the core started
        for s in steps:
            step(driver, s)
            seen.append(driver.execute_script(INVIEW))
            driver.save_screenshot(str(SHOTS / "access-zoom-400.png")) if s == "click:Command3" else None
        check(all(seen), f"400 % zoom, {steps[:1] or 'before any script'}: windows on the page, the focus in view {seen}")
        close(driver)
