"""Both windows as Chromium draws them, forced colours off, against the core's
designs (tavrel_dump_design): every control, the title bars, the picture at 1x
and 2x, a held arrow, the greyed rows."""
import io
import json
import subprocess

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains

LABEL, BOX, SPINNER, OPTION, BUTTON, PICTURE, LINE = range(7)
STAND_IN = '"Liberation Sans"'  # what the page draws "MS Sans Serif" with, on a desktop without it
DEFAULT_POINTS = 8.25  # the desktop's own "MS Sans Serif", for a window that names none
# System colours 0x80000000 + index in CSS; 11, the inactive border, is the face in the standard scheme.
SYSTEM = {11: "ButtonFace", 16: "GrayText", 18: "ButtonText"}
# The platform's colours of a control whose design names none: text and background.
DEFAULTS = {LABEL: ("ButtonText", "ButtonFace"), OPTION: ("ButtonText", "ButtonFace"), BOX: ("FieldText", "Field"),
            BUTTON: ("ButtonText", None)}
# With wind, the heading and direction rows look like the wind speed's row.
WIND = {"Label16": "Label18", "Label17": "Label18", "Label14": "Label15", "Label10": "Label15",
        "Text7": "Text9", "Text8": "Text9", "VScroll6": "VScroll8", "VScroll7": "VScroll8"}

READ = """const [names] = arguments, out = {};
const frames = { main: document.querySelector('main'), about: document.querySelector('section[role=dialog]') };
const probe = document.body.appendChild(document.createElement('i'));
out.system = Object.fromEntries(['ButtonFace', 'GrayText', 'ButtonText', 'FieldText', 'Field'].map((k) =>
  [k, (probe.style.color = k, getComputedStyle(probe).color)]));
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
      stop: input.tabIndex >= 0, title: e.title, src: input.currentSrc };
  }
}
return out;"""


def rgb(css):
    return tuple(int(float(v)) for v in css[css.index("(") + 1:-1].split(",")[:3])


def crop(shot, rect, inset=2):
    return sorted(shot.crop((round(rect["left"]) + inset, round(rect["top"]) + inset, round(rect["right"]) - inset,
                             round(rect["bottom"]) - inset)).getcolors(1 << 16))


def colour(value, default, system):  # 0x00BBGGRR, a system colour, or the control's default
    if value == 0xFFFFFFFF:
        return default and rgb(system[default])
    return rgb(system[SYSTEM[value & 0xFF]]) if value & 0x80000000 else (value & 0xFF, value >> 8 & 0xFF, value >> 16)


def check_design(driver, dump, title, control, check):
    design = json.loads(subprocess.run([dump], capture_output=True, check=True, text=True).stdout)
    names = {win: [c["name"] for c in design[win]["controls"]] for win in design}

    def read():
        shot = Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")
        return driver.execute_script(READ, names), shot

    def compare(win, seen, shot, like={}):  # like: controls drawn as others are designed
        controls = {c["name"]: c for c in design[win]["controls"]}
        for c in (controls[name] for name in like or controls):
            got, kind, faults, caption = seen[win][c["name"]], c["kind"], [], c["caption"].replace("&&", "\0")
            if got["text"] is not None and (got["text"], got["u"]) != (caption.replace("&", "").replace(
                    "\0", "&"), caption.split("&")[1][:1] if "&" in caption else ""):
                faults.append(f"text {got['text']!r}, {got['u']!r} underlined")
            font = (got["family"].split(",")[0].strip('"'), STAND_IN in got["family"], float(got["size"][:-2]), got["weight"], got["style"])
            if kind not in (SPINNER, PICTURE, LINE) and font != ("MS Sans Serif", True, (c["points"] or design[win][
                    "points"] or DEFAULT_POINTS) * 96 / 72, "700" if c["bold"] else "400", "normal"):
                faults.append(f"font {font}")
            at = [v / 15 for v in c["rect"][:3]] + [c["rect"][3] / 15 + 2 * (kind == LINE)]  # a line: 2 pixels
            if got["visible"] and any(abs(a - b) > 1 for a, b in zip(got["at"], at)):
                faults.append(f"at {got['at']}")
            state = (c["visible"] or c["name"] in like, True, c["tabIndex"] >= 0 and kind not in (LABEL, LINE), c["toolTip"])
            if (got["visible"], got["enabled"], got["stop"], got["title"]) != state:
                faults.append(f"visible, enabled, stop, tooltip {got['visible'], got['enabled'], got['stop'], got['title']}")
            looks, (fore, back) = controls[like.get(c["name"], c["name"])], DEFAULTS.get(kind, (None, None))
            fore, back = colour(looks["fore"], fore, seen["system"]), colour(looks["back"], back, seen["system"])
            counts = crop(shot, got["rect"], 2 if kind in (BOX, BUTTON) else 0) if got["visible"] else [(0, None)]
            if kind == OPTION and rgb(got["colour"]) != fore:  # its caption clipped, as designed
                faults.append(f"colour {got['colour']}")
            if kind not in (SPINNER, PICTURE) and back and counts[-1][1] != back:
                faults.append(f"background {counts[-1][1]}, not {back}")
            if kind not in (SPINNER, PICTURE, OPTION) and fore and got["visible"] and fore not in (p for _, p in counts):
                faults.append(f"no text in {fore}: {counts[-3:]}")
            check(not faults, f"{win} {c['name']} as designed" + "".join("; " + f for f in faults))
        return seen[win]

    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "none"}]})
    control(driver, "Command1").click()  # the distance shown, in its colour
    main = compare("main", *(first := read()))
    before = (spinner := control(driver, "VScroll5")).screenshot_as_png
    ActionChains(driver).move_to_element_with_offset(spinner, 0, -4).click_and_hold().perform()
    check(spinner.screenshot_as_png != before, "a held arrow looks pressed")
    ActionChains(driver).release().perform()
    control(driver, "Command3").click()
    seen, shot = read()
    about, meta = compare("about", seen, shot), driver.execute_script(
        "return document.querySelector('meta[name=theme-color]').content")
    bars = [crop(first[1], main["title"])] + [crop(shot, w["title"]) for w in (about, seen["main"])]
    check((main["caption"], about["caption"], main["active"], about["active"], seen["main"]["active"]) == (
        title, "About " + title, True, True, False) and main["close"] and about["close"] and [
        b[-1][1] == tuple(int(meta[i:i + 2], 16) for i in (1, 3, 5)) for b in bars] == [True, True, False] and all(
        len(b) > 1 for b in bars), f"the title bars, the active one in {meta}: {[b[-2:] for b in bars]}")
    control(driver, "cmdOK").click()  # with wind, the greyed rows come back as the wind speed's row looks
    ActionChains(driver).move_to_element_with_offset(control(driver, "VScroll8"), 0, -4).click().perform()
    control(driver, "Command1").click()
    compare("main", *read(), WIND)
    pictures = [about["picIcon"]["src"]]  # and a screen of twice the density draws the picture's @2x pixels
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 1024, "height": 600, "deviceScaleFactor": 2, "mobile": False})
    driver.refresh()
    control(driver, "Command3").click()
    pictures.append(driver.execute_script("return arguments[0].currentSrc", control(driver, "picIcon")))
    check([p.rsplit("/", 1)[-1] for p in pictures] == ["airliner.png", "airliner@2x.png"], f"the picture: {pictures}")
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
