#include "web/desktop_platform.h"

#include "common/application.h"
#include "web/page.h"

#include <stdexcept>

namespace tavrel {

void DesktopPlatform::StartProgram(const std::string &path)
{
    throw std::runtime_error("cannot start " + path);
}

void DesktopPlatform::ShowMessage(const std::string &text)
{
    page_message(kApplicationTitle, text.c_str());
}

} // namespace tavrel
