#!/usr/bin/python3
"""Tavrel's page against a static page holding the same 37 controls with no
script: the time from navigation until the first paint with content (for
Tavrel, the main window drawn, since the page shows nothing before it) and
the bytes loaded, in headless Chromium with a fresh profile for every load.
The static page is the main window as Tavrel draws it, saved with its shadow
root and its stylesheets written out as a template, so that the browser
builds it from the HTML alone. Prints the medians of interleaved runs and the size of each served file.

Usage: measure_web.py <web folder> <runs>"""
import functools
import http.server
import os
import pathlib
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

web, runs = pathlib.Path(sys.argv[1]).resolve(), int(sys.argv[2])
root = pathlib.Path(tempfile.mkdtemp())
(root / "web").symlink_to(web)
(root / "static").mkdir()
os.symlink(web / "tavrel.css", root / "static" / "tavrel.css")


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Quiet, directory=str(root)))
threading.Thread(target=server.serve_forever, daemon=True).start()
base = f"http://127.0.0.1:{server.server_port}"


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage",
                 "--window-size=1024,768", f"--user-data-dir={tempfile.mkdtemp()}"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


SHOWN = "return document.querySelector('main .client')?.shadowRoot?.getElementById('Text1')?.value"
SAVE = """const shadow = document.querySelector('main .client').shadowRoot;
for (const box of shadow.querySelectorAll('input.box')) box.setAttribute('value', box.value);
const main = document.querySelector('main').cloneNode(true);
const client = main.querySelector('.client');
const css = shadow.adoptedStyleSheets.map((s) => [...s.cssRules].map((r) => r.cssText).join(' '));
client.innerHTML = '<template shadowrootmode="open"><style>' + css.join(' ') + '</style>' +
  shadow.innerHTML + '</template>';
main.removeAttribute('inert');
return main.outerHTML;"""

driver = browser()
driver.get(f"{base}/web/")
WebDriverWait(driver, 20).until(lambda d: d.execute_script(SHOWN))
(root / "static" / "index.html").write_text(
    '<!doctype html><html lang="en"><head><meta charset="utf-8"><title>Tavrel V1.0</title>'
    '<link rel="stylesheet" href="tavrel.css"></head><body><div id="desktop">' +
    driver.execute_script(SAVE) + "</div></body></html>")
driver.quit()

MEASURE = """const paint = performance.getEntriesByName('first-contentful-paint')[0];
const entries = [...performance.getEntriesByType('navigation'),
                 ...performance.getEntriesByType('resource')];
return paint && [paint.startTime, entries.reduce((sum, e) => sum + e.decodedBodySize, 0)];"""
figures = {"Tavrel": [], "static page, same 37 controls": []}
for run in range(runs):
    pages = list(figures.items())
    for name, results in pages if run % 2 == 0 else reversed(pages):
        driver = browser()
        driver.get(f"{base}/{'web' if name == 'Tavrel' else 'static'}/")
        WebDriverWait(driver, 20).until(lambda d: d.execute_script(SHOWN))
        results.append(WebDriverWait(driver, 20).until(lambda d: d.execute_script(MEASURE)))
        driver.quit()
server.shutdown()

tavrel_ms = statistics.median(r[0] for r in figures["Tavrel"])
for name, results in figures.items():
    ms = statistics.median(r[0] for r in results)
    print(f"{name}: drawn after {ms:.1f} ms (Tavrel {tavrel_ms / ms:.2f} times), "
          f"{statistics.median(r[1] for r in results):.0f} bytes loaded, median of {runs}")
for file in sorted(web.iterdir()):
    print(f"{file.name}: {file.stat().st_size} bytes")
