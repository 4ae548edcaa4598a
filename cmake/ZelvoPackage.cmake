# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# `make package`: one Debian package with both programs, installed under /usr,
# its library dependencies computed from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zelvo developers")
set(CPACK_PACKAGE_CONTACT "The Zelvo developers <zelvo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "matching-network designer on the Smith chart, and an antenna calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelvo designs impedance matching networks on the Smith chart: data points,\n\
series and shunt elements dragged along their circles, wideband re-evaluation,\n\
Q and VSWR contours, undo and redo, design files and netlists. Its S-Plot mode\n\
plots measured two-port Touchstone data with K, MAG, MSG, stability, gain and\n\
noise circles.\n\
.\n\
Wendra is a small antenna calculator (Yagi, J and inverted-V antennas) with a\n\
Chinese user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its display back-ends at run time, so no library link names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# A CJK font for Wendra and Zelvo in Chinese; Qt's own Chinese texts (standard
# buttons, file dialogs) for Zelvo in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
