"""The page as assistive tools meet it: axe-core (tests/web/package.json pins it; scripts/test.sh installs it)
in eight states, and what axe cannot see: the reading order and names, the read-only and inactive states,
400 % zoom, a focused spinner's mark. Called by browser_test.py with its helpers."""
import io, json, os, pathlib, subprocess  # noqa: E401

from PIL import Image

from page import copy

AXE = (pathlib.Path(__file__).parent / "node_modules" / "axe-core" / "axe.min.js").read_text()
RUN = """axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] })
  .then((r) => arguments[0](r.violations.flatMap((v) => v.nodes.map((n) => [v.id, JSON.stringify(n.target),
    n.any.concat(n.all)[0]?.data?.fgColor ?? '']))))"""
# The three trade-offs, as the README's access section names them: a violation (rule, on a touch screen,
# text colour) they allow. TAVREL_NO_TRADE_OFFS=1 lists every violation, these included.
TRADE_OFFS = {("target-size", False, None): "desktop: the arrows and IAS circle keep the design's 135 twips, as on both desktops",
              ("target-size", True, None): "touch: axe measures the drawn arrows, not the zoom nor the finger targets",
              ("color-contrast", None, "#ff0000"): "default colours: the About box's red notice, the design's red"}
TOUCH = [{"deviceMetrics": {"width": w, "height": h, "pixelRatio": 2, "touch": True},  # a phone sideways, a tablet
          "userAgent": "Mozilla/5.0 (Linux; Android 14) Mobile"} for w, h in ((844, 390), (1180, 820))]
# State: its device, media features, steps. With more contrast the rows' inactive mark is taken off, so
# that axe checks the greyed captions as any text.
UNMARK = "for (const e of document.querySelector('main .client').shadowRoot.querySelectorAll('[aria-disabled]')) " \
         "e.removeAttribute('aria-disabled')"
STATES = {"desktop": (None, (), []), "after Calculate": (None, (), ["click:Command1"]),
          "About open": (None, (), ["click:Command3"]), "wind": (None, (), ["up:VScroll8"]),
          "forced colours": (None, [("forced-colors", "active")], ["click:Command3"]),
          "more contrast": (None, [("prefers-contrast", "more")], ["click:Command3", UNMARK]),
          "phone sideways": (TOUCH[0], (), ["click:Command3"]), "tablet": (TOUCH[1], (), ["click:Command3"])}
# The main window as read, row by row: caption, box, spinner, unit (hand-read from its design's places).
ROWS = [r.split() for r in ("Label1 Text1 VScroll5 Label7|Label2 Text2 VScroll2 Label8|Label3 Text3 VScroll3 Label9|"
        "Label4 Text4 VScroll4|Label16 Text7 VScroll6 Label10|Label17 Text8 VScroll7 Label14|Label18 Text9 VScroll8 "
        "Label15|Option1 Label5|Option2 Label11|Command1|Label13 Text6 Label12|Command2|Command3").split("|")]
READ = sum(ROWS, [])
ROOT = "const root = document.querySelector('main .client').shadowRoot;"
STATES_JS = ROOT + """return [...root.querySelectorAll('.box, .spinner')].map((e) => [e.id, e.ariaReadOnly, e.ariaDisabled,
  (e.getAttribute('aria-labelledby') ?? '').split(' ').map((id) => root.getElementById(id)?.textContent).join(' ')])"""
INVIEW = """const r = (document.activeElement.shadowRoot?.activeElement ?? document.activeElement).getBoundingClientRect();
return [...document.querySelectorAll('.window')].every((w) => w.getBoundingClientRect().left + scrollX >= 0 &&
  w.getBoundingClientRect().top + scrollY >= 0 && w.getBoundingClientRect().right + scrollX <= document.
  documentElement.scrollWidth && w.getBoundingClientRect().bottom + scrollY <= document.documentElement.scrollHeight)
  && (document.activeElement === document.body || r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight)"""


def axe(driver, media, touch, check, name):
    driver.execute_script(AXE + ";return 0")
    found = driver.execute_async_script(RUN)
    allowed = {} if os.environ.get("TAVREL_NO_TRADE_OFFS") else TRADE_OFFS
    left = [v for v in found if (v[0], touch, None) not in allowed and  # the red notice: in the default colours only
            ((v[0], None, v[2]) not in allowed or media)]
    check(not left, f"axe, {name}: {len(found) - len(left)} trade-offs, no other violation {left}")


def contrast(a, b):  # WCAG's ratio of two sRGB colours
    lum = sorted(sum(w * (c / 3294.6 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4)
                     for w, c in zip((0.2126, 0.7152, 0.0722), p)) for p in (a, b))
    return (lum[1] + 0.05) / (lum[0] + 0.05)


def run(browser, close, control, step, check, dump, web, shots):
    """Saves access-zoom-400.png, access-more-contrast.png and access-focused-spinner.png in shots."""
    for name, (mobile, media, steps) in STATES.items():
        driver = browser(web, mobile)
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": k, "value": v} for k, v in media]})
        control(driver, "Text1")
        for s in steps:
            driver.execute_script(s) if " " in s else step(driver, s)
        control(driver, "cmdOK" if "click:Command3" in steps else "Text1")
        axe(driver, media, mobile is not None, check, name)
        if name == "more contrast":
            driver.save_screenshot(str(shots / "access-more-contrast.png"))
        if name in ("desktop", "wind"):  # the states, without and with wind; the names as the eye reads them
            design = json.loads(subprocess.run([dump], capture_output=True, check=True, text=True).stdout)["main"]
            caption = {c["name"]: c["caption"] for c in design["controls"]}
            greyed = {c["name"] for c in design["controls"] if c["fore"] == 0x80000010}  # ButtonShadow, greyed text
            want = [[id, "false" if id == "Text6" else "true" if id == r[1] else None,  # "Distance" keeps typing
                     None if id == "Text6" else str(name == "desktop" and r[0] in greyed).lower(),
                     " ".join(caption[c] for c in r[::len(r) - 1] if c.startswith("Label"))]  # caption, unit
                    for r in ROWS if r[1:2] and r[1].startswith("Text") for id in r[1:3] if not id.startswith("Label")]
            got = sorted(driver.execute_script(STATES_JS))
            check(got == sorted(want), f"{name}: read-only boxes, inactive rows, names as seen {got}")
        if name == "desktop":
            order = driver.execute_script(ROOT + "return [...root.querySelectorAll('[id]')].map((e) => e.id)")
            check(order == READ, f"the main window read row by row, each box after its caption {order}")
            focus_mark(driver, step, check, shots)
        close(driver)
    zoom(browser, close, control, step, check, web, shots)


def focus_mark(driver, step, check, folder):
    """A focused spinner's mark: two pixels round it, 3:1 against what is there unfocused."""
    spinner = driver.execute_script(ROOT + "return root.getElementById('VScroll5').getBoundingClientRect().toJSON()")
    main = driver.find_element("css selector", "main")
    shots = []
    for keys in ("Shift+Tab", "Tab"):  # from the first box back to the spinner, then away
        step(driver, keys)
        shots.append(Image.open(io.BytesIO(main.screenshot_as_png)).convert("RGB"))
    shots[0].save(folder / "access-focused-spinner.png")
    x0, y0 = spinner["left"] - main.rect["x"], spinner["top"] - main.rect["y"]
    band = [(x, y) for x in range(round(x0) - 2, round(x0 + spinner["width"]) + 2)
            for y in range(round(y0) - 2, round(y0 + spinner["height"]) + 2)
            if not (x0 <= x < x0 + spinner["width"] and y0 <= y < y0 + spinner["height"])]
    weak = [p for p in band if contrast(shots[0].getpixel(p), shots[1].getpixel(p)) < 3]
    check(not weak, f"a focused spinner marked two pixels round, 3:1 ({len(weak)} of {len(band)} pixels weaker)")


def zoom(browser, close, control, step, check, web, shots):
    """At 400 % zoom of a 1280 x 1024 screen: both windows within the page's left and top, the rest scrolled to,
    the focused control in view, as About opens and round the window; the window the build drew, before any script."""
    for steps in ([], ["click:Command3", "Esc"] + ["Tab"] * 12):
        driver = browser(web if steps else copy(web, "main.js"))
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 320, "height": 256,
                                                                      "deviceScaleFactor": 4, "mobile": False})
        driver.refresh()
        seen = [(not steps or control(driver, "Text1")) and driver.execute_script(INVIEW)]  # the core started
        for s in steps:
            step(driver, s)
            seen.append(driver.execute_script(INVIEW))
            if s == "click:Command3":
                driver.save_screenshot(str(shots / "access-zoom-400.png"))
        check(all(seen), f"400 % zoom, {steps[:1] or 'before any script'}: windows on the page, "
              f"the focus in view {seen}")
        close(driver)
