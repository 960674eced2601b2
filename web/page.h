// The page's side of the seam between the core and the browser: what the
// C++ of this front-end asks of the page that draws its windows. Each call is
// implemented in page_library.js, which hands it to the page's script
// (windows.js). Strings are UTF-8; a window is known by the handle the page
// gave it, a control by its id, the name of its design.
#pragma once

extern "C" {

// A window: its frame (FrameMarkup) around the markup of its client area,
// laid out by the stylesheet `style`; hidden until shown. role is "main" or
// "dialog"; the main window the page drew before the core started, if any,
// is taken over. Returns its handle.
int page_open(const char *role, const char *frame, const char *markup, const char *style);
void page_set_caption(int window, const char *caption);
// Shows the window in front of the others.
void page_show(int window);
// Hides the window.
void page_hide(int window);
// Removes the window and its controls; no event of it comes any more.
void page_close(int window);
// The window with its frame, and the visible part of the page, as left, top,
// right and bottom in CSS pixels of the page.
void page_frame(int window, int *rect);
void page_work_area(int *rect);
void page_move(int window, int left, int top);

// A box's text, written into buffer (size bytes, NUL included) as far as it
// fits; returns the length of the whole text in bytes.
int page_text(int window, const char *id, char *buffer, int size);
void page_set_text(int window, const char *id, const char *text);
// Sets an attribute of a control; a null value removes it.
void page_set_attribute(int window, const char *id, const char *name, const char *value);
void page_set_style(int window, const char *id, const char *property, const char *value);
void page_set_hidden(int window, const char *id, int hidden);
int page_checked(int window, const char *id);
void page_select(int window, const char *id);
// Gives a control the focus, and its window with it; a box's text is
// selected, as the desktop's Tab selects it.
void page_focus(int window, const char *id);

// A message box in the page with an OK button, over every window until OK.
void page_message(const char *title, const char *text);
// Has screen readers say the text, politely, the focus staying where it is.
void page_announce(const char *text);
// Ends the program: every window goes, and the page says so.
void page_end();
}
