// Damaged and hostile input fed to every reader: pictures, spec.txt and
// archives, mutated from good ones with fixed seeds. Nothing may crash (the
// sanitizer build watches for bad reads), and whatever is accepted must be sane.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QBuffer>
#include <random>

#include <png.h>

#include "jukebox/cover/bmp_reader.h"
#include "jukebox/cover/image_codec.h"
#include "jukebox/skin/skin_list.h"
#include "jukebox/skin/skin_loader.h"
#include "jukebox/skin/skin_packages.h"
#include "jukebox/skin/spec_parser.h"
#include "tests/jukebox/cover/child_run.h"
#include "tests/jukebox/cover/image_fixtures.h"
#include "tests/jukebox/skin/skin_fixtures.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kRounds = 150;

// One damaged copy of good: cut short, bytes flipped, a field set to an
// extreme value, or bytes inserted.
std::string mutate(const std::string& good, std::mt19937& random) {
    std::string bytes = good;
    auto at = [&](size_t limit) {
        return limit == 0 ? 0 : std::uniform_int_distribution<size_t>(0, limit - 1)(random);
    };
    switch (random() % 4) {
        case 0:
            bytes.resize(at(bytes.size()));
            break;
        case 1:
            for (int i = 0, n = 1 + int(random() % 8); i < n && !bytes.empty(); ++i) {
                bytes[at(bytes.size())] = char(random());
            }
            break;
        case 2: {
            static const uint32_t extremes[] = {0,          1,     0x7FFFFFFF, 0x80000000,
                                                0xFFFFFFFF, 16385, 65535,      0x4000};
            if (bytes.size() >= 4) {
                putLe32(bytes, at(bytes.size() - 3), extremes[random() % 8]);
            }
            break;
        }
        default:
            bytes.insert(at(bytes.size() + 1), std::string(1 + random() % 16, char(random())));
            break;
    }
    return bytes;
}

void expectSane(const PixelBuffer& picture) {
    EXPECT_GT(picture.width, 0);
    EXPECT_LE(picture.width, ImageCodec::kMaxDimension);
    EXPECT_LE(picture.height, ImageCodec::kMaxDimension);
    EXPECT_EQ(picture.pixels.size(), size_t(picture.width) * size_t(picture.height) * 3);
}

// Pictures found to be harmful, fed as they are and as bases of the mutations.
std::vector<std::string> knownHostilePictures() {
    JpegOptions arithmetic;
    arithmetic.arithmetic = true;
    JpegOptions restarts;
    restarts.restartInterval = 1;
    return {
        pngClaimingSize(16384, 16384),
        pngClaimingSize(16384, 16384, true),
        jpegClaimingSize(makeJpeg(testPattern(16, 16), arithmetic), 16384, 16384, 8),
        withWrongRestartMarker(makeJpeg(testPattern(40, 30), restarts)),
    };
}

TEST(HostileInput, DamagedPicturesNeverCrashTheDecoders) {
    QImage picture = testPattern(23, 11);
    std::vector<std::string> goods = {
        makeBmp(picture),
        makeBmp(picture, BmpOptions{1}),
        makeBmp(picture, BmpOptions{4, true}),
        makeBmp(picture, BmpOptions{8, false, 12}),
        makeBmp(picture, BmpOptions{16, true, 40, true, {0xF800, 0x07E0, 0x001F}}),
        makeBmp(picture, BmpOptions{32, false, 124, true, {0xFF0000, 0xFF00, 0xFF}}),
        makeJpeg(picture),
        makeJpeg(picture, true),
        makePng(picture, PNG_COLOR_TYPE_RGB, 8),
        makePng(picture, PNG_COLOR_TYPE_PALETTE, 8),
        makePng(picture, PNG_COLOR_TYPE_GRAY_ALPHA, 16, true),
    };
    for (const std::string& hostile : knownHostilePictures()) {
        QByteArray data = QByteArray::fromStdString(hostile);
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        ImageType type = ImageCodec::DetectImageType(buffer);
        buffer.seek(0);
        PixelBuffer out;
        EXPECT_NE(type, ImageNone);
        EXPECT_FALSE(ImageCodec::DecodeImage(buffer, type, out));
        goods.push_back(hostile);
    }
    std::mt19937 random(20240601);
    int accepted = 0;
    for (const std::string& good : goods) {
        for (int round = 0; round < kRounds; ++round) {
            QByteArray data = QByteArray::fromStdString(mutate(good, random));
            QBuffer buffer(&data);
            buffer.open(QIODevice::ReadOnly);
            ImageType type = ImageCodec::DetectImageType(buffer);
            buffer.seek(0);
            PixelBuffer out;
            if (ImageCodec::DecodeImage(buffer, type, out)) {
                ++accepted;
                expectSane(out);
            }
            QImage bitmap = BmpReader::decode(data);
            if (!bitmap.isNull()) {
                EXPECT_LE(bitmap.width(), BmpReader::kMaxDimension);
            }
        }
    }
    // Some damage is harmless (a flipped pixel): the decoders are not refusing all.
    EXPECT_GT(accepted, 0);
}

TEST(HostileInput, RandomSpecTextOnlyEverGivesParseErrors) {
    const char* words[] = {"[MAIN]", "[ALT]",       "play",        "track",  "balance", "time",
                           "anim",   "v",           "i",           "h",      "b",       "f",
                           "#",      "-2147483648", "99999999999", "00ff00", "zz",      "\t",
                           "x",      "tag",         "\r",          "\n",     "\n",      "\n"};
    std::mt19937 random(77);
    for (int round = 0; round < 40 * kRounds; ++round) {
        std::string text;
        for (int i = 0, n = int(random() % 60); i < n; ++i) {
            text += words[random() % std::size(words)];
            text += (random() % 3) ? " " : "";
            if (random() % 50 == 0) {
                text += std::string(random() % 1500, char('a' + random() % 26));
            }
            if (random() % 30 == 0) {
                text.push_back(char(random()));
            }
        }
        RecordingUiService ui;
        SkinDescription skin;
        SpecParser(ui).parse(QByteArrayView(text.data(), qsizetype(text.size())), skin);
        for (const QString& message : ui.messages) {
            ASSERT_TRUE(message.startsWith(QStringLiteral("spec.txt parse error at line ")))
                << message.toStdString();
        }
    }
}

TEST(HostileInput, DamagedSkinsAndArchivesLoadWithMessagesOnly) {
    TempDir dir;
    const std::string spec =
        "[Name]\nFuzz\n[MAIN]\nplay v 1 2 3 4\nvolume v v 1 1 000000 000000 000000\n"
        "time v 1 1\nanim v 1 1 3 10\ntrack v b 1 1 50 5 1 1\n";
    const std::map<std::string, std::string> files = {
        {"spec.txt", spec},
        {"m_panel.bmp", makeBmp(testPattern(20, 60))},
        {"m_vslider.bmp", makeBmp(testPattern(6, 20), BmpOptions{8})},
        {"m_vthumb.bmp", makeBmp(testPattern(6, 8), BmpOptions{4})},
        {"m_time.bmp", makeBmp(testPattern(22, 4), BmpOptions{16})},
        {"m_sep.bmp", makeBmp(testPattern(2, 4), BmpOptions{1})},
        {"m_anim.bmp", makeBmp(testPattern(4, 9), BmpOptions{32})},
        {"m_alpha.bmp", makeBmp(testPattern(32, 3))},
        {"a_panel.bmp", makeBmp(testPattern(8, 12), BmpOptions{24, true})},
    };
    std::vector<ZipItem> items;
    for (const auto& [name, data] : files) {
        items.push_back({name, data, name.size() % 2 == 0});
    }
    items.push_back({"sub/readme.txt", "x", true});
    writeZip(dir / "good.vlz", items);
    const std::string goodArchive = readFileBytes(dir / "good.vlz");
    std::filesystem::create_directories(dir / "skins");

    RecordingUiService ui;
    SkinPackages packages(ui);
    SkinLoader loader(ui, packages);
    SkinList list(packages);
    std::mt19937 random(4242);
    for (int round = 0; round < kRounds; ++round) {
        // A folder skin with one damaged file, and a damaged archive.
        std::filesystem::path folder = dir / "skins" / "folder";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        auto victim = std::next(files.begin(), long(random() % files.size()));
        for (const auto& [name, data] : files) {
            writeFileBytes(folder / name, &data == &victim->second ? mutate(data, random) : data);
        }
        writeFileBytes(dir / "skins" / "packed.vlz", mutate(goodArchive, random));

        SkinDescription skin;
        ui.messages.clear();
        loader.LoadSkin(qpath(folder), skin);
        loader.LoadSkin(qpath(dir / "skins" / "packed.vlz"), skin);
        list.ScanSkins(qpath(dir.path()));
        for (const QString& message : ui.messages) {
            bool known = message.startsWith(QStringLiteral("spec.txt parse error at line ")) ||
                         message.endsWith(QStringLiteral(" not found!")) ||
                         message == QStringLiteral("Skin files not found") ||
                         message.startsWith(QStringLiteral("spec.txt not found in "));
            ASSERT_TRUE(known) << message.toStdString();
        }
        // Nothing was unpacked into the skins folder.
        ASSERT_EQ(listTree(dir / "skins").size(), files.size() + 2);
    }
}

// Skins found to be harmful: numbers that overflowed a rectangle, archive
// names and entry names that left files behind or reached the temporary folder,
// a spec.txt that inflates to many megabytes, and pipes under skin file names.
TEST(HostileInput, KnownHostileSkinsLoadWithMessagesOnly) {
    TempDir dir;
    TemporaryFolderAt temporary(dir / "tmp");
    writeFileBytes(dir / "tmp" / "spec.txt", "kept");

    const std::filesystem::path skins = dir / "skins";
    const std::string panel = makeBmp(testPattern(20, 60));
    writeSkinFolder(skins / "Huge",
                    "[MAIN]\nplay v 2147483647 2147483647 2147483647 2147483647\n"
                    "track v b -2147483648 0 2147483647 9 1 1\ntime v 2147483647 1\n",
                    {{"m_panel.bmp", testPattern(20, 60)},
                     {"m_time.bmp", testPattern(22, 4)},
                     {"m_sep.bmp", testPattern(2, 4)},
                     {"m_alpha.bmp", testPattern(32, 3)}});
    writeZip(skins / "CAPS.VLZ", {{"SPEC.TXT", "[Name]\nCaps\n[MAIN]\nplay v 1 2 3 4\n"},
                                  {"M_PANEL.BMP", panel},
                                  {"A_PANEL.BMP", panel}});
    writeZip(skins / "...vlz", {{"spec.txt", "[Name]\nDots\n"}, {"m_panel.bmp", panel}});
    std::string bomb = "[Name]\nBomb\n";
    bomb.append(16 * 1024 * 1024, '\n');
    writeZip(skins / "Bomb.vlz", {{"spec.txt", bomb}, {"m_panel.bmp", panel}});
    writeSkinFolder(skins / "Pipes", nullptr, {});
    mkfifo((skins / "Pipes" / "spec.txt").c_str(), 0600);
    mkfifo((skins / "Pipes" / "m_panel.bmp").c_str(), 0600);
    mkfifo((skins / "pipe.vlz").c_str(), 0600);
    const std::vector<std::string> installed = listTree(skins);

    RecordingUiService ui;
    auto loadsEverySkin = [&] {
        SkinPackages packages(ui);
        SkinList list(packages);
        SkinLoader loader(ui, packages);
        list.ScanSkins(qpath(dir.path()));
        bool ok = list.entries().size() == 4;
        for (const auto& item : std::filesystem::directory_iterator(skins)) {
            SkinDescription skin;
            loader.LoadSkin(qpath(item.path()), skin);
        }
        for (const QString& message : ui.messages) {
            ok = ok && (message.endsWith(QStringLiteral(" not found!")) ||
                        message == QStringLiteral("Skin files not found") ||
                        message.startsWith(QStringLiteral("spec.txt not found in ")));
        }
        return ok;
    };
    EXPECT_TRUE(FinishesInChild(loadsEverySkin, ChildLimits{60, size_t(256) << 20}));
    EXPECT_EQ(listTree(skins), installed);
    EXPECT_EQ(listTree(dir / "tmp"), std::vector<std::string>{"spec.txt"});
    EXPECT_EQ(readFileBytes(dir / "tmp" / "spec.txt"), "kept");
}

}  // namespace
