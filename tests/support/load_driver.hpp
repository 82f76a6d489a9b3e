#pragma once

#include <string>
#include <vector>

#include "analysis/data_loader.hpp"
#include "analysis/module1.hpp"
#include "framework/core/text_stream.hpp"

// Runs a load on a text as the load handler runs it, with the dialogs and the output text
// area replaced by records, so that the core can be checked end to end without a window. The
// date and time are fixed so that listings can be compared byte for byte.
struct LoadRun : LoadReport {
  std::vector<std::string> messages;
  std::string appended;  // what the load appended to the output text

  void Message(const std::string& text) override { messages.push_back(text); }
  void Append(const std::string& text) override { appended += text; }
  ListingMoment Now() override { return {"12/10/26", "09:30"}; }
};

inline LoadRun RunLoad(const std::string& fileText, const std::string& fileName = "cases.txt") {
  LoadRun run;
  Module1::dirtyc = "no";
  Module1::dirtyData = "no";
  ResetCaseArray();
  framework::TextInputStream in(fileText);
  if (LoadCases(in, fileName, run)) Module1::dirtyData = "yes";
  return run;
}

// The nine cases of the help text's worked example.
inline const char kHelpExample[] =
    "1\t99\t100\n1\t100\t102\n1\t87\t92\n1\t94\t97\n"
    "2\t95\t106\n2\t99\t107\n2\t100\t108\n2\t98\t103\n2\t99\t105\n";
