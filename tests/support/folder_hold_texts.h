// What the editor says when an analysis holds its folder, as a user reads it on the screen: the
// save's refusal and the execution's, each up to the pause that follows it.
#pragma once

#include <string_view>

namespace qv::testing_support {

inline constexpr std::string_view kSaveRefused =
    "\n ++> An analysis is running in this folder, or waits there at a question: the\n"
    "     data set is not saved, so that the folder keeps the data set its reports\n"
    "     are made from. The data files are unchanged and the edits are kept: save\n"
    "     again once that analysis has ended.\n\n Press <RETURN> to continue: ";

// An execution tests the hold before its first file.
inline constexpr std::string_view kExecutionRefused =
    "\n ++> An analysis is running in this folder, or waits there at a question: this\n"
    "     execution does not start, and no file was written (neither the listing\n"
    "     \"SALMIN.stxt\", nor \"Diagnostics.stxt\", nor the data set), so that the\n"
    "     folder keeps that analysis's files. The edits are kept: execute again once\n"
    "     that analysis has ended.\n\n Press <RETURN> to continue: ";

}  // namespace qv::testing_support
