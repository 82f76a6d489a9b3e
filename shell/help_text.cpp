#include "shell/help_text.hpp"

#include <array>
#include <cstddef>

namespace {

// One entry per line, so that the line structure of the help text reads straight off the table
// and no paragraph can hide a line end. Each paragraph is a single line that the text area
// wraps to its width. The stated results must stay what the analysis computes from the example;
// the tests run the example through the engine to hold them to that.
constexpr std::array<const char*, 56> kLines = {
    // 1
    "Dalvenquist Regression Bias Analysis",
    "",
    // 3
    "Many quantitative approaches to assessing bias in tests have been proposed. They include "
    "procedures based on item statistics, approaches through the construct and the content that a "
    "test measures, and procedures based on prediction. An early and influential view rests on "
    "predictive validity. As a 1975 source defines it, a test is fair for a given use if "
    "the inference drawn from its score is made with the smallest feasible random error and with "
    "no constant error that depends on membership in a particular group.",
    "",
    // 5
    "A widely used procedure for detecting bias in prediction, published in a report of 1978, "
    "compares the regression lines of the criterion on the predictor in the groups with a "
    "simultaneous F test and with separate F tests of the slopes and of the intercepts. The "
    "simultaneous test compares one common line with separate lines for the groups, the test of "
    "the slopes compares parallel lines with separate lines, and the test of the intercepts "
    "compares one common line with parallel lines. A significant simultaneous F means that "
    "predictive bias exists. The separate tests then show its form: when the intercepts differ, "
    "the bias is constant; when the slopes differ, the bias depends on how far the scores lie from "
    "the mean. No test bias is taken to exist when one common regression line describes the groups "
    "adequately. A published application of the procedure is the article of 1995 listed under "
    "References.",
    "",
    // 7
    "Data Input",
    // 8
    "Dalvenquist reads its data from a text file with one case on each line. A case gives the "
    "group the person belongs to, then the predictor score (X), then the criterion score (Y). "
    "Groups are numbered with the digits 1 to 9; there may be 2 to 9 groups, and the file may hold "
    "from 3 up to 9,999 cases in all. Each case thus has exactly three values. No case may be "
    "missing and no value may be non-numeric. The three values are separated by tabs and each line "
    "ends with a return, so the program reads tab-delimited text files, as spreadsheets and "
    "statistics programs save them. A line with other than three values draws a warning to check "
    "the data. The program counts the cases and the size of each group from the file itself; no "
    "counts need to be entered.",
    "",
    // 10
    "For example, if 9 cases represent data from two groups (N1=4, N2=5):",
    "     case #1---> 1  099  100",
    "     case #2---> 1  100  102",
    "     case #3---> 1  087  092",
    "     case #4---> 1  094  097",
    "     case #5---> 2  095  106",
    "     case #6---> 2  099  107",
    "     case #7---> 2  100  108",
    "     case #8---> 2  098  103",
    "     case #9---> 2  099  105",
    "",
    // 21
    "Here case 1 is a member of group 1 with a predictor score of 99 and a criterion score of 100, "
    "and case 5 is a member of group 2 with a predictor score of 95 and a criterion score of 106. "
    "In the file, the three values of each case are separated by tabs.",
    "",
    // 23
    "Results from an analysis of the above data indicate:",
    "    Simultaneous  F = 11.72 (2,5),  p = .013",
    "    Slopes             F =    .88  (1,5),  p = .391",
    "    Intercepts        F = 23.01 (1,6),  p = .003",
    "",
    // 28
    "Interpretation",
    // 29
    "The following description is adopted from a 1990 source. Predictive bias takes three forms: "
    "(a) the intercepts differ, (b) the slopes differ, or (c) both differ. When only the "
    "intercepts differ, the regression lines are parallel and the prediction is equally accurate "
    "in each group, but an equation computed from the combined groups over-predicts the criterion "
    "for the group with the lower criterion scores and under-predicts it for the group with the "
    "higher criterion scores. When only the slopes differ, the lines are not parallel and the "
    "amount of bias depends on how far the scores lie from the mean; the group with the highest "
    "mean criterion score is then typically under-predicted by a common equation. When both the "
    "intercepts and the slopes differ, the case is the most complex: both the amount and the "
    "direction of the bias depend on the distance of the scores from the origin. In the example "
    "above, the simultaneous test and the test of the intercepts are significant at the .05 level "
    "and the test of the slopes is not, which points to the first form: one equation for both "
    "groups would under-predict the criterion scores of group 2.",
    "",
    "",
    // 32
    "References",
    // 33
    "An article of 1975 on the educational uses of tests with disadvantaged students, the source "
    "of the definition of a fair test given in the first paragraph.",
    "",
    // 35
    "A research report of 1978 on detecting bias in the prediction of a criterion from a test "
    "score, which published the procedure of a simultaneous test and separate tests of the "
    "regression slopes and intercepts that this program carries out.",
    "",
    // 37
    "A book chapter of 1982 in a handbook of methods for detecting test bias, an overview of the "
    "approaches through item statistics, construct, content and prediction named in the first "
    "paragraph.",
    "",
    // 39
    "A book chapter of 1995 on bias and fairness in the use of tests for selection, a further "
    "account of the regression approach to predictive bias and of the conditions under which the "
    "procedure applies.",
    "",
    // 41
    "A book chapter of 1990 on the regression model of test bias and on how differences between "
    "regression lines are read, the source of the description of the three forms of predictive "
    "bias under Interpretation.",
    "",
    // 43
    "An article of 1995 that applies the procedure to the prediction of a criterion from test "
    "scores in several groups, the published application of the procedure named in the second "
    "paragraph.",
    "",
    "",
    // 46
    "If you present statistics computed with Dalvenquist in a professional publication, such as a "
    "journal article, a report or a thesis, please cite the program. Reference as:",
    "Dalvenquist (Version 4.0) [Computer software]. 2026.",
    "",
    // 49
    "Alternatively, you may cite the published description of an earlier version of Dalvenquist:",
    "A journal article of 1999 describing an earlier version of Dalvenquist, a program for the "
    "regression analysis of bias in the prediction of a criterion from a test.",
    "",
    // 52
    "*************************************************************************",
    "",
    // 54
    "Copyright (c) 1999-2026 the makers of Dalvenquist. All rights reserved. This program may be "
    "used free of charge for research and teaching. It may be copied and passed on only whole and "
    "unchanged, together with this notice, and it may not be sold or made part of another product "
    "without written permission.",
    "",
    // 56
    "Dalvenquist is provided as is. The makers of Dalvenquist give no warranty of any kind, "
    "express or implied, including but not limited to warranties of merchantability and of fitness "
    "for a particular purpose. Dalvenquist is to be used with professional care and judgement, and "
    "only by users who have the qualifications needed to apply its analyses and to interpret their "
    "results. The user bears the whole responsibility for any decision made and any report written "
    "on the basis of results from Dalvenquist. The makers of Dalvenquist accept no liability "
    "towards the user or any third party for loss or damage arising from the use of the program, "
    "from a miscalculation or from its misuse.",
};

}  // namespace

const std::string& HelpText() {
  // Built once: the window reads the text each time it is built, and the table is the one
  // source of it.
  static const std::string text = [] {
    std::string joined;
    for (std::size_t i = 0; i < kLines.size(); ++i) {
      if (i > 0) joined += "\r\n";
      joined += kLines[i];
    }
    return joined;
  }();
  return text;
}
