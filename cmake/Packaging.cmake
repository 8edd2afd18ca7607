# `cpack -G DEB` (make package) builds codelume_VERSION_ARCH.deb from the
# install rules. The libraries it needs are found by dpkg-shlibdeps; the
# fonts its pages name are a dependency of their own.
set(CPACK_PACKAGE_NAME codelume)
set(CPACK_PACKAGE_VENDOR "Codelume")
set(CPACK_PACKAGE_CONTACT "The Codelume team <codelume@codelume.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pascal source to HTML converter with its own viewer")
set(CPACK_PACKAGE_DESCRIPTION
  "Codelume turns Pascal sources (.pas, .pp, .dpr, .dpk, .lpr, .inc) and Delphi or\n"
  "Lazarus form files (.dfm, .lfm) into syntax-highlighted HTML pages, shows them\n"
  "in its own HTML viewer and prints them. codelume-cli does the same from a\n"
  "shell, for single files, standard input or whole source trees.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://codelume.example.org/")

include(CPack)
