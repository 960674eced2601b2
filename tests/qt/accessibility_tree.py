# The running program read through AT-SPI as a screen reader reads it: its window titled, boxes and
# spinners named, values, an arrow's change announced, the boxes the window undoes edits of
# read-only, the unused heading rows said and unavailable, the distance told, the About box's texts
# as the design has them. usage (with a display and a session bus):
#   accessibility_tree.py <program> <tavrel_dump_design, which prints both windows' designs>
import json
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

UNUSED = "not used while there is no wind"
design = json.loads(subprocess.check_output([sys.argv[2]]))
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
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Tavrel"), None)


def tree(role):  # the main window's controls of a role, by name
    return {c.name: c for c in windows()[0] if c.getRoleName() == role}


def increase(name):
    action = spinners[name].queryAction()
    action.doAction([action.getName(i).lower() for i in range(action.nActions)].index("increase"))


def states(control):
    return {s for s in ("read-only", "editable", "sensitive", "enabled", "focusable")
            if control.getState().contains(getattr(pyatspi, "STATE_" + s.upper().replace("-", "_")))}


def number(name):
    return float(boxes[name].queryText().getText(0, -1))


until(windows)
check(windows()[0].name == design["main"]["caption"], "the main window shown, titled as designed")
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

# Typing into an input box is undone at once; what is typed into "Distance" stays.
check(all(states(boxes[n]) >= {"read-only", "focusable"} and "editable" not in states(boxes[n])
          for n in names) and {"editable"} - states(boxes["Distance"]) == set() and
      "read-only" not in states(boxes["Distance"]), "input boxes read-only, Distance editable")
greyed = ("Plane heading, degrees", "Wind direction, degrees")
rows = [c[n] for c in (boxes, spinners) for n in greyed]
others = [c[n] for c in (boxes, spinners) for n in names if n not in greyed]
active = {"sensitive", "enabled", "focusable"}
check(all(c.description == UNUSED and states(c) & active == {"focusable"} for c in rows) and
      all(states(c) >= active for c in others), "no wind: the heading rows unused and unavailable")
increase("Wind speed, knots")
check(until(lambda: all(c.description not in ("", UNUSED) and states(c) >= active for c in rows)),
      "wind 1 kt: the heading rows in use and available")

told = []
pyatspi.Registry.registerEventListener(lambda event: told.append(event.source.description),
                                       "object:property-change:accessible-description")
tree("push button")["Calculate"].queryAction().doAction(0)
check(until(lambda: any(t.startswith("Distance ") and t.endswith(" nautical miles") for t in told)),
      f"Calculate: the distance told to a screen reader, with its unit ({told[-1:]})")

tree("push button")["About"].queryAction().doAction(0)
until(lambda: windows().childCount == 2)
about = [(c.getRoleName(), c.name.strip()) for c in windows()[1]]
labels = sorted((c for c in design["about"]["controls"] if c["kind"] == 0), key=lambda c: c["rect"][1])
print("  About box:", about)
check([n for role, n in about if role == "label"] == [c["caption"].strip() for c in labels] and
      ("image", "Tavrel") in about, "About box: the design's texts in reading order, the picture named")
program.kill()
sys.exit(1 if failed else 0)
