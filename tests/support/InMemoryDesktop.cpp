#include "InMemoryDesktop.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ostream>

#include "MessageNames.h"

namespace snoozr::test {

namespace {
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

void PrintTo(const RecordedMessage& message, std::ostream* out) {
    char window[24];
    std::snprintf(window, sizeof window, "0x%llX", static_cast<unsigned long long>(message.window));
    *out << (message.posted ? "posted " : "")
         << DescribeMessage(message.message, message.wParam, message.lParam, message.text) << " to "
         << window;
}

WindowHandle InMemoryDesktop::Add(WindowHandle parent, std::string className, std::string caption) {
    const WindowHandle handle = nextHandle_++;
    Window window;
    window.className = std::move(className);
    window.caption = std::move(caption);
    window.parent = parent;
    windows_.emplace(handle, std::move(window));
    Siblings(parent).push_back(handle);
    return handle;
}

void InMemoryDesktop::Remove(WindowHandle window) {
    auto found = windows_.find(window);
    if (found == windows_.end())
        return;
    const std::vector<WindowHandle> children = found->second.children;
    for (WindowHandle child : children)
        Remove(child);
    auto& siblings = Siblings(windows_.at(window).parent);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    windows_.erase(window);
}

void InMemoryDesktop::BringToTop(WindowHandle window) {
    auto& siblings = Siblings(windows_.at(window).parent);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    siblings.insert(siblings.begin(), window);
}

void InMemoryDesktop::SetVisible(WindowHandle window, bool visible) {
    windows_.at(window).visible = visible;
}

void InMemoryDesktop::React(WindowHandle window, Reaction reaction) {
    windows_.at(window).reaction = std::move(reaction);
}

void InMemoryDesktop::SetCaption(WindowHandle window, std::string caption) {
    windows_.at(window).caption = std::move(caption);
}

std::vector<RecordedMessage> InMemoryDesktop::MessagesTo(WindowHandle window) const {
    std::vector<RecordedMessage> result;
    for (const auto& message : messages_) {
        if (message.window == window)
            result.push_back(message);
    }
    return result;
}

std::vector<WindowHandle>& InMemoryDesktop::Siblings(WindowHandle parent) {
    return parent == kNoWindow ? topLevel_ : windows_.at(parent).children;
}

WindowHandle InMemoryDesktop::Search(const std::vector<WindowHandle>& order, WindowHandle after,
                                     std::string_view className,
                                     std::optional<std::string_view> caption) const {
    auto it = order.begin();
    if (after != kNoWindow) {
        it = std::find(order.begin(), order.end(), after);
        if (it == order.end())
            return kNoWindow;
        ++it;
    }
    for (; it != order.end(); ++it) {
        const Window& window = windows_.at(*it);
        if (SameIgnoringCase(window.className, className) &&
            (!caption || SameIgnoringCase(window.caption, *caption))) {
            return *it;
        }
    }
    return kNoWindow;
}

WindowHandle InMemoryDesktop::FindTopLevel(std::string_view className,
                                           std::optional<std::string_view> caption) {
    return Search(topLevel_, kNoWindow, className, caption);
}

WindowHandle InMemoryDesktop::FindChild(WindowHandle parent, WindowHandle after,
                                        std::string_view className,
                                        std::optional<std::string_view> caption) {
    if (parent == kNoWindow)
        return Search(topLevel_, after, className, caption);
    if (!Exists(parent))
        return kNoWindow;
    return Search(windows_.at(parent).children, after, className, caption);
}

void InMemoryDesktop::Record(RecordedMessage message) {
    if (!Exists(message.window))
        return;  // a message to no window does nothing
    messages_.push_back(message);
    // The reaction may change the desktop, this window included; copy it first.
    Reaction reaction = windows_.at(message.window).reaction;
    if (reaction)
        reaction(message);
}

void InMemoryDesktop::TimeOutNextSend(WindowHandle window) {
    windows_.at(window).timesOutNextSend = true;
}

bool InMemoryDesktop::TimesOut(WindowHandle window) {
    if (!Exists(window) || !windows_.at(window).timesOutNextSend)
        return false;
    windows_.at(window).timesOutNextSend = false;
    return true;
}

std::intptr_t InMemoryDesktop::Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    if (!TimesOut(window))
        Record({window, message, wParam, lParam, "", false});
    return 0;
}

void InMemoryDesktop::Post(WindowHandle window, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam) {
    Record({window, message, wParam, lParam, "", true});
}

bool InMemoryDesktop::SetText(WindowHandle window, std::string_view text) {
    if (!Exists(window) || TimesOut(window))
        return false;
    windows_.at(window).caption = std::string(text);
    Record({window, msg::kSetText, 0, 0, std::string(text), false});
    return true;
}

std::size_t InMemoryDesktop::GetTextLength(WindowHandle window) {
    Record({window, msg::kGetTextLength, 0, 0, "", false});
    return Exists(window) ? windows_.at(window).caption.size() : 0;
}

std::string InMemoryDesktop::GetText(WindowHandle window, std::size_t bufferSize) {
    Record({window, msg::kGetText, bufferSize, 0, "", false});
    std::string buffer(bufferSize, '\0');
    if (bufferSize == 0 || !Exists(window))
        return buffer;
    const std::string& caption = windows_.at(window).caption;
    std::copy_n(caption.begin(), std::min(caption.size(), bufferSize - 1), buffer.begin());
    return buffer;
}

void InMemoryDesktop::Show(WindowHandle window, int command) {
    if (!Exists(window))
        return;
    Window& w = windows_.at(window);
    w.shows.push_back(command);
    w.visible = command != 0;
}

}  // namespace snoozr::test
