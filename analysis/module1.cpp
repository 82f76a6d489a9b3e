#include "analysis/module1.hpp"

namespace Module1 {

framework::Array2<double> gArray(kMaxCases, kColumns);
framework::Array2<double> gScores(kMaxCases, kColumns);
framework::Array<int64_t> gN(kMaxGroup);
int64_t gNoCases = 0;
int64_t gNoCategories = 0;
framework::Array<double> gBeta(kMaxGroup);
framework::Array<double> gConstant(kMaxGroup);
std::string kEOL;
std::string dirtyData;
std::string dirtyc;
std::string dirtyg;

void Initialize() {
  gArray = framework::Array2<double>(kMaxCases, kColumns);
  gBeta = framework::Array<double>(kMaxGroup);
  gConstant = framework::Array<double>(kMaxGroup);
  dirtyc.clear();
  dirtyData.clear();
  dirtyg.clear();
  gN = framework::Array<int64_t>(kMaxGroup);
  gNoCases = 0;
  gNoCategories = 0;
  gScores = framework::Array2<double>(kMaxCases, kColumns);
  kEOL.clear();
}

}  // namespace Module1
