// "rooms": every wake of the schedule a room opens, closes, comes to the front or goes to the
// back, so that the room found first keeps changing between one search and the next.

#include <string>
#include <vector>

#include "Hostile.h"
#include "StandIn.h"
#include "WindowText.h"

namespace standin {

namespace {

constexpr std::size_t kMostRooms = 6;

std::vector<HWND> Rooms(const Client& client) {
    std::vector<HWND> rooms;
    for (HWND child = FindWindowExA(client.mdiArea, nullptr, "AOL Child", nullptr);
         child != nullptr; child = FindWindowExA(client.mdiArea, child, "AOL Child", nullptr)) {
        if (FindWindowExA(child, nullptr, "_AOL_Listbox", nullptr) != nullptr)
            rooms.push_back(child);
    }
    return rooms;
}

}  // namespace

void ChurnRooms(Client& client, Hostile& hostile) {
    static int opened = 0;
    const std::vector<HWND> rooms = Rooms(client);
    const int step = hostile.Between(0, 3);
    if (step == 0 || rooms.empty()) {
        if (rooms.size() >= kMostRooms)
            return;
        const std::string caption = "Hostile " + std::to_string(++opened);
        client.log.Write("hostile", "room opened", caption);
        OpenChatRoom(client, caption);
        return;
    }
    const HWND room =
        rooms[static_cast<std::size_t>(hostile.Between(0, static_cast<int>(rooms.size()) - 1))];
    const std::string caption = WindowText(room);
    if (step == 1) {
        client.log.Write("hostile", "room closed", caption);
        SendMessageA(client.mdiArea, WM_MDIDESTROY, reinterpret_cast<WPARAM>(room), 0);
    } else if (step == 2) {
        client.log.Write("hostile", "room to front", caption);
        SendMessageA(client.mdiArea, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(room), 0);
    } else {
        client.log.Write("hostile", "room to back", caption);
        SetWindowPos(room, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

}  // namespace standin
