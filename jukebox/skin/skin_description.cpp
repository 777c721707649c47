#include "jukebox/skin/skin_description.h"

namespace {

struct KeywordInfo {
    const char16_t* name;
    SkinLineKind kind;
};

constexpr KeywordInfo kKeywords[SkinKeywordCount] = {
    {u"play", SkinLineKind::Button},     {u"stop", SkinLineKind::Button},
    {u"pause", SkinLineKind::Button},    {u"home", SkinLineKind::Button},
    {u"end", SkinLineKind::Button},      {u"random", SkinLineKind::Button},
    {u"loop", SkinLineKind::Button},     {u"options", SkinLineKind::Button},
    {u"help", SkinLineKind::Button},     {u"dict", SkinLineKind::Button},
    {u"tlist", SkinLineKind::Button},    {u"cover", SkinLineKind::Button},
    {u"close", SkinLineKind::Button},    {u"ui", SkinLineKind::Button},
    {u"mini", SkinLineKind::Button},     {u"menu", SkinLineKind::Button},
    {u"balrt", SkinLineKind::Button},    {u"ballt", SkinLineKind::Button},
    {u"volup", SkinLineKind::Button},    {u"voldn", SkinLineKind::Button},
    {u"posff", SkinLineKind::Button},    {u"posrw", SkinLineKind::Button},
    {u"balance", SkinLineKind::Slider},  {u"volume", SkinLineKind::Slider},
    {u"position", SkinLineKind::Slider}, {u"time", SkinLineKind::Time},
    {u"track", SkinLineKind::Track},     {u"tag", SkinLineKind::Lamp},
    {u"pm", SkinLineKind::Lamp},         {u"av", SkinLineKind::Lamp},
    {u"anim", SkinLineKind::Anim},
};

}  // namespace

QString SkinKeywordName(SkinKeyword keyword) {
    return QString::fromUtf16(kKeywords[keyword].name);
}

SkinLineKind SkinKeywordKind(SkinKeyword keyword) {
    return kKeywords[keyword].kind;
}

int FindSkinKeyword(const QString& word) {
    for (int i = 0; i < SkinKeywordCount; ++i) {
        if (word.compare(QStringView(kKeywords[i].name), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int SkinView::timeCellX(int cell) const {
    switch (cell) {
        case 0:
            return 0;
        case 1:
            return digitWidth;
        case 2:
            return 2 * digitWidth;
        case 3:
            return 2 * digitWidth + sepWidth;
        default:
            return 3 * digitWidth + sepWidth;
    }
}
