# Where the Linux build installs (cmake --install build --prefix P, and the Debian package with
# P = /usr): each window program in P/lib/brelka/, beside the skin library and skin file that it
# loads from its own folder, and started through a relative link P/bin/<program>, so that no
# path of the build machine ends up in the installed files.
set(BRELKA_INSTALL_PRIVATE_DIR lib/brelka)

# brelka_install_program(TARGET): installs the program into lib/brelka/ and links bin/ to it.
function(brelka_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${BRELKA_INSTALL_PRIVATE_DIR})
  set(links ${CMAKE_BINARY_DIR}/install-links)
  file(MAKE_DIRECTORY ${links})
  file(CREATE_LINK ../${BRELKA_INSTALL_PRIVATE_DIR}/${target} ${links}/${target} SYMBOLIC)
  install(FILES ${links}/${target} DESTINATION bin)
endfunction()
