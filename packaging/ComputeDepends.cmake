# Run by cpack after it has installed the package's files into its staging folder: adds the
# libraries that the package's ELF files need, as dpkg-shlibdeps reads them, to the package's
# dependencies. CPack's own shlibdeps step would do the same but also adds ldconfig calls to the
# maintainer scripts for any library under /usr/lib, even in the program's private folder; dpkg
# then keeps those scripts after the package is removed.
file(GLOB_RECURSE files LIST_DIRECTORIES false ${CPACK_TEMPORARY_DIRECTORY}/*)
set(elf_files)
foreach(path IN LISTS files)
  if(NOT IS_SYMLINK ${path})
    file(READ ${path} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND elf_files ${path})
    endif()
  endif()
endforeach()
if(NOT elf_files)
  message(FATAL_ERROR "ComputeDepends: no ELF file in ${CPACK_TEMPORARY_DIRECTORY}")
endif()

# dpkg-shlibdeps wants a debian/control where it runs, even an empty one, and finds the root of
# the package's files (for the programs' $ORIGIN run path) by its DEBIAN folder.
set(work ${CPACK_TEMPORARY_DIRECTORY}/../shlibdeps)
file(MAKE_DIRECTORY ${work}/debian ${CPACK_TEMPORARY_DIRECTORY}/DEBIAN)
file(WRITE ${work}/debian/control "")
execute_process(COMMAND dpkg-shlibdeps -O ${elf_files}
                WORKING_DIRECTORY ${work}
                OUTPUT_VARIABLE shlibdeps
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${work} ${CPACK_TEMPORARY_DIRECTORY}/DEBIAN)
if(NOT shlibdeps MATCHES "shlibs:Depends=([^\n]*)")
  message(FATAL_ERROR "ComputeDepends: dpkg-shlibdeps said: ${shlibdeps}")
endif()
if(CPACK_DEBIAN_PACKAGE_DEPENDS)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ")
endif()
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
