#!/usr/bin/python3
"""Tavrel's page in headless Chromium, driven as a user drives it, served
from a sub-path of a plain static server: the texts at start, arrows, a held
arrow, "Calculate", a typed edit, the About box and its message, the page
opened again with the server gone, "Exit"; then the page at the design size
and on a phone held sideways, saved as screenshots.

Usage: browser_test.py <web folder> <title> <screenshot folder>"""
import functools
import http.server
import pathlib
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import WebDriverWait

web, title, shots = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


# Everything the page loads but its icons, before compression.
icons = {"tavrel.svg", "tavrel-128.png", "tavrel-256.png"}
size = sum(f.stat().st_size for f in web.iterdir() if f.name not in icons)
check(size <= 300_000, f"the page weighs {size} bytes, icons aside")

class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


handler = functools.partial(Quiet, directory=str(web.parent))
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_port}/{web.name}/"


def browser(mobile=None):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage",
                 "--window-size=1024,600", f"--user-data-dir={tempfile.mkdtemp()}"):
        options.add_argument(flag)
    if mobile:
        options.add_experimental_option("mobileEmulation", mobile)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                              options=options)
    driver.get(url)
    return driver


# A control by its id, in the windows (main first) or in the About box.
FIND = """const [id, scope] = arguments;
for (const client of document.querySelectorAll(scope + ' .client')) {
  const found = client.shadowRoot.getElementById(id);
  if (found) return found;
}
return null;"""


def control(driver, id, scope=".window"):
    return WebDriverWait(driver, 10).until(lambda d: d.execute_script(FIND, id, scope))


def texts(driver):
    boxes = "Text1 Text2 Text3 Text4 Text7 Text8 Text9".split()
    return " ".join(control(driver, b).get_property("value") for b in boxes) + "|" + \
        control(driver, "Text6").get_property("value")


def act(driver, step):
    name, action = step.split(":")
    element = control(driver, name)
    actions = ActionChains(driver)
    if action in ("up", "down"):  # the arrow's half of the spinner
        actions.move_to_element_with_offset(element, 0, -4 if action == "up" else 4).click()
    elif action == "click":
        actions.click(element)
    elif action == "paste":  # long, with a bidirectional override and a lone surrogate
        driver.execute_script("arguments[0].value = '9'.repeat(100000) + '\\u202e12345\\ud800';"
                              "arguments[0].dispatchEvent(new InputEvent('input', {bubbles: true}))", element)
    else:  # keys typed into a box
        actions.click(element).send_keys(action)
    actions.perform()


driver = browser()
start = "30000 3000 1800 250 360 360 0|"
check(WebDriverWait(driver, 20).until(lambda d: texts(d)) == start, "texts at start")
check(driver.title == title and not control(driver, "VScroll6").is_displayed(),
      "title; heading arrows hidden without wind")
spinner = control(driver, "VScroll5")
check((spinner.aria_role, spinner.accessible_name, spinner.get_attribute("aria-valuenow")) ==
      ("spinbutton", "Flying from, feet", "30000"), "screen readers: a spin button with its box's number")
rows = [  # what is done, then the boxes and Text6
    ("upper arrow", "VScroll5:up", "30100 3000 1800 250 360 360 0|"),
    ("lower arrow", "VScroll5:down", start),
    ("past the end: no wind below 0", "VScroll8:down", start),
    # The core's known start-up result (tests/calc/tst_descent.cpp).
    ("Calculate at start", "Command1:click", start + " 81.7"),
    # Wind 10 kt on the nose: the Windows test's and the README's screenshot figure.
    ("wind 10, Calculate", " ".join(["VScroll8:up"] * 10) + " Command1:click",
     "30000 3000 1800 250 360 360 10| 78.5"),
    ("typed edit undone", "Text2:7", "30000 3000 1800 250 360 360 10| 78.5"),
    ("long paste undone", "Text1:paste", "30000 3000 1800 250 360 360 10| 78.5"),
]
for name, steps, expected in rows:
    for step in steps.split():
        act(driver, step)
    check(texts(driver) == expected, name)
check(control(driver, "VScroll6").is_displayed(), "heading arrows shown with wind")

arrow = control(driver, "VScroll4")
ActionChains(driver).move_to_element_with_offset(arrow, 0, -4).click_and_hold().pause(1.2) \
    .release().perform()
check(int(control(driver, "Text4").get_property("value")) >= 280, "held arrow repeats")

act(driver, "Command3:click")
act(driver, "Command3:click")
about = driver.find_elements("css selector", "section[role=dialog]")
main = driver.find_element("css selector", "main")
check(len(about) == 1 and about[0].text.startswith("About " + title), "About twice: one box")
a, m = about[0].rect, main.rect
check(a["x"] >= m["x"] + m["width"] or a["x"] + a["width"] <= m["x"] or
      a["y"] >= m["y"] + m["height"] or a["y"] + a["height"] <= m["y"], "About beside the main window")
ActionChains(driver).click(control(driver, "cmdSysInfo", "section")).perform()
message = WebDriverWait(driver, 5).until(lambda d: d.find_element("css selector", "dialog[open]"))
check(message.text.split("\n")[:2] == [title, "System Information Is Unavailable At This Time"],
      "System Info's message")
message.find_element("css selector", "button").click()
ActionChains(driver).click(control(driver, "cmdOK", "section")).perform()
check(not driver.find_elements("css selector", "dialog, section[role=dialog]"),
      "OK closes the message, then the About box")

# Offline: the service worker answers once the server is gone.
WebDriverWait(driver, 20).until(lambda d: d.execute_script("return !!navigator.serviceWorker.controller"))
server.shutdown()
server.server_close()
driver.refresh()
check(WebDriverWait(driver, 20).until(lambda d: texts(d)) == start, "opened again offline")
act(driver, "Command3:click")
act(driver, "Command1:click")
driver.save_screenshot(str(shots / "web-desktop.png"))

act(driver, "Command2:click")
ended = driver.find_element("css selector", "#ended")
check(ended.is_displayed() and "Tavrel has ended" in ended.text and
      not driver.find_elements("css selector", ".window"), "Exit ends the program")
driver.quit()

# A phone held sideways: the main window fills the width.
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f"http://127.0.0.1:{server.server_port}/{web.name}/"
driver = browser({"deviceMetrics": {"width": 844, "height": 390, "pixelRatio": 3, "touch": True},
                  "userAgent": "Mozilla/5.0 (Linux; Android 14) Mobile"})
control(driver, "Text1")
widths = driver.execute_script("return [document.querySelector('main').offsetWidth, "
                               "document.documentElement.clientWidth, visualViewport.scale]")
check(widths[0] == widths[1] and abs(widths[2] * widths[0] - 844) < 2,
      f"phone: the main window fills the width ({widths})")
driver.save_screenshot(str(shots / "web-phone.png"))
driver.quit()
server.shutdown()

sys.exit(1 if failures else 0)
