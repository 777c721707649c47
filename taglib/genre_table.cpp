#include "taglib/genre_table.h"

using namespace std::string_view_literals;

// clang-format off
const std::array<std::u16string_view, 148> kGenreNames = {
    u"Blues"sv,  // 0
    u"Classic Rock"sv,  // 1
    u"Country"sv,  // 2
    u"Dance"sv,  // 3
    u"Disco"sv,  // 4
    u"Funk"sv,  // 5
    u"Grunge"sv,  // 6
    u"Hip-Hop"sv,  // 7
    u"Jazz"sv,  // 8
    u"Metal"sv,  // 9
    u"New Age"sv,  // 10
    u"Oldies"sv,  // 11
    u"Other"sv,  // 12
    u"Pop"sv,  // 13
    u"R&B"sv,  // 14
    u"Rap"sv,  // 15
    u"Reggae"sv,  // 16
    u"Rock"sv,  // 17
    u"Techno"sv,  // 18
    u"Industrial"sv,  // 19
    u"Alternative"sv,  // 20
    u"Ska"sv,  // 21
    u"Death Metal"sv,  // 22
    u"Pranks"sv,  // 23
    u"Soundtrack"sv,  // 24
    u"Euro-Techno"sv,  // 25
    u"Ambient"sv,  // 26
    u"Trip-Hop"sv,  // 27
    u"Vocal"sv,  // 28
    u"Jazz+Funk"sv,  // 29
    u"Fusion"sv,  // 30
    u"Trance"sv,  // 31
    u"Classical"sv,  // 32
    u"Instrumental"sv,  // 33
    u"Acid"sv,  // 34
    u"House"sv,  // 35
    u"Game"sv,  // 36
    u"Sound Clip"sv,  // 37
    u"Gospel"sv,  // 38
    u"Noise"sv,  // 39
    u"AlternRock"sv,  // 40
    u"Bass"sv,  // 41
    u"Soul"sv,  // 42
    u"Punk"sv,  // 43
    u"Space"sv,  // 44
    u"Meditative"sv,  // 45
    u"Instrumental Pop"sv,  // 46
    u"Instrumental Rock"sv,  // 47
    u"Ethnic"sv,  // 48
    u"Gothic"sv,  // 49
    u"Darkwave"sv,  // 50
    u"Techno-Industrial"sv,  // 51
    u"Electronic"sv,  // 52
    u"Pop-Folk"sv,  // 53
    u"Eurodance"sv,  // 54
    u"Dream"sv,  // 55
    u"Southern Rock"sv,  // 56
    u"Comedy"sv,  // 57
    u"Cult"sv,  // 58
    u"Gangsta"sv,  // 59
    u"Top 40"sv,  // 60
    u"Christian Rap"sv,  // 61
    u"Pop/Funk"sv,  // 62
    u"Jungle"sv,  // 63
    u"Native American"sv,  // 64
    u"Cabaret"sv,  // 65
    u"New Wave"sv,  // 66
    u"Psychadelic"sv,  // 67
    u"Rave"sv,  // 68
    u"Showtunes"sv,  // 69
    u"Trailer"sv,  // 70
    u"Lo-Fi"sv,  // 71
    u"Tribal"sv,  // 72
    u"Acid Punk"sv,  // 73
    u"Acid Jazz"sv,  // 74
    u"Polka"sv,  // 75
    u"Retro"sv,  // 76
    u"Musical"sv,  // 77
    u"Rock & Roll"sv,  // 78
    u"Hard Rock"sv,  // 79
    u"Folk"sv,  // 80
    u"Folk-Rock"sv,  // 81
    u"National Folk"sv,  // 82
    u"Swing"sv,  // 83
    u"Fast-Fusion"sv,  // 84
    u"Bebob"sv,  // 85
    u"Latin"sv,  // 86
    u"Revival"sv,  // 87
    u"Celtic"sv,  // 88
    u"Bluegrass"sv,  // 89
    u"Avantgarde"sv,  // 90
    u"Gothic Rock"sv,  // 91
    u"Progressive Rock"sv,  // 92
    u"Psychedelic Rock"sv,  // 93
    u"Symphonic Rock"sv,  // 94
    u"Slow Rock"sv,  // 95
    u"Big Band"sv,  // 96
    u"Chorus"sv,  // 97
    u"Easy Listening"sv,  // 98
    u"Acoustic"sv,  // 99
    u"Humour"sv,  // 100
    u"Speech"sv,  // 101
    u"Chanson"sv,  // 102
    u"Opera"sv,  // 103
    u"Chamber Music"sv,  // 104
    u"Sonata"sv,  // 105
    u"Symphony"sv,  // 106
    u"Booty Bass"sv,  // 107
    u"Primus"sv,  // 108
    u"Porn Groove"sv,  // 109
    u"Satire"sv,  // 110
    u"Slow Jam"sv,  // 111
    u"Club"sv,  // 112
    u"Tango"sv,  // 113
    u"Samba"sv,  // 114
    u"Folklore"sv,  // 115
    u"Ballad"sv,  // 116
    u"Power Ballad"sv,  // 117
    u"Rhytmic Soul"sv,  // 118
    u"Freestyle"sv,  // 119
    u"Duet"sv,  // 120
    u"Punk Rock"sv,  // 121
    u"Drum Solo"sv,  // 122
    u"Acapella"sv,  // 123
    u"Euro-House"sv,  // 124
    u"Dance Hall"sv,  // 125
    u"Goa"sv,  // 126
    u"Drum & Bass"sv,  // 127
    u"Club-House"sv,  // 128
    u"Hardcore"sv,  // 129
    u"Terror"sv,  // 130
    u"Indie"sv,  // 131
    u"BritPop"sv,  // 132
    u"Negerpunk"sv,  // 133
    u"Polsk Punk"sv,  // 134
    u"Beat"sv,  // 135
    u"Christian Gangsta Rap"sv,  // 136
    u"Heavy Metal"sv,  // 137
    u"Black Metal"sv,  // 138
    u"Crossover"sv,  // 139
    u"Contemporary Christian"sv,  // 140
    u"Christian Rock"sv,  // 141
    u"Merengue"sv,  // 142
    u"Salsa"sv,  // 143
    u"Trash Metal"sv,  // 144
    u"Anime"sv,  // 145
    u"JPop"sv,  // 146
    u"Synthpop"sv,  // 147
};
// clang-format on

const std::array<std::u16string_view, 7> kMarkerNames = {
    u"BIG5"sv, u"SJIS"sv, u"GB"sv, u"KSC"sv, u""sv, u""sv, u"UTF-8"sv,
};
