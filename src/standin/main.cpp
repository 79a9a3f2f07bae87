// The stand-in chat client: builds the client's windows, opens the chat rooms asked for and
// records every line said in them.

#include <string>

#include "ChildWindow.h"
#include "StandIn.h"

namespace standin {

Client& TheClient() {
    static Client client{
        ParseOptions(GetCommandLineA()), EventLog(""), nullptr, nullptr, nullptr, nullptr, {}};
    return client;
}

}  // namespace standin

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    using namespace standin;
    Client& client = TheClient();
    client.log = EventLog(client.options.logPath);
    client.instance = instance;
    RegisterControlClasses(instance);
    RegisterFrameClasses(instance);
    RegisterChildClass(instance);

    CreateFrame(client);
    std::vector<HWND> rooms;
    for (int i = 1; i <= client.options.rooms; ++i)
        rooms.push_back(OpenChatRoom(client, "Lobby " + std::to_string(i)));
    if (client.options.frontRoom >= 1 && client.options.frontRoom <= static_cast<int>(rooms.size()))
        SendMessageA(client.mdiArea, WM_MDIACTIVATE,
                     reinterpret_cast<WPARAM>(rooms[client.options.frontRoom - 1]), 0);
    ShowWindow(client.frame, show == SW_HIDE ? SW_SHOWNORMAL : show);
    UpdateWindow(client.frame);
    if (!client.options.uploadName.empty())
        StartUpload(client, client.options.uploadName);
    client.hostile.Start(client);
    client.log.Write("ready", "", "");

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateMDISysAccel(client.mdiArea, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
