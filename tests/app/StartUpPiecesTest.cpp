#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "app/GestureEngine.h"
#include "app/ProgramFolder.h"

namespace q5 {
namespace {

TEST(ProgramFolder, KeepsThePathUpToItsLastBackslash) {
    EXPECT_EQ(ProgramFolderOf(u"C:\\Program Files\\Korvo\\KorvoQ5.exe"),
              u"C:\\Program Files\\Korvo\\");
    EXPECT_EQ(ProgramFolderOf(u"C:\\KorvoQ5.exe"), u"C:\\");
    EXPECT_EQ(ProgramFolderOf(u"KorvoQ5.exe"), u"");
}

TEST(ProgramFolder, IsCutTo259Characters) {
    const std::u16string deep = u"C:\\" + std::u16string(300, u'a') + u"\\x.exe";
    const std::u16string folder = ProgramFolderOf(deep);
    EXPECT_EQ(folder.size(), 259u);
    EXPECT_EQ(folder, deep.substr(0, 259));
}

// A gesture performs the active copy: an assignment counts from Apply on.
TEST(GestureEngine, PerformsTheAppliedAssignment) {
    sim::SimPlatform desktop;
    SettingsStore store(desktop.registry, desktop.dialogs);
    DisplayText text(test::LabelTexts(), store.macros(), desktop.input);
    AssignmentEditor editor(store, text);
    test::ScriptedDialogs dialogs;
    test::RecordingPusher pusher(store.working());
    editor.ResetToFactory();
    GestureEngine engine(desktop.platform(), store, u"Korvo Q5");

    ASSERT_TRUE(editor.AssignFunction(3, 65, 23, dialogs));
    desktop.journal.Clear();
    engine.OnDeviceEvent(0x101);  // slot 3's gesture: still the wheel
    const auto wheel = desktop.journal.AllLines();
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_EQ(wheel[0].rfind("mouse 0x0800", 0), 0u) << wheel[0];

    ASSERT_TRUE(editor.Apply(pusher, {}));
    desktop.journal.Clear();
    engine.OnDeviceEvent(0x101);
    EXPECT_EQ(desktop.journal.AllLines(),
              (std::vector<std::string>{"key 0x11 0x00 1", "key 0x43 0x00 1", "key 0x43 0x00 3",
                                        "key 0x11 0x00 3"}));
}

}  // namespace
}  // namespace q5
