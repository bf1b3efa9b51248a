// Where the fixed part of the message file puts each line: captions and hints of the
// windows by role "Form.Component" (a form's own window caption has the role "Form"),
// with the English text each role shows when no message file is read.
#pragma once

#include <vector>

namespace qora {

enum class RoleTarget {
  Caption,
  Hint,
  CaptionAndHint,  // the same text as caption and as hint
};

struct RoleLine {
  int line;  // line of the fixed part, counted from 1
  const char* role;
  RoleTarget target;
  const char* english;
};

// Lines 133..369 of the fixed part, in file order. A line may appear more than once
// (line 258 serves four print buttons).
const std::vector<RoleLine>& MessageFileRoles();

// The first line of the fixed part holding window captions and hints, and the last line
// of the file that is read.
inline constexpr int kFirstRoleLine = 133;
inline constexpr int kLastFixedLine = 369;

}  // namespace qora
