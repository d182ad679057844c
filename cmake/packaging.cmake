# Installing and packaging.
#
# Linux: `cmake --install BUILD [--prefix DIR]` puts the stripped program in
# bin/ and its program for Wayland sessions in lib/sagelight/, its manual
# page in share/man/man6/ and the README in share/doc/sagelight/; `cpack --config BUILD/CPackConfig.cmake` makes the
# Debian package from the same rules.
# Windows (the i686 cross build): the target `msi` makes the installer with
# wixl from Debian's wixl package.
# scripts/dist.sh builds all of them into build/dist/.

if(TARGET sagelight)
  # GNUInstallDirs would name the documentation folder after the project,
  # Sagelight; Debian's tools and users look for the package's name.
  set(CMAKE_INSTALL_DOCDIR share/doc/sagelight CACHE PATH "Documentation (share/doc/sagelight)")
  include(GNUInstallDirs)

  # The manual page, with the version filled in, compressed as Debian
  # installs manual pages; man reads it either way.
  set(sagelight_man ${CMAKE_CURRENT_BINARY_DIR}/sagelight.6)
  configure_file(${PROJECT_SOURCE_DIR}/docs/sagelight.6.in ${sagelight_man} @ONLY)
  find_program(SAGELIGHT_GZIP gzip)
  if(SAGELIGHT_GZIP)
    add_custom_command(
      OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/sagelight.6.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory man
      COMMAND ${CMAKE_COMMAND} -E copy ${sagelight_man} man/sagelight.6
      COMMAND ${SAGELIGHT_GZIP} -9nf man/sagelight.6
      DEPENDS ${sagelight_man}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      VERBATIM)
    add_custom_target(sagelight_man ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/man/sagelight.6.gz)
    set(sagelight_man ${CMAKE_CURRENT_BINARY_DIR}/man/sagelight.6.gz)
  endif()

  # An installed program carries no debug information: the build keeps it
  # for debugging, the installed copy is a twentieth of the size. Strip
  # unless the caller decided (cmake -DCMAKE_INSTALL_DO_STRIP=0 -P
  # BUILD/cmake_install.cmake installs it unstripped).
  install(CODE "if(NOT DEFINED CMAKE_INSTALL_DO_STRIP)
  set(CMAKE_INSTALL_DO_STRIP 1)
endif()")
  install(TARGETS sagelight RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(TARGET sagelight-wayland)
    # Where sagelight looks for it: lib/sagelight beside its own folder, the
    # same from bin/ as in the build tree.
    install(TARGETS sagelight-wayland RUNTIME DESTINATION lib/sagelight)
  endif()
  install(FILES ${sagelight_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  foreach(licence LICENSE LICENSE.md COPYING)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${licence})
      install(FILES ${PROJECT_SOURCE_DIR}/${licence} DESTINATION ${CMAKE_INSTALL_DOCDIR})
    endif()
  endforeach()

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME sagelight)
  set(CPACK_PACKAGE_VENDOR Sagelight)
  set(CPACK_PACKAGE_CONTACT "Sagelight developers")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calm screen saver that shows a saying every 20 seconds")
  set(CPACK_STRIP_FILES ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION x11)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
         "sagelight /s covers the screen in black and every 20 seconds shows a\n"
         "small framed panel with a saying, somewhere new, in one of seven\n"
         "colours. A key, a nudge of the mouse or a click on the saying ends it.\n"
         "sagelight-idle starts it when the session is idle; sagelight-idle\n"
         "--enable switches that on for a user.")
  # The libraries come from dpkg-shlibdeps (which CPack runs on what `file`
  # calls an executable: both packages, dpkg-dev and file, are needed to
  # build the package); the fonts are the metric twins of the faces the
  # panel's layout was drawn for.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # Files under /etc are the administrator's: dpkg keeps their changes.
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/conffiles)
  include(CPack)
endif()

if(WIN32 AND TARGET Sagelight AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Only the 32-bit program is packaged: it is the one users install (a
  # 64-bit one gets no file virtualization for its quote file).
  find_program(SAGELIGHT_WIXL wixl)
  set(sagelight_msi ${CMAKE_BINARY_DIR}/Sagelight-${PROJECT_VERSION}.msi)
  if(SAGELIGHT_WIXL)
    # wixl finds the package's files relative to its working folder.
    add_custom_command(
      OUTPUT ${sagelight_msi}
      COMMAND ${SAGELIGHT_WIXL} --arch x86 --define Version=${PROJECT_VERSION} --output
              ${sagelight_msi} ${PROJECT_SOURCE_DIR}/packaging/sagelight.wxs
      DEPENDS Sagelight ${PROJECT_SOURCE_DIR}/packaging/sagelight.wxs
      WORKING_DIRECTORY $<TARGET_FILE_DIR:Sagelight>
      VERBATIM)
    add_custom_target(msi DEPENDS ${sagelight_msi})
  else()
    add_custom_target(msi COMMAND ${CMAKE_COMMAND} -E echo
                      "wixl is not installed (apt-get install wixl): no installer built"
                      COMMAND ${CMAKE_COMMAND} -E false)
  endif()
endif()
