# Installing and packaging: the udev rule goes where udev reads rules, whatever the prefix,
# and `cpack -G DEB` builds a Debian package of everything `cmake --install` puts in place.

# udev reads /lib/udev/rules.d (packages) and /etc/udev/rules.d (the administrator), never
# <prefix>/lib/udev/rules.d under /usr/local, so the rule does not follow the prefix.
set(VORN_UDEV_RULES_DIR "/lib/udev/rules.d" CACHE PATH
    "Folder udev reads rules from; the udev rule is installed there whatever the prefix")
install(FILES ${PROJECT_SOURCE_DIR}/resources/udev/70-vorn.rules
        DESTINATION ${VORN_UDEV_RULES_DIR})

set(CPACK_PACKAGE_NAME vorn)
set(CPACK_PACKAGE_VENDOR "Vorn")
set(CPACK_PACKAGE_CONTACT "Vorn developers <vorn@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Robot arm editor and command-line tool for six-servo arms and their controller board")
set(CPACK_PACKAGE_DESCRIPTION
    "Pose a six-servo robot arm, record and edit action groups, play them and store them on \
the arm's controller board, and tune serial bus servos. Includes vornctl for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries dpkg-shlibdeps finds: the Qt platform plugins loaded at run time, a
# font with Chinese glyphs for the two Chinese interfaces, Qt's own texts (the file panels,
# the standard buttons) in Chinese, and SDL, loaded when a gamepad is first looked for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, libsdl2-2.0-0")
# The Python module is built for one Python: its name carries that version's ABI tag.
if(TARGET vorn_python)
  set(py ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR})
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", python3 (>= ${py}~), python3 (<< ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}.99)")
endif()
# Every desktop has it; a container without it can still use the virtual board. The
# decoders read songs (WAV, OGG and FLAC; MP3 as well): without them a song only fails to
# load, with a tip.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
