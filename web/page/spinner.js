// A spinner's arrows and wheel as the core sees them: an arrow pressed (by
// mouse, pen or finger), the pointer moving on or off it, the timer the core
// asks for and the release; the wheel's turn as the browser reports it. The
// core decides every step and every delay.

// Reports each event of a held arrow to arrow(event), which answers the
// timer: -1 keeps it, 0 stops it, another value starts it with that delay.
function hold(element, pointerId, arrow) {
  let timer = 0;
  const arm = (answer) => {
    if (answer < 0) return;
    clearTimeout(timer);
    timer = answer > 0 ? setTimeout(() => arm(arrow('tick')), answer) : 0;
    element.classList.toggle('pressed', answer > 0);
  };
  let over = true;
  const move = (event) => {
    const r = element.getBoundingClientRect();
    const now = event.clientX >= r.left && event.clientX < r.right &&
                event.clientY >= r.top && event.clientY < r.bottom;
    if (now !== over) arm(arrow((over = now) ? 'on' : 'off'));
  };
  const release = () => {
    arm(arrow('release'));
    element.removeEventListener('pointermove', move);
    element.removeEventListener('lostpointercapture', release);
  };
  element.setPointerCapture(pointerId);
  element.addEventListener('pointermove', move);
  element.addEventListener('lostpointercapture', release);
  arm(arrow(element.classList.contains('up') ? 'up' : 'down'));
}

// Sends each spinner's arrow events within root to arrow(id, event) and its
// wheel turns to wheel(id, deltaMode, deltaY).
export function attachSpinners(root, arrow, wheel) {
  root.addEventListener('pointerdown', (event) => {
    const element = event.target.closest('.spinner > .arrow');
    if (!element || event.button !== 0) return;
    event.preventDefault(); // no text selection; the core gives the focus
    const { id } = element.parentElement;
    hold(element, event.pointerId, (what) => arrow(id, what));
  });
  root.addEventListener('wheel', (event) => {
    const spinner = event.target.closest('.spinner');
    if (!spinner) return;
    event.preventDefault();
    wheel(spinner.id, event.deltaMode, event.deltaY);
  }, { passive: false });
  root.addEventListener('contextmenu', (event) => {
    if (event.target.closest('.spinner')) event.preventDefault(); // a long touch holds the arrow
  });
}
