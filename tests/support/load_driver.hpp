#pragma once

#include <string>
#include <vector>

#include "analysis/data_loader.hpp"
#include "analysis/module1.hpp"
#include "framework/core/text_stream.hpp"

// Runs the load steps on a text as the load handler runs them, with the dialogs and the
// output text area replaced by records, so that the core can be checked end to end without a
// window. The date and time are fixed so that listings can be compared byte for byte.
struct LoadRun {
  std::vector<std::string> messages;
  std::string appended;  // what the load appended to the output text
};

inline LoadRun RunLoad(const std::string& fileText, const std::string& fileName = "cases.txt") {
  LoadRun run;
  Module1::dirtyc = "no";
  Module1::dirtyData = "no";
  ResetCaseArray();
  framework::TextInputStream in(fileText);
  const CaseReading reading = ReadCases(in);
  in.Close();
  if (reading.readFailed) {
    run.messages.push_back(UnreadableFileMessage(fileName));
    return run;
  }
  if (reading.badFieldCountLines > 0) run.messages.push_back(kFieldCountWarning);
  if (!CaseCountInRange(reading.lineCount)) {
    run.messages.push_back(kCaseCountMessage);
    return run;
  }
  const GroupSums sums = CountGroups(reading.lineCount);
  if (sums.badCodeLine != 0) {
    run.messages.push_back(BadGroupCodeMessage(sums.badCodeLine, sums.badCode));
    return run;
  }
  const int64_t k = CategoryCount();
  if (!CategoryCountInRange(k)) {
    run.messages.push_back(kCategoryCountMessage);
    return run;
  }
  CommitCounts(reading.lineCount, k);
  run.appended += DataListing(fileName, "12/10/26", "09:30");
  for (const std::string& line : SumWarnings(sums)) run.appended += line;
  BuildCenteredScores();
  Module1::dirtyData = "yes";
  return run;
}

// The nine cases of the help text's worked example.
inline const char kHelpExample[] =
    "1\t99\t100\n1\t100\t102\n1\t87\t92\n1\t94\t97\n"
    "2\t95\t106\n2\t99\t107\n2\t100\t108\n2\t98\t103\n2\t99\t105\n";
