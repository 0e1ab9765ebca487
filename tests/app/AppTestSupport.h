/*
 * What the main window's portable state is tested against: the simulated
 * desktop, a settings store on its registry, a small language table, and
 * editors that answer as scripted.
 */
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/AssignmentEditor.h"
#include "app/DisplayText.h"
#include "model/ActionCodeTable.h"
#include "platform/sim/SimPlatform.h"

namespace q5::test {

inline TextLookup LabelTexts() {
    return [](std::string_view key) -> std::u16string {
        static const std::map<std::string, std::u16string, std::less<>> texts = {
            {"tc_click", u"Left click"},     {"tc_menu", u"Right click"},
            {"tc_middle", u"Middle click"},  {"tc_scrollup", u"Scroll up"},
            {"tc_scrolldw", u"Scroll down"}, {"tc_copy", u"Copy"},
            {"tc_min_win", u"Minimise"},     {"tc_max_win", u"Maximise"},
            {"tc_flip_3d", u"Flip 3D"},      {"tc_key_off", u"Key off"},
            {"tc_win8_charms", u"Charms"},   {"tc_win8_warechange", u"Switch"},
            {"tc_win8_desktop", u"Desktop"}, {"tc_show", u"Show desktop"},
            {"tc_forward", u"Forward"},      {"tc_back", u"Back"},
        };
        const auto found = texts.find(key);
        return found == texts.end() ? std::u16string() : found->second;
    };
}

// Answers the editors from scripted results and counts the refusals.
class ScriptedDialogs final : public AssignmentDialogs {
public:
    std::optional<Combination> EditCombination() override {
        ++combinationRuns;
        WhileOpen();
        return combination;
    }
    std::optional<std::uint8_t> EditMacro(std::uint8_t preselected) override {
        preselectedMacros.push_back(preselected);
        WhileOpen();
        return macro;
    }
    // What happens while an editor is open (the program closing, say).
    std::function<void()> whileOpen;
    void RefuseLeftClick() override { ++refusals; }

    std::optional<Combination> combination;
    std::optional<std::uint8_t> macro;
    int combinationRuns = 0;
    std::vector<std::uint8_t> preselectedMacros;
    int refusals = 0;

private:
    void WhileOpen() const {
        if (whileOpen) {
            whileOpen();
        }
    }
};

class RecordingPusher final : public ConfigurationPusher {
public:
    explicit RecordingPusher(const ButtonSetting& working) : working_(working) {}
    bool PushConfiguration() override {
        pushed.push_back(working_);
        return true;
    }
    std::vector<ButtonSetting> pushed;

private:
    const ButtonSetting& working_;
};

}  // namespace q5::test
