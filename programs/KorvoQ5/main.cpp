// The program: starts hidden behind its notification icon.
#include <windows.h>

#include "app/win/CQ5ConfigApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    q5::win::CQ5ConfigApp app;
    return q5::win::RunProgram(app);
}
