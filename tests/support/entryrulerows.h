#pragma once

#include <limits>

// The numeric entry rule row by row, written once for the tests of its steps and of the field it
// is bound to: each checks these rows as far as it reaches.
struct EntryRuleRow {
    const char* tag;
    const char* text;
    double upper;
    double number;         // the text's lenient number
    const char* rewritten; // after step 1, the number's canonical text
    const char* settled;   // after steps 2 and 3
};

inline constexpr double LargestDouble = std::numeric_limits<double>::max();

inline constexpr EntryRuleRow EntryRuleRows[] = {
    {"emptied", "", 255, 0, "0", "0"},
    {"letters", "abc", 255, 0, "0", "0"},
    {"number then letters", "12abc", 255, 12, "12", "12"},
    {"letters then number", "abc12", 255, 0, "0", "0"},
    {"comma ends", "2,5", 255, 2, "2", "2"},
    {"blank inside", "1 2", 255, 12, "12", "12"},
    {"leading zeros", "007", 255, 7, "7", "7"},
    {"plus sign", "+5", 255, 5, "5", "5"},
    {"minus sign", "-5", 255, -5, "-5", "0"},
    {"300", "300", 255, 300, "300", "255"},
    {"255", "255", 255, 255, "255", "255"},
    {"255.5", "255.5", 255, 255.5, "255.5", "255"},
    {"1.5 stays", "1.5", 255, 1.5, "1.5", "1.5"},
    {"point after digits", "1.", 255, 1, "1", "1"},
    {"e without digits", "1e", 255, 1, "1", "1"},
    {"&HFF", "&HFF", 255, 255, "255", "255"},
    {"&H100", "&H100", 255, 256, "256", "255"},
    {"&O17", "&O17", 255, 15, "15", "15"},
    {"1e3, bound 255", "1e3", 255, 1000, "1000", "255"},
    {"1e3, bound 1023", "1e3", 1023, 1000, "1000", "1000"},
    {"&HFFFF folds to 16 bits, bound 1023", "&HFFFF", 1023, -1, "-1", "0"},
    {"cost 9999", "9999", 65535, 9999, "9999", "9999"},
    {"cost 1e4", "1e4", 65535, 10000, "10000", "10000"},
    {"cost 9e99", "9e99", 65535, 9e99, "9E+99", "65535"},
    {"-0", "-0", 255, -0.0, "0", "0"},
    {"beyond a double", "1e400", 255, LargestDouble, "1.79769313486232E+308", "255"},
    {"beyond a double, negative", "-1e400", 255, -LargestDouble, "-1.79769313486232E+308", "0"},
    {"below a double", "1e-400", 255, 0, "0", "0"},
    {"tiny fraction", "1e-5", 255, 1e-5, "1E-05", "1E-05"},
    {"hex beyond 32 bits", "&H1FFFFFFFF", 65535, 8589934591.0, "8589934591", "65535"},
    {"&HFFFFFFFF folds to 32 bits", "&HFFFFFFFF", 65535, -1, "-1", "0"},
    {"&H10000 is 32-bit, bound 65535", "&H10000", 65535, 65536, "65536", "65535"},
};
