// A spinner's input as the actions of a desktop scroll bar: an arrow
// pressed (by mouse, pen or finger) clicks at once and, held, repeats; the
// keys of a focused scroll bar; the wheel, reported in the desktop's units
// of 120 a notch. The core decides what each action does.

// The desktop's scroll-bar timing: first repeat after half a second, then 20 a second.
const repeatDelayMs = 500;
const repeatIntervalMs = 50;
const unitsPerNotch = 120;

const keyActions = {
  ArrowUp: 'LineUp', ArrowLeft: 'LineUp', ArrowDown: 'LineDown', ArrowRight: 'LineDown',
  PageUp: 'PageUp', PageDown: 'PageDown', Home: 'Top', End: 'Bottom',
};

// The wheel's turn in the desktop's units, positive away from the user.
function wheelUnits(event) {
  if (event.wheelDeltaY) return event.wheelDeltaY; // already in those units
  const perNotch = { [WheelEvent.DOM_DELTA_PIXEL]: 100, [WheelEvent.DOM_DELTA_LINE]: 3,
                     [WheelEvent.DOM_DELTA_PAGE]: 1 }[event.deltaMode];
  return Math.round((-event.deltaY / perNotch) * unitsPerNotch);
}

// Clicks the arrow now and, while it is held and the pointer over it, again
// after the delay and then at the interval; leaving the arrow pauses.
function hold(arrow, pointerId, click) {
  let timer = 0;
  const press = (delay) => {
    arrow.classList.add('pressed');
    timer = setTimeout(function repeat() {
      click();
      timer = setTimeout(repeat, repeatIntervalMs);
    }, delay);
  };
  const pause = () => {
    arrow.classList.remove('pressed');
    clearTimeout(timer);
    timer = 0;
  };
  const move = (event) => {
    const r = arrow.getBoundingClientRect();
    const over = event.clientX >= r.left && event.clientX < r.right &&
                 event.clientY >= r.top && event.clientY < r.bottom;
    if (over && !timer) press(repeatDelayMs);
    else if (!over && timer) pause();
  };
  const release = () => {
    pause();
    arrow.removeEventListener('pointermove', move);
    arrow.removeEventListener('lostpointercapture', release);
  };
  arrow.setPointerCapture(pointerId);
  arrow.addEventListener('pointermove', move);
  arrow.addEventListener('lostpointercapture', release);
  click();
  press(repeatDelayMs);
}

// Sends each spinner's actions within root to spin(id, action) and its
// wheel turns to wheel(id, units).
export function attachSpinners(root, spin, wheel) {
  root.addEventListener('pointerdown', (event) => {
    const arrow = event.target.closest('.spinner > .arrow');
    if (!arrow || event.button !== 0) return;
    event.preventDefault(); // no text selection, and the focus set here
    const spinner = arrow.parentElement;
    spinner.focus();
    hold(arrow, event.pointerId,
         () => spin(spinner.id, arrow.classList.contains('up') ? 'LineUp' : 'LineDown'));
  });
  root.addEventListener('keydown', (event) => {
    const action = keyActions[event.key];
    if (!action || !event.target.matches('.spinner') ||
        event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    event.preventDefault();
    spin(event.target.id, action);
  });
  root.addEventListener('wheel', (event) => {
    const spinner = event.target.closest('.spinner');
    if (!spinner) return;
    event.preventDefault();
    wheel(spinner.id, wheelUnits(event));
  }, { passive: false });
  root.addEventListener('contextmenu', (event) => {
    if (event.target.closest('.spinner')) event.preventDefault(); // a long touch holds the arrow
  });
}
