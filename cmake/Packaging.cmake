# The Debian package of the three programs: `cpack` (or the "package" target) in
# the build folder writes velorine_<version>_<arch>.deb from what `cmake --install`
# installs, laid out under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velorine)
set(CPACK_PACKAGE_VENDOR Quillamo)
# The Maintainer field; a distributor sets its own.
set(VELORINE_PACKAGE_MAINTAINER "Velorine developers <velorine@localhost>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_CONTACT "${VELORINE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "skinned jukebox and ID3v1 tag tools for legacy code pages")
# The build keeps debugging symbols; the installed programs do without them.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description under the summary line; CPack indents it and marks the
# empty line between the paragraphs as Debian wants.
set(CPACK_PACKAGE_DESCRIPTION "Velorine plays music and videos in a skinned window and reads ID3v1 tags
written in legacy code pages (Big5, GBK, Shift-JIS, KSC, UTF-8, ANSI) as
Unicode, detecting the code page from the tags' own bytes.

Pellimorph rewrites the ID3v1 text of MP3 files from one code page to
another on the command line; Marlowisp writes or removes the ID3v1 tags of
many MP3 files at once. Both keep an undo journal.")
# The libraries the programs link come from dpkg-shlibdeps; what they load at run
# time is named here: GStreamer's plugins for the formats the jukebox plays, Qt's
# platform plugins, and a font for Chinese, Japanese and Korean tag texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, qt6-qpa-plugins, fonts-wqy-microhei")

include(CPack)
