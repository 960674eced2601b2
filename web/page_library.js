// The C functions of page.h, as Emscripten links them: each converts its
// arguments from the module's memory and calls the page's script, which the
// page passes to the module as `page`. Plain functions: the linker copies
// each one's text into the module under its C name.
mergeInto(LibraryManager.library, {
  page_open: function(role, frame, markup, style) {
    return Module.page.open(UTF8ToString(role), UTF8ToString(frame), UTF8ToString(markup),
                            UTF8ToString(style));
  },
  page_set_caption: function(window, caption) {
    Module.page.setCaption(window, UTF8ToString(caption));
  },
  page_show: function(window) { Module.page.show(window); },
  page_hide: function(window) { Module.page.hide(window); },
  page_close: function(window) { Module.page.close(window); },
  page_frame: function(window, rect) { HEAP32.set(Module.page.frame(window), rect >> 2); },
  page_work_area: function(rect) { HEAP32.set(Module.page.workArea(), rect >> 2); },
  page_move: function(window, left, top) { Module.page.move(window, left, top); },
  page_text: function(window, id, buffer, size) {
    var text = Module.page.text(window, UTF8ToString(id));
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },
  page_set_text: function(window, id, text) {
    Module.page.setText(window, UTF8ToString(id), UTF8ToString(text));
  },
  page_set_attribute: function(window, id, name, value) {
    Module.page.setAttribute(window, UTF8ToString(id), UTF8ToString(name),
                             value ? UTF8ToString(value) : null);
  },
  page_set_style: function(window, id, property, value) {
    Module.page.setStyle(window, UTF8ToString(id), UTF8ToString(property), UTF8ToString(value));
  },
  page_set_hidden: function(window, id, hidden) {
    Module.page.setHidden(window, UTF8ToString(id), hidden !== 0);
  },
  page_checked: function(window, id) {
    return Module.page.checked(window, UTF8ToString(id)) ? 1 : 0;
  },
  page_select: function(window, id) { Module.page.select(window, UTF8ToString(id)); },
  page_focus: function(window, id) { Module.page.focus(window, UTF8ToString(id)); },
  page_message: function(title, text) {
    Module.page.message(UTF8ToString(title), UTF8ToString(text));
  },
  page_announce: function(text) { Module.page.announce(UTF8ToString(text)); },
  page_end: function() { Module.page.end(); },
});
