#include "fuzz/skin_sample.h"

#include <QImage>

#include "tests/jukebox/cover/image_fixtures.h"

namespace {

const char kFullSpec[] =
    "[Name]\r\nSample\r\n[Designer]\r\nFuzz\r\n[Version]\r\n1.0\r\n"
    "[Desc]\r\nA small skin\r\nof two lines\r\n[Controls]\r\n"
    "[MAIN]\r\n"
    "play v 1 2 3 4\r\nstop v 5 2 3 4\r\npause i 9 2 3 4\r\nhome v 1 6 3 4\r\n"
    "end v 5 6 3 4\r\nrandom v 9 6 3 4\r\nloop v 1 10 3 4\r\noptions v 5 10 3 4\r\n"
    "help v 9 10 3 4\r\ndict v 1 14 2 2\r\ntlist v 3 14 2 2\r\ncover v 5 14 2 2\r\n"
    "close v 7 14 2 2\r\nui v 9 14 2 2\r\nmini v 11 14 2 2\r\nmenu v 13 14 2 2\r\n"
    "balrt v 1 16 1 1\r\nballt v 2 16 1 1\r\nvolup v 3 16 1 1\r\nvoldn v 4 16 1 1\r\n"
    "posff v 5 16 1 1\r\nposrw v 6 16 1 1\r\n"
    "balance v h 1 1 000000 808080 ffffff\r\n"
    "volume v v 2 2 102030 405060 708090\r\n"
    "position v h 3 3 AABBCC DDEEFF 00ff00\r\n"
    "time v 4 4\r\ntag v 1 1\r\npm v 2 2\r\nav v 3 3\r\nanim v 1 1 3 100\r\n"
    "track v b 1 1 18 4 1 50\r\n"
    "[ALT]\r\n"
    "play v 1 1 2 2\r\ntime v 1 1\r\ntrack v f 0 0 8 3 2 30 000000 ffffff\r\n";

const char kOddSpec[] =
    "# comment\n[main]\n\tplay\tv\t1 2 3 4\nPLAY I 1 2 3\nvolume x q 1 1 zz 12 1\n"
    "anim v 1 1 0 10\nanim v 1 1 -3 -1\ntrack v b -5 300 +5 -0 1\n"
    "time v\n[ALT]\r\rvolume v h 1 1 000000 000000 000000 extra\ntag v 0 0\n";

const char kHeaderOnlySpec[] = "[NAME]\nOnly a header\n[desc]\nno controls follow\n";

QImage pattern(int width, int height) {
    return testPattern(width, height);
}

}  // namespace

std::vector<std::string> SkinSample::specTexts() {
    return {kFullSpec, kOddSpec, kHeaderOnlySpec};
}

std::map<std::string, std::string> SkinSample::bitmaps() {
    return {
        {"m_panel.bmp", makeBmp(pattern(20, 60))},
        {"m_bslider.bmp", makeBmp(pattern(6, 4), BmpOptions{8})},
        {"m_bthumb.bmp", makeBmp(pattern(2, 8), BmpOptions{4})},
        {"m_vslider.bmp", makeBmp(pattern(3, 8), BmpOptions{1})},
        {"m_vthumb.bmp", makeBmp(pattern(3, 4), BmpOptions{16})},
        {"m_pslider.bmp", makeBmp(pattern(8, 2), BmpOptions{32})},
        {"m_pthumb.bmp", makeBmp(pattern(2, 4), BmpOptions{24, true})},
        {"m_time.bmp", makeBmp(pattern(22, 3), BmpOptions{24, false, 12})},
        {"m_sep.bmp", makeBmp(pattern(2, 3))},
        {"m_tag.bmp", makeBmp(pattern(3, 6))},
        {"m_pm.bmp", makeBmp(pattern(3, 6), BmpOptions{8, true})},
        {"m_av.bmp",
         makeBmp(pattern(3, 6), BmpOptions{16, false, 40, true, {0xF800, 0x07E0, 0x001F}})},
        {"m_anim.bmp",
         makeBmp(pattern(4, 9), BmpOptions{32, false, 124, true, {0xFF0000, 0xFF00, 0xFF}})},
        {"m_alpha.bmp", makeBmp(pattern(32, 3))},
        {"a_panel.bmp", makeBmp(pattern(8, 12))},
        {"a_time.bmp", makeBmp(pattern(11, 2))},
        {"a_sep.bmp", makeBmp(pattern(2, 2))},
    };
}
