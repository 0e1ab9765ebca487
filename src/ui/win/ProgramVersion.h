/*
 * The version of an executable as its version resource states it, for the
 * main window to paint where the language file has no tc_version text.
 */
#pragma once

#include <string>

namespace q5::win {

// The "ProductVersion" text (e.g. "1.0.0") of the module at `modulePath`,
// or of the running executable for an empty path; empty when the module
// has no version resource.
std::u16string ProgramVersionText(const std::wstring& modulePath = {});

}  // namespace q5::win
