// The demo: the program with a simulated receiver plugged in in place of the
// mouse's driver (the real semaphore, worker thread and event messages), its
// main window shown at start.
#include <windows.h>

#include <memory>

#include "app/win/CQ5ConfigApp.h"
#include "platform/sim/SimReceiver.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace q5;
    std::unique_ptr<sim::SimReceiver> receiver;
    win::CQ5ConfigApp app;
    app.SetVariant({
        [&receiver](win::WinPlatform& platform) {
            receiver = std::make_unique<sim::SimReceiver>(platform.threads);
            receiver->PlugIn();
            platform.RouteDeviceIo(*receiver);
        },
        [](win::CQ5ConfigDlg& dialog) {
            dialog.ShowAtStart(true);
            // The Gesture Pad plugs in here: SetReadyHook opens it beside the
            // main window, its Fire queuing events on the receiver.
        },
    });
    return win::RunProgram(app);
}
