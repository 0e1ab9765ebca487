#include "app/GesturePadModel.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "i18n/Unicode.h"
#include "model/GestureDispatcher.h"
#include "model/GestureSlots.h"
#include "platform/TextFormat.h"

namespace q5 {
namespace {

// Gesture names for a language file that lacks them.
constexpr std::array<const char16_t*, kSlotCount> kFallbackGestureNames = {
    u"One-finger left click", u"One-finger right click", u"Two-finger click",
    u"One finger up",         u"One finger down",        u"One finger left",
    u"One finger right",      u"Swipe from right edge",  u"Swipe from left edge",
    u"Two fingers up",        u"Two fingers down",       u"Two fingers left",
    u"Two fingers right"};

constexpr char16_t kZoomMarkName[] = u"Zoom mark";

// Two columns of buttons, then the status line across the pad.
constexpr int kColumns = 2;
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kButtonWidth = 180;
constexpr int kButtonHeight = 26;
constexpr int kStatusHeight = 20;

// Keeps the window off the owner's edge.
constexpr int kDistanceFromOwner = 8;

std::u16string TextOr(const TextLookup& texts, std::string_view key, const char16_t* fallback) {
    std::u16string text = texts ? texts(key) : std::u16string();
    return text.empty() ? std::u16string(fallback) : text;
}

Rect CellRect(std::size_t index) {
    const int column = static_cast<int>(index) % kColumns;
    const int row = static_cast<int>(index) / kColumns;
    const int left = kMargin + column * (kButtonWidth + kGap);
    const int top = kMargin + row * (kButtonHeight + kGap);
    return {left, top, left + kButtonWidth, top + kButtonHeight};
}

int Rows(std::size_t buttons) {
    return static_cast<int>((buttons + kColumns - 1) / kColumns);
}

int Clamp(int position, int size, int low, int high) {
    return std::max(low, std::min(position, high - size));
}

long long OverlapArea(const Rect& a, const Rect& b) {
    const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

}  // namespace

GesturePadModel::GesturePadModel(const TextLookup& texts) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        buttons_.push_back({{*EventOfSlot(slot)},
                            TextOr(texts, GestureLabelKey(slot),
                                   kFallbackGestureNames[static_cast<std::size_t>(slot)]),
                            {}});
    }
    buttons_.push_back({{kEventTimeMark}, kZoomMarkName, {}});
    buttons_.push_back(
        {{kEventTimeMark, kEventWheelUp}, TextOr(texts, "tc_win8_zoomin", u"Zoom in"), {}});
    buttons_.push_back(
        {{kEventTimeMark, kEventWheelDown}, TextOr(texts, "tc_win8_zoomout", u"Zoom out"), {}});
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i].rect = CellRect(i);
    }
}

PadSize GesturePadModel::clientSize() const {
    const Rect status = statusRect();
    return {status.right + kMargin, status.bottom + kMargin};
}

Rect GesturePadModel::statusRect() const {
    const int top = kMargin + Rows(buttons_.size()) * (kButtonHeight + kGap);
    const int width = kColumns * kButtonWidth + (kColumns - 1) * kGap;
    return {kMargin, top, kMargin + width, top + kStatusHeight};
}

std::u16string GesturePadModel::NameOfEvent(std::uint32_t code) const {
    for (const auto& button : buttons_) {
        if (button.codes.size() == 1 && button.codes.front() == code) {
            return button.label;
        }
    }
    return Utf8ToUtf16(StringPrintf("0x%08x", code));
}

std::u16string GesturePadModel::StatusText(std::uint32_t code, bool accepted) const {
    return NameOfEvent(code) + Utf8ToUtf16(StringPrintf(" (0x%08x): ", code)) +
           (accepted ? u"taken by the receiver" : u"refused by the receiver");
}

Rect PlaceBeside(const Rect& owner, PadSize frame, const Rect& workArea) {
    const auto fitsAcross = [&](int left) {
        return left >= workArea.left && left + frame.width <= workArea.right;
    };
    const auto fitsDown = [&](int top) {
        return top >= workArea.top && top + frame.height <= workArea.bottom;
    };
    const auto placed = [&](int left, int top) {
        left = Clamp(left, frame.width, workArea.left, workArea.right);
        top = Clamp(top, frame.height, workArea.top, workArea.bottom);
        return Rect{left, top, left + frame.width, top + frame.height};
    };
    const int right = owner.right + kDistanceFromOwner;
    const int left = owner.left - kDistanceFromOwner - frame.width;
    const int below = owner.bottom + kDistanceFromOwner;
    const int above = owner.top - kDistanceFromOwner - frame.height;
    if (fitsAcross(right)) {
        return placed(right, owner.top);
    }
    if (fitsAcross(left)) {
        return placed(left, owner.top);
    }
    if (fitsDown(below)) {
        return placed(owner.left, below);
    }
    if (fitsDown(above)) {
        return placed(owner.left, above);
    }
    // No side has room: the pad stays whole on the work area where it covers
    // the least of the owner, beside it or in a corner of the work area; on
    // a tie the corners on the left come first, since windows keep their
    // caption buttons and dialogs their command buttons on the right.
    const Rect candidates[] = {
        placed(right, owner.top),
        placed(left, owner.top),
        placed(owner.left, below),
        placed(owner.left, above),
        placed(workArea.left, workArea.bottom),
        placed(workArea.left, workArea.top),
        placed(workArea.right, workArea.bottom),
        placed(workArea.right, workArea.top),
    };
    return *std::min_element(std::begin(candidates), std::end(candidates),
                             [&](const Rect& a, const Rect& b) {
                                 return OverlapArea(a, owner) < OverlapArea(b, owner);
                             });
}

}  // namespace q5
