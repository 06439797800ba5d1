# The man pages and the shell completion, installed where man and the shells look under the
# prefix. The pages are compressed in the build, as Debian's policy asks of installed pages.

include(GNUInstallDirs)

find_program(VORN_GZIP gzip)
set(VORN_MAN_PAGES vorn.1 vornctl.1)
foreach(page IN LISTS VORN_MAN_PAGES)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page})
  if(VORN_GZIP)
    set(built ${PROJECT_BINARY_DIR}/docs/man/${page}.gz)
    # -n keeps the source's name and time out of the archive, so rebuilds are identical.
    add_custom_command(OUTPUT ${built}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/docs/man
                       COMMAND ${VORN_GZIP} -9 -n -c ${source} > ${built}
                       DEPENDS ${source} VERBATIM)
    list(APPEND VORN_BUILT_PAGES ${built})
  else()
    list(APPEND VORN_BUILT_PAGES ${source})
  endif()
endforeach()
add_custom_target(vorn_man_pages ALL DEPENDS ${VORN_BUILT_PAGES})
install(FILES ${VORN_BUILT_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/vornctl.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vornctl)
