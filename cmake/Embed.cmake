# brelka_embed(TARGET FILE FUNCTION NAMESPACE): the data file FILE of the calling folder, built
# into TARGET as NAMESPACE::FUNCTION(), which returns its text.
function(brelka_embed target file function namespace)
  set(path ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
  file(READ ${path} EMBED_TEXT)
  file(RELATIVE_PATH EMBED_FILE ${PROJECT_SOURCE_DIR} ${path})
  set(EMBED_FUNCTION ${function})
  set(EMBED_NAMESPACE ${namespace})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/Embedded.cpp.in ${function}.cpp @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${function}.cpp)
endfunction()
