// The demo: the program with a simulated receiver plugged in in place of the
// mouse's driver (the real semaphore, worker thread and event messages), its
// main window shown at start.
#include <windows.h>

#include <memory>

#include "app/win/CGesturePad.h"
#include "app/win/CQ5ConfigApp.h"
#include "platform/sim/SimReceiver.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace q5;
    std::unique_ptr<sim::SimReceiver> receiver;
    std::unique_ptr<win::CGesturePad> pad;
    win::CQ5ConfigApp app;
    app.SetVariant({
        [&receiver](win::WinPlatform& platform) {
            receiver = std::make_unique<sim::SimReceiver>(platform.threads);
            receiver->PlugIn();
            platform.RouteDeviceIo(*receiver);
        },
        [&receiver, &pad](win::CQ5ConfigDlg& dialog) {
            dialog.ShowAtStart(true);
            // The Gesture Pad beside the main window: each of its buttons
            // queues a driver event on the receiver.
            dialog.SetReadyHook([&receiver, &pad](win::CQ5ConfigDlg& ready) {
                pad = std::make_unique<win::CGesturePad>(
                    [&receiver](std::uint32_t code) { return receiver->QueueEvent(code); },
                    ready.Texts());
                pad->Create(ready.GetSafeHwnd());
            });
        },
    });
    return win::RunProgram(app);
}
