# Packaging: `cpack -G DEB` in a build directory makes orvant_<version>_<arch>.deb from what
# `cmake --install` installs, under /usr, with its dependencies computed from the binaries.
set(CPACK_PACKAGE_NAME orvant)
set(CPACK_PACKAGE_VENDOR "ORVANT")
set(CPACK_PACKAGE_CONTACT "ORVANT PC Utilities developers <orvant@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Workbench for K2207 stepper-motor controllers over RS-232")
set(CPACK_PACKAGE_DESCRIPTION
  "Write, check and download K2207 controller scripts, send single commands, identify the\n\
controller, read back registers and flags and trace the serial traffic. Includes the\n\
command-line tool orvant-cli, the controller simulator k2207-sim and the serial library\n\
simple_comm with its headers.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A shlibs entry for libsimple_comm.so.1, so that packages linking the library depend on this one.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

include(CPack)
