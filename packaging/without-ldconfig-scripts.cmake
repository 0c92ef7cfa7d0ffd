# Run by cpack after it has built the packages (CPACK_POST_BUILD_SCRIPTS).
# For a package holding a shared library, CPack writes postinst and postrm
# scripts that call ldconfig; Debian replaced those by the ldconfig trigger,
# which libdalcal1 carries (libdalcal1.triggers). The package is built again
# from its own contents without the two scripts.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "/libdalcal1_[^/]*\\.deb$")
    continue()
  endif()
  set(tree "${CPACK_TOPLEVEL_DIRECTORY}/libdalcal1-contents")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -b "${tree}" "${deb}" OUTPUT_QUIET
                  COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
