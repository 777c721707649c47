#pragma once

#include <map>
#include <string>
#include <vector>

// A small skin for the skin fuzzers' seeds and fixtures: a spec.txt that uses
// every kind of control line in both views, and bitmaps for all of them in
// each depth the bitmap reader knows, kept tiny so that a fuzzer runs fast.
class SkinSample {
public:
    // spec.txt texts: the full one, and variants with headers, comments,
    // odd spacing and faulty lines.
    static std::vector<std::string> specTexts();
    // File name -> BMP bytes, for the main view ("m_") and the alternate ("a_").
    static std::map<std::string, std::string> bitmaps();
};
