#pragma once

// File names a batch download is given, with the group each goes to or -1 where the name is
// refused. The batch rule and vornctl download-many are both held to this table.
struct BatchName {
  const char* name;
  int group;
};

inline constexpr BatchName kBatchNames[] = {
    {"3号wave.rob", 3},  {"0号a.rob", 0},    {"230号b.rob", 230},
    {"007号c.rob", 7},  // leading zeros are not octal
    {" 12 号d.rob", 12}, {"231号e.rob", -1}, {"99999999999999999999号f.rob", -1},
    {"x号g.rob", -1},  // no number is not group 0
    {"号h.rob", -1},     {"plain.rob", -1},  {"4x号i.rob", -1},
    {"-1号j.rob", -1},   {"+5号k.rob", -1},  {"\xef\xbc\x96号l.rob", -1},  // a full-width 6
};
