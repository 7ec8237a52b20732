# Run by CPack after it built the Debian packages (CPACK_POST_BUILD_SCRIPTS). CPack gives every
# package with a shared object under /usr/lib a postinst and postrm that call ldconfig; Debian
# wants dpkg's ldconfig trigger instead. Such a package is rebuilt with the trigger and without
# those two scripts; its files stay as they are.
foreach(paket IN LISTS CPACK_PACKAGE_FILES)
  if(NOT paket MATCHES "\\.deb$")
    continue()
  endif()
  set(ordner "${paket}.inhalt")
  file(REMOVE_RECURSE "${ordner}")
  execute_process(COMMAND dpkg-deb -R "${paket}" "${ordner}" COMMAND_ERROR_IS_FATAL ANY)
  set(nur_ldconfig TRUE)
  foreach(skript postinst postrm)
    if(NOT EXISTS "${ordner}/DEBIAN/${skript}")
      set(nur_ldconfig FALSE)
      continue()
    endif()
    file(STRINGS "${ordner}/DEBIAN/${skript}" zeilen)
    # What CPack writes around the call: the interpreter line, set -e, one if on $1, fi.
    list(FILTER zeilen EXCLUDE REGEX "^[ \t]*(#.*|set -e|if \\[ .* \\]; then|fi|ldconfig)?[ \t]*$")
    if(zeilen)
      set(nur_ldconfig FALSE)
    endif()
  endforeach()
  if(nur_ldconfig)
    file(REMOVE "${ordner}/DEBIAN/postinst" "${ordner}/DEBIAN/postrm")
    file(WRITE "${ordner}/DEBIAN/triggers" "activate-noawait ldconfig\n")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b "${ordner}" "${paket}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "ldconfig trigger instead of maintainer scripts: ${paket}")
  endif()
  file(REMOVE_RECURSE "${ordner}")
endforeach()
