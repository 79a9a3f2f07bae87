// What the stand-in does with a keyword from the toolbar box: every keyword is logged, and
// "aol://9293:NAME" opens an instant-message window addressed to NAME.

#include <map>
#include <string_view>

#include "StandIn.h"

namespace standin {

namespace {

constexpr std::string_view kImKeyword = "aol://9293:";

// IM windows asked for with --im-delay, by the id of the timer that opens them.
std::map<UINT_PTR, std::string> g_delayedIms;

void CALLBACK OpenDelayedIm(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto pending = g_delayedIms.extract(timer);
    if (!pending.empty())
        OpenInstantMessage(TheClient(), pending.mapped());
}

}  // namespace

void RunKeyword(Client& client, const std::string& keyword) {
    client.log.Write("keyword", "", keyword);
    if (keyword.compare(0, kImKeyword.size(), kImKeyword) != 0 || client.options.noIm)
        return;
    const std::string screenName = keyword.substr(kImKeyword.size());
    if (client.options.imDelayMs <= 0) {
        OpenInstantMessage(client, screenName);
        return;
    }
    // A timer, so that the client goes on answering while the window is on its way.
    const UINT_PTR timer =
        SetTimer(nullptr, 0, static_cast<UINT>(client.options.imDelayMs), OpenDelayedIm);
    if (timer != 0)
        g_delayedIms[timer] = screenName;
}

}  // namespace standin
