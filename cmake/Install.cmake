# Installing the game for the desktop:
#
#   <prefix>/bin/deduxa                     the launcher (makes the player's data folder)
#   <prefix>/libexec/deduxa/deduxa          the game itself
#   <prefix>/share/deduxa/                  the game content, read-only
#   <prefix>/share/applications/, icons/, metainfo/   the desktop entry, icon, catalogue data
#
# The game runs in its working folder and writes into it, so the launcher
# gives every user a folder of their own under $XDG_DATA_HOME that links to
# the installed content (see app/launcher/deduxa.sh.in).
include(GNUInstallDirs)

set(DEDUXA_APP_ID org.deduxa.Deduxa)
set(DEDUXA_CONTENT_DIR ${CMAKE_INSTALL_DATADIR}/deduxa)
set(DEDUXA_LIBEXEC_DIR ${CMAKE_INSTALL_LIBEXECDIR}/deduxa)
set(DEDUXA_ICON_SIZES 16 32 48 64 128 256)

# The launcher finds the game and its content relative to its own folder, so
# the installed tree can be moved or installed under any prefix.
foreach(dir CONTENT LIBEXEC)
    if(IS_ABSOLUTE "${DEDUXA_${dir}_DIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
        set(DEDUXA_${dir}_FROM_BIN "${DEDUXA_${dir}_DIR}")
    else()
        file(RELATIVE_PATH rel /root/${CMAKE_INSTALL_BINDIR} /root/${DEDUXA_${dir}_DIR})
        set(DEDUXA_${dir}_FROM_BIN "\${here}/${rel}")
    endif()
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/app/launcher/deduxa.sh.in
               ${CMAKE_BINARY_DIR}/launcher/deduxa @ONLY)

install(TARGETS deduxa RUNTIME DESTINATION ${DEDUXA_LIBEXEC_DIR})
install(TARGETS deduxa_sound deduxa_print LIBRARY DESTINATION ${DEDUXA_LIBEXEC_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/deduxa DESTINATION ${CMAKE_INSTALL_BINDIR})

# The content: everything the content tools write, not what the game writes
# when it runs (players, saved games, the score table) nor the placeholders
# that keep empty folders in the repository.
set(read_only FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ
    DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                          WORLD_READ WORLD_EXECUTE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/gamedata/ DESTINATION ${DEDUXA_CONTENT_DIR}
        ${read_only}
        PATTERN .keep EXCLUDE
        PATTERN players EXCLUDE
        PATTERN games EXCLUDE
        PATTERN scores.dat EXCLUDE)

foreach(size IN LISTS DEDUXA_ICON_SIZES)
    install(FILES ${CMAKE_SOURCE_DIR}/gamedata/icons/deduxa-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${DEDUXA_APP_ID}.png)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/app/launcher/deduxa.desktop.in
               ${CMAKE_BINARY_DIR}/launcher/${DEDUXA_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/app/launcher/deduxa.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/launcher/${DEDUXA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/launcher/${DEDUXA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/launcher/${DEDUXA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
