# SPDX-License-Identifier: GPL-3.0-or-later
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

# The copyright file, the changelog and the manual pages (Italian in
# share/man/it, English as the fallback in share/man), where Debian wants
# them. The changelog and the pages are installed compressed with gzip -9n:
# no file name and no time stamp inside, so every build gives the same bytes.
# They are made with the program, so that `cmake --install` finds them after
# a build of the velluna target alone.
if(UNIX)
    set(velluna_packaging_dir ${CMAKE_CURRENT_LIST_DIR}/..)
    set(velluna_gzip_dir ${CMAKE_CURRENT_BINARY_DIR}/gzipped)
    find_program(VELLUNA_GZIP gzip REQUIRED)
    set(velluna_gzipped)
    foreach(doc debian/changelog man/velluna.1 man/it/velluna.1)
        set(out ${velluna_gzip_dir}/${doc})
        add_custom_command(OUTPUT ${out}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${velluna_packaging_dir}/${doc} ${out}
            COMMAND ${VELLUNA_GZIP} -9nf ${out}
            DEPENDS ${velluna_packaging_dir}/${doc}
            COMMENT "Compressing ${doc}"
            VERBATIM)
        list(APPEND velluna_gzipped ${out}.gz)
    endforeach()
    add_custom_target(velluna_docs ALL DEPENDS ${velluna_gzipped})
    add_dependencies(velluna velluna_docs)

    install(FILES ${velluna_packaging_dir}/debian/copyright
                  ${velluna_gzip_dir}/debian/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velluna)
    install(FILES ${velluna_gzip_dir}/man/velluna.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${velluna_gzip_dir}/man/it/velluna.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1)
endif()

# Resolve every symbol at start and keep the relocation table read-only, as
# Debian links its own programs (lintian's hardening-no-bindnow).
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    target_link_options(velluna PRIVATE LINKER:-z,relro,-z,now)
endif()

set(CPACK_PACKAGE_NAME velluna)
set(CPACK_PACKAGE_VENDOR "Velluna")
set(CPACK_PACKAGE_VERSION ${VELLUNA_VERSION})
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
