#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/text_stream.hpp"

// The steps of loading a data file into the case set of Module1. Each step is a plain function
// so that the load handler reads as the sequence of its steps.

inline constexpr char kFieldCountWarning[] =
    "Some cases had more than 3 variables. Please check data for accuracy.";
inline constexpr char kCaseCountMessage[] = "Number of cases must be 3-9999";
inline constexpr char kCategoryCountMessage[] = "Number of categories must be 2-9";

std::string UnreadableFileMessage(const std::string& fileName);
std::string BadGroupCodeMessage(int64_t line, double code);

struct CaseReading {
  int64_t lineCount = 0;           // every line of the file, also those past the 9,999th
  int64_t badFieldCountLines = 0;  // lines that do not have exactly three fields
  bool readFailed = false;         // the file could not be read to its end
};

struct GroupSums {
  std::array<double, 10> x{};  // sum of X per group code, in file order
  std::array<double, 10> y{};
  int64_t badCodeLine = 0;  // the first case whose code names no group counter, or 0
  double badCode = 0.0;
};

// Empties Module1::gArray and makes it anew at its full size, all zero.
void ResetCaseArray();

// Reads every line as a case; the first 9,999 are stored in rows 1 to 9,999 of gArray.
CaseReading ReadCases(framework::TextInputStream& in);

bool CaseCountInRange(int64_t caseCount);

// Counts the cases of each group into Module1::gN and sums their X and Y. Stops at the first
// case whose code is not finite or truncates outside 0 to 9.
GroupSums CountGroups(int64_t caseCount);

// The number of group codes 1 to 9 that have at least one case.
int64_t CategoryCount();
bool CategoryCountInRange(int64_t categoryCount);

// Records N and k and trims gArray to the N cases.
void CommitCounts(int64_t caseCount, int64_t categoryCount);

// The listing of the loaded cases: date line, file line, header and one row per case.
std::string DataListing(const std::string& fileName, const std::string& shortDate,
                        const std::string& shortTime);

// The warning lines for groups whose X or Y scores sum to 0 or less, in group order.
std::vector<std::string> SumWarnings(const GroupSums& sums);

// Builds Module1::gScores: the cases with X centred on the mean X of all N cases.
void BuildCenteredScores();

// The moment a listing is stamped with, in the short forms of a date and a time.
struct ListingMoment {
  std::string shortDate;
  std::string shortTime;
};

// Where a load reports: the messages it shows, the text it appends to the output, and the
// moment its listing is stamped with, asked for when the listing is built.
class LoadReport {
 public:
  virtual ~LoadReport() = default;
  virtual void Message(const std::string& text) = 0;
  virtual void Append(const std::string& text) = 0;
  virtual ListingMoment Now() = 0;
};

// Reads and checks the cases of an open data file and, when they pass, records the counts,
// appends the listing and the sum warnings and builds the centred copy. True when the data
// set is complete; the caller then marks it usable.
bool LoadCases(framework::TextInputStream& in, const std::string& fileName, LoadReport& report);
