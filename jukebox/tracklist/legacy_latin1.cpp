#include "jukebox/tracklist/legacy_latin1.h"

#include "taglib/code_page_converter.h"

std::vector<std::u16string> decodeLegacyLatin1(const std::vector<std::string>& fields) {
    // Until the code-page detector is linked in, the bytes are read as the frame
    // declares them: windows-1252, the Latin-1 that tagging programs really write.
    const int codePage = CodePage::Ansi;
    const CodePageConverter& converter = IcuCodePageConverter::instance();
    std::vector<std::u16string> texts;
    texts.reserve(fields.size());
    for (const std::string& bytes : fields) {
        texts.push_back(converter.toUtf16(codePage, bytes));
    }
    return texts;
}
