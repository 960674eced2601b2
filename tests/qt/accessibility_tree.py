# The running program read through AT-SPI as a screen reader reads it: boxes and spinners named,
# values, an arrow's change announced, the unused heading rows said, the distance told.
# usage (with a display and a session bus): accessibility_tree.py <program>
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

UNUSED = "not used while there is no wind"
program = subprocess.Popen([sys.argv[1]])
failed = []


def check(ok, what):
    print(("PASS " if ok else "FAIL ") + what)
    ok or failed.append(what)


def until(condition, seconds=10):
    end = time.time() + seconds
    while not condition() and time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)
    return condition()


def windows():
    return next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Tavrel")


def tree(role):  # the main window's controls of a role, by name
    return {c.name: c for c in windows()[0] if c.getRoleName() == role}


def increase(name):
    action = spinners[name].queryAction()
    action.doAction([action.getName(i).lower() for i in range(action.nActions)].index("increase"))


def number(name):
    return float(boxes[name].queryText().getText(0, -1))


until(lambda: any(a and a.name == "Tavrel" for a in pyatspi.Registry.getDesktop(0)))
boxes, spinners = tree("text"), tree("spin button")
names = ["Flying from, feet", "Flying to, feet", "Vertical speed, feet per minute",
         "Airspeed, knots", "Plane heading, degrees", "Wind direction, degrees", "Wind speed, knots"]
check(all(n in boxes and n in spinners for n in names), "every box and spinner has its name")
check(all(spinners[n].queryValue().currentValue == number(n) for n in names),
      "each spinner's value is its box's number")

announced = []
pyatspi.Registry.registerEventListener(
    lambda event: announced.append(event.source.name), "object:property-change:accessible-value")
increase("Flying from, feet")
check(until(lambda: number("Flying from, feet") == 30100 and
            spinners["Flying from, feet"].queryValue().currentValue == 30100),
      "increase: the box and the spinner both at 30100")
check(until(lambda: announced.count("Flying from, feet") >= 2),
      "the change is announced for the box and the spinner")

rows = [c[n] for c in (boxes, spinners) for n in ("Plane heading, degrees", "Wind direction, degrees")]
check(all(c.description == UNUSED for c in rows), "no wind: the heading rows are not used")
increase("Wind speed, knots")
check(until(lambda: all(c.description not in ("", UNUSED) for c in rows)),
      "wind 1 kt: the heading rows are in use")

told = []
pyatspi.Registry.registerEventListener(lambda event: told.append(event.source.description),
                                       "object:property-change:accessible-description")
tree("push button")["Calculate"].queryAction().doAction(0)
check(until(lambda: any(t.startswith("Distance ") and t.endswith(" nautical miles") for t in told)),
      f"Calculate: the distance told to a screen reader, with its unit ({told[-1:]})")

tree("push button")["About"].queryAction().doAction(0)
until(lambda: windows().childCount == 2)
about = [(c.getRoleName(), c.name.strip()[:10]) for c in windows()[1]]
print("  About box:", about)
check([n for role, n in about if role == "label"] ==
      ["Tavrel V1.", "Tavrel all", "FOR FLIGHT", "Freeware -"] and ("image", "Tavrel") in about,
      "About box: the texts in reading order, the picture named")
program.kill()
sys.exit(1 if failed else 0)
