#include "analysis/data_loader.hpp"

#include "analysis/bias_statistics.hpp"
#include "analysis/module1.hpp"
#include "analysis/right_align.hpp"
#include "framework/core/event_loop.hpp"
#include "framework/core/text.hpp"

using framework::CountFields;
using framework::NthField;
using framework::Str;
using framework::Val;

std::string UnreadableFileMessage(const std::string& fileName) {
  return "The file \"" + fileName + "\" could not be read.";
}

std::string BadGroupCodeMessage(int64_t line, double code) {
  return "Case " + Str(line) + " has the group code " + Str(code) +
         ". Group codes must be 1 to 9. Please check data for accuracy.";
}

void ResetCaseArray() {
  Module1::gArray.Resize(-1, -1);
  Module1::gArray.Resize(Module1::kMaxCases, Module1::kColumns);
}

CaseReading ReadCases(framework::TextInputStream& in) {
  const std::string tab = framework::Chr(9);
  CaseReading reading;
  do {
    const std::string line = in.ReadLine();
    if (CountFields(line, tab) != 3) ++reading.badFieldCountLines;
    ++reading.lineCount;
    if (reading.lineCount <= Module1::kMaxCases) {
      const int64_t j = reading.lineCount;
      Module1::gArray(j, 1) = Val(NthField(line, tab, 1));
      Module1::gArray(j, 2) = Val(NthField(line, tab, 2));
      Module1::gArray(j, 3) = Val(NthField(line, tab, 3));
    }
    framework::YieldToEventLoop();
  } while (!in.EndOfFile());
  reading.readFailed = in.ReadError();
  return reading;
}

bool CaseCountInRange(int64_t caseCount) {
  return caseCount >= 3 && caseCount <= Module1::kMaxCases;
}

GroupSums CountGroups(int64_t caseCount) {
  GroupSums sums;
  for (int g = 1; g <= 9; ++g) Module1::gN(g) = 0;
  for (int64_t i = 1; i <= caseCount; ++i) {
    const int c = GroupIndex(Module1::gArray(i, 1));
    if (c < 0) {
      sums.badCodeLine = i;
      sums.badCode = Module1::gArray(i, 1);
      return sums;
    }
    Module1::gN(c) += 1;
    sums.x[static_cast<std::size_t>(c)] += Module1::gArray(i, 2);
    sums.y[static_cast<std::size_t>(c)] += Module1::gArray(i, 3);
  }
  return sums;
}

int64_t CategoryCount() {
  int64_t k = 0;
  for (int g = 1; g <= 9; ++g) {
    if (Module1::gN(g) > 0) ++k;
  }
  return k;
}

bool CategoryCountInRange(int64_t categoryCount) {
  return categoryCount >= 2 && categoryCount <= 9;
}

void CommitCounts(int64_t caseCount, int64_t categoryCount) {
  Module1::gNoCases = caseCount;
  Module1::gNoCategories = categoryCount;
  Module1::gArray.Resize(Module1::gNoCases, Module1::kColumns);
}

std::string DataListing(const std::string& fileName, const std::string& shortDate,
                        const std::string& shortTime) {
  const std::string& eol = Module1::kEOL;
  std::string listing;
  listing.reserve(static_cast<std::size_t>(Module1::gNoCases) * 40 + 200);
  listing += "Date: " + shortDate + "  " + shortTime + eol;
  listing += "File: " + fileName + eol;
  listing += " Case   Category    X        Y" + eol;
  for (int64_t i = 1; i <= Module1::gNoCases; ++i) {
    listing += RightAlign(Str(i) + ".", 5);
    listing += RightAlignAfter(Str(Module1::gArray(i, 1)), 7);
    listing += RightAlignAfter(Str(Module1::gArray(i, 2)), 9);
    listing += RightAlignAfter(Str(Module1::gArray(i, 3)), 9);
    listing += eol;
  }
  return listing;
}

std::vector<std::string> SumWarnings(const GroupSums& sums) {
  std::vector<std::string> lines;
  for (int g = 1; g <= 9; ++g) {
    if (Module1::gN(g) <= 0) continue;
    const auto at = static_cast<std::size_t>(g);
    if (sums.x[at] <= 0) {
      lines.push_back("The X scores for category #" + Str(g) +
                      " sum to 0. Check your data for accuracy." + Module1::kEOL);
    }
    if (sums.y[at] <= 0) {
      lines.push_back("The Y scores for category #" + Str(g) +
                      " sum to 0. Check your data for accuracy." + Module1::kEOL);
    }
  }
  return lines;
}

void BuildCenteredScores() {
  const int64_t N = Module1::gNoCases;
  double m = 0.0;
  for (int64_t i = 1; i <= N; ++i) m += Module1::gArray(i, 2);
  m /= static_cast<double>(N);
  Module1::gScores.Resize(N, Module1::kColumns);
  for (int64_t i = 1; i <= N; ++i) {
    for (int64_t c = 1; c <= Module1::kColumns; ++c) Module1::gScores(i, c) = Module1::gArray(i, c);
  }
  for (int64_t i = 1; i <= N; ++i) Module1::gScores(i, 2) = Module1::gScores(i, 2) - m;
}

bool LoadCases(framework::TextInputStream& in, const std::string& fileName, LoadReport& report) {
  const CaseReading reading = ReadCases(in);
  in.Close();
  if (reading.readFailed) {
    report.Message(UnreadableFileMessage(fileName));
    return false;
  }
  if (reading.badFieldCountLines > 0) report.Message(kFieldCountWarning);
  if (!CaseCountInRange(reading.lineCount)) {
    report.Message(kCaseCountMessage);
    return false;
  }
  const GroupSums sums = CountGroups(reading.lineCount);
  if (sums.badCodeLine != 0) {
    report.Message(BadGroupCodeMessage(sums.badCodeLine, sums.badCode));
    return false;
  }
  const int64_t k = CategoryCount();
  if (!CategoryCountInRange(k)) {
    report.Message(kCategoryCountMessage);
    return false;
  }
  CommitCounts(reading.lineCount, k);
  // The listing is stamped with the moment the file has passed its checks, after any message
  // the user may have kept open; date and time are of that one moment.
  const ListingMoment now = report.Now();
  report.Append(DataListing(fileName, now.shortDate, now.shortTime));
  for (const std::string& line : SumWarnings(sums)) report.Append(line);
  BuildCenteredScores();
  return true;
}
