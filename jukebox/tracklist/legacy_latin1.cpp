#include "jukebox/tracklist/legacy_latin1.h"

#include <string_view>

#include "taglib/code_page_converter.h"
#include "taglib/code_page_detector.h"

// Tagging programs of the time wrote text in the user's own code page into frames
// that declare Latin-1: the fields of one tag are weighed together, as an ID3v1
// block's are, and Western text stays Western.
std::vector<std::u16string> decodeLegacyLatin1(const std::vector<std::string>& fields) {
    std::vector<std::string_view> views(fields.begin(), fields.end());
    const int codePage = CodePageDetector::Decide(CodePageDetector::Score(views)).codePage;
    const CodePageConverter& converter = IcuCodePageConverter::instance();
    std::vector<std::u16string> texts;
    texts.reserve(fields.size());
    for (const std::string& bytes : fields) {
        texts.push_back(converter.toUtf16(codePage, bytes));
    }
    return texts;
}
