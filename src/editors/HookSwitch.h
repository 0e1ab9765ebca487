/*
 * The one thing the macro editor asks of the keyboard hook library while it
 * runs: switching its key reports on and off ("SetHookStatus"). Loading,
 * installing and removing the library belong to the editor's window; the
 * recording rules only see this switch, so they run without the library.
 */
#pragma once

namespace q5 {

inline constexpr int kHookReportsOff = 0;
inline constexpr int kHookReportsOn = 1;

class HookSwitch {
public:
    virtual ~HookSwitch() = default;

    // The library is loaded and can be switched; without it nothing records.
    virtual bool Available() const = 0;
    virtual void SetStatus(int status) = 0;
};

// The switch of an editor that runs without the library.
class NoHookSwitch final : public HookSwitch {
public:
    bool Available() const override { return false; }
    void SetStatus(int) override {}
};

}  // namespace q5
