# The Debian package: `cpack -G DEB` in the build folder writes tarnwick_<version>_<arch>.deb,
# installed under /usr.
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick Simulation developers")
set(CPACK_PACKAGE_CONTACT "Tarnwick Simulation developers <developers@tarnwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "free-fall separation of two jumpers leaving one aircraft")
set(CPACK_PACKAGE_DESCRIPTION
    "Two skydivers, or two groups, with different fall rates leave the same aircraft one after \
the other. Given the aircraft's indicated airspeed, the upper and lower winds and the delay \
between the exits, Tarnwick Simulation integrates both free falls from 14000 ft to 3000 ft \
msl, draws them live on a side view of the sky, and reports how far apart the two are when \
they open their parachutes. It also recommends the shortest exit delay for a chosen \
separation and prints its results without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries the program and its browser module link (with the web engine's helper
# process) are found by dpkg-shlibdeps; the platform plugins that open a window at all are
# loaded without being linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core | fonts-freefont-ttf, hicolor-icon-theme, shared-mime-info")
include(CPack)
