// Draws the main window at build time, as the page will show it before the
// core starts: the same procedures and front-end run here (under Node) on a
// page that only writes markup, and print it. `prerender html` prints the
// window's frame with its client area as a declarative shadow root, inert
// until the core takes it over; `prerender css` prints its stylesheet.
#include "web/about_dialog.h"
#include "web/build_window.h"
#include "web/desktop_platform.h"
#include "web/form1_window.h"
#include "web/page.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// The one window the page holds here: its markup, edited as the procedures
// write it, and its stylesheet.
std::string g_frame, g_client, g_style;

// An attribute of a control's start tag in g_client: [begin, end) spans
// ` name="value"`, and value is where the value starts (npos: it has none).
struct Attribute
{
    std::size_t begin, end, value;
};

std::vector<Attribute> Attributes(const char *id, std::size_t &tagEnd)
{
    const std::size_t at = g_client.find(std::string(" id=\"") + id + "\"");
    std::size_t i = g_client.find_first_of(" >", g_client.rfind('<', at));
    std::vector<Attribute> attributes;
    while (g_client[i] == ' ') {
        const std::size_t begin = i, name = g_client.find_first_of(" =>", i + 1);
        i = name;
        std::size_t value = std::string::npos;
        if (g_client[name] == '=') {
            value = name + 2;
            i = g_client.find('"', value) + 1;
        }
        attributes.push_back({begin, i, value});
    }
    tagEnd = i;
    return attributes;
}

std::string Name(const Attribute &a)
{
    return g_client.substr(a.begin + 1, g_client.find_first_of(" =>", a.begin + 1) - a.begin - 1);
}

// An attribute's value, if the control's tag has it.
std::optional<std::string> Get(const char *id, const char *name)
{
    std::size_t end = 0;
    for (const Attribute &a : Attributes(id, end))
        if (Name(a) == name)
            return a.value == std::string::npos ? ""
                                                : g_client.substr(a.value, a.end - 1 - a.value);
    return std::nullopt;
}

// Sets (or with a null value removes) an attribute of a control's tag.
void Set(const char *id, const char *name, const char *value)
{
    std::size_t end = 0;
    for (const Attribute &a : Attributes(id, end))
        if (Name(a) == name) {
            g_client.erase(a.begin, a.end - a.begin);
            end -= a.end - a.begin;
        }
    if (value)
        g_client.insert(end, std::string(" ") + name +
                                 (*value ? "=\"" + tavrel::Escaped(value) + "\"" : ""));
}

} // namespace

extern "C" {

int page_open(const char *, const char *frame, const char *markup, const char *style)
{
    g_frame = frame;
    g_client = markup;
    g_style = style;
    return 1;
}
void page_set_caption(int, const char *) {}
void page_show(int)
{
    const std::string hidden = "class=\"window unshown\"";
    g_frame.replace(g_frame.find(hidden), hidden.size(), "inert class=\"window active\"");
}
void page_hide(int) {}
void page_close(int) {}
void page_frame(int, int *rect) { std::fill(rect, rect + 4, 0); }
void page_work_area(int *rect) { std::fill(rect, rect + 4, 0); }
void page_move(int, int, int) {}
int page_text(int, const char *id, char *buffer, int size)
{
    // As written, but for the HTML: no text of the window holds a quote or a "<".
    const std::string text = Get(id, "value").value_or("");
    std::snprintf(buffer, std::size_t(size), "%s", text.c_str());
    return int(text.size());
}
void page_set_text(int, const char *id, const char *text) { Set(id, "value", text); }
void page_set_attribute(int, const char *id, const char *name, const char *value)
{
    Set(id, name, value);
}
void page_set_style(int, const char *id, const char *property, const char *value)
{
    g_style += std::string("#") + id + "{" + property + ":" + value + "}";
}
void page_set_hidden(int, const char *id, int hidden) { Set(id, "hidden", hidden ? "" : nullptr); }
int page_checked(int, const char *id) { return Get(id, "checked").has_value(); }
void page_select(int, const char *id) { Set(id, "checked", ""); }
void page_focus(int, const char *) {}
void page_message(const char *, const char *) {}
void page_announce(const char *) {}
void page_end() {}
}

int main(int argc, char **argv)
{
    static tavrel::DesktopPlatform launcher;
    static tavrel::frmAbout about(tavrel::AboutDialog::Load, launcher);
    static tavrel::Form1Window window(about);
    window.Start();
    if (argc == 2 && std::strcmp(argv[1], "css") == 0) {
        std::puts(g_style.c_str()); // a whole line: Node prints nothing less
    } else {
        // Styled by files, as the page's policy allows no <style> element.
        const std::string client =
            "<template shadowrootmode=\"open\"><link rel=\"stylesheet\" href=\"controls.css\">"
            "<link rel=\"stylesheet\" href=\"form1.css\">" +
            g_client + "</template>";
        const std::size_t at = g_frame.rfind("</div>");
        std::puts(g_frame.insert(at, client).c_str());
    }
    return 0;
}
