// A spinner's arrows, wheel and finger as the core sees them: an arrow
// pressed (by mouse or pen, or by a finger, which may yet tap, hold or
// slide), the pointer moving on or off it, the timer the core asks for and
// the release; a finger sliding up or down a box or its spinner; the wheel's
// turn as the browser reports it. The core decides every step and delay.

// Runs the timer as the core answers it: -1 keeps it, 0 stops it, another
// value starts it with that delay, then reports its end to tick().
function timer(element, tick) {
  let pending = 0;
  const arm = (answer) => {
    if (answer < 0) return;
    clearTimeout(pending);
    pending = answer > 0 ? setTimeout(() => arm(tick()), answer) : 0;
    element.classList.toggle('pressed', answer > 0);
  };
  return arm;
}

// Follows the pointer that pressed `element` until it is lifted, reporting
// each move to moved(event) and the release to released().
function follow(element, pointerId, moved, released) {
  const end = () => {
    released();
    element.removeEventListener('pointermove', moved);
    element.removeEventListener('lostpointercapture', end);
  };
  element.setPointerCapture(pointerId);
  element.addEventListener('pointermove', moved);
  element.addEventListener('lostpointercapture', end);
}

// Sends each spinner's arrow events within root to arrow(id, event), a
// finger on a box or spinner to finger(id) and its slides to slide(dyUp),
// and the wheel's turns to wheel(id, deltaMode, deltaY).
export function attachSpinners(root, { arrow, finger, slide, wheel }) {
  root.addEventListener('pointerdown', (event) => {
    const byFinger = event.pointerType === 'touch';
    const target = event.target.closest(byFinger ? '.spinner, .box' : '.spinner > .arrow');
    if (!target || event.button !== 0) return;
    const element = event.target.closest('.spinner > .arrow');
    if (!target.matches('.box')) event.preventDefault(); // no selection; the core gives the focus
    const id = element ? element.parentElement.id : target.id;
    if (byFinger) finger(id);
    const arm = timer(element ?? target, () => arrow(id, 'tick'));
    if (element) arm(arrow(id, `${byFinger ? 'finger ' : ''}${element.classList.contains('up') ? 'up' : 'down'}`));
    let [over, lastY] = [true, event.clientY];
    follow(element ?? target, event.pointerId, (move) => {
      if (byFinger) {
        arm(slide(lastY - move.clientY));
        lastY = move.clientY;
        return;
      }
      const r = element.getBoundingClientRect();
      const now = move.clientX >= r.left && move.clientX < r.right &&
                  move.clientY >= r.top && move.clientY < r.bottom;
      if (now !== over) arm(arrow(id, (over = now) ? 'on' : 'off'));
    }, () => arm(element ? arrow(id, 'release') : 0));
  });
  root.addEventListener('wheel', (event) => {
    const spinner = event.target.closest('.spinner');
    if (!spinner) return;
    event.preventDefault();
    wheel(spinner.id, event.deltaMode, event.deltaY);
  }, { passive: false });
  root.addEventListener('contextmenu', (event) => {
    if (event.target.closest('.spinner, .box')) event.preventDefault(); // a long touch holds the arrow
  });
}
