#include "FuzzedProgram.h"

#include <cstring>
#include <span>

#include "i18n/Unicode.h"
#include "model/GestureDispatcher.h"

namespace q5::fuzz {
namespace {

constexpr Rect kScreen{0, 0, 1024, 768};
constexpr Point kCursor{512, 384};
constexpr std::uint32_t kOutsideTheTable[] = {0, 3, 0x80000000, 0x80007208, 0xFFFFFFFF};
constexpr std::uint32_t kZoomDelayMs = 5;
constexpr std::uint32_t kStartTick = 100000;

// The stored values and the images read from them, for the whole run.
struct SharedStore {
    sim::CallJournal journal;
    sim::SimRegistry registry;
    sim::SimDialogs dialogs{journal};
    SettingsStore store{registry, dialogs};
};

SharedStore& Shared() {
    static SharedStore* shared = [] {
        auto* made = new SharedStore;
        made->journal.SetKeeping(false);
        return made;
    }();
    return *shared;
}

SettingsStore& ZeroedStore() {
    SettingsStore& store = Shared().store;
    std::memset(store.working().data(), 0, ButtonSetting::kSize);
    std::memset(store.names().data(), 0, ButtonName::kSize);
    std::memset(store.macros().data(), 0, MacroTable::kSize);
    store.Activate();
    store.stored() = store.working();
    return store;
}

}  // namespace

const LanguageTable& ShippedLanguage() {
    static tool::ToolLanguage* language = [] {
        auto* loaded = new tool::ToolLanguage;
        loaded->Load(Q5_SOURCE_DIR "/languages/language.xml");
        return loaded;
    }();
    return language->table;
}

FuzzedProgram::FuzzedProgram() : store(ZeroedStore()), program(desktop, ShippedLanguage(), store) {
    // Nothing reads what the desktop records; a macro played a hundred times
    // would otherwise store every step of it.
    desktop.journal.SetKeeping(false);
    desktop.clock.SetTick(kStartTick);
    desktop.windows.AddWindow({}, u"Edit", kScreen, kWsVisible | kWsOverlappedWindow | kWsHScroll,
                              u"Untitled - Notepad");
    // Macro playback reads the foreground window's title before every step;
    // a title this short is copied without an allocation, which halves the
    // time of an input that plays long macros under AddressSanitizer.
    notepad = desktop.windows.AddWindow({}, u"Notepad", Rect{}, kWsVisible, u"Notepad");
    desktop.windows.SetForeground(notepad);
    desktop.windows.SetCursor(kCursor);
}

FuzzedProgram::~FuzzedProgram() {
    Shared().registry.ClearAccessLog();
}

void FuzzedProgram::Plant(std::u16string_view valueName, const std::uint8_t* data,
                          std::size_t size) {
    // Written as the program writes a value, over the bytes of the last one:
    // a large image planted for every input allocates nothing.
    sim::SimRegistry& registry = Shared().registry;
    RegistryKey key;
    Require(registry.RegCreateKeyExW(kHkeyLocalMachine, kSettingsKey, kKeySetValue, key) ==
            kErrorSuccess);
    Require(registry.RegSetValueExW(key, valueName, kRegBinary, std::span(data, size)) ==
            kErrorSuccess);
    registry.RegCloseKey(key);
}

void FuzzedProgram::PlantThreeMacros(bool again) {
    static bool planted = false;
    if (planted && !again) {
        return;
    }
    planted = true;
    static const MacroTable* table = [] {
        auto* made = new MacroTable;
        for (std::uint8_t n = 0; n < 3; ++n) {
            tagMACROINFO& macro = made->macros[n];
            macro.steps[0].vk = static_cast<std::uint8_t>('A' + n);
            macro.steps[1].vk = static_cast<std::uint8_t>('A' + n);
            macro.steps[1].keyUp = 1;
            macro.setStepCount(2);
            macro.setLoopFlag(n);
            macro.setLoopCount(n);
        }
        made->setCount(3);
        return made;
    }();
    Plant(kMacroSettingValue, table->data(), MacroTable::kSize);
}

void FuzzedProgram::PerformEveryEvent() {
    GestureDispatcher& dispatcher = program.dispatcher;
    for (const std::uint32_t code : DriverEventCodes()) {
        dispatcher.OnDeviceEvent(code);
    }
    dispatcher.OnDeviceEvent(kEventTimeMark);
    desktop.clock.Advance(kZoomDelayMs);
    dispatcher.OnDeviceEvent(kEventWheelUp);
    dispatcher.OnDeviceEvent(kEventWheelDown);
    for (const std::uint32_t code : kOutsideTheTable) {
        dispatcher.OnDeviceEvent(code);
    }
}

}  // namespace q5::fuzz
