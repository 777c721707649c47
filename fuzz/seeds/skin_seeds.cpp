// spec.txt texts for the parser and the folder loader, and packed skins: ZIP
// archives stored and deflated, with folders, and with the names an unpacker
// must refuse.
#include <sys/stat.h>
#include <zip.h>

#include "fuzz/seeds/seed_sets.h"
#include "fuzz/seeds/seed_writer.h"
#include "fuzz/skin_sample.h"
#include "jukebox/common/path_functions.h"
#include "jukebox/skin/skin_description.h"

namespace {

struct Item {
    std::string name;
    std::string data;
    bool deflate = true;
    bool symlink = false;
};

bool writeZip(const QString& path, const std::vector<Item>& items) {
    int error = 0;
    zip_t* archive = zip_open(LocalPathBytes(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        return false;
    }
    for (const Item& item : items) {
        zip_source_t* source = zip_source_buffer(archive, item.data.data(), item.data.size(), 0);
        const zip_int64_t index =
            item.name.ends_with('/')
                ? zip_dir_add(archive, item.name.c_str(), ZIP_FL_ENC_UTF_8)
                : zip_file_add(archive, item.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0 || item.name.ends_with('/')) {
            zip_source_free(source);
        }
        if (index < 0) {
            zip_discard(archive);
            return false;
        }
        zip_set_file_compression(archive, zip_uint64_t(index),
                                 item.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        if (item.symlink) {
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFLNK | 0777) << 16);
        }
    }
    return zip_close(archive) == 0;
}

void archive(SeedWriter& out, const std::string& name, const std::vector<Item>& items) {
    if (!writeZip(out.seedPath("skin_archive", name + ".vlz"), items)) {
        out.markFailed();
    }
}

void archives(SeedWriter& out, const std::string& spec) {
    std::vector<Item> whole = {{"spec.txt", spec, false}};
    std::vector<Item> deflated = {{"spec.txt", spec}};
    for (const auto& [name, bytes] : SkinSample::bitmaps()) {
        whole.push_back({name, bytes, name.size() % 2 == 0});
        if (name.starts_with("m_p") || name == "m_time.bmp" || name == "m_sep.bmp") {
            deflated.push_back({name, bytes});
        }
    }
    archive(out, "whole-skin", whole);
    archive(out, "deflated", deflated);
    archive(out, "in-folders",
            {{"Skin/", ""},
             {"Skin/spec.txt", spec},
             {"SPEC.TXT", "[MAIN]\nplay v 1 2 3 4\n"},
             {"Skin/sub/readme.txt", "x", false}});
    archive(out, "refused-names",
            {{"spec.txt", spec},
             {"../escape.bmp", "x"},
             {"/absolute.bmp", "x"},
             {"sub\\..\\..\\back.bmp", "x"},
             {"C:/drive.bmp", "x"},
             {"m_panel.bmp", "spec.txt", false, true}});

    const char* target = "skin_archive";
    for (const char* token : {"PK\x03\x04", "PK\x01\x02", "PK\x05\x06", "PK\x06\x06", "PK\x07\x08",
                              "spec.txt", "m_panel.bmp", "a_panel.bmp", "../", "\\", "/"}) {
        out.token(target, token);
    }
}

void specTokens(SeedWriter& out, const char* target) {
    for (int i = 0; i < SkinKeywordCount; ++i) {
        out.token(target, SkinKeywordName(SkinKeyword(i)).toStdString() + " ");
    }
    for (const char* token :
         {"[MAIN]",     "[ALT]", "[Name]", "[Designer]", "[Version]",   "[Desc]",
          "[Controls]", " v ",   " i ",    " h ",        " b ",         " f ",
          " 0 ",        " -1 ",  "000000", "ffffff",     "-2147483648", "99999999999",
          "\r\n",       "\n",    "\t",     "#"}) {
        out.token(target, token);
    }
}

}  // namespace

void AddSkinSeeds(SeedWriter& out) {
    const std::vector<std::string> specs = SkinSample::specTexts();
    for (size_t i = 0; i < specs.size(); ++i) {
        const std::string name = "spec-" + std::to_string(i) + ".txt";
        out.seed("spec_parser", name, specs[i]);
        out.seed("skin_folder", name, specs[i]);
    }
    specTokens(out, "spec_parser");
    specTokens(out, "skin_folder");
    archives(out, specs.front());
}
