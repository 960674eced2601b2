"""Both windows read back from what Chromium draws at a desktop size, with
forced colours off, against the core's design tables (tavrel_dump_design):
every control's text, font, colours (from the pixels of a screenshot),
place, size, state, Tab stop and tooltip; the title bars; the About box's
picture at 1x and 2x; a held arrow's pressed look; the greyed rows."""
import io
import json
import subprocess

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains

LABEL, BOX, SPINNER, OPTION, BUTTON, PICTURE, LINE = range(7)
STAND_IN = "Liberation Sans"  # what a Linux desktop draws "MS Sans Serif" with
DEFAULT_POINTS = 8.25  # the desktop's own "MS Sans Serif", for a window that names none
# System colours 0x80000000 + index as the page's CSS names them, in the
# Windows standard scheme's sense: 11 inactive border is the face of buttons
# and windows there, 16 the greyed text, 18 button text.
SYSTEM = {11: "ButtonFace", 16: "GrayText", 18: "ButtonText"}
# The platform's colours of a control whose design names none: text and background.
DEFAULTS = {LABEL: ("ButtonText", "ButtonFace"), OPTION: ("ButtonText", "ButtonFace"),
            BOX: ("FieldText", "Field"), BUTTON: ("ButtonText", None)}
# With wind, the heading and direction rows look like the wind speed's row.
WIND = {"Label16": "Label18", "Label17": "Label18", "Label14": "Label15", "Label10": "Label15",
        "Text7": "Text9", "Text8": "Text9", "VScroll6": "VScroll8", "VScroll7": "VScroll8"}

READ = """const [names] = arguments, out = {};
const frames = { main: document.querySelector('main'), about: document.querySelector('section[role=dialog]') };
const probe = document.body.appendChild(document.createElement('i'));
out.system = Object.fromEntries(['ButtonFace', 'GrayText', 'ButtonText', 'FieldText', 'Field'].map((k) =>
  [k, (probe.style.color = k, getComputedStyle(probe).color)]));
probe.remove();
for (const [win, list] of Object.entries(names)) {
  const frame = frames[win], root = frame?.querySelector('.client').shadowRoot;
  if (!root) continue;
  const form = root.querySelector('.form').getBoundingClientRect(), close = frame.querySelector('.close');
  out[win] = { caption: frame.querySelector('.caption').textContent, active: frame.matches('.active'),
               title: frame.querySelector('.title').getBoundingClientRect().toJSON(),
               close: close.checkVisibility({ visibilityProperty: true, opacityProperty: true }) &&
                      close.getBoundingClientRect().toJSON() };
  for (const name of list) {
    const input = root.getElementById(name), e = root.querySelector(`[data-for=${name}]`) ?? input;
    const s = getComputedStyle(e.querySelector('span') ?? e), r = e.getBoundingClientRect();
    out[win][name] = { text: e.matches('input') ? null : e.textContent, u: e.querySelector('u')?.textContent ?? '',
      family: s.fontFamily, colour: s.color, size: s.fontSize, weight: s.fontWeight, style: s.fontStyle,
      at: [r.left - form.left, r.top - form.top, r.width, r.height], rect: r.toJSON(),
      visible: e.checkVisibility({ visibilityProperty: true }), enabled: !input.disabled && !input.closest('[inert]'),
      stop: input.tabIndex >= 0, title: e.title, src: input.currentSrc, natural: input.naturalWidth };
  }
}
return out;"""


def rgb(css):
    return tuple(int(float(v)) for v in css[css.index("(") + 1:-1].split(",")[:3])


def crop(shot, rect, inset):
    return shot.crop((round(rect["left"]) + inset, round(rect["top"]) + inset,
                      round(rect["right"]) - inset, round(rect["bottom"]) - inset))


def check_design(driver, dump, title, control, check):
    design = json.loads(subprocess.run([dump], capture_output=True, check=True, text=True).stdout)
    names = {win: [c["name"] for c in design[win]["controls"]] for win in design}

    def read():
        shot = Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")
        return driver.execute_script(READ, names), shot

    def colour(value, default, system):
        if value == 0xFFFFFFFF:
            return default and rgb(system[default])
        if value & 0x80000000:
            return rgb(system[SYSTEM[value & 0xFF]])
        return value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF

    def compare(win, seen, shot, like={}):  # like: a control drawn as another is designed
        controls = {c["name"]: c for c in design[win]["controls"]}
        window_points = design[win]["points"] or DEFAULT_POINTS
        for c in design[win]["controls"]:
            if like and c["name"] not in like:
                continue
            got, kind, faults = seen[win][c["name"]], c["kind"], []
            looks = controls[like.get(c["name"], c["name"])]
            caption = c["caption"].replace("&&", "\0")
            if got["text"] is not None and kind != BOX:
                faults += [] if got["text"] == caption.replace("&", "").replace("\0", "&") and got["u"] == (
                    caption.split("&")[1][:1] if "&" in caption else "") else [f"text {got['text']!r}/{got['u']!r}"]
            if kind not in (SPINNER, PICTURE, LINE):
                points = c["points"] or window_points
                if (got["family"].split(",")[0].strip('"'), float(got["size"][:-2]), got["weight"], got["style"]) != (
                        "MS Sans Serif", points * 96 / 72, "700" if c["bold"] else "400", "normal"):
                    faults.append(f"font {got['family'][:20]} {got['size']} {got['weight']} {got['style']}")
            left, top, width, height = (v / 15 for v in c["rect"])
            if got["visible"] and any(abs(a - b) > 1 for a, b in zip(got["at"], (left, top, width, height + 2 * (kind == LINE)))):
                faults.append(f"at {got['at']}")
            if (got["visible"], got["enabled"], got["stop"], got["title"]) != (
                    c["visible"] or c["name"] in like, True, c["tabIndex"] >= 0 and kind not in (LABEL, LINE), c["toolTip"]):
                faults.append(f"visible, enabled, stop, tooltip {got['visible'], got['enabled'], got['stop'], got['title']}")
            fore, back = DEFAULTS.get(kind, (None, None))
            fore, back = colour(looks["fore"], fore, seen["system"]), colour(looks["back"], back, seen["system"])
            if kind == OPTION and rgb(got["colour"]) != fore:  # its caption clipped, as designed
                faults.append(f"colour {got['colour']}")
            elif got["visible"] and kind not in (SPINNER, PICTURE):
                pixels = crop(shot, got["rect"], 2 if kind in (BOX, BUTTON) else 0)
                counts = sorted(pixels.getcolors(1 << 16))
                if back and counts[-1][1] != back:
                    faults.append(f"background {counts[-1][1]}, not {back}")
                if fore and kind != OPTION and not any(p == fore for _, p in counts):
                    faults.append(f"no text in {fore}: {counts[-3:]}")
            check(not faults, f"{win} {c['name']} as designed" + "".join("; " + f for f in faults))
        return seen[win]

    driver.execute_script("arguments[0].blur()", control(driver, "Text1"))
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "none"}]})
    control(driver, "Command1").click()  # the distance shown, in its colour
    seen, shot = read()
    main = compare("main", seen, shot)
    check(main["caption"] == title and main["active"] and main["close"], "the main window's title bar, active")
    active = crop(shot, main["title"], 2).getcolors(1 << 16)
    meta = driver.execute_script("return document.querySelector('meta[name=theme-color]').content")
    spinner = control(driver, "VScroll5")
    before = spinner.screenshot_as_png
    ActionChains(driver).move_to_element_with_offset(spinner, 0, -4).click_and_hold().perform()
    check(spinner.screenshot_as_png != before, "a held arrow looks pressed")
    ActionChains(driver).release().perform()
    control(driver, "Command3").click()
    seen, shot = read()
    about = compare("about", seen, shot)
    inactive = crop(shot, seen["main"]["title"], 2).getcolors(1 << 16)
    bar = max(active)[1]
    check(about["caption"] == "About " + title and about["active"] and not seen["main"]["active"] and
          about["close"] and bar == tuple(int(meta[i:i + 2], 16) for i in (1, 3, 5)) and
          max(crop(shot, about["title"], 2).getcolors(1 << 16))[1] == bar and max(inactive)[1] != bar and
          len(active) > 1 and len(inactive) > 1,
          f"the About box's title bar active in {bar}, the main one's not, both with their captions and close buttons")
    check(about["picIcon"]["src"].endswith("/airliner.png"), f"the picture at 1x: {about['picIcon']['src']}")
    cdp = driver.execute_cdp_cmd
    cdp("DOM.getDocument", {})
    cdp("CSS.enable", {})
    label = cdp("Runtime.evaluate", {"expression": "document.querySelector('main .client').shadowRoot"
                                                   ".getElementById('Label1')"})["result"]["objectId"]
    fonts = cdp("CSS.getPlatformFontsForNode", {"nodeId": cdp("DOM.requestNode", {"objectId": label})["nodeId"]})
    family = fonts["fonts"][0]["familyName"]
    check(family == STAND_IN, f"\"MS Sans Serif\" drawn in its stand-in {STAND_IN}: {family}")
    # With wind, the greyed rows come back as the wind speed's row looks.
    control(driver, "cmdOK").click()
    ActionChains(driver).move_to_element_with_offset(control(driver, "VScroll8"), 0, -4).click().perform()
    control(driver, "Command1").click()
    compare("main", *read(), WIND)
    # A screen of twice the density draws the picture's @2x pixels.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 1024, "height": 600, "deviceScaleFactor": 2, "mobile": False})
    driver.refresh()
    control(driver, "Command3").click()
    picture = control(driver, "picIcon")
    src = driver.execute_script("return [arguments[0].currentSrc, arguments[0].naturalWidth, "
                                "arguments[0].clientWidth]", picture)
    check(src[0].endswith("/airliner@2x.png") and src[1] == src[2], f"the picture at 2x: {src}")
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
