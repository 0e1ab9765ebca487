#include "app/win/GesturePadRemote.h"

#include <windows.h>

#include "app/win/CGesturePad.h"

namespace q5::win {
namespace {

// How long a busy pad may take to answer before the sender gives up.
constexpr UINT kAnswerTimeoutMs = 5000;

}  // namespace

PadDelivery SendToGesturePad(std::span<const TimedEvent> events) {
    const std::vector<std::uint8_t> payload = EncodeGestureScript(events);
    if (payload.empty()) {
        return PadDelivery::Refused;
    }
    HWND pad = ::FindWindowW(nullptr, CGesturePad::kWindowTitle);
    if (!pad) {
        return PadDelivery::NoPad;
    }
    COPYDATASTRUCT data{};
    data.dwData = kGestureScriptTag;
    data.cbData = static_cast<DWORD>(payload.size());
    data.lpData = const_cast<std::uint8_t*>(payload.data());
    DWORD_PTR answer = FALSE;
    const LRESULT sent =
        ::SendMessageTimeoutW(pad, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                              SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &answer);
    return sent && answer == TRUE ? PadDelivery::Delivered : PadDelivery::Refused;
}

}  // namespace q5::win
