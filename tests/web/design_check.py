"""Both windows as the browser draws them, forced colours off, against the core's designs (tavrel_dump_design):
every control, the title bars, the picture at 1x and 2x, a held arrow, the greyed rows."""
import io
import json
import subprocess

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import WebDriverWait

from page import EXPECTED, check, control, shot as cut

LABEL, BOX, SPINNER, OPTION, BUTTON, PICTURE, LINE = range(7)
EXPECTED = EXPECTED["design"]
READ = """const [names] = arguments, out = {}, probe = document.body.appendChild(document.createElement('i'));
const frames = { main: document.querySelector('main'), about: document.querySelector('section[role=dialog]') };
out.system = Object.fromEntries(['ButtonFace', 'GrayText', 'ButtonText', 'FieldText', 'Field'].map((k) =>
  [k, (probe.style.color = k, getComputedStyle(probe).color)]));
for (const [win, list] of Object.entries(names)) {
  const frame = frames[win], root = frame?.querySelector('.client').shadowRoot, close = frame?.querySelector('.close');
  if (!root) continue;
  const form = root.querySelector('.form').getBoundingClientRect();
  out[win] = { caption: frame.querySelector('.caption').textContent, active: frame.matches('.active'),
               title: frame.querySelector('.title').getBoundingClientRect().toJSON(),
               close: close.checkVisibility({ visibilityProperty: true, opacityProperty: true }) &&
                      close.getBoundingClientRect().toJSON() };
  for (const name of list) {
    const input = root.getElementById(name), e = root.querySelector(`[data-for=${name}]`) ?? input;
    const s = getComputedStyle(e.querySelector('span') ?? e), r = e.getBoundingClientRect();
    out[win][name] = { text: e.matches('input') ? null : e.textContent, u: e.querySelector('u')?.textContent ?? '',
      font: [s.fontFamily, s.fontSize, s.fontWeight, s.fontStyle], colour: s.color, rect: r.toJSON(),
      at: [r.left - form.left, r.top - form.top, r.width, r.height],
      state: [e.checkVisibility({ visibilityProperty: true }), !input.disabled && !input.closest('[inert]'),
              input.tabIndex >= 0, e.title] };
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
    return rgb(system[EXPECTED["system"][str(value & 0xFF)]]) if value & 0x80000000 else (
        value & 0xFF, value >> 8 & 0xFF, value >> 16)


def check_design(driver, dump, title):
    design = json.loads(subprocess.run([dump], capture_output=True, check=True, text=True).stdout)
    names, ink = {win: [c["name"] for c in design[win]["controls"]] for win in design}, driver.kind == "chromium"

    def read():
        return driver.execute_script(READ, names), Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")

    def compare(win, seen, shot, like={}):  # like: controls drawn as others are designed
        controls = {c["name"]: c for c in design[win]["controls"]}
        for c in (controls[name] for name in like or controls):
            got, kind, faults, caption = seen[win][c["name"]], c["kind"], [], c["caption"].replace("&&", "\0")
            if got["text"] is not None and (got["text"], got["u"]) != (caption.replace("&", "").replace(
                    "\0", "&"), caption.split("&")[1][:1] if "&" in caption else ""):
                faults.append(f"text {got['text']!r}, {got['u']!r} underlined")
            family, size, weight, style = got["font"]
            font = (family.split(",")[0].strip('"'), f'"{EXPECTED["stand_in"]}"' in family, float(size[:-2]), weight, style)
            if kind not in (SPINNER, PICTURE, LINE) and font != ("MS Sans Serif", True, (c["points"] or design[win][
                    "points"] or EXPECTED["points"]) * 96 / 72, "700" if c["bold"] else "400", "normal"):
                faults.append(f"font {font}")
            at = [v / 15 for v in c["rect"][:3]] + [c["rect"][3] / 15 + 2 * (kind == LINE)]  # a line: 2 pixels
            if got["state"][0] and any(abs(a - b) > 1 for a, b in zip(got["at"], at)):
                faults.append(f"at {got['at']}")
            if got["state"] != [c["visible"] or c["name"] in like, True, c["tabIndex"] >= 0 and kind not in (LABEL, LINE),
                                c["toolTip"]]:
                faults.append(f"visible, enabled, stop, tooltip {got['state']}")
            looks, (fore, back) = controls[like.get(c["name"], c["name"])], EXPECTED["defaults"].get(str(kind), (None, None))
            fore, back = colour(looks["fore"], fore, seen["system"]), colour(looks["back"], back, seen["system"])
            counts = crop(shot, got["rect"], 2 if kind in (BOX, BUTTON) else 0) if got["state"][0] else [(0, None)]
            if kind == OPTION and rgb(got["colour"]) != fore:  # its caption clipped, as designed
                faults.append(f"colour {got['colour']}")
            if kind == LINE and {p for _, p in counts} != {fore, back}:  # etched: its back colour beneath it
                faults.append(f"drawn in {counts}, not {fore} over {back}")
            elif kind not in (SPINNER, PICTURE) and back and counts[-1][1] != back:
                faults.append(f"background {counts[-1][1]}, not {back}")
            if kind not in (SPINNER, PICTURE, OPTION) and fore and got["state"][0] and ink and fore not in (p for _, p in counts):
                faults.append(f"no text in {fore}: {counts[-3:]}")
            check(not faults, f"{win} {c['name']} as designed" + "".join("; " + f for f in faults))
        return seen[win]

    if ink:  # WebKit's driver emulates no forced colours, nor has them on
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "none"}]})
    control(driver, "Command1").click()  # the distance shown, in its colour
    main = compare("main", *(first := read()))
    before = cut(spinner := control(driver, "VScroll5")).tobytes()
    ActionChains(driver).move_to_element_with_offset(spinner, 0, -4).click_and_hold().perform()
    check(cut(spinner).tobytes() != before, "a held arrow looks pressed")
    ActionChains(driver).release().perform()
    control(driver, "Command3").click()
    seen, shot = read()
    about, meta = compare("about", seen, shot), driver.execute_script(
        "return document.querySelector('meta[name=theme-color]').content")
    picture = lambda: WebDriverWait(driver, 10).until(lambda d: d.execute_script(  # noqa: E731
        "return arguments[0].complete && arguments[0].currentSrc", control(d, "picIcon")))
    pictures = [picture()]  # and later, on a screen of twice the density, the picture's @2x pixels
    bars = [crop(first[1], main["title"])] + [crop(shot, w["title"]) for w in (about, seen["main"])]
    check((main["caption"], about["caption"], main["active"], about["active"], seen["main"]["active"]) == (
        title, "About " + title, True, True, False) and main["close"] and about["close"] and [
        b[-1][1] == tuple(int(meta[i:i + 2], 16) for i in (1, 3, 5)) for b in bars] == [True, True, False] and all(
        len(b) > 1 for b in bars), f"the title bars, the active one in {meta}: {[b[-2:] for b in bars]}")
    control(driver, "cmdOK").click()  # with wind, the greyed rows come back as the wind speed's row looks
    ActionChains(driver).move_to_element_with_offset(control(driver, "VScroll8"), 0, -4).click().perform()
    control(driver, "Command1").click()
    compare("main", *read(), EXPECTED["wind"])
    if not ink:
        return print("not in webkit: the text's colour read from pixels (WebKitGTK smooths text whatever fontconfig "
                     "asks), the picture at 2x (only Chromium's DevTools protocol emulates the density)")
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 1024, "height": 600, "deviceScaleFactor": 2,
                                                                  "mobile": False})
    driver.refresh()
    control(driver, "Command3").click()
    pictures.append(picture())
    check([p.rsplit("/", 1)[-1] for p in pictures] == ["airliner.png", "airliner@2x.png"], f"the picture: {pictures}")
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
