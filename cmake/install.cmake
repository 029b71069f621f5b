# What `cmake --install` (make install, the Debian package) puts under the prefix:
#   bin/orvel
#   share/orvel/          the program's read-only data: boards, help, and, when the build made
#                         them, symbols (symbols/) and translations (translations/*.qm)
#   share/applications/orvel.desktop, share/mime/packages/orvel.xml,
#   share/icons/hicolor/*/apps/orvel.{png,svg}, share/man/man1/orvel.1.gz,
#   share/doc/orvel/{copyright,changelog.gz}
# The program finds its data at ../share/orvel from its own folder (src/model/folders.cpp),
# so the data folder below must stay DATADIR/orvel.
include(GNUInstallDirs)
set(ORVEL_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/orvel)

install(TARGETS orvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/boards/ DESTINATION ${ORVEL_INSTALL_DATADIR}/boards
        PATTERN .keep EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION ${ORVEL_INSTALL_DATADIR}/help)

# Program data that other parts of the build produce, installed when it is there at install
# time: FROM=NAME installs the folder FROM (relative to the build tree, else to the source
# tree) as share/orvel/NAME. The symbol library (scripts/install-symbols) and the compiled
# interface translations.
list(APPEND ORVEL_INSTALLED_DATA_FOLDERS data/symbols=symbols translations=translations)
foreach(pair ${ORVEL_INSTALLED_DATA_FOLDERS})
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 from)
  list(GET pair 1 name)
  install(CODE "
    set(from \"${CMAKE_BINARY_DIR}/${from}\")
    if(NOT IS_DIRECTORY \"\${from}\")
      set(from \"${CMAKE_SOURCE_DIR}/${from}\")
    endif()
    if(IS_DIRECTORY \"\${from}\")
      file(INSTALL \"\${from}/\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${ORVEL_INSTALL_DATADIR}/${name}\"
           FOLLOW_SYMLINK_CHAIN PATTERN \"*.ts\" EXCLUDE PATTERN \".keep\" EXCLUDE)
    endif()")
endforeach()

# The desktop: entry, file type of boards, icon.
install(FILES ${CMAKE_SOURCE_DIR}/dist/orvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/orvel-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME orvel.xml)
install(FILES ${CMAKE_SOURCE_DIR}/dist/orvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/dist/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME orvel.png)
endforeach()

# The man page names the data folder of the prefix it is installed under, which is only
# known at install time (the package installs under /usr whatever the build's prefix).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(ORVEL_DEB_VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/dist/debian/changelog.in ${CMAKE_BINARY_DIR}/dist/changelog @ONLY)
install(CODE "
  set(ORVEL_VERSION \"${PROJECT_VERSION}\")
  set(ORVEL_DATA_DIR \"\${CMAKE_INSTALL_PREFIX}/${ORVEL_INSTALL_DATADIR}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/dist/orvel.1\" \"${CMAKE_BINARY_DIR}/dist/orvel.1\" @ONLY)
  foreach(page orvel.1 changelog)
    execute_process(COMMAND \"${GZIP_PROGRAM}\" -9nf \"${CMAKE_BINARY_DIR}/dist/\${page}\" -c
                    OUTPUT_FILE \"${CMAKE_BINARY_DIR}/dist/\${page}.gz\" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")
install(FILES ${CMAKE_BINARY_DIR}/dist/orvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The copyright file names the symbol library's licences when the library is installed.
install(CODE "
  file(READ \"${CMAKE_SOURCE_DIR}/dist/debian/copyright\" text)
  if(IS_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORVEL_INSTALL_DATADIR}/symbols\")
    file(READ \"${CMAKE_SOURCE_DIR}/dist/debian/copyright-symbols\" symbols)
    string(APPEND text \"\${symbols}\")
  endif()
  file(WRITE \"${CMAKE_BINARY_DIR}/dist/copyright\" \"\${text}\")")
install(FILES ${CMAKE_BINARY_DIR}/dist/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
