"""Both windows as the browser draws them, forced colours off, against the core's designs (tavrel_dump_design):
every control, the title bars, the picture at 1x and 2x, a held arrow, the greyed rows."""

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import WebDriverWait

from page import CANNOT, CHROMIUM, DESIGN, EXPECTED, TITLE, check, control, screenshot, shot as cut

LABEL, BOX, SPINNER, OPTION, BUTTON, PICTURE, LINE = range(7)
LOOKS = EXPECTED["design"]
NAMES = {win: [c["name"] for c in DESIGN[win]["controls"]] for win in DESIGN}
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
    return rgb(system[LOOKS["system"][str(value & 0xFF)]]) if value & 0x80000000 else (
        value & 0xFF, value >> 8 & 0xFF, value >> 16)


def read(driver):
    return driver.execute_script(READ, NAMES), screenshot(driver)


def compare(win, seen, shot, like={}):  # like: controls drawn as others are designed
    controls = {c["name"]: c for c in DESIGN[win]["controls"]}
    for c in (controls[name] for name in like or controls):
        got, kind, caption, shown = seen[win][c["name"]], c["kind"], c["caption"].replace("&&", "\0"), seen[win][
            c["name"]]["state"][0]
        family, size, weight, style = got["font"]
        font = (family.split(",")[0].strip('"'), f'"{LOOKS["stand_in"]}"' in family, float(size[:-2]), weight, style)
        at = [v / 15 for v in c["rect"][:3]] + [c["rect"][3] / 15 + 2 * (kind == LINE)]  # a line: 2 pixels
        looks, (fore, back) = controls[like.get(c["name"], c["name"])], LOOKS["defaults"].get(str(kind), (None, None))
        fore, back = colour(looks["fore"], fore, seen["system"]), colour(looks["back"], back, seen["system"])
        counts = crop(shot, got["rect"], 2 if kind in (BOX, BUTTON) else 0) if shown else [(0, None)]
        faults = [fault for bad, fault in (
            (got["text"] is not None and (got["text"], got["u"]) != (caption.replace("&", "").replace("\0", "&"), caption.split(
                "&")[1][:1] if "&" in caption else ""), f"text {got['text']!r}, {got['u']!r} underlined"),
            (kind not in (SPINNER, PICTURE, LINE) and font != ("MS Sans Serif", True, (c["points"] or DESIGN[win]["points"] or
             LOOKS["points"]) * 96 / 72, "700" if c["bold"] else "400", "normal"), f"font {font}"),
            (shown and any(abs(a - b) > 1 for a, b in zip(got["at"], at)), f"at {got['at']}"),
            (got["state"] != [c["visible"] or c["name"] in like, True, c["tabIndex"] >= 0 and kind not in (LABEL, LINE),
                              c["toolTip"]], f"visible, enabled, stop, tooltip {got['state']}"),
            (kind == OPTION and rgb(got["colour"]) != fore, f"colour {got['colour']}"),  # its caption clipped, as designed
            (kind == LINE and {p for _, p in counts} != {fore, back}, f"drawn in {counts}, not {fore} over {back}"),  # etched
            (kind not in (SPINNER, PICTURE, LINE) and back and counts[-1][1] != back, f"background {counts[-1][1]}, not {back}"),
            (kind not in (SPINNER, PICTURE, OPTION) and fore and shown and "ink" not in CANNOT and fore not in (
                p for _, p in counts), f"no text in {fore}: {counts[-3:]}")) if bad]
        check(not faults, f"{win} {c['name']} as designed" + "".join("; " + f for f in faults))
    return seen[win]


def check_design(driver):
    if CHROMIUM:  # the others emulate no forced colours, nor have them on
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "none"}]})
    control(driver, "Command1").click()  # the distance shown, in its colour
    main = compare("main", *(first := read(driver)))
    before = cut(spinner := control(driver, "VScroll5")).tobytes()
    ActionChains(driver).move_to_element_with_offset(spinner, 0, -4).click_and_hold().perform()
    check(cut(spinner).tobytes() != before, "a held arrow looks pressed")
    ActionChains(driver).release().perform()
    control(driver, "Command3").click()
    about = compare("about", *(seen := read(driver)))
    meta = driver.execute_script("return document.querySelector('meta[name=theme-color]').content")
    bars = [crop(first[1], main["title"])] + [crop(seen[1], w["title"]) for w in (about, seen[0]["main"])]
    check((main["caption"], about["caption"], main["active"], about["active"], seen[0]["main"]["active"]) == (
        TITLE, "About " + TITLE, True, True, False) and main["close"] and about["close"] and [
        b[-1][1] == tuple(int(meta[i:i + 2], 16) for i in (1, 3, 5)) for b in bars] == [True, True, False] and all(
        len(b) > 1 for b in bars), f"the title bars, the active one in {meta}: {[b[-2:] for b in bars]}")
    # The picture, and on a screen of twice the density (which only Chromium's DevTools protocol emulates) its @2x pixels.
    for density in (1, 2) if CHROMIUM else (1,):
        if density == 2:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 1024, "height": 600,
                                                                          "deviceScaleFactor": 2, "mobile": False})
            driver.refresh()
            control(driver, "Command3").click()
        picture = WebDriverWait(driver, 10).until(lambda d: d.execute_script(
            "return arguments[0].complete && arguments[0].currentSrc", control(d, "picIcon")))
        check(picture.endswith(["/airliner.png", "/airliner@2x.png"][density - 1]), f"the picture at {density}x: {picture}")
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {}) if CHROMIUM else None
    driver.refresh()  # with wind, the greyed rows come back as the wind speed's row looks
    ActionChains(driver).move_to_element_with_offset(control(driver, "VScroll8"), 0, -4).click().perform()
    control(driver, "Command1").click()
    compare("main", *read(driver), LOOKS["wind"])
