#include "web/desktop_platform.h"

#include "web/page.h"

#include <stdexcept>

namespace tavrel {

void DesktopPlatform::StartProgram(const std::string &path)
{
    throw std::runtime_error("cannot start " + path);
}

void DesktopPlatform::ShowMessage(const std::string &title, const std::string &text)
{
    page_message(title.c_str(), text.c_str());
}

} // namespace tavrel
