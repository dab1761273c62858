# SPDX-License-Identifier: GPL-3.0-or-later
# What goes with Velluna.exe: the licence texts, in Velluna-VERSION-licenze.zip
# beside it (they are also inside Velluna.exe, which runs alone), and the
# Italian installer, Velluna-VERSION-setup.exe, made with NSIS whenever
# makensis is there.
set(velluna_licences ${CMAKE_CURRENT_LIST_DIR}/licenza.txt ${CMAKE_CURRENT_LIST_DIR}/terze-parti.txt)
set(velluna_licences_zip ${CMAKE_BINARY_DIR}/Velluna-${VELLUNA_VERSION}-licenze.zip)
add_custom_command(OUTPUT ${velluna_licences_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf licenze
    COMMAND ${CMAKE_COMMAND} -E make_directory licenze
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/licenza.txt licenze/Licenza.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/terze-parti.txt "licenze/Licenze di terze parti.txt"
    COMMAND ${CMAKE_COMMAND} -E chdir licenze ${CMAKE_COMMAND} -E tar cf ${velluna_licences_zip} --format=zip
        Licenza.txt "Licenze di terze parti.txt"
    DEPENDS ${velluna_licences}
    COMMENT "Packing the licence texts"
    VERBATIM)
add_custom_target(licences ALL DEPENDS ${velluna_licences_zip})

find_program(VELLUNA_MAKENSIS makensis)
if(VELLUNA_MAKENSIS)
    set(velluna_setup ${CMAKE_BINARY_DIR}/Velluna-${VELLUNA_VERSION}-setup.exe)
    add_custom_command(OUTPUT ${velluna_setup}
        COMMAND ${VELLUNA_MAKENSIS} -V2 -WX
            -DVERSION=${VELLUNA_VERSION} -DNUMERIC_VERSION=${PROJECT_VERSION}.0
            -DEXE=$<TARGET_FILE:velluna> -DICON=${PROJECT_SOURCE_DIR}/resources/icon/velluna.ico
            -DOUTFILE=${velluna_setup}
            ${CMAKE_CURRENT_LIST_DIR}/setup.nsi
        DEPENDS velluna ${CMAKE_CURRENT_LIST_DIR}/setup.nsi ${velluna_licences}
            ${CMAKE_CURRENT_LIST_DIR}/welcome.bmp ${CMAKE_CURRENT_LIST_DIR}/header.bmp
        COMMENT "Making the installer"
        VERBATIM)
    add_custom_target(setup ALL DEPENDS ${velluna_setup})
endif()
