# What `cmake --install` puts beside the program on a free desktop, and the
# Debian package CPack builds from it (`cpack -G DEB`).
set(velluna_app_id it.velluna.Velluna)
set(velluna_desktop_dir ${CMAKE_CURRENT_LIST_DIR})
set(velluna_icon_dir ${CMAKE_CURRENT_LIST_DIR}/../icon)

install(FILES ${velluna_desktop_dir}/${velluna_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${velluna_desktop_dir}/${velluna_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${velluna_icon_dir}/velluna.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ${velluna_app_id}.png)
install(FILES ${velluna_icon_dir}/velluna@2x.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME ${velluna_app_id}.png)
install(FILES ${velluna_icon_dir}/velluna.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${velluna_app_id}.svg)

set(CPACK_PACKAGE_NAME velluna)
set(CPACK_PACKAGE_VENDOR "Velluna")
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Segui la gravidanza dalla data dell'ultima mestruazione")
set(CPACK_PACKAGE_DESCRIPTION "Velluna is a small Italian window that follows a pregnancy from the date of
the last menstruation: birth dates, weeks, month, trimester, progress,
medical milestones, advice and the baby's development month by month.")
set(CPACK_PACKAGE_CONTACT "Velluna <velluna@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries come from dpkg-shlibdeps (Debian's libqt6gui6 carries the X11
# platform plugin and the cursor reader too); the font the window falls back
# to is loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
