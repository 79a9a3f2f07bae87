#pragma once
// The stand-in chat client: the client's window tree built with real windows, so that the
// program can be run and tested against it. One instance per process.

#include <windows.h>

#include <string>
#include <vector>

#include "EventLog.h"
#include "Hostile.h"
#include "Options.h"

namespace standin {

struct Client {
    Options options;
    EventLog log;
    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    HWND mdiArea = nullptr;
    HWND keywordBox = nullptr;
    Hostile hostile;  // idle unless --hostile
};

Client& TheClient();

// Window classes of the client's controls (superclasses of the system controls).
void RegisterControlClasses(HINSTANCE instance);
void RegisterFrameClasses(HINSTANCE instance);

// The frame with its toolbar keyword box and MDI area.
HWND CreateFrame(Client& client);

// A chat room in the MDI area: transcript, input box, people list, icon and status line.
HWND OpenChatRoom(Client& client, const std::string& caption);

// Shows a line in the transcript of the front chat room, if a room is open.
void ShowInFrontRoom(Client& client, const std::string& line);

// An instant-message window addressed to the screen name, in the MDI area.
HWND OpenInstantMessage(Client& client, const std::string& screenName);

// Runs a keyword typed into the toolbar box.
void RunKeyword(Client& client, const std::string& keyword);

// Opens the upload progress window for the file (ShowWindow's `show`) and starts the upload.
void StartUpload(Client& client, const std::string& fileName, int show = SW_SHOWNORMAL);

}  // namespace standin
