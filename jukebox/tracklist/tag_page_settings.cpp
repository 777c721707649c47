#include "jukebox/tracklist/tag_page_settings.h"

#include "taglib/tag_record.h"

void TagPageSettings::applyTo(TagRecord& record) const {
    record.winampGenres = useWinampGenres;
    record.autoTranslate = useAutoTranslate;
    record.marlowExtension = useMarlow;
}
